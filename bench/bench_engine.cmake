target_link_libraries(bench_engine PRIVATE sqlite3)
# GCC 12 reports a false overlap in std::string concatenation at -O3.
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
  target_compile_options(bench_engine PRIVATE -Wno-restrict)
endif()
