# Installs the build into a scratch prefix and checks that the command line,
# its man pages (English, and Russian under ru), its bash and zsh
# completions and the catalogue arrive.
#   cmake -DBUILD=<build dir> -DPREFIX=<scratch dir> -P CheckInstall.cmake
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD} --prefix ${PREFIX}
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "install failed: ${result}")
endif()
foreach(f bin/tarnik-cli share/man/man1/tarnik-cli.1 share/man/ru/man1/tarnik-cli.1
          share/bash-completion/completions/tarnik-cli
          share/zsh/vendor-completions/_tarnik-cli
          share/tarnik-programmer/Settings/Settings.xml)
  if(NOT EXISTS ${PREFIX}/${f})
    message(FATAL_ERROR "not installed: ${f}")
  endif()
endforeach()
