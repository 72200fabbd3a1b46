# `make package`: a .deb of what `cmake --install` puts under /usr, its dependencies found
# by dpkg-shlibdeps from the libraries the program links.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME huekeeper)
set(CPACK_PACKAGE_VENDOR "The Hue Keeper developers")
set(CPACK_PACKAGE_CONTACT "The Hue Keeper developers <${HK_HOMEPAGE}/issues>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "small desktop utility to compose, store and read colours")
set(CPACK_PACKAGE_DESCRIPTION [=[
One window always shows one current colour as a swatch and in six notations (Long,
hexadecimal, web, HTML name, RGB, CMYK), with spin editors in five colour models
(RGB, CMY, CMYK, HSL, HSV), a table of saved and named web colours, a screen colour
picker with a magnifier, and three small tools.]=])
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${HK_HOMEPAGE})
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
include(CPack)
