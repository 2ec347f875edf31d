# Installs the build into a fresh prefix, builds examples/hello against it as an outside program
# would (find_package only) and runs it; any step that fails fails the test.
file(REMOVE_RECURSE ${WORK_DIR})
function(run)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "${ARGN}\n${out}\n${err}")
  endif()
  set(output "${out}" PARENT_SCOPE)
endfunction()
run(${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${WORK_DIR}/prefix)
foreach(file include/VemoCalendar/qt/QvCalendarWidget.h lib/cmake/VemoCalendar/VemoCalendarConfig.cmake
             lib/pkgconfig/VemoCalendar.pc)
  if(NOT EXISTS ${WORK_DIR}/prefix/${file})
    message(FATAL_ERROR "not installed: ${file}")
  endif()
endforeach()
run(${CMAKE_COMMAND} -S ${SOURCE_DIR}/examples/hello -B ${WORK_DIR}/build -G ${GENERATOR}
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_PREFIX_PATH=${WORK_DIR}/prefix)
run(${CMAKE_COMMAND} --build ${WORK_DIR}/build)
run(${WORK_DIR}/build/hello --quit)
if(NOT output MATCHES "picked 2026-12-24")
  message(FATAL_ERROR "unexpected output: ${output}")
endif()
