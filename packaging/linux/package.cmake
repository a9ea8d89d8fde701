# Installs the editor with its desktop entry, icon, AppStream metainfo and
# udev rule, and describes the Debian package that CPack makes of it:
#   cmake --preset package && cmake --build --preset package && \
#   (cd build/package && cpack -G DEB)
include(GNUInstallDirs)

set(app_id com.tarnwick.zq7editor)
set(here ${CMAKE_CURRENT_LIST_DIR})
set(made ${CMAKE_CURRENT_BINARY_DIR}/packaging)

install(TARGETS tarnwick-editor RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${here}/${app_id}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${here}/${app_id}.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
configure_file(${here}/${app_id}.metainfo.xml ${made}/${app_id}.metainfo.xml @ONLY)
install(FILES ${made}/${app_id}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
# udev reads its rules from /usr/lib/udev/rules.d whatever the prefix.
install(FILES ${here}/99-tarnwick-zq7.rules DESTINATION /usr/lib/udev/rules.d)

# Debian wants the copyright, a changelog and a manual page, the last two
# compressed without a time stamp.
foreach(text changelog tarnwick-editor.1)
  configure_file(${here}/${text} ${made}/${text} @ONLY)
  execute_process(COMMAND gzip -9nc ${made}/${text} OUTPUT_FILE ${made}/${text}.gz
                  COMMAND_ERROR_IS_FATAL ANY)
endforeach()
set(doc ${CMAKE_INSTALL_DATADIR}/doc/tarnwick-editor)
install(FILES ${here}/copyright ${made}/changelog.gz DESTINATION ${doc})
install(FILES ${made}/tarnwick-editor.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

set(CPACK_PACKAGE_NAME tarnwick-editor)
set(CPACK_PACKAGE_VENDOR Tarnwick)
set(CPACK_PACKAGE_CONTACT "Tarnwick <support@tarnwick.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "editor for the Tarnwick ZQ7 octave-down pedal")
set(CPACK_PACKAGE_DESCRIPTION
    "The desktop editor for the Tarnwick ZQ7 guitar pedal: reads its versions and\n"
    "settings, uploads its DSP algorithm, turns the effect's controls live,\n"
    "assigns its CTRL buttons and footswitch, sets tuning and MIDI channel, keeps\n"
    "presets and upgrades the pedal's firmware. The --simulate option starts it\n"
    "against a simulated pedal, so it can be tried without the hardware.")
string(REPLACE ";" "" CPACK_PACKAGE_DESCRIPTION "${CPACK_PACKAGE_DESCRIPTION}")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION sound)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://www.tarnwick.com/)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The windows are laid out for Arial; Liberation Sans has its metrics.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS fonts-liberation)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS OFF)
include(CPack)
