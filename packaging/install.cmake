# Installs the program like a desktop application (binary, desktop entry,
# icons, AppStream metainfo, copyright) and describes its Debian package.
include(GNUInstallDirs)

install(TARGETS zorvan-tags RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES packaging/zorvan-tags.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES packaging/zorvan-tags.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo
        RENAME example.zorvan.tags.metainfo.xml)
foreach(size 48 128 256)
  install(FILES packaging/icons/zorvan-tags-${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
          RENAME zorvan-tags.png)
endforeach()
install(FILES packaging/zorvan-tags.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES packaging/copyright DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/zorvan-tags)

set(CPACK_PACKAGE_NAME zorvan-tags)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "The Zorvan tag generator developers <dev@zorvan.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Template tag generator for Zorvan page templates")
set(CPACK_PACKAGE_DESCRIPTION "A desktop tool that writes template tags and snippets for
Zorvan page templates into an output box and onto the clipboard.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_CURRENT_SOURCE_DIR}/LICENSE)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION devel)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://www.zorvan.example/)
# Library dependencies come from dpkg-shlibdeps; the CJK font is what makes
# the captions readable.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-wqy-microhei")
set(CPACK_STRIP_FILES ON)
# Only the program's own component: tests and tools are not installed.
set(CPACK_COMPONENTS_ALL Unspecified)
include(CPack)
