# What the installed program carries beside its executables (man pages, the
# software-centre entry, the copyright file) and the Debian package that
# scripts/package builds with CPack.

set(qbx_packaging_dir ${CMAKE_CURRENT_LIST_DIR})
set(qbx_docdir ${CMAKE_INSTALL_DATADIR}/doc/qubrix)

# Man pages, compressed as Debian installs them. A program whose page lies
# here gets it installed when its target is built (qubrix-cli included).
set(qbx_man_pages qbx-table)
if(QBX_BUILD_GUI)
  list(APPEND qbx_man_pages qubrix)
endif()
if(TARGET qubrix-cli AND EXISTS ${qbx_packaging_dir}/qubrix-cli.1)
  list(APPEND qbx_man_pages qubrix-cli)
endif()
set(qbx_man_files "")
foreach(page IN LISTS qbx_man_pages)
  set(out ${CMAKE_BINARY_DIR}/man/${page}.1.gz)
  add_custom_command(OUTPUT ${out}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/man
    COMMAND gzip -9n -c ${qbx_packaging_dir}/${page}.1 > ${out}
    DEPENDS ${qbx_packaging_dir}/${page}.1
    COMMENT "Compressing the man page ${page}.1")
  list(APPEND qbx_man_files ${out})
endforeach()
# Russian translations of the pages, where there are any, under man/ru.
set(qbx_man_ru_files "")
foreach(page IN LISTS qbx_man_pages)
  if(EXISTS ${qbx_packaging_dir}/ru/${page}.1)
    set(out ${CMAKE_BINARY_DIR}/man/ru/${page}.1.gz)
    add_custom_command(OUTPUT ${out}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/man/ru
      COMMAND gzip -9n -c ${qbx_packaging_dir}/ru/${page}.1 > ${out}
      DEPENDS ${qbx_packaging_dir}/ru/${page}.1
      COMMENT "Compressing the Russian man page ${page}.1")
    list(APPEND qbx_man_ru_files ${out})
  endif()
endforeach()
add_custom_target(qbx_man_pages ALL DEPENDS ${qbx_man_files} ${qbx_man_ru_files})
install(FILES ${qbx_man_files} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${qbx_man_ru_files} DESTINATION ${CMAKE_INSTALL_MANDIR}/ru/man1)
# Completion of qubrix-cli's commands, options and files, where bash loads it
# on first use.
if(TARGET qubrix-cli)
  install(FILES ${qbx_packaging_dir}/qubrix-cli.bash-completion
          DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions RENAME qubrix-cli)
endif()
install(FILES ${qbx_packaging_dir}/copyright DESTINATION ${qbx_docdir})
if(QBX_BUILD_GUI)
  install(FILES ${qbx_packaging_dir}/com.tolvenar.qubrix.metainfo.xml
          DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
endif()

# The Debian package: "cpack -G DEB" in the build folder (scripts/package).
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME qubrix)
set(CPACK_PACKAGE_VENDOR "Tolvenar")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
# Installed under DESTDIR into /usr, whatever prefix the build folder has, so
# that installing into the package's staging folder does not refresh the
# build machine's desktop caches.
set(CPACK_SET_DESTDIR ON)
set(CPACK_INSTALL_PREFIX /usr)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Tolvenar <qubrix@tolvenar.invalid>")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "catalogue of discs, drives and folders")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Qubrix (Кварнис) records every folder and file of a disc, drive or folder
with its size, recognises installable products, the tags of MP3, FLAC, Ogg,
M4A and other audio files and media file names, and keeps the catalogue in
one Paradox table file (*.db). Catalogues are browsed and edited as trees,
merged, exported as text trees and searched by all fields, by one field, by
a size range or by saved nested queries.
The user interface is Russian or English, following the desktop's language.
.
The package also holds qbx-table, which prints table files as text.")
# Libraries from the binaries (dpkg-shlibdeps); plugins that Qt loads at run
# time are not linked, so they are named: the display plugins and the SQLite
# driver through which the help viewer reads its help file. TagLib, which
# reads the tags of audio files, is named too (at least the version the
# reader is built and tested against).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, libqt6sql6-sqlite, libtag1v5 (>= 1.13)")
# Russian standard buttons, and the tools whose file triggers refresh the
# MIME, desktop and icon caches when the package is installed or removed.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
    "qt6-translations-l10n, shared-mime-info, desktop-file-utils, hicolor-icon-theme")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${qbx_packaging_dir}/debian/triggers)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
