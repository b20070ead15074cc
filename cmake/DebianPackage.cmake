# `make package`: a Debian package of both programs with their menu entry, icon and
# AppStream metainfo. The run-time dependencies come from the shared libraries the
# programs link, plus the fonts the windows ask for.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME grahavani)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "The Grahavani developers <dev@grahavani.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Vedic birth charts (Janam Kundali) on the desktop and the command line")
set(CPACK_PACKAGE_DESCRIPTION "Grahavani computes the sidereal positions of the Sun, Moon, \
planets, Rahu and Ketu, the ascendant and midheaven from a person's date, time and place \
of birth, and shows them as a sign chart in the North, South or East Indian drawing, with \
the lagna, rashi, nakshatra and interpretive readings. grahavani-chart computes charts \
without a window.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The ephemeris files (without them the precise engine falls back to its analytic theory)
# and the tz database the atlas reads are data, which no shared library names.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-dejavu-core, fonts-lohit-deva, fonts-noto-core, swe-basic-data, tzdata")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://www.grahavani.example")
include(CPack)
