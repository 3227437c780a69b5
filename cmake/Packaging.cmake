# The Debian package (scripts/package): what the install adds beside the
# programs, and CPack's settings. Run-time libraries come from dpkg-shlibdeps.
set(ZELVANI_DOCDIR ${CMAKE_INSTALL_DATADIR}/doc/zelvani-voice-changer)

# Debian wants the changelog compressed, reproducibly (gzip -n: no name, no time).
find_program(ZELVANI_GZIP gzip)
set(zelvani_changelog ${CMAKE_BINARY_DIR}/share/doc/changelog.gz)
add_custom_command(OUTPUT ${zelvani_changelog}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/share/doc
    COMMAND ${ZELVANI_GZIP} -9nc ${CMAKE_SOURCE_DIR}/cmake/debian/changelog > ${zelvani_changelog}
    DEPENDS ${CMAKE_SOURCE_DIR}/cmake/debian/changelog
    COMMENT "Compressing the package's changelog")
set(zelvani_man_pages)
foreach(page zelvani-cli zelvani-voice-changer)
    set(page_file ${CMAKE_BINARY_DIR}/share/man/man1/${page}.1)
    add_custom_command(OUTPUT ${page_file}.gz
        COMMAND ${ZELVANI_GZIP} -9nc ${page_file} > ${page_file}.gz
        DEPENDS ${page_file} zelvani_docs
        COMMENT "Compressing the manual page ${page}(1)")
    list(APPEND zelvani_man_pages ${page_file}.gz)
endforeach()
add_custom_target(zelvani_package_docs ALL DEPENDS ${zelvani_changelog} ${zelvani_man_pages})
add_dependencies(zelvani_package_docs zelvani_docs)
install(FILES ${CMAKE_SOURCE_DIR}/cmake/debian/copyright ${zelvani_changelog} DESTINATION ${ZELVANI_DOCDIR})
install(FILES ${zelvani_man_pages} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${CMAKE_BINARY_DIR}/share/bash-completion/completions/zelvani-cli
    DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zelvani-voice-changer)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR Zelvani)
set(CPACK_PACKAGE_CONTACT "Zelvani <packages@zelvani.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "real-time voice changer with a soundboard")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Zelvani Voice Changer runs the microphone through a chosen voice effect\n"
    "(built-in voices and VST 2 plug-ins with presets) and plays the result at\n"
    "once into the speakers and into a virtual cable that chat, game and\n"
    "streaming programs use as their microphone. A soundboard plays sound files\n"
    "into the same outputs, and global hotkeys apply voices and play sounds\n"
    "while another program has the focus.\n"
    "\n"
    "It needs a PulseAudio server or PipeWire with its PulseAudio service, and\n"
    "an X11 desktop. The package also holds zelvani-cli, the engine without\n"
    "windows, for processing files and running headless.")
string(REPLACE ";" "" CPACK_DEBIAN_PACKAGE_DESCRIPTION "${CPACK_DEBIAN_PACKAGE_DESCRIPTION}")
set(CPACK_DEBIAN_PACKAGE_SECTION sound)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://www.zelvani.org/)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The sound server is a service the program talks to, not a library it links:
# either one will do. The fonts stand in for the interface's own families;
# xdg-open opens the help pages and the log folder.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
    "pulseaudio | pipewire-pulse, fonts-crosextra-carlito, fonts-noto-cjk, xdg-utils")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
set(CPACK_OUTPUT_FILE_PREFIX ${CMAKE_BINARY_DIR})
include(CPack)
