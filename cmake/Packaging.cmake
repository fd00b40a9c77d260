# The Debian package: `cpack -G DEB` in the build folder makes
# tallyfold_<version>_amd64.deb with both programs, the desktop entry, the
# MIME type, the icons, the AppStream metadata, the manual pages and the
# copyright and changelog files Debian asks for. Dependencies come from the
# binaries (dpkg-shlibdeps), plus what the window needs besides libraries.
include(GNUInstallDirs)

set(TALLYFOLD_DATA ${PROJECT_SOURCE_DIR}/data)
set(TALLYFOLD_PACKAGING ${CMAKE_BINARY_DIR}/packaging)
set(TALLYFOLD_DOCDIR ${CMAKE_INSTALL_DATADIR}/doc/tallyfold)
set(TALLYFOLD_METAINFO_ID example.quillmere.Tallyfold)

# Manual pages and the changelog are shipped as Debian wants them: gzip -9
# without a name or time stamp, so the package is the same on every build.
find_program(TALLYFOLD_GZIP gzip REQUIRED)
function(tallyfold_gzip source name out)
  set(plain ${TALLYFOLD_PACKAGING}/${name})
  add_custom_command(OUTPUT ${plain}.gz
    COMMAND ${CMAKE_COMMAND} -E copy ${source} ${plain}
    COMMAND ${TALLYFOLD_GZIP} -9nf ${plain}
    DEPENDS ${source}
    COMMENT "Compressing ${name}")
  set(${out} ${plain}.gz PARENT_SCOPE)
endfunction()

tallyfold_gzip(${TALLYFOLD_DATA}/man/tallyfold-cli.1 tallyfold-cli.1 cli_man)
tallyfold_gzip(${TALLYFOLD_DATA}/debian/changelog changelog changelog)
set(packaged ${cli_man} ${changelog})
install(FILES ${cli_man} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
if(TARGET tallyfold)
  tallyfold_gzip(${TALLYFOLD_DATA}/man/tallyfold.1 tallyfold.1 gui_man)
  list(APPEND packaged ${gui_man})
  install(FILES ${gui_man} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  install(FILES ${TALLYFOLD_DATA}/tallyfold.metainfo.xml
          DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo
          RENAME ${TALLYFOLD_METAINFO_ID}.metainfo.xml)
endif()
add_custom_target(packaging_files ALL DEPENDS ${packaged})
install(FILES ${TALLYFOLD_DATA}/debian/copyright DESTINATION ${TALLYFOLD_DOCDIR})
install(FILES ${changelog} DESTINATION ${TALLYFOLD_DOCDIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tallyfold)
set(CPACK_PACKAGE_VENDOR Quillmere)
set(CPACK_PACKAGE_CONTACT "Quillmere <support@quillmere.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "personal-finance manager for bank accounts and budgets")
set(CPACK_PACKAGE_DESCRIPTION
    "Tallyfold keeps bank accounts and their transactions in one data file.
It imports bank statements (OFX and the CSV layouts of South African banks),
sorts transactions into categories by text patterns, keeps monthly budgets,
shows chart reports, writes HTML documents and works out loans and
investments. tallyfold-cli reads the same file from scripts and writes
monthly category totals as text, CSV or JSON.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://quillmere.example/tallyfold")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The grid's Arial look comes from Liberation Sans (same metrics); Qt finds
# the X11 and Wayland window systems in its platform plugins.
if(TARGET tallyfold)
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2, qt6-qpa-plugins")
endif()
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
