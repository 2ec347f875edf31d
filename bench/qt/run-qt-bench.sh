#!/usr/bin/env bash
# Runs the Qt benchmarks and prints each figure beside QCalendarWidget / QDateEdit and beside the
# floor (one self-painting widget with cached text layouts, the same picture):
#   1. wall-clock medians, the sides measured in turn, memory in a fresh process per side;
#   2. instructions counted by callgrind (the figure of record): one month step, create + first
#      show of one calendar (the form it stands on included, its taking down not), the
#      per-calendar cost of 300 on a form against 10, a title bar's paint after a new mixed-script
#      caption that fills it and after one of 1 M characters, and opening the drop-down calendar first
#      and again.
#   bench/qt/run-qt-bench.sh [build-dir]      (build-dir configured with CMake, Release; default build)
# Builds the two benchmark targets first. Stops at the first run that fails.
set -euo pipefail
build=${1:-build}
if [ ! -f "$build/CMakeCache.txt" ]; then
  echo "run-qt-bench.sh: $build is not a CMake build directory; configure it first:" >&2
  echo "  cmake -S . -B $build -G Ninja -DCMAKE_BUILD_TYPE=Release" >&2
  exit 1
fi
type=$(sed -n 's/^CMAKE_BUILD_TYPE:[A-Z]*=//p' "$build/CMakeCache.txt")
[ "$type" = Release ] || echo "run-qt-bench.sh: warning: $build is a '$type' build, not Release" >&2
cmake --build "$build" --target qt_calendar_bench qt_popup_bench -j "${JOBS:-2}" >&2
bench="$build/bench/qt/qt_calendar_bench"
popup="$build/bench/qt/qt_popup_bench"
export QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-/tmp/vemo-runtime}
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"

# Stderr stays visible; a message repeated word for word is shown once.
once() { awk '!seen[$0]++' >&2; }
"$bench" 2> >(once)
echo
"$popup" 2> >(once)
echo
command -v valgrind >/dev/null || { echo "valgrind is not installed: no instruction counts" >&2; exit 1; }
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

# Runs the program (remaining arguments) under callgrind collecting inside the functions matched
# by $1 and prints "name inclusive-instructions" for each function matched by the pattern $2.
# The program's stderr stays on the terminal; valgrind's own log goes to a file.
count() {
  local toggle=$1 pattern=$2 file="$out/run.$RANDOM.out"
  shift 2
  if ! valgrind --tool=callgrind --log-file="$out/valgrind.log" --callgrind-out-file="$file" \
       --toggle-collect="$toggle" "$@" >/dev/null 2> >(once); then
    echo "run-qt-bench.sh: failed under callgrind: $*" >&2
    cat "$out/valgrind.log" >&2
    exit 1
  fi
  # awk reads the whole report: a reader that stops early would fail the pipe under pipefail.
  callgrind_annotate --inclusive=yes --threshold=100 "$file" 2>/dev/null |
    awk -v p="$pattern" '$0 ~ p { gsub(",", "", $1); if (match($0, p)) print substr($0, RSTART, RLENGTH), $1 }'
}
# Sets the variable $1 to the figure of function $3 in the output $2 of count; a function that
# callgrind did not see stops the run.
pick() {
  local v
  v=$(awk -v f="$3" '$1 == f { print $2; found = 1 } END { if (!found) exit 1 }' <<<"$2") ||
    { echo "run-qt-bench.sh: callgrind reported no $3" >&2; exit 1; }
  printf -v "$1" %s "$v"
}
line() {  # what, ours, Qt's, floor (or -), divisor
  awk -v w="$1" -v o="$2" -v q="$3" -v f="$4" -v n="$5" 'BEGIN {
    if (f == "-") printf "%-36s %10.2f M %12.2f M %12s %8.2f %8s\n", w, o / n / 1e6, q / n / 1e6, "-", o / q, "-"
    else printf "%-36s %10.2f M %12.2f M %10.2f M %8.2f %8.2f\n", w, o / n / 1e6, q / n / 1e6, f / n / 1e6, o / q, o / f }'
}

printf "%-36s %12s %14s %12s %8s %8s\n" "instructions (callgrind)" "ours" "Qt's" "floor" "/ Qt" "/ floor"
steps=20
r=$(count '*MeasuredStep*' 'MeasuredStep(Ours|Qt|Floor)' "$bench" --steps "$steps")
pick o "$r" MeasuredStepOurs; pick q "$r" MeasuredStepQt; pick f "$r" MeasuredStepFloor
line "month step with repaint" "$o" "$q" "$f" "$steps"

paints=5
r=$(count '*MeasuredCaptionPaint*' 'MeasuredCaptionPaint(Full|Huge)' "$bench" --captions "$paints")
pick full "$r" MeasuredCaptionPaintFull; pick huge "$r" MeasuredCaptionPaintHuge
awk -v h="$huge" -v f="$full" -v n="$paints" 'BEGIN {
  printf "%-36s %10.2f M, %.2f M for one that fills the bar: %.2f x\n", "title bar paint, 1 M-char caption",
         h / n / 1e6, f / n / 1e6, h / f }'

declare -A made
for side in ours qt floor; do
  for n in 1 10 300; do
    r=$(count '*MeasuredCreate*' 'MeasuredCreate' "$bench" --create "$side" "$n")
    pick "made[$side.$n]" "$r" MeasuredCreate
  done
done
r=$(count '*MeasuredCreate*' 'MeasuredCreate' "$bench" --create ours 0)
pick form "$r" MeasuredCreate
printf "%-36s %10.2f M   (in each side's figures below)\n" "the form alone, made and shown" "$(awk -v f="$form" 'BEGIN { print f / 1e6 }')"
line "create + first show, one" "${made[ours.1]}" "${made[qt.1]}" "${made[floor.1]}" 1
line "create + first show, 10 (each)" "${made[ours.10]}" "${made[qt.10]}" "${made[floor.10]}" 10
line "create + first show, 300 (each)" "${made[ours.300]}" "${made[qt.300]}" "${made[floor.300]}" 300
awk -v o10="${made[ours.10]}" -v o300="${made[ours.300]}" -v q10="${made[qt.10]}" -v q300="${made[qt.300]}" \
    -v f10="${made[floor.10]}" -v f300="${made[floor.300]}" 'BEGIN {
  printf "%-36s %+10.1f %% %+12.1f %% %+10.1f %%\n", "per calendar, 300 on a form vs 10",
         (o300 / 300) / (o10 / 10) * 100 - 100, (q300 / 300) / (q10 / 10) * 100 - 100, (f300 / 300) / (f10 / 10) * 100 - 100 }'

for when in first again; do
  r=$(count '*MeasuredOpen*' 'MeasuredOpen(Ours|Qt)' "$popup" --open "$when")
  pick o "$r" MeasuredOpenOurs; pick q "$r" MeasuredOpenQt
  line "pop-up open, $when (QDateEdit)" "$o" "$q" - 1
done
