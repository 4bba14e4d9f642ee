# brask_install_program(TARGET COMMAND): installs a program into the
# binary folder under the command name people type (lowercase, as its
# manual page is named), while the build tree keeps the target's own name.
function(brask_install_program target command)
  install(PROGRAMS $<TARGET_FILE:${target}> DESTINATION ${CMAKE_INSTALL_BINDIR} RENAME ${command})
  # Stripping (`cmake --install --strip`, a package build) reaches only
  # install(TARGETS) on its own, so do it here the same way.
  if(IS_ABSOLUTE "${CMAKE_INSTALL_BINDIR}")
    set(installed "${CMAKE_INSTALL_BINDIR}/${command}")
  else()
    set(installed "\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/${command}")
  endif()
  install(CODE "
    if(CMAKE_INSTALL_DO_STRIP AND NOT \"${CMAKE_STRIP}\" STREQUAL \"\")
      execute_process(COMMAND \"${CMAKE_STRIP}\" \"\$ENV{DESTDIR}${installed}\" RESULT_VARIABLE status)
      if(NOT status EQUAL 0)
        message(FATAL_ERROR \"could not strip \$ENV{DESTDIR}${installed}\")
      endif()
    endif()")
endfunction()
