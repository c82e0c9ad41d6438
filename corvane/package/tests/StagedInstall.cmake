# Installs the build into a staging tree, one component at a time, as the Debian packages take
# them, and uses that tree as a program would: with pkg-config, with find_package(Corvane), and
# through the installed corvane-read. Nothing from the build tree may be needed.
#
# Inputs: BUILD_DIR, STAGE, TESTS_DIR, LIBDIR, BINDIR (relative install
# directories), VERSION, C_COMPILER, GENERATOR, PKG_CONFIG, ZINT.
cmake_minimum_required(VERSION 3.25)

foreach(var BUILD_DIR STAGE TESTS_DIR LIBDIR BINDIR VERSION C_COMPILER GENERATOR PKG_CONFIG ZINT)
  if(NOT DEFINED ${var} OR "${${var}}" STREQUAL "")
    message(FATAL_ERROR "${var} is not set")
  endif()
endforeach()
foreach(var LIBDIR BINDIR)
  if(IS_ABSOLUTE "${${var}}")
    message(FATAL_ERROR "${var} (${${var}}) is absolute; a staged install needs relative directories")
  endif()
endforeach()
string(REGEX MATCH "^[0-9]+" MAJOR "${VERSION}")

include(${CMAKE_CURRENT_LIST_DIR}/../../../cmake/RunCommand.cmake)

function(expect_line output line what)
  string(REPLACE "\n" ";" lines "${output}")
  if(NOT line IN_LIST lines)
    message(FATAL_ERROR "${what}: no line \"${line}\" in:\n${output}")
  endif()
endfunction()

file(REMOVE_RECURSE "${STAGE}")
set(root "${STAGE}/root")
set(lib "${root}/${LIBDIR}")
# Only the staged libraries, whatever the environment holds.
set(run_staged ${CMAKE_COMMAND} -E env "LD_LIBRARY_PATH=${lib}" --unset=LD_PRELOAD)

# The tree everything below uses, put together from the components the Debian packages take
# (what each of them holds is checked by the packaging test).
foreach(component libcorvane libcorvane-dev corvane-tools)
  run(COMMAND ${CMAKE_COMMAND} --install "${BUILD_DIR}" --prefix "${root}" --component ${component})
endforeach()

# The links a package system relies on: development name -> SONAME -> the file, and the SONAME
# recorded in the file.
foreach(name corvane corvane_tryharder)
  file(READ_SYMLINK "${lib}/lib${name}.so" target)
  if(NOT target STREQUAL "lib${name}.so.${MAJOR}")
    message(FATAL_ERROR "lib${name}.so points to '${target}', not lib${name}.so.${MAJOR}")
  endif()
  file(READ_SYMLINK "${lib}/lib${name}.so.${MAJOR}" target)
  if(NOT target STREQUAL "lib${name}.so.${VERSION}")
    message(FATAL_ERROR "lib${name}.so.${MAJOR} points to '${target}', not lib${name}.so.${VERSION}")
  endif()
  run(COMMAND readelf -d "${lib}/lib${name}.so.${VERSION}" OUTPUT dynamic)
  if(NOT dynamic MATCHES "Library soname: \\[lib${name}\\.so\\.${MAJOR}\\]")
    message(FATAL_ERROR "lib${name}.so.${VERSION} has no SONAME lib${name}.so.${MAJOR}:\n${dynamic}")
  endif()
endforeach()

# The installed reader must not reach back into the build tree, and with the stage on
# LD_LIBRARY_PATH it must load the staged libraries.
set(tool "${root}/${BINDIR}/corvane-read")
run(COMMAND readelf -d "${tool}" OUTPUT dynamic)
if(dynamic MATCHES "R(UN)?PATH[^\n]*${BUILD_DIR}")
  message(FATAL_ERROR "the installed corvane-read still searches the build tree:\n${dynamic}")
endif()
run(COMMAND ${run_staged} LD_TRACE_LOADED_OBJECTS=1 "${tool}" OUTPUT loaded)
foreach(name corvane corvane_tryharder)
  if(NOT loaded MATCHES "lib${name}\\.so\\.${MAJOR} => ${lib}/lib${name}\\.so\\.${MAJOR}")
    message(FATAL_ERROR "corvane-read does not load the staged lib${name}.so.${MAJOR}:\n${loaded}")
  endif()
endforeach()

# A Code 128 symbol's modules, which read_modules.c draws and reads; and the same as a PNG for
# corvane-read.
set(text "Corvane-${VERSION}")
set(expected_type "Code128")
run(COMMAND ${ZINT} --barcode=20 --dump "--data=${text}" OUTPUT dump)
file(WRITE "${STAGE}/code128.txt" "${dump}")
run(COMMAND ${ZINT} --barcode=20 --notext --quietzones --scale=2 "--data=${text}" "--output=${STAGE}/code128.png")

# (a) pkg-config, searching only the staged tree; each .pc is enough on its own.
set(pc_env ${CMAKE_COMMAND} -E env "PKG_CONFIG_LIBDIR=${lib}/pkgconfig" --unset=PKG_CONFIG_PATH
  --unset=PKG_CONFIG_SYSROOT_DIR)
run(COMMAND ${pc_env} ${PKG_CONFIG} --modversion corvane corvane-tryharder OUTPUT versions)
if(NOT versions STREQUAL "${VERSION}\n${VERSION}\n")
  message(FATAL_ERROR "pkg-config versions: ${versions}")
endif()
foreach(variant plain tryharder)
  if(variant STREQUAL "plain")
    set(modules corvane)
    set(defines "")
  else()
    set(modules corvane corvane-tryharder)
    set(defines -DCORVANE_WITH_TRYHARDER)
  endif()
  run(COMMAND ${pc_env} ${PKG_CONFIG} --cflags --libs ${modules} OUTPUT flags)
  # The staged tree taken as a sysroot gives the same paths: they already lie inside it.
  run(COMMAND ${pc_env} "PKG_CONFIG_SYSROOT_DIR=${root}" ${PKG_CONFIG} --cflags --libs ${modules} OUTPUT sysroot_flags)
  if(NOT sysroot_flags STREQUAL flags)
    message(FATAL_ERROR "with the stage as sysroot: ${sysroot_flags}without: ${flags}")
  endif()
  string(STRIP "${flags}" flags)
  separate_arguments(flags UNIX_COMMAND "${flags}")
  set(program "${STAGE}/read_modules_${variant}")
  run(COMMAND ${C_COMPILER} -std=c11 -Wall -Wextra -Werror ${defines} "${TESTS_DIR}/read_modules.c" ${flags} -o "${program}")
  run(COMMAND readelf -d "${program}" OUTPUT dynamic)
  if(NOT dynamic MATCHES "Shared library: \\[libcorvane\\.so\\.${MAJOR}\\]")
    message(FATAL_ERROR "${program} is not linked against libcorvane.so.${MAJOR}:\n${dynamic}")
  endif()
  run(COMMAND ${run_staged} "${program}" "${STAGE}/code128.txt" OUTPUT out)
  expect_line("${out}" "ReadImage\t${expected_type}\t${text}\t100" "pkg-config build (${variant})")
  if(variant STREQUAL "tryharder")
    expect_line("${out}" "TryHarder\t${expected_type}\t${text}\t100" "pkg-config build (${variant})")
  endif()
endforeach()

# (b) find_package(Corvane 2) from the staged tree: imported targets, built and run.
set(consumer_args -G "${GENERATOR}" "-DCMAKE_C_COMPILER=${C_COMPILER}" "-DCMAKE_PREFIX_PATH=${root}"
  "-DEXPECTED_PREFIX=${root}" -DCMAKE_FIND_USE_PACKAGE_REGISTRY=OFF)
run(COMMAND ${CMAKE_COMMAND} -S "${TESTS_DIR}/consumer" -B "${STAGE}/consumer" ${consumer_args} -DWANTED_VERSION=${MAJOR})
run(COMMAND ${CMAKE_COMMAND} --build "${STAGE}/consumer")
run(COMMAND ${run_staged} "${STAGE}/consumer/read_modules" "${STAGE}/code128.txt" OUTPUT out)
expect_line("${out}" "ReadImage\t${expected_type}\t${text}\t100" "CMake package build")
expect_line("${out}" "TryHarder\t${expected_type}\t${text}\t100" "CMake package build")

# Another major version, newer or older, is not compatible: the package is seen and turned down.
math(EXPR next "${MAJOR} + 1")
math(EXPR previous "${MAJOR} - 1")
foreach(wanted ${next} ${previous})
  run(COMMAND ${CMAKE_COMMAND} -S "${TESTS_DIR}/consumer" -B "${STAGE}/consumer-${wanted}" ${consumer_args}
      -DWANTED_VERSION=${wanted} RESULT rc OUTPUT out ERROR err)
  if(rc EQUAL 0)
    message(FATAL_ERROR "find_package(Corvane ${wanted}) accepted version ${VERSION}")
  endif()
  if(NOT "${out}${err}" MATCHES "CorvaneConfig\\.cmake, version: ${VERSION}")
    message(FATAL_ERROR "find_package(Corvane ${wanted}) failed for another reason:\n${out}${err}")
  endif()
endforeach()

# (c) the staged corvane-read.
run(COMMAND ${run_staged} "${tool}" --version OUTPUT out)
if(NOT out STREQUAL "corvane-read ${VERSION}\n")
  message(FATAL_ERROR "corvane-read --version printed '${out}'")
endif()
run(COMMAND ${run_staged} "${tool}" "${STAGE}/code128.png" OUTPUT out)
expect_line("${out}" "${STAGE}/code128.png\t${expected_type}\t${text}\t100" "staged corvane-read")

file(REMOVE_RECURSE "${STAGE}")
message(STATUS "staged install of Corvane ${VERSION} works")
