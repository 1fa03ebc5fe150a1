# cmake --install: the programs in bin, their data (language modules, the default
# Program.ini) in share/xr970, where the program looks for them, a menu entry and its
# icon. The help pages are compiled into the program. cpack -G DEB packs the same files.
include(GNUInstallDirs)
set(XR_INSTALL_DATA ${CMAKE_INSTALL_DATADIR}/xr970)
set(XR_INSTALL_FILES ${PROJECT_SOURCE_DIR}/resources/install)

install(TARGETS xr970-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${PROJECT_SOURCE_DIR}/resources/Program.ini DESTINATION ${XR_INSTALL_DATA})
if(XR_WITH_GUI)
    install(TARGETS xr970 RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
    install(FILES ${CMAKE_BINARY_DIR}/English.qm ${CMAKE_BINARY_DIR}/Chinese.qm
            DESTINATION ${XR_INSTALL_DATA})
    install(FILES ${XR_INSTALL_FILES}/xr970.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
    foreach(size 64 128)
        install(FILES ${XR_INSTALL_FILES}/xr970-${size}.png RENAME xr970.png
                DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
    endforeach()
endif()

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
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION hamradio)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
if(XR_WITH_GUI)
    # The windowing plugins are loaded at run time, so no library dependency names them.
    set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
    set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-wqy-microhei")
    set(CPACK_DEBIAN_PACKAGE_SUGGESTS "qt6-translations-l10n")
endif()
include(CPack)
