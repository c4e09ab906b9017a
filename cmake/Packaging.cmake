# Installation and the Debian package: `cmake --install` puts the programs,
# their manual pages, the icon, the menu entry and the software-centre
# metadata in place, and CPack makes a .deb of the same files. The version and
# release date come from the project, for every file that names them.
if(NOT VELMORA_WITH_QT)
    return()
endif()

include(GNUInstallDirs)

set(VELMORA_PACKAGING_DIR ${PROJECT_SOURCE_DIR}/packaging)
set(VELMORA_GENERATED_DIR ${PROJECT_BINARY_DIR}/packaging)
set(VELMORA_APP_ID nl.velmora.Velmora)
set(VELMORA_PACKAGE_MAINTAINER "Velmora <packaging@velmora.invalid>"
    CACHE STRING "The Maintainer field of the Debian package")

install(TARGETS velmora velmora-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# Installed under the program's name, so that it cannot be mistaken for
# another product's simulator in a shared bin folder. A renamed program is
# not a target, so it is stripped here when the install strips.
install(PROGRAMS $<TARGET_FILE:encoder-sim>
    DESTINATION ${CMAKE_INSTALL_BINDIR}
    RENAME velmora-encoder-sim)
install(CODE "
    if(CMAKE_INSTALL_DO_STRIP)
        execute_process(COMMAND \"${CMAKE_STRIP}\"
            \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/velmora-encoder-sim\"
            COMMAND_ERROR_IS_FATAL ANY)
    endif()")

install(FILES ${VELMORA_PACKAGING_DIR}/velmora.desktop
    DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${VELMORA_PACKAGING_DIR}/velmora.svg
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(size 48 256)
    install(FILES ${VELMORA_PACKAGING_DIR}/velmora-${size}.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
        RENAME velmora.png)
endforeach()

configure_file(${VELMORA_PACKAGING_DIR}/velmora.metainfo.xml.in
    ${VELMORA_GENERATED_DIR}/${VELMORA_APP_ID}.metainfo.xml @ONLY)
install(FILES ${VELMORA_GENERATED_DIR}/${VELMORA_APP_ID}.metainfo.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# The changelog, the copyright file and the manual pages as Debian keeps
# them: the documents compressed to the utmost, without a time stamp.
if(UNIX)
    execute_process(COMMAND date -R -u -d "${VELMORA_RELEASE_DATE} 12:00"
        OUTPUT_VARIABLE VELMORA_RELEASE_DATE_RFC2822
        OUTPUT_STRIP_TRAILING_WHITESPACE
        COMMAND_ERROR_IS_FATAL ANY)
    configure_file(${VELMORA_PACKAGING_DIR}/copyright.in ${VELMORA_GENERATED_DIR}/copyright @ONLY)
    install(FILES ${VELMORA_GENERATED_DIR}/copyright DESTINATION ${CMAKE_INSTALL_DOCDIR})

    set(compressed)
    # source file in packaging/, installed name, destination folder
    foreach(document
            "changelog.in;changelog;${CMAKE_INSTALL_DOCDIR}"
            "man/velmora.1.in;velmora.1;${CMAKE_INSTALL_MANDIR}/man1"
            "man/velmora.nl.1.in;velmora.1;${CMAKE_INSTALL_MANDIR}/nl/man1"
            "man/velmora-cli.1.in;velmora-cli.1;${CMAKE_INSTALL_MANDIR}/man1"
            "man/velmora-encoder-sim.1.in;velmora-encoder-sim.1;${CMAKE_INSTALL_MANDIR}/man1")
        list(GET document 0 source)
        list(GET document 1 name)
        list(GET document 2 destination)
        string(REGEX REPLACE "\\.in$" "" generated ${VELMORA_GENERATED_DIR}/${source})
        configure_file(${VELMORA_PACKAGING_DIR}/${source} ${generated} @ONLY)
        add_custom_command(OUTPUT ${generated}.gz
            COMMAND gzip -9nkf ${generated}
            DEPENDS ${generated}
            VERBATIM)
        list(APPEND compressed ${generated}.gz)
        install(FILES ${generated}.gz DESTINATION ${destination} RENAME ${name}.gz)
    endforeach()
    add_custom_target(compressed_documents ALL DEPENDS ${compressed})
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME velmora)
set(CPACK_PACKAGE_VENDOR Velmora)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Velmora prepares the RDS settings that a Velmora encoder inserts into an
FM broadcast, keeps them in .Rds station files and fills or reads the
encoder over RS-232, through a USB adapter or a serial device server. The
program speaks Dutch.
.
velmora-cli fills, verifies or reads out encoders without a window, for a
timer or a playout system.
.
velmora-encoder-sim plays the encoder on a pseudo-terminal or a TCP port,
for trying the program without hardware.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${VELMORA_PACKAGE_MAINTAINER}")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
# dpkg-shlibdeps works out the libraries and their lowest versions from the
# programs as built here. libqt6gui6 carries the xcb platform plugin. The Dutch
# Qt translation serves the standard dialogs; without it they speak English.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
include(CPack)

option(VELMORA_PACKAGE_TEST "Register the test of the built Debian package" OFF)
if(VELMORA_PACKAGE_TEST)
    enable_testing()
    velmora_required_file(check_package ${VELMORA_PACKAGING_DIR}/check-package.sh)
    add_test(NAME package_contents
        COMMAND ${check_package} ${CMAKE_BINARY_DIR} ${PROJECT_VERSION} ${VELMORA_APP_ID})
endif()
