# `cpack -G DEB` in a build folder packs what `cmake --install` puts in place;
# scripts/package.sh makes the release package with it.
set(CPACK_PACKAGE_NAME kemurina)
set(CPACK_PACKAGE_VENDOR hakkaro)
set(CPACK_PACKAGE_CONTACT "hakkaro <dev@kemurina.example.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "companion for the first weeks after quitting smoking")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
       "ケムリナ式 shows, refreshed every half minute, the time since the quit\n"
       "moment, the life won back, the money saved with its tax part, the\n"
       "cigarettes not smoked laid end to end against a landmark, a rank, a\n"
       "message of the day and lungs that turn pink. Japanese user interface.")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://www.example.com/kemurina/")
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# Installed into a staging folder through DESTDIR, so the install prefix is
# the package's own /usr: the starter names the program by that prefix.
set(CPACK_SET_DESTDIR ON)
set(CPACK_INSTALL_PREFIX ${CPACK_PACKAGING_INSTALL_PREFIX})
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# The Debian revision comes with the newest entry of desktop/debian/changelog.
set(CPACK_DEBIAN_PACKAGE_RELEASE ${KEMURINA_DEB_REVISION})
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
# The xcb platform plugin lives in qt6-qpa-plugins, which the libraries do not
# pull in. The windows are drawn in IPAGothic; any other Japanese gothic font
# will do, so another one satisfies the dependency too.
set(KEMURINA_DEB_EXTRA_DEPENDS "qt6-qpa-plugins, fonts-ipafont-gothic | fonts-japanese-gothic")
find_program(KEMURINA_DPKG_SHLIBDEPS dpkg-shlibdeps)
if(KEMURINA_DPKG_SHLIBDEPS)
  # Names the Qt libraries and the C++ runtime with the versions linked against.
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "${KEMURINA_DEB_EXTRA_DEPENDS}")
else()
  set(CPACK_DEBIAN_PACKAGE_DEPENDS
      "libqt6widgets6, libqt6gui6, libqt6core6, ${KEMURINA_DEB_EXTRA_DEPENDS}")
endif()

set(CPACK_SOURCE_IGNORE_FILES "/\\\\.git/" "/build[^/]*/" "/kemurinadata/" "/screenshots-run/"
    "/dist/")
include(CPack)
