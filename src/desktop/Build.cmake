# Help of the program: the topic pages in desktop/help are compiled by
# qhelpgenerator into a Qt help file named like the executable with ".qch",
# written beside the executable in the build tree and installed as a data
# file into share/qubrix/ (the program looks beside itself first, then in
# ../share/qubrix/).
if(QBX_BUILD_GUI)
  find_package(Qt6 REQUIRED COMPONENTS Help)
  target_link_libraries(qbx_gui PUBLIC Qt6::Help)

  find_package(Qt6 QUIET COMPONENTS Tools)
  if(TARGET Qt6::qhelpgenerator)
    set(QBX_QHELPGENERATOR Qt6::qhelpgenerator)
  else()
    find_program(QBX_QHELPGENERATOR_PROGRAM NAMES qhelpgenerator qhelpgenerator-qt6
      HINTS "${QT6_INSTALL_PREFIX}/${QT6_INSTALL_LIBEXECS}" "${QT6_INSTALL_PREFIX}/libexec"
            /usr/lib/qt6/libexec /usr/lib/qt6/bin /usr/lib/${CMAKE_LIBRARY_ARCHITECTURE}/qt6/libexec
      REQUIRED)
    set(QBX_QHELPGENERATOR ${QBX_QHELPGENERATOR_PROGRAM})
  endif()

  set(qbx_help_dir ${CMAKE_CURRENT_LIST_DIR}/help)
  file(GLOB qbx_help_sources CONFIGURE_DEPENDS ${qbx_help_dir}/*.htm ${qbx_help_dir}/*.css
       ${qbx_help_dir}/*.png)
  get_target_property(qbx_exe_dir qubrix RUNTIME_OUTPUT_DIRECTORY)
  if(NOT qbx_exe_dir)
    set(qbx_exe_dir ${CMAKE_CURRENT_BINARY_DIR})
  endif()
  set(qbx_help_file ${qbx_exe_dir}/qubrix.qch)
  add_custom_command(OUTPUT ${qbx_help_file}
    COMMAND ${QBX_QHELPGENERATOR} ${qbx_help_dir}/qubrix.qhp -o ${qbx_help_file}
    DEPENDS ${qbx_help_dir}/qubrix.qhp ${qbx_help_sources}
    COMMENT "Compiling the help file qubrix.qch"
    VERBATIM)
  # The English help: the same topics in help/en, compiled beside the Russian
  # file as qubrix_en.qch (opened when the program speaks English). Its pages
  # share the Russian pages' style sheet, copied beside them for compiling.
  file(GLOB qbx_help_en_sources CONFIGURE_DEPENDS ${qbx_help_dir}/en/*.htm)
  set(qbx_help_en_file ${qbx_exe_dir}/qubrix_en.qch)
  set(qbx_help_en_stage ${CMAKE_CURRENT_BINARY_DIR}/help_en)
  add_custom_command(OUTPUT ${qbx_help_en_file}
    COMMAND ${CMAKE_COMMAND} -E copy_directory ${qbx_help_dir}/en ${qbx_help_en_stage}
    COMMAND ${CMAKE_COMMAND} -E copy ${qbx_help_dir}/help.css ${qbx_help_en_stage}/help.css
    COMMAND ${QBX_QHELPGENERATOR} ${qbx_help_en_stage}/qubrix_en.qhp -o ${qbx_help_en_file}
    DEPENDS ${qbx_help_dir}/en/qubrix_en.qhp ${qbx_help_en_sources} ${qbx_help_dir}/help.css
    COMMENT "Compiling the help file qubrix_en.qch"
    VERBATIM)
  add_custom_target(qbx_help ALL DEPENDS ${qbx_help_file} ${qbx_help_en_file})
  add_dependencies(qubrix qbx_help)
  install(FILES ${qbx_help_file} ${qbx_help_en_file} DESTINATION ${CMAKE_INSTALL_DATADIR}/qubrix)
  # Widget tests open the help file of the build tree.
  set_property(GLOBAL PROPERTY QBX_HELP_FILE ${qbx_help_file})
endif()
