# SPDX-License-Identifier: MIT
# Desktop integration, the program's icon, and the Debian package.

set(WAVE_PACKAGING_DIR ${PROJECT_SOURCE_DIR}/packaging)
set(WAVE_APP_ID io.github.wavesynthesis.WaveSynthesis)
set(WAVE_ICON_SIZES 16 24 32 48 64 128 256)
# What a title bar or task switcher shows; larger sizes come from the theme.
set(WAVE_WINDOW_ICON_SIZES 16 24 32 48 64)

# The window shows the same icon as the menu; PNGs, so no SVG plugin is needed.
set(wave_icon_pngs "")
foreach(size IN LISTS WAVE_WINDOW_ICON_SIZES)
  list(APPEND wave_icon_pngs packaging/icons/${size}x${size}/wave-synthesis.png)
endforeach()
qt_add_resources(wave_qt program_icon PREFIX /icons BASE packaging/icons FILES ${wave_icon_pngs})

install(FILES ${WAVE_PACKAGING_DIR}/wave-synthesis.desktop
  DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${WAVE_PACKAGING_DIR}/${WAVE_APP_ID}.metainfo.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${WAVE_PACKAGING_DIR}/wave-synthesis.svg
  DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(size IN LISTS WAVE_ICON_SIZES)
  install(FILES ${WAVE_PACKAGING_DIR}/icons/${size}x${size}/wave-synthesis.png
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()

install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION ${CMAKE_INSTALL_DOCDIR})

set(CPACK_GENERATOR DEB)
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGE_NAME wave-synthesis)
set(CPACK_PACKAGE_VENDOR "The wave synthesis developers")
set(CPACK_PACKAGE_CONTACT "The wave synthesis developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "teaching tool for the synthesis of waves (波の合成)")
set(CPACK_PACKAGE_DESCRIPTION "A learner sets the waveform, amplitude and frequency \
of four component waves and sees each drawn on its own and their sum in a larger plot. \
Usable with the keyboard alone and with a screen reader.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
# The C and C++ runtimes come from dpkg-shlibdeps; the fonts are found
# by name at run time, so no library check can see that they are needed.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
  "libqt6widgets6 (>= 6.2), libqt6gui6 (>= 6.2), libqt6core6 (>= 6.2), fonts-liberation, fonts-ipafont-gothic")
include(CPack)
