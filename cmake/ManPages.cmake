# Manual pages are kept as roff sources and installed compressed, as Debian's man reads them.
#   install_man_pages(COMPONENT component PAGES page.1 page.3 ...)
function(install_man_pages)
  cmake_parse_arguments(PARSE_ARGV 0 arg "" "COMPONENT" "PAGES")
  foreach(page IN LISTS arg_PAGES)
    get_filename_component(name "${page}" NAME)
    string(REGEX MATCH "[0-9]$" section "${name}")
    if(section STREQUAL "")
      message(FATAL_ERROR "manual page ${page} has no section number")
    endif()
    set(source "${CMAKE_CURRENT_SOURCE_DIR}/${page}")
    set(packed "${CMAKE_CURRENT_BINARY_DIR}/${name}.gz")
    # -n leaves out the name and time, so that the same page always packs to the same bytes.
    add_custom_command(OUTPUT "${packed}"
      COMMAND gzip -9 -n -c "${source}" > "${packed}"
      DEPENDS "${source}" VERBATIM)
    string(MAKE_C_IDENTIFIER "man_${name}" target)
    add_custom_target(${target} ALL DEPENDS "${packed}")
    install(FILES "${packed}" DESTINATION "${CMAKE_INSTALL_MANDIR}/man${section}" COMPONENT ${arg_COMPONENT})
  endforeach()
endfunction()
