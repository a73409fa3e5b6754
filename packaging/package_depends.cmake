# Run by cpack on the staged tree, before the .deb is made: puts the packages
# of the libraries that the programs and the engine link to, as dpkg-shlibdeps
# finds them, in front of the dependencies that nothing links to.
file(GLOB_RECURSE staged LIST_DIRECTORIES false "${CPACK_TEMPORARY_DIRECTORY}/*")
set(elf_files "")
foreach(file IN LISTS staged)
  if(NOT IS_SYMLINK "${file}")
    file(READ "${file}" magic LIMIT 4 HEX)
    if(magic STREQUAL "7f454c46")
      list(APPEND elf_files "${file}")
    endif()
  endif()
endforeach()
if(NOT elf_files)
  message(FATAL_ERROR "package_depends: no programs under ${CPACK_TEMPORARY_DIRECTORY}")
endif()

# dpkg-shlibdeps reads a (here empty) debian/control from where it runs.
set(scratch "${CPACK_TOPLEVEL_DIRECTORY}/shlibdeps")
file(REMOVE_RECURSE "${scratch}")
file(WRITE "${scratch}/debian/control" "")
execute_process(COMMAND dpkg-shlibdeps -O ${elf_files}
  WORKING_DIRECTORY "${scratch}"
  OUTPUT_VARIABLE found
  ERROR_VARIABLE problems
  RESULT_VARIABLE failed
  OUTPUT_STRIP_TRAILING_WHITESPACE)
file(REMOVE_RECURSE "${scratch}")
if(failed OR NOT found MATCHES "^shlibs:Depends=(.+)$")
  message(FATAL_ERROR "dpkg-shlibdeps failed (${failed}): ${problems}")
endif()
set(CPACK_DEBIAN_PACKAGE_DEPENDS "${CMAKE_MATCH_1}, ${CPACK_DEBIAN_PACKAGE_DEPENDS}")
message(STATUS "Depends: ${CPACK_DEBIAN_PACKAGE_DEPENDS}")
