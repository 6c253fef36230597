# The tag benchmark makes its files with the tests' sample builder, which
# writes tags through TagLib.
target_sources(bench_tags PRIVATE ${CMAKE_SOURCE_DIR}/tests/support/AudioSamples.cpp)
target_include_directories(bench_tags PRIVATE ${CMAKE_SOURCE_DIR}/tests)
target_link_libraries(bench_tags PRIVATE PkgConfig::QBX_TAGLIB)
