# Installation and the Debian package (`make package`): the program, its views module, the desktop
# entry, the icon in every hicolor size, the AppStream metainfo, the manual page and the Debian
# copyright and changelog.

set(TARNWICK_APP_ID "io.tarnwick.tarnwick" CACHE STRING "Reverse-DNS identity of the program (AppStream)")
set(TARNWICK_HOMEPAGE "https://tarnwick.io" CACHE STRING "The program's home page")
set(TARNWICK_SCREENSHOTS "${TARNWICK_HOMEPAGE}/screenshots" CACHE STRING
    "Where the pictures that scripts/demo makes (docs/screenshots) are published")
set(TARNWICK_MAINTAINER "The Tarnwick developers <maintainers@tarnwick.io>" CACHE STRING "Package maintainer")

set(package_dir ${PROJECT_BINARY_DIR}/packaging)
file(MAKE_DIRECTORY ${package_dir})
execute_process(COMMAND date -u -R -d "${TARNWICK_RELEASE_DATE} 12:00"
                OUTPUT_VARIABLE TARNWICK_RELEASE_DATE_RFC2822 OUTPUT_STRIP_TRAILING_WHITESPACE
                COMMAND_ERROR_IS_FATAL ANY)
configure_file(${PROJECT_SOURCE_DIR}/resources/desktop/tarnwick.metainfo.xml.in
               ${package_dir}/english.metainfo.xml @ONLY)
configure_file(${PROJECT_SOURCE_DIR}/packaging/changelog.in ${package_dir}/changelog @ONLY)
configure_file(${PROJECT_SOURCE_DIR}/packaging/tarnwick.1 ${package_dir}/tarnwick.1 @ONLY)

# Debian wants the manual page and the changelog compressed, without a time stamp in the gzip header.
foreach(name tarnwick.1 changelog)
    add_custom_command(OUTPUT ${package_dir}/${name}.gz
        COMMAND gzip -9 -n -c ${package_dir}/${name} > ${package_dir}/${name}.gz
        DEPENDS ${package_dir}/${name}
        VERBATIM)
endforeach()
# The desktop entry and the metainfo with their texts in every language of the translations.
find_package(Python3 REQUIRED COMPONENTS Interpreter)
file(GLOB TARNWICK_TRANSLATION_FILES ${PROJECT_SOURCE_DIR}/translations/*.ts)
add_custom_command(OUTPUT ${package_dir}/tarnwick.desktop ${package_dir}/${TARNWICK_APP_ID}.metainfo.xml
    COMMAND ${Python3_EXECUTABLE} ${PROJECT_SOURCE_DIR}/scripts/translate-desktop-files
            ${PROJECT_SOURCE_DIR}/translations
            ${PROJECT_SOURCE_DIR}/resources/desktop/tarnwick.desktop ${package_dir}/tarnwick.desktop
            ${package_dir}/english.metainfo.xml ${package_dir}/${TARNWICK_APP_ID}.metainfo.xml
    DEPENDS ${PROJECT_SOURCE_DIR}/scripts/translate-desktop-files ${PROJECT_SOURCE_DIR}/resources/desktop/tarnwick.desktop
            ${package_dir}/english.metainfo.xml ${PROJECT_SOURCE_DIR}/translations/languages ${TARNWICK_TRANSLATION_FILES}
    VERBATIM)
add_custom_target(tarnwick_package_files ALL DEPENDS ${package_dir}/tarnwick.1.gz ${package_dir}/changelog.gz
    ${package_dir}/tarnwick.desktop ${package_dir}/${TARNWICK_APP_ID}.metainfo.xml)

# The program finds its views module from its own folder (ViewsLoader::defaultFolders).
install(TARGETS tarnwick RUNTIME DESTINATION bin)
install(TARGETS tarnwick_views LIBRARY DESTINATION ${TARNWICK_VIEWS_INSTALL_DIR}
        PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
install(FILES ${package_dir}/tarnwick.desktop DESTINATION share/applications)
install(FILES ${package_dir}/${TARNWICK_APP_ID}.metainfo.xml DESTINATION share/metainfo)
install(FILES data/dbus/io.tarnwick.Tarnwick1.xml DESTINATION share/dbus-1/interfaces)
foreach(size 16 22 24 32 48 64 128 256 512)
    install(FILES resources/icons/app/tarnwick-${size}.png
            DESTINATION share/icons/hicolor/${size}x${size}/apps RENAME tarnwick.png)
endforeach()
install(FILES resources/icons/app/tarnwick.svg DESTINATION share/icons/hicolor/scalable/apps)
install(FILES ${package_dir}/tarnwick.1.gz DESTINATION share/man/man1)
install(FILES packaging/copyright ${package_dir}/changelog.gz DESTINATION share/doc/tarnwick)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tarnwick)
set(CPACK_PACKAGE_VENDOR "The Tarnwick developers")
set(CPACK_PACKAGE_CONTACT "${TARNWICK_MAINTAINER}")
set(CPACK_PACKAGE_INSTALL_DIRECTORY tarnwick)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_PACKAGE_DIRECTORY ${PROJECT_BINARY_DIR}/package)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${TARNWICK_HOMEPAGE}")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "eye break reminder that waits for the right moment
Tarnwick sits in the system tray and reminds you to rest your eyes: a short
look into the distance every 20 minutes and a longer break every hour. Each
break is announced by a heads-up card, then covers every monitor with a calm
break screen.
.
A due break waits while a camera or a microphone is in use or the screen is
shared, while a full-screen program is in front, and for up to two minutes
while you type; time away from the keyboard counts as a break taken. Tarnwick keeps a weekly
summary in two files on your computer and sends nothing anywhere.")
# Libraries from the ELF files; the QML modules and Qt's X11 platform plugin are loaded at run time,
# so no library names them.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "qt6-qpa-plugins, qml6-module-qtqml, qml6-module-qtqml-models, qml6-module-qtqml-workerscript, \
qml6-module-qtquick, qml6-module-qtquick-controls, qml6-module-qtquick-templates, \
qml6-module-qtquick-layouts, qml6-module-qtquick-shapes, qml6-module-qtquick-window")
# The typeface the layouts are drawn for, the image formats desktop pictures come in, and typefaces
# with real glyphs for the Japanese, Chinese, Korean and Arabic translations (the small ones first).
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
    "fonts-inter, qt6-image-formats-plugins, fonts-wqy-microhei | fonts-noto-cjk, fonts-noto-ui-core | fonts-noto-core")
include(CPack)
