# cmake --install: the programs in bin, their data (language modules, the default
# Program.ini) in share/xr970, where the program looks for them; manual pages, bash
# completion, the udev rule for the programming cables, copyright and changelog; and for
# the desktop a menu entry with its icons, the channel-data file type and AppStream data.
# The help pages are compiled into the program. cpack -G DEB packs the same files.
include(GNUInstallDirs)
set(XR_INSTALL_DATA ${CMAKE_INSTALL_DATADIR}/xr970)
set(XR_INSTALL_FILES ${PROJECT_SOURCE_DIR}/resources/install)
set(XR_APPSTREAM_ID org.example.xr970)

install(TARGETS xr970-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${PROJECT_SOURCE_DIR}/resources/Program.ini DESTINATION ${XR_INSTALL_DATA})
install(FILES ${CMAKE_BINARY_DIR}/gz/xr970-cli.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${XR_INSTALL_FILES}/xr970-cli.bash RENAME xr970-cli
        DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions)
# udev reads lib/udev/rules.d under /usr and /usr/local alike, never a multiarch libdir.
install(FILES ${XR_INSTALL_FILES}/60-xr970.rules DESTINATION lib/udev/rules.d)
install(FILES ${XR_INSTALL_FILES}/copyright ${CMAKE_BINARY_DIR}/gz/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DOCDIR})
if(XR_WITH_GUI)
    install(TARGETS xr970 RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
    install(FILES ${CMAKE_BINARY_DIR}/English.qm ${CMAKE_BINARY_DIR}/Chinese.qm
            DESTINATION ${XR_INSTALL_DATA})
    install(FILES ${CMAKE_BINARY_DIR}/gz/xr970.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
    install(FILES ${XR_INSTALL_FILES}/xr970.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
    install(FILES ${XR_INSTALL_FILES}/xr970-mime.xml RENAME xr970.xml
            DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)
    install(FILES ${XR_INSTALL_FILES}/${XR_APPSTREAM_ID}.metainfo.xml
            DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
    foreach(size 16 24 32 48 64 128 256)
        install(FILES ${XR_INSTALL_FILES}/icons/xr970-${size}.png RENAME xr970.png
                DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
    endforeach()
    install(FILES ${XR_INSTALL_FILES}/icons/xr970.svg
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
endif()

install(FILES ${XR_INSTALL_FILES}/lintian-overrides RENAME xr970
        DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides)
# Stripping (cpack, cmake --install --strip) also drops the compilers' .comment notes, as
# Debian's own packages do.
install(CODE "
    if(CMAKE_INSTALL_DO_STRIP)
        foreach(program xr970 xr970-cli)
            set(file \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/\${program}\")
            if(EXISTS \"\${file}\")
                execute_process(COMMAND \"${CMAKE_OBJCOPY}\" --remove-section=.comment \"\${file}\")
            endif()
        endforeach()
    endif()")

set(CPACK_PACKAGE_NAME xr970)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "XR-970 Programmer developers")
set(CPACK_PACKAGE_CONTACT "XR-970 Programmer developers <xr970-dev@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "programming tool for the XR-970 handheld FM radio")
set(CPACK_PACKAGE_DESCRIPTION "Reads the XR-970's memory over a serial programming cable, edits its
16 channels and radio-wide options, writes them back, keeps channel-data files
and prints a report, in English or Chinese. xr970-cli does the same from the
command line and serves a virtual radio for trying it without hardware.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION hamradio)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://xr970.example.org/)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
if(XR_WITH_GUI)
    # The windowing plugins are loaded at run time, so no library dependency names them.
    set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
    # Qt's own dialogs (file, print, standard buttons) in Chinese; the CJK face to show it.
    set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, fonts-wqy-microhei")
endif()
include(CPack)
