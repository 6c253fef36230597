# Desktop integration installed with the program: the menu entry and the MIME
# types of catalogue (*.db) and query (*.cdq) files. The icons they name
# (qubrix, application-x-qubrix-catalogue, application-x-qubrix-query) are
# installed with the main window's images.
if(QBX_BUILD_GUI)
  install(FILES ${PROJECT_SOURCE_DIR}/resources/qubrix.desktop
          DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${PROJECT_SOURCE_DIR}/resources/qubrix-mime.xml
          DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME qubrix.xml)
  # Refresh the desktop's caches when installing into the live system (not
  # into a staging folder, nor the package's, whose installation refreshes
  # them through dpkg triggers); a missing tool is not an error.
  install(CODE [[
    if(("$ENV{DESTDIR}" STREQUAL "") AND NOT CMAKE_INSTALL_PREFIX MATCHES "/_CPack_Packages/")
      find_program(QBX_UPDATE_MIME update-mime-database)
      if(QBX_UPDATE_MIME)
        execute_process(COMMAND ${QBX_UPDATE_MIME} "${CMAKE_INSTALL_PREFIX}/share/mime"
                        RESULT_VARIABLE qbx_rc OUTPUT_QUIET ERROR_QUIET)
      endif()
      find_program(QBX_UPDATE_DESKTOP update-desktop-database)
      if(QBX_UPDATE_DESKTOP)
        execute_process(COMMAND ${QBX_UPDATE_DESKTOP} "${CMAKE_INSTALL_PREFIX}/share/applications"
                        RESULT_VARIABLE qbx_rc OUTPUT_QUIET ERROR_QUIET)
      endif()
    endif()
  ]])
endif()
