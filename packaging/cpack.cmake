# The Debian package of the installation: quillo_VERSION_ARCH.deb from `cpack -G DEB` (or the
# target "package") in the build folder.

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quillo)
set(CPACK_PACKAGE_VENDOR "Quillo developers")
set(CPACK_PACKAGE_CONTACT "Quillo developers <quillo@users.noreply.github.com>")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# Debian's own rules for a binary package: a stripped program, no build-machine permissions.
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The libraries come from what the program links; the Japanese font it needs to be readable,
# from here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# libcups2 is loaded only when the program prints, so the library scan does not see it. A board's
# settings are read over https through Qt Network's OpenSSL backend (libqt6network6 brings it and
# OpenSSL), verified against the system's certificates.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libcups2, ca-certificates, fonts-ipafont-gothic | fonts-noto-cjk")
# Japanese texts in Qt's own dialogs, the Mincho face of "M", the browser for "IE", and fcitx5's
# module for Qt 6, without which Japanese typed through fcitx5 arrives as Latin text (ibus's module
# comes with Qt itself; uim has none for Qt 6).
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
    "qt6-translations-l10n, fonts-ipafont-mincho | fonts-noto-cjk, xdg-utils, fcitx5-frontend-qt6")
# The first line is the project's description; CPack indents these lines, and an empty one
# separates paragraphs.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Quillo keeps the seven things a poster types again and again on web bulletin
boards (name, mail address, ID, password, home page, title and comment) in one
small window that stays in front of the browser, and puts any of them on the
clipboard with one click.

Around them it offers the small tools a poster needs: quoting the clipboard
text, HTML link, image, mail and font tags, a preview of the comment in the
browser, snapshot slots, two more memo windows, export to the desktop and
printing. The interface is Japanese.")

include(CPack)
