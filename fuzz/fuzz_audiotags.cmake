# The seeds are small valid files of every format, made by the tests' sample
# builder when the target starts.
target_sources(fuzz_audiotags PRIVATE ${CMAKE_SOURCE_DIR}/tests/support/AudioSamples.cpp)
target_include_directories(fuzz_audiotags PRIVATE ${CMAKE_SOURCE_DIR}/tests)
target_link_libraries(fuzz_audiotags PRIVATE PkgConfig::QBX_TAGLIB)
