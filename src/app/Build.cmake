# The program's icon and the icons of its two file types, installed into the
# hicolor theme so that desktops and file managers show them.
if(QBX_BUILD_GUI)
  foreach(size 16 32 48 128)
    foreach(name qubrix application-x-qubrix-catalogue application-x-qubrix-query)
      if(name STREQUAL "qubrix")
        set(context apps)
      else()
        set(context mimetypes)
      endif()
      install(FILES ${CMAKE_SOURCE_DIR}/resources/icons/${name}-${size}.png
              DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/${context}
              RENAME ${name}.png)
    endforeach()
  endforeach()
endif()
