# The Debian package (scripts/package.sh). Library dependencies come from dpkg-shlibdeps;
# what the programs load at run time without linking it is named here: the X11/Wayland
# platform plugins, the font that stands in for Arial, and Qt's German texts.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME smssim)
set(CPACK_PACKAGE_CONTACT "smssim project")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "shows how a text message looks on a mobile phone's display")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "smssim lays a text message out exactly as a mobile phone with a small monochrome display "
    "would show it, dot by dot, and counts the letters left. The phone is described by a phone "
    "definition file, and three phones come with it. smssim-render does the same on the "
    "command line; smssim-font2bsd makes a phone definition from a bitmap font, and "
    "smssim-bsd2font a BDF or Adafruit-GFX font from a phone. The user "
    "interface is German.")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation, qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
include(CPack)
