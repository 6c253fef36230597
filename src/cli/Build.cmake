# qubrix-cli: the catalogue from the command line, over the same core as the
# program (never the widget library).
file(GLOB QBX_CLI_SOURCES CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/*.cpp
  ${CMAKE_CURRENT_LIST_DIR}/*.h)
add_executable(qubrix-cli ${QBX_CLI_SOURCES})
qbx_link_allocator(qubrix-cli)
target_link_libraries(qubrix-cli PRIVATE qbx_core)
install(TARGETS qubrix-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
