# The Debian package of the whole installation (cpack -G DEB, or the target
# "package"). Library dependencies come from dpkg-shlibdeps when dpkg-dev is there; the image format
# plugins (TIFF export), Qt's Japanese translations and the Japanese fonts, loaded at run time, are named here.
set(CPACK_GENERATOR "DEB")
set(CPACK_PACKAGE_NAME "brenno")
set(CPACK_PACKAGE_VENDOR "Drux")
set(CPACK_PACKAGE_CONTACT "Brenno maintainers <maintainers@users.noreply.c-seed-94a656a2.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Bode graphs and time responses of transfer functions")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "Brenno compiles a short program that defines a transfer function of the\n"
    "Laplace variable s, and draws its Bode graph or its time response obtained\n"
    "by numerical inversion of the Laplace transform. brenno-cli runs the same\n"
    "analyses in batch.")
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION "science")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(brenno_runtime_depends "qt6-image-formats-plugins, qt6-translations-l10n, fonts-ipafont-gothic | fonts-noto-cjk")
find_program(BRENNO_DPKG_SHLIBDEPS dpkg-shlibdeps)
if(BRENNO_DPKG_SHLIBDEPS)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "${brenno_runtime_depends}")
else()
  # Without dpkg-dev the libraries are named by hand, as Debian 12 ships them.
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6widgets6 (>= 6.4), libqt6printsupport6 (>= 6.4), libqt6svg6 (>= 6.4), \
libstdc++6 (>= 12), ${brenno_runtime_depends}")
endif()
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "shared-mime-info, desktop-file-utils, hicolor-icon-theme")

# The copyright file and the changelog, where Debian keeps them for every package.
set(brenno_doc_dir ${CMAKE_INSTALL_DATADIR}/doc/brenno)
set(brenno_changelog ${CMAKE_BINARY_DIR}/changelog.gz)
add_custom_command(OUTPUT ${brenno_changelog}
  COMMAND gzip -9 -n -c ${CMAKE_SOURCE_DIR}/cmake/debian/changelog > ${brenno_changelog}
  DEPENDS ${CMAKE_SOURCE_DIR}/cmake/debian/changelog)
add_custom_target(package_changelog ALL DEPENDS ${brenno_changelog})
install(FILES cmake/debian/copyright ${brenno_changelog} DESTINATION ${brenno_doc_dir})

include(CPack)
