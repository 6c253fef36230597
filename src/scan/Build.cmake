# The archive lister reads archives with libarchive.
find_package(PkgConfig REQUIRED)
pkg_check_modules(QBX_LIBARCHIVE REQUIRED IMPORTED_TARGET libarchive)
target_link_libraries(qbx_core PRIVATE PkgConfig::QBX_LIBARCHIVE)
