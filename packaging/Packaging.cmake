# Debian packages from the build tree: `cpack -G DEB` in the build directory makes one package per
# install component that this build has (Brivane or Corvane may be switched off).
set(CPACK_PACKAGE_NAME "brivane-corvane")
set(CPACK_PACKAGE_VENDOR "The Brivane and Corvane developers")
set(CPACK_PACKAGE_CONTACT "Brivane and Corvane developers <maintainers@users.noreply.example>")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_DIRECTORY "${CMAKE_BINARY_DIR}/packages")
set(CPACK_STRIP_FILES ON)

set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_GROUPING IGNORE)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# Library dependencies come from dpkg-shlibdeps, those between our own packages from the
# component dependencies below; libcorvane2 gets a shlibs file for programs built against it.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_ENABLE_COMPONENT_DEPENDS ON)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS ON)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS_POLICY ">=")
# dpkg-shlibdeps must find our own libraries when it looks at the programs that link them.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS
  "${CMAKE_BINARY_DIR}/corvane/reader" "${CMAKE_BINARY_DIR}/corvane/tryharder")

# Component | package | section | summary | long description. One row per package.
set(_packages
  "brivane|brivane|graphics|batch image converter with encoder settings and a viewer|Brivane converts batches of image files into one of fifteen formats with per-format encoder settings, previews pictures with their EXIF tags, and views, zooms, pages through and crops them. brivane-batch converts the same way from the command line."
  "libcorvane|libcorvane2|libs|1-D barcode reader library|Corvane finds and decodes 1-D barcodes in a bitmap: Code 39, Codabar, Code 11, Code 128, Interleaved, Industrial and Matrix 2 of 5, EAN-13, EAN-8, UPC-A and UPC-E. This package holds the shared libraries: the plain reader and the try-harder reader for photographs."
  "libcorvane-dev|libcorvane-dev|libdevel|1-D barcode reader library (development files)|The C headers, the link libraries, pkg-config files, the CMake package (find_package(Corvane)) and the corvane(3) manual page."
  "corvane-tools|corvane-tools|graphics|1-D barcode reader (command-line program)|corvane-read reads the barcodes in image files and prints their types, texts and scores, as lines or JSON."
  "python3-corvane|python3-corvane|python|1-D barcode reader (Python module)|The corvane module reads barcodes from NumPy arrays, PIL images and image files.")

# Brivane's icons are SVG, drawn by a Qt plugin that no program links, so dpkg-shlibdeps cannot
# see it.
set(CPACK_DEBIAN_BRIVANE_PACKAGE_DEPENDS "libqt6svg6")
set(CPACK_COMPONENT_LIBCORVANE-DEV_DEPENDS libcorvane)
set(CPACK_COMPONENT_CORVANE-TOOLS_DEPENDS libcorvane)
set(CPACK_COMPONENT_PYTHON3-CORVANE_DEPENDS libcorvane)
# The extension is built for one interpreter version.
get_property(_python_version GLOBAL PROPERTY CORVANE_PYTHON_VERSION)
if(_python_version)
  string(REPLACE "." ";" _python_parts "${_python_version}")
  list(GET _python_parts 0 _python_major)
  list(GET _python_parts 1 _python_minor)
  math(EXPR _python_next "${_python_minor} + 1")
  set(CPACK_DEBIAN_PYTHON3-CORVANE_PACKAGE_DEPENDS
    "python3 (>= ${_python_version}), python3 (<< ${_python_major}.${_python_next}), python3-numpy")
endif()
set(CPACK_DEBIAN_PYTHON3-CORVANE_PACKAGE_RECOMMENDS "python3-pil")

# The dynamic linker's cache is refreshed by a trigger after the libraries are installed.
file(WRITE "${CMAKE_BINARY_DIR}/debian/libcorvane2/triggers" "activate-noawait ldconfig\n")
set(CPACK_DEBIAN_LIBCORVANE_PACKAGE_CONTROL_EXTRA "${CMAKE_BINARY_DIR}/debian/libcorvane2/triggers")
set(CPACK_DEBIAN_LIBCORVANE_PACKAGE_CONTROL_STRICT_PERMISSION ON)

# Words of `text` in lines of at most 76 characters, for a package's long description.
function(_wrap_words text out)
  string(REPLACE " " ";" words "${text}")
  set(lines)
  set(line)
  foreach(word IN LISTS words)
    string(LENGTH "${line} ${word}" length)
    if(line AND length GREATER 76)
      string(APPEND lines "${line}\n")
      set(line "${word}")
    elseif(line)
      string(APPEND line " ${word}")
    else()
      set(line "${word}")
    endif()
  endforeach()
  set(${out} "${lines}${line}" PARENT_SCOPE)
endfunction()

# Each package carries its copyright file and changelog, as every Debian package does.
get_cmake_property(_installed COMPONENTS)
set(_components)
foreach(_entry IN LISTS _packages)
  string(REPLACE "|" ";" _fields "${_entry}")
  list(GET _fields 0 _component)
  list(GET _fields 1 PACKAGE)
  list(GET _fields 2 _section)
  list(GET _fields 3 _summary)
  list(GET _fields 4 _long)
  string(TOUPPER "${_component}" _upper)
  set(CPACK_DEBIAN_${_upper}_PACKAGE_NAME "${PACKAGE}")
  set(CPACK_DEBIAN_${_upper}_PACKAGE_SECTION "${_section}")
  _wrap_words("${_long}" _long)
  set(CPACK_DEBIAN_${_upper}_DESCRIPTION "${_summary}\n${_long}")
  if(NOT _component IN_LIST _installed)
    continue()
  endif()
  list(APPEND _components ${_component})
  set(_doc "${CMAKE_BINARY_DIR}/debian/${PACKAGE}")
  configure_file(packaging/debian/copyright.in "${_doc}/copyright" @ONLY)
  configure_file(packaging/debian/changelog.in "${_doc}/changelog.Debian" @ONLY)
  execute_process(COMMAND gzip -9 -n -f "${_doc}/changelog.Debian" COMMAND_ERROR_IS_FATAL ANY)
  install(FILES "${_doc}/copyright" "${_doc}/changelog.Debian.gz"
    DESTINATION "${CMAKE_INSTALL_DATAROOTDIR}/doc/${PACKAGE}" COMPONENT ${_component})
endforeach()
set(CPACK_COMPONENTS_ALL ${_components})

include(CPack)

# The packages are made and looked into by a test (not in sanitizer or fuzzing builds, which are
# never packaged).
if(BUILD_TESTING AND NOT SANITIZE AND NOT BUILD_FUZZERS)
  find_program(LINTIAN_PROGRAM lintian)
  get_property(_python_dir GLOBAL PROPERTY CORVANE_PYTHON_INSTALL_DIR)
  add_test(NAME packaging.deb
    COMMAND ${CMAKE_COMMAND}
      -DCPACK=${CMAKE_CPACK_COMMAND}
      -DCONFIG=${CMAKE_BINARY_DIR}/CPackConfig.cmake
      -DOUT=${CMAKE_BINARY_DIR}/packaging-test
      "-DCOMPONENTS=${_components}"
      -DLIBDIR=${CMAKE_INSTALL_LIBDIR}
      -DMANDIR=${CMAKE_INSTALL_MANDIR}
      -DVERSION=${PROJECT_VERSION}
      -DPYTHON_DIR=${_python_dir}
      -DLINTIAN=$<$<BOOL:${LINTIAN_PROGRAM}>:${LINTIAN_PROGRAM}>
      -P ${PROJECT_SOURCE_DIR}/packaging/tests/CheckDebPackages.cmake)
  set_tests_properties(packaging.deb PROPERTIES TIMEOUT 600 RUN_SERIAL ON)
endif()
