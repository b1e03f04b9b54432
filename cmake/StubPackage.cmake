# Debian package of cabx, the reader and codec libraries and their headers:
# cpack -G DEB in the build directory.
set(CPACK_PACKAGE_NAME cabx)
set(CPACK_PACKAGE_VENDOR "Stub project")
set(CPACK_PACKAGE_CONTACT "Stub maintainers <maintainers@stub.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "list, test, extract and create cabinet files and self-extracting archives")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)
include(CPack)
