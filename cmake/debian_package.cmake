# The Debian package: `cpack -G DEB` in the build folder makes
# pilaro_<version>_<arch>.deb of everything the build installs (the
# programs, the desktop entry, the icons, the browser page, and the
# copyright, changelog, manual pages and examples of package_files.cmake).
include(${CMAKE_CURRENT_LIST_DIR}/package_files.cmake)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME pilaro)
set(CPACK_PACKAGE_CONTACT "${PILARO_PACKAGE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${PILARO_PACKAGE_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "Reinforcement design and strength check of circular concrete sections")
set(CPACK_PACKAGE_DESCRIPTION
    "Pilaro sizes or checks the longitudinal steel of a circular reinforced-concrete\n\
member (column, pier, pile shaft) under an axial force and a bending moment,\n\
in one window with Chinese captions, and prints a short calculation sheet.\n\
The same calculator runs in any current browser from one file,\n\
/usr/share/pilaro/pilaro.html, which can be copied to another computer.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_STRIP_FILES ON)

# The shared libraries the programs link (Qt 6, and whatever a program
# adds later) are named by dpkg-shlibdeps from the binaries themselves.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)

# What the programs need at run time without linking it. A program that
# loads something more adds it here.
set(PILARO_PACKAGE_EXTRA_DEPENDS
    qt6-qpa-plugins        # the window's platform plugins (X11, Wayland)
    fonts-wqy-zenhei       # the Chinese font of the window and the report
    qt6-translations-l10n  # Qt's dialogs in Chinese
)
list(JOIN PILARO_PACKAGE_EXTRA_DEPENDS ", " CPACK_DEBIAN_PACKAGE_DEPENDS)

include(CPack)
