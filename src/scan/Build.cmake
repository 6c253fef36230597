# The archive lister reads archives with libarchive; the audio tag reader
# reads tags with TagLib.
find_package(PkgConfig REQUIRED)
pkg_check_modules(QBX_LIBARCHIVE REQUIRED IMPORTED_TARGET libarchive)
pkg_check_modules(QBX_TAGLIB REQUIRED IMPORTED_TARGET GLOBAL taglib)
target_link_libraries(qbx_core PRIVATE PkgConfig::QBX_LIBARCHIVE PkgConfig::QBX_TAGLIB)
