# The Windows installation, in one folder: quillo.exe with the Qt DLLs and plugins it loads, the
# MinGW-w64 runtime DLLs, Qt's Japanese texts, the licences and a short read-me; no Data folder
# (the program makes it beside itself, or in %APPDATA%\Quillo\Data where it may not write).
# CPack makes quillo-VERSION-windows-x86_64.zip (ZIP) and quillo-VERSION-windows-x86_64-setup.exe
# (NSIS, with a Start-menu entry and an uninstaller that leaves the user's Data).

set(qt_prefix ${QT6_INSTALL_PREFIX})
set(mingw_gcc_runtime /usr/lib/gcc/x86_64-w64-mingw32/12-posix)
set(mingw_runtime /usr/x86_64-w64-mingw32/lib)

foreach(module Core Gui Widgets PrintSupport Network)
    install(FILES ${qt_prefix}/bin/Qt6${module}.dll DESTINATION .)
endforeach()
# The windows platform, the look of Windows' own controls. Pictures come only as PNG, which Qt
# reads itself: no image format plugin is needed.
install(FILES ${qt_prefix}/plugins/platforms/qwindows.dll DESTINATION platforms)
install(FILES ${qt_prefix}/plugins/styles/qwindowsvistastyle.dll DESTINATION styles)
install(FILES ${mingw_gcc_runtime}/libgcc_s_seh-1.dll ${mingw_gcc_runtime}/libstdc++-6.dll
              ${mingw_runtime}/libwinpthread-1.dll
        DESTINATION .)
install(FILES /usr/share/qt6/translations/qtbase_ja.qm DESTINATION translations)

# The licences: the program's, Qt's (LGPL 3, which builds on the GPL 3) and the MinGW-w64 runtime's
# (GCC's runtime library exception; winpthreads), as Debian's packages state them.
configure_file(${CMAKE_CURRENT_SOURCE_DIR}/windows-readme.txt.in
               ${CMAKE_CURRENT_BINARY_DIR}/README.txt @ONLY NEWLINE_STYLE CRLF)
configure_file(${CMAKE_CURRENT_SOURCE_DIR}/windows-qt-notice.txt.in
               ${CMAKE_CURRENT_BINARY_DIR}/Qt-NOTICE.txt @ONLY NEWLINE_STYLE CRLF)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/README.txt DESTINATION .)
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION . RENAME LICENSE.txt)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/Qt-NOTICE.txt DESTINATION licenses)
install(FILES /usr/share/common-licenses/LGPL-3 DESTINATION licenses RENAME Qt-LGPL-3.txt)
install(FILES /usr/share/common-licenses/GPL-3 DESTINATION licenses RENAME GPL-3.txt)
install(FILES /usr/share/doc/libqt6core6/copyright DESTINATION licenses RENAME Qt-copyright.txt)
install(FILES /usr/share/doc/gcc-mingw-w64-base/copyright
        DESTINATION licenses RENAME MinGW-GCC-runtime-copyright.txt)
install(FILES /usr/share/doc/mingw-w64-common/copyright
        DESTINATION licenses RENAME MinGW-w64-winpthreads-copyright.txt)

set(CPACK_GENERATOR ZIP NSIS)
set(CPACK_PACKAGE_NAME quillo)
set(CPACK_PACKAGE_VENDOR "Quillo developers")
set(CPACK_PACKAGE_FILE_NAME quillo-${PROJECT_VERSION}-windows-x86_64)
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGE_INSTALL_DIRECTORY Quillo)
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY Quillo)
# The zip unpacks into a folder of its name.
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
# The Start-menu entry: quillo.exe, shown as "Quillo".
set(CPACK_PACKAGE_EXECUTABLES quillo Quillo)
set(CPACK_NSIS_EXECUTABLE makensis)
# A 64-bit setup program for a 64-bit program: it installs into the 64-bit Program Files and runs
# wherever the program does (NSIS makes 32-bit ones unless told).
set(CPACK_NSIS_DEFINES "Target amd64-unicode")
set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
set(CPACK_NSIS_DISPLAY_NAME Quillo)
set(CPACK_NSIS_PACKAGE_NAME Quillo)
set(CPACK_NSIS_MUI_ICON ${PROJECT_BINARY_DIR}/icon/quillo.ico)
set(CPACK_NSIS_MUI_UNIICON ${PROJECT_BINARY_DIR}/icon/quillo.ico)
set(CPACK_NSIS_INSTALLED_ICON_NAME quillo.exe)
set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
# The setup program's name says what it is; the zip keeps the plain one.
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_BINARY_DIR}/cpack-windows-names.cmake)
file(CONFIGURE OUTPUT ${CMAKE_CURRENT_BINARY_DIR}/cpack-windows-names.cmake CONTENT [[
if(CPACK_GENERATOR STREQUAL "NSIS")
    set(CPACK_PACKAGE_FILE_NAME "${CPACK_PACKAGE_FILE_NAME}-setup")
endif()
]])

include(CPack)
