# Installation and the Debian package: `cmake --install` puts the program, the
# simulated encoder, the icon and the menu entry in place, and CPack makes a
# .deb of the same files.
if(NOT VELMORA_WITH_QT)
    return()
endif()

include(GNUInstallDirs)

set(VELMORA_PACKAGING_DIR ${PROJECT_SOURCE_DIR}/packaging)

install(TARGETS velmora RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# Installed under the program's name, so that it cannot be mistaken for
# another product's simulator in a shared bin folder.
install(PROGRAMS $<TARGET_FILE:encoder-sim>
    DESTINATION ${CMAKE_INSTALL_BINDIR}
    RENAME velmora-encoder-sim)

install(FILES ${VELMORA_PACKAGING_DIR}/velmora.desktop
    DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${VELMORA_PACKAGING_DIR}/velmora.svg
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(size 48 256)
    install(FILES ${VELMORA_PACKAGING_DIR}/velmora-${size}.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
        RENAME velmora.png)
endforeach()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME velmora)
set(CPACK_PACKAGE_VENDOR Velmora)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Velmora prepares the RDS settings that a Velmora encoder inserts into an
FM broadcast, keeps them in .Rds station files and fills or reads the
encoder over RS-232. The program speaks Dutch.
.
velmora-encoder-sim plays the encoder on a pseudo-terminal, for trying the
program without hardware.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(VELMORA_PACKAGE_MAINTAINER "Velmora <packaging@velmora.invalid>"
    CACHE STRING "The Maintainer field of the Debian package")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${VELMORA_PACKAGE_MAINTAINER}")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
# The Qt runtime alone: the C and C++ runtimes and libX11 come with these, and
# libqt6gui6 carries the xcb platform plugin. The Dutch Qt translation serves
# the standard dialogs; without it they speak English.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libqt6core6 (>= 6.4), libqt6gui6 (>= 6.4), libqt6widgets6 (>= 6.4), libqt6serialport6 (>= 6.4), libqt6network6 (>= 6.4)")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
include(CPack)

option(VELMORA_PACKAGE_TEST "Register the test of the built Debian package" OFF)
if(VELMORA_PACKAGE_TEST)
    enable_testing()
    velmora_required_file(check_package ${VELMORA_PACKAGING_DIR}/check-package.sh)
    add_test(NAME package_contents COMMAND ${check_package} ${CMAKE_BINARY_DIR})
endif()
