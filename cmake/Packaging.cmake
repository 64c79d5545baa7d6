# The Debian package: cpack -G DEB in a build configured with CMAKE_INSTALL_PREFIX=/usr
# (scripts/package does both). Library dependencies come from dpkg-shlibdeps.
set(CPACK_PACKAGE_NAME velloran)
set(CPACK_PACKAGE_VENDOR "The Velloran developers")
set(CPACK_PACKAGE_CONTACT "The Velloran developers <maintainers@velloran.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "find duplicate pictures and files and remove the copies")
set(CPACK_PACKAGE_DESCRIPTION "Velloran compares every picture of the folders you choose by a small fingerprint of
its grey tones, so it finds resized, recompressed and re-saved copies as well as
exact ones; it can also compare by file name, by name and size, or by contents.
Each group of duplicates is shown beside its base file; mark the copies and
delete them (to the trash or for good), move, copy or rename them. Image
databases let pictures on absent discs take part in a scan. The package holds
the desktop program velloran and the command-line companion velloran-cli.")
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
if(BUILD_GUI)
  # Qt finds its window-system plugins at run time, so shlibdeps cannot see them.
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
  # qt6-wayland lets the window run natively in a Wayland session; qt6-translations-l10n
  # translates Qt's standard dialogs for the languages the window speaks.
  set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils, shared-mime-info, qt6-wayland, qt6-translations-l10n")
  # The file types' definitions take effect at once: update-mime-database runs through
  # shared-mime-info's trigger on its packages folder.
  set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA "${PROJECT_SOURCE_DIR}/cmake/deb/triggers")
endif()
install(FILES ${PROJECT_SOURCE_DIR}/data/copyright DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/velloran)
include(CPack)
