# Run by CPack on the staged tree before it is packed: compresses every man
# page (English in man/manN, other languages in man/<lang>/manN) and the
# changelog with gzip -9n (no name or time inside, so a rebuild gives the
# same bytes). Pages already compressed are left as they are.
file(GLOB_RECURSE pages LIST_DIRECTORIES false
     "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*/share/man/man*/*"
     "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*/share/man/*/man*/*")
list(REMOVE_DUPLICATES pages)
file(GLOB_RECURSE changelogs LIST_DIRECTORIES false
     "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*/share/doc/*/changelog")
foreach(file IN LISTS pages changelogs)
  if(NOT file MATCHES "\\.gz$")
    execute_process(COMMAND gzip -9 -n -f ${file} RESULT_VARIABLE failed)
    if(failed)
      message(FATAL_ERROR "Cannot compress ${file}")
    endif()
  endif()
endforeach()
