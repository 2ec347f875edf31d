# Two commands: `make demo` builds and runs the demo, `make test` builds and runs every test.
# Both install the Debian packages they need when they are missing.
BUILD ?= build
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=

.PHONY: demo test deps configure build build-demo clean

deps:
	@./tools/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release $(CMAKE_FLAGS) >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

# Only the demo and what it links, not the tests and benchmarks.
build-demo: configure
	@cmake --build $(BUILD) -j $(JOBS) --target vemo_demo_programs

demo: build-demo
	@./tools/run-demo.sh $(BUILD)

test: build
	@cd $(BUILD) && XDG_RUNTIME_DIR=$${XDG_RUNTIME_DIR:-/tmp/vemo-runtime} QT_QPA_PLATFORM=offscreen \
		ctest --output-on-failure -j $(JOBS)

clean:
	@rm -rf $(BUILD)
