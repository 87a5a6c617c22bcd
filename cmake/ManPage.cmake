# zorvel_install_man_page(<page>): installs a manual page of section 1,
# compressed as distributions ship them.
find_program(ZORVEL_GZIP gzip REQUIRED)

function(zorvel_install_man_page page)
  get_filename_component(name ${page} NAME)
  set(compressed ${CMAKE_CURRENT_BINARY_DIR}/${name}.gz)
  add_custom_command(
    OUTPUT ${compressed}
    COMMAND ${ZORVEL_GZIP} -9 -n -c ${CMAKE_CURRENT_SOURCE_DIR}/${page} > ${compressed}
    DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${page}
    VERBATIM)
  add_custom_target(man_${name} ALL DEPENDS ${compressed})
  install(FILES ${compressed} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endfunction()
