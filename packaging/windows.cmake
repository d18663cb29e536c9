# The Windows installation, in one folder: quillo.exe with the Qt DLLs and plugins it loads, the
# MinGW-w64 runtime DLLs, Qt's Japanese texts, the licences and a short read-me; no Data folder
# (the program makes it beside itself, or in %APPDATA%\Quillo\Data where it may not write).
# CPack makes quillo-VERSION-windows-x86_64.zip (ZIP) and quillo-VERSION-windows-x86_64-setup.exe
# (NSIS, from the template in nsis/); the target windows_debug_zip makes
# quillo-VERSION-windows-x86_64-debug.zip.

set(qt_prefix ${QT6_INSTALL_PREFIX})
set(mingw_gcc_runtime /usr/lib/gcc/x86_64-w64-mingw32/12-posix)
set(mingw_runtime /usr/x86_64-w64-mingw32/lib)

set(package_name quillo-${PROJECT_VERSION}-windows-x86_64)

# The packages carry stripped copies of quillo.exe and of every DLL: a USB stick reads each
# megabyte again at every start. What is stripped goes into NAME.debug, which the copy names in
# its debug link; the debug zip holds these files in the same folders, so that unpacked over the
# program's folder they lie beside the binaries, where debuggers look for them.
function(install_stripped name source destination)
    set(stripped ${CMAKE_CURRENT_BINARY_DIR}/stripped/${destination}/${name})
    set(debug ${CMAKE_CURRENT_BINARY_DIR}/debug/${destination}/${name}.debug)
    # Programs lose every symbol; libraries keep those that linking to them needs.
    set(strip --strip-unneeded)
    if(name MATCHES "[.]exe$")
        set(strip --strip-all)
    endif()
    add_custom_command(OUTPUT ${stripped} ${debug}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/stripped/${destination}
                ${CMAKE_CURRENT_BINARY_DIR}/debug/${destination}
        COMMAND ${CMAKE_OBJCOPY} --only-keep-debug ${source} ${debug}
        COMMAND ${CMAKE_OBJCOPY} ${strip} --add-gnu-debuglink=${debug} ${source} ${stripped}
        DEPENDS ${source} VERBATIM)
    set_property(DIRECTORY APPEND PROPERTY stripped_binaries ${stripped} ${debug})
    install(PROGRAMS ${stripped} DESTINATION ${destination})
    install(FILES ${debug} DESTINATION ${destination} COMPONENT debug EXCLUDE_FROM_ALL)
endfunction()

install_stripped(quillo.exe $<TARGET_FILE:quillo> .)
# quillo.exe is signed as it is installed, when a certificate is given; makensis signs the setup
# program and its uninstaller with the same script.
set(sign_script ${CMAKE_CURRENT_SOURCE_DIR}/windows-sign.sh)
install(CODE "execute_process(COMMAND bash ${sign_script} \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/quillo.exe\"
                              COMMAND_ERROR_IS_FATAL ANY)")
foreach(module Core Gui Widgets PrintSupport Network)
    install_stripped(Qt6${module}.dll ${qt_prefix}/bin/Qt6${module}.dll .)
endforeach()
# The windows platform, the look of Windows' own controls. Pictures come only as PNG, which Qt
# reads itself: no image format plugin is needed.
install_stripped(qwindows.dll ${qt_prefix}/plugins/platforms/qwindows.dll platforms)
install_stripped(qwindowsvistastyle.dll ${qt_prefix}/plugins/styles/qwindowsvistastyle.dll styles)
# TLS through Windows' own Schannel, for a board's settings read over https.
install_stripped(qschannelbackend.dll ${qt_prefix}/plugins/tls/qschannelbackend.dll tls)
install_stripped(libgcc_s_seh-1.dll ${mingw_gcc_runtime}/libgcc_s_seh-1.dll .)
install_stripped(libstdc++-6.dll ${mingw_gcc_runtime}/libstdc++-6.dll .)
install_stripped(libwinpthread-1.dll ${mingw_runtime}/libwinpthread-1.dll .)
get_property(stripped_binaries DIRECTORY PROPERTY stripped_binaries)
add_custom_target(windows_stripped_binaries ALL DEPENDS ${stripped_binaries})

add_custom_target(windows_debug_zip
    COMMAND ${CMAKE_COMMAND} -E rm -rf debug-zip ${package_name}-debug.zip
    COMMAND ${CMAKE_COMMAND} --install ${PROJECT_BINARY_DIR} --component debug
            --prefix debug-zip/${package_name}
    COMMAND ${CMAKE_COMMAND} -E chdir debug-zip
            ${CMAKE_COMMAND} -E tar cf ../${package_name}-debug.zip --format=zip ${package_name}
    WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR} VERBATIM)
add_dependencies(windows_debug_zip windows_stripped_binaries)
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
set(CPACK_PACKAGE_FILE_NAME ${package_name})
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGE_INSTALL_DIRECTORY Quillo)
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY Quillo)
# One package of everything but the debug files (which only the debug zip asks for).
set(CPACK_MONOLITHIC_INSTALL ON)
# The zip unpacks into a folder of its name.
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
set(CPACK_NSIS_EXECUTABLE makensis)
# The setup program's own template: one language, an upgrade in place, a check for a running
# Quillo, a Start-menu entry named as the program.
list(APPEND CMAKE_MODULE_PATH ${CMAKE_CURRENT_SOURCE_DIR}/nsis)
set(QUILLO_INSTALLER_LANGUAGE Japanese CACHE STRING
    "The language of the setup program: the name of an NSIS language file, such as English")
set(CPACK_QUILLO_INSTALLER_LANGUAGE ${QUILLO_INSTALLER_LANGUAGE})
set(CPACK_QUILLO_SIGN_SCRIPT ${sign_script})
# A 64-bit setup program for a 64-bit program: it installs into the 64-bit Program Files and runs
# wherever the program does (NSIS makes 32-bit ones unless told).
set(CPACK_NSIS_DEFINES "Target amd64-unicode")
set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
set(CPACK_NSIS_DISPLAY_NAME Quillo)
set(CPACK_NSIS_PACKAGE_NAME Quillo)
set(CPACK_NSIS_URL_INFO_ABOUT ${PROJECT_HOMEPAGE_URL})
set(CPACK_NSIS_MUI_ICON ${PROJECT_BINARY_DIR}/icon/quillo.ico)
set(CPACK_NSIS_MUI_UNIICON ${PROJECT_BINARY_DIR}/icon/quillo.ico)
# The setup program's name says what it is; the zip keeps the plain one (and its top folder).
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_BINARY_DIR}/cpack-windows-names.cmake)
file(CONFIGURE OUTPUT ${CMAKE_CURRENT_BINARY_DIR}/cpack-windows-names.cmake CONTENT [[
if(CPACK_GENERATOR STREQUAL "NSIS")
    set(CPACK_PACKAGE_FILE_NAME "${CPACK_PACKAGE_FILE_NAME}-setup")
    set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
endif()
]])

include(CPack)
