# Read by cpack before it makes a package. Each program's package carries the version the
# program reports with --version (the package test checks that they agree), so the packages
# are made one program at a time: `cmake --build BUILD --target packages` makes both.
if(CPACK_COMPONENTS_ALL STREQUAL "numbrela")
  set(CPACK_PACKAGE_VERSION 1.36)
elseif(CPACK_COMPONENTS_ALL STREQUAL "orbel")
  set(CPACK_PACKAGE_VERSION 3.1)
else()
  message(FATAL_ERROR "Each program's package has its own version: make both with "
    "`cmake --build <build folder> --target packages`, or one with "
    "`cpack -G DEB -D CPACK_COMPONENTS_ALL=numbrela` (or orbel).")
endif()
