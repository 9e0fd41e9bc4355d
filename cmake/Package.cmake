# Debian packages, one per program (`cpack -G DEB` in the build folder): numbrela and orbel,
# each with its executable in /usr/bin, its delivered files in /usr/share/<program>, its
# menu entry, icon, AppStream metadata and manual page; the planner also carries the bet
# files' MIME type. The shared libraries' packages come from dpkg-shlibdeps; the rest are
# named here: Qt's platform plugins (a window at all), the world clock's zone database and
# the planner's font.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME numbrela-orbel)
# Each package's version comes from cmake/PackageVersion.cmake, read by cpack.
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_LIST_DIR}/PackageVersion.cmake)
set(CPACK_PACKAGE_VENDOR "Numbrela and Orbel developers")
set(CPACK_PACKAGE_CONTACT "Numbrela and Orbel developers <numbrela-orbel@localhost>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL numbrela orbel)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_COMPRESSION_TYPE gzip)

set(CPACK_DEBIAN_NUMBRELA_PACKAGE_NAME numbrela)
set(CPACK_DEBIAN_NUMBRELA_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-dejavu-core")
set(CPACK_COMPONENT_NUMBRELA_DESCRIPTION
  "Numbrela Pro, a bet planner for the Primitiva\n Plans simple, multiple and reduced bets for the Spanish 6-of-49 lottery, checks them against a draw, lists them and prints them on the real slips.")
set(CPACK_DEBIAN_ORBEL_PACKAGE_NAME orbel)
set(CPACK_DEBIAN_ORBEL_PACKAGE_DEPENDS "qt6-qpa-plugins, tzdata")
set(CPACK_COMPONENT_ORBEL_DESCRIPTION
  "Orbel, a world clock\n Any number of clocks bound to time zones, daylight saving from each zone's rules, time conversion and setting the clock from an RFC 868 time server.")

include(CPack)

# Both packages, each with its own version, in the build folder.
add_custom_target(packages
  COMMAND cpack --config CPackConfig.cmake -G DEB -D CPACK_COMPONENTS_ALL=numbrela
  COMMAND cpack --config CPackConfig.cmake -G DEB -D CPACK_COMPONENTS_ALL=orbel
  WORKING_DIRECTORY ${CMAKE_BINARY_DIR} VERBATIM)
