# Makes the Debian packages of a build with cpack and checks each: the files it holds (exactly),
# the dependencies it declares, and, where lintian is installed, that lintian finds no error.
#
# Inputs: CPACK, CONFIG (the build's CPackConfig.cmake), OUT (a scratch folder), COMPONENTS (those
# this build installs), LIBDIR, MANDIR, VERSION, PYTHON_DIR (the module's folder, relative),
# LINTIAN (empty when absent).
cmake_minimum_required(VERSION 3.25)

foreach(var CPACK CONFIG OUT COMPONENTS LIBDIR MANDIR VERSION)
  if(NOT DEFINED ${var} OR "${${var}}" STREQUAL "")
    message(FATAL_ERROR "${var} is not set")
  endif()
endforeach()
string(REGEX MATCH "^[0-9]+" MAJOR "${VERSION}")
set(doc "usr/share/doc")
set(lib "usr/${LIBDIR}")
set(man "usr/${MANDIR}")

# Component, package, then the files the package holds.
set(package_brivane brivane)
set(files_brivane
  usr/bin/brivane usr/bin/brivane-batch
  usr/share/applications/io.github.brivane.Brivane.desktop
  usr/share/icons/hicolor/scalable/apps/io.github.brivane.Brivane.svg
  usr/share/metainfo/io.github.brivane.Brivane.metainfo.xml
  ${man}/man1/brivane.1.gz ${man}/man1/brivane-batch.1.gz)
set(depends_brivane "libqt6widgets6" "libmagick\\+\\+-6" "libqt6svg6")

set(package_libcorvane libcorvane${MAJOR})
set(files_libcorvane
  ${lib}/libcorvane.so.${MAJOR} ${lib}/libcorvane.so.${VERSION}
  ${lib}/libcorvane_tryharder.so.${MAJOR} ${lib}/libcorvane_tryharder.so.${VERSION})
set(depends_libcorvane "libstdc\\+\\+6")

set(package_libcorvane-dev libcorvane-dev)
set(files_libcorvane-dev
  usr/include/corvane.h usr/include/corvane_tryharder.h
  ${lib}/libcorvane.so ${lib}/libcorvane_tryharder.so
  ${lib}/pkgconfig/corvane.pc ${lib}/pkgconfig/corvane-tryharder.pc
  ${lib}/cmake/Corvane/CorvaneConfig.cmake ${lib}/cmake/Corvane/CorvaneConfigVersion.cmake
  ${lib}/cmake/Corvane/CorvaneTargets.cmake ${lib}/cmake/Corvane/CorvaneTargets-CONFIG.cmake
  ${man}/man3/corvane.3.gz)
set(depends_libcorvane-dev "libcorvane${MAJOR} \\(= ${VERSION}-1\\)")

set(package_corvane-tools corvane-tools)
set(files_corvane-tools usr/bin/corvane-read ${man}/man1/corvane-read.1.gz)
set(depends_corvane-tools "libcorvane${MAJOR} \\(= ${VERSION}-1\\)" "libstb0")

set(package_python3-corvane python3-corvane)
set(files_python3-corvane
  usr/${PYTHON_DIR}/corvane/__init__.py usr/${PYTHON_DIR}/corvane/py.typed
  usr/${PYTHON_DIR}/corvane/_corvane.PLATFORM.so)
set(depends_python3-corvane "libcorvane${MAJOR} \\(= ${VERSION}-1\\)" "python3-numpy" "python3 \\(>= 3")

include(${CMAKE_CURRENT_LIST_DIR}/../../cmake/RunCommand.cmake)

file(REMOVE_RECURSE "${OUT}")
run(COMMAND "${CPACK}" -G DEB --config "${CONFIG}" -B "${OUT}")
file(GLOB debs "${OUT}/*.deb")

set(failures)
foreach(component IN LISTS COMPONENTS)
  set(package ${package_${component}})
  if(NOT package)
    list(APPEND failures "component ${component} has no package checked here")
    continue()
  endif()
  set(deb)
  foreach(candidate IN LISTS debs)
    get_filename_component(name "${candidate}" NAME)
    if(name MATCHES "^${package}_${VERSION}-1_[a-z0-9]+\\.deb$")
      set(deb "${candidate}")
    endif()
  endforeach()
  if(NOT deb)
    list(APPEND failures "no package ${package} among: ${debs}")
    continue()
  endif()
  list(REMOVE_ITEM debs "${deb}")

  # The files, links included, without the folders; the build type's CMake target file and the
  # Python module's platform tag are named generically.
  run(COMMAND dpkg-deb --contents "${deb}" OUTPUT listing)
  string(REPLACE "\n" ";" lines "${listing}")
  set(held)
  foreach(line IN LISTS lines)
    if(line MATCHES " \\./([^ ]+[^/])( -> .*)?$")
      set(path "${CMAKE_MATCH_1}")
      string(REGEX REPLACE "CorvaneTargets-[a-z]+\\.cmake$" "CorvaneTargets-CONFIG.cmake" path "${path}")
      string(REGEX REPLACE "\\.cpython-[^/]*\\.so$" ".PLATFORM.so" path "${path}")
      list(APPEND held "${path}")
    endif()
  endforeach()
  set(expected ${files_${component}} ${doc}/${package}/copyright ${doc}/${package}/changelog.Debian.gz)
  list(SORT held)
  list(SORT expected)
  if(NOT held STREQUAL expected)
    string(REPLACE ";" "\n    " held "${held}")
    string(REPLACE ";" "\n    " expected "${expected}")
    list(APPEND failures "${package} holds\n    ${held}\n  not\n    ${expected}")
  endif()

  run(COMMAND dpkg-deb -f "${deb}" Depends OUTPUT depends)
  foreach(wanted IN LISTS depends_${component})
    if(NOT depends MATCHES "${wanted}")
      list(APPEND failures "${package} does not depend on ${wanted}: ${depends}")
    endif()
  endforeach()
endforeach()
if(debs)
  list(APPEND failures "packages nobody asked for: ${debs}")
endif()

if(LINTIAN AND NOT failures)
  file(GLOB debs "${OUT}/*.deb")
  run(COMMAND "${LINTIAN}" --tag-display-limit 0 ${debs} OUTPUT report ERROR report_err RESULT rc)
  string(APPEND report "${report_err}")
  string(REGEX MATCHALL "(^|\n)E: [^\n]*" errors "${report}")
  if(errors)
    list(APPEND failures "lintian errors:${errors}")
  endif()
  message(STATUS "lintian:\n${report}")
endif()

if(failures)
  string(REPLACE ";" "\n" failures "${failures}")
  message(FATAL_ERROR "${failures}")
endif()
