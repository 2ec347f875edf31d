# Makes the Debian package with CPack (one run, into its own folder) and checks what it holds: the
# library under its full version with the SONAME link and the development link, exactly the public
# headers, the CMake package, the pkg-config file, the Designer plugin in Qt's own plugin folder,
# the licence, and nothing else (no static library, test, benchmark or demo); and its control data.
cmake_minimum_required(VERSION 3.25)
file(REMOVE_RECURSE ${WORK_DIR})
# CPack's DEB generator needs file and dpkg-shlibdeps for the Depends field.
foreach(tool dpkg-deb dpkg-shlibdeps file readelf)
  find_program(tool_${tool} ${tool})
  if(NOT tool_${tool})
    message("SKIPPED: ${tool} not found (Debian: dpkg, dpkg-dev, file, binutils)")
    return()
  endif()
endforeach()
include(${CMAKE_CURRENT_LIST_DIR}/RunStep.cmake)

run(${CMAKE_CPACK_COMMAND} -G DEB --config ${BUILD_DIR}/CPackConfig.cmake -B ${WORK_DIR})
file(GLOB debs ${WORK_DIR}/*.deb)
list(LENGTH debs count)
if(NOT count EQUAL 1)
  message(FATAL_ERROR "expected one package, made: ${debs}")
endif()
set(deb ${debs})
get_filename_component(deb_name ${deb} NAME)
if(NOT deb_name MATCHES "^vemocalendar_2\\.1\\.0_[a-z0-9]+\\.deb$")
  message(FATAL_ERROR "package file name: ${deb_name}")
endif()

set(faults)
run(${tool_dpkg-deb} -I ${deb})
set(info "${output}")
foreach(field "Package: vemocalendar" "Version: 2.1.0" "Maintainer: [^\n]*[^ \n]" "Depends: [^\n]*libqt6widgets6"
              "Depends: [^\n]*libc6")
  if(NOT info MATCHES "\n ${field}")
    list(APPEND faults "control field missing: ${field}")
  endif()
endforeach()
if(info MATCHES "\n Depends: [^\n]*vemocalendar")
  list(APPEND faults "the package depends on itself")
endif()

include(${SOURCE_DIR}/cmake/PublicHeaders.cmake)
set(lib usr/${LIBDIR})
set(expected ${lib}/libVemoCalendar.so.2.1.0 "${lib}/libVemoCalendar.so.2 -> libVemoCalendar.so.2.1.0"
  "${lib}/libVemoCalendar.so -> libVemoCalendar.so.2"
  ${lib}/cmake/VemoCalendar/VemoCalendarConfig.cmake ${lib}/cmake/VemoCalendar/VemoCalendarConfigVersion.cmake
  ${lib}/cmake/VemoCalendar/VemoCalendarTargets.cmake ${lib}/pkgconfig/VemoCalendar.pc
  usr/share/doc/VemoCalendar/LICENSE)
foreach(header ${VEMO_PUBLIC_HEADERS})
  list(APPEND expected usr/include/VemoCalendar/${header})
endforeach()
if(QT_PLUGINS)
  string(REGEX REPLACE "^/" "" plugins ${QT_PLUGINS})
  list(APPEND expected ${plugins}/designer/libvemocalendarplugin.so)
endif()

# Lines as "-rw-r--r-- root/root 1234 2026-01-01 12:00 ./usr/include/..."; folders end in "/".
run(${tool_dpkg-deb} -c ${deb})
string(REPLACE "\n" ";" lines "${output}")
set(held)
foreach(line ${lines})
  if(line MATCHES "^[-l][^ ]* +[^ ]+ +[0-9]+ +[^ ]+ +[^ ]+ +\\./(.*)$")
    set(entry ${CMAKE_MATCH_1})
    # The imported targets' file per build type comes beside VemoCalendarTargets.cmake.
    if(NOT entry MATCHES "^${lib}/cmake/VemoCalendar/VemoCalendarTargets-[a-z]+\\.cmake$")
      list(APPEND held "${entry}")
    endif()
  endif()
endforeach()
foreach(entry ${held})
  if(NOT entry IN_LIST expected)
    list(APPEND faults "in the package but not expected: ${entry}")
  endif()
endforeach()
foreach(entry ${expected})
  if(NOT entry IN_LIST held)
    list(APPEND faults "missing from the package: ${entry}")
  endif()
endforeach()
if(faults)
  list(JOIN faults "\n" faults)
  message(FATAL_ERROR "${faults}\n\n${info}\n${output}")
endif()

# The SONAME the library carries is the name of its link; the plugin loads that same name.
set(root ${WORK_DIR}/root)
run(${tool_dpkg-deb} -x ${deb} ${root})
run(${tool_readelf} -d ${root}/${lib}/libVemoCalendar.so.2.1.0)
if(NOT output MATCHES "\\(SONAME\\)[^\n]*\\[libVemoCalendar\\.so\\.2\\]")
  message(FATAL_ERROR "SONAME is not libVemoCalendar.so.2:\n${output}")
endif()
if(QT_PLUGINS)
  run(${tool_readelf} -d ${root}/${plugins}/designer/libvemocalendarplugin.so)
  if(NOT output MATCHES "NEEDED[^\n]*\\[libVemoCalendar\\.so\\.2\\]")
    message(FATAL_ERROR "the plugin does not link libVemoCalendar.so.2:\n${output}")
  endif()
endif()

# The CMake package as unpacked loads with nothing else of VemoCalendar installed.
run(${CMAKE_COMMAND} -S ${SOURCE_DIR}/examples/hello -B ${WORK_DIR}/hello -G ${GENERATOR}
  -DCMAKE_PREFIX_PATH=${root}/usr -DCMAKE_FIND_USE_PACKAGE_REGISTRY=OFF)
file(STRINGS ${WORK_DIR}/hello/CMakeCache.txt found REGEX "^VemoCalendar_DIR:")
if(NOT found STREQUAL "VemoCalendar_DIR:PATH=${root}/${lib}/cmake/VemoCalendar")
  message(FATAL_ERROR "find_package found ${found}")
endif()
list(LENGTH held count)
message(STATUS "${deb_name}: ${count} files as expected\n${info}")
