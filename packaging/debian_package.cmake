# The Debian package: `cpack -G DEB` in the build tree. Depends is computed by dpkg-shlibdeps
# from the programs' shared libraries; Qt's platform and multimedia plugins come with
# libqt6gui6 and libqt6multimedia6, which those libraries already bring in.
set(VELMORA_MAINTAINER_EMAIL velmora@example.org)

# What Debian wants beside the files: the copyright, a compressed changelog, compressed man
# pages (installed so by `cmake --install` too; man reads them either way).
set(_deb ${CMAKE_CURRENT_BINARY_DIR}/debian)
configure_file(debian/changelog.in ${_deb}/changelog @ONLY)
add_custom_command(
  OUTPUT ${_deb}/changelog.gz ${_deb}/velmora.1.gz ${_deb}/velmora-cli.1.gz
  COMMAND gzip -9nc ${_deb}/changelog > ${_deb}/changelog.gz
  COMMAND gzip -9nc ${_man}/velmora.1 > ${_deb}/velmora.1.gz
  COMMAND gzip -9nc ${_man}/velmora-cli.1 > ${_deb}/velmora-cli.1.gz
  DEPENDS ${_deb}/changelog ${_man}/velmora.1 ${_man}/velmora-cli.1)
add_custom_target(velmora_debian_files ALL DEPENDS ${_deb}/changelog.gz ${_deb}/velmora.1.gz)
install(FILES debian/copyright ${_deb}/changelog.gz DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/velmora)
install(FILES ${_deb}/velmora.1.gz ${_deb}/velmora-cli.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME velmora)
set(CPACK_PACKAGE_VENDOR "The Velmora developers")
set(CPACK_PACKAGE_CONTACT "The Velmora developers <${VELMORA_MAINTAINER_EMAIL}>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "voice analysis for speech therapists")
# The summary is the synopsis line; this text follows it.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Velmora records a client's voice and shows it as a spectrogram or a power
spectrum, with the pitch (F0) track, the formants and the waveform beneath.
Recordings are kept per client in a private working folder, with labels and
notes. The command-line tool velmora-cli runs the same analyses in batch.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION sound)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
include(CPack)
