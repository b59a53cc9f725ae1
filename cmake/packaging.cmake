# The manual pages, the shell completion and the package's documents, and
# `make package`: a Debian package of exactly the files `make install`
# installs, under /usr.

# Manual pages carry the project version and are installed compressed, as
# Debian has them.
set(RQ51_MAN_DIR ${CMAKE_BINARY_DIR}/generated/man)
set(RQ51_MAN_PAGES)
foreach(page rq51 rq51-cli)
  configure_file(${CMAKE_SOURCE_DIR}/docs/man/${page}.1 ${RQ51_MAN_DIR}/${page}.1 @ONLY)
  add_custom_command(OUTPUT ${RQ51_MAN_DIR}/${page}.1.gz
                     COMMAND gzip -9nc ${RQ51_MAN_DIR}/${page}.1 > ${RQ51_MAN_DIR}/${page}.1.gz
                     DEPENDS ${RQ51_MAN_DIR}/${page}.1
                     VERBATIM)
  list(APPEND RQ51_MAN_PAGES ${RQ51_MAN_DIR}/${page}.1.gz)
endforeach()

# The package's change log, dated like the release.
string(TIMESTAMP RQ51_CHANGELOG_DATE "%a, %d %b %Y 00:00:00 +0000" UTC)
execute_process(COMMAND date -R -u -d "${RQ51_RELEASE_DATE}"
                OUTPUT_VARIABLE release_date OUTPUT_STRIP_TRAILING_WHITESPACE
                RESULT_VARIABLE date_status)
if(date_status EQUAL 0)
  set(RQ51_CHANGELOG_DATE "${release_date}")
endif()
configure_file(${CMAKE_SOURCE_DIR}/data/changelog.in ${CMAKE_BINARY_DIR}/generated/changelog @ONLY)
add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/generated/changelog.gz
                   COMMAND gzip -9nc ${CMAKE_BINARY_DIR}/generated/changelog
                           > ${CMAKE_BINARY_DIR}/generated/changelog.gz
                   DEPENDS ${CMAKE_BINARY_DIR}/generated/changelog
                   VERBATIM)
add_custom_target(rq51_documents ALL DEPENDS ${RQ51_MAN_PAGES} ${CMAKE_BINARY_DIR}/generated/changelog.gz)

install(FILES ${RQ51_MAN_PAGES} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES data/bash-completion/rq51-cli
        DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions)
install(FILES data/copyright ${CMAKE_BINARY_DIR}/generated/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/rq51)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME rq51)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The RQ51 developers")
set(CPACK_PACKAGE_CONTACT "RQ51 maintainers <maintainers@rq51.example>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The windows are drawn in a Japanese Gothic face that only this font
# package brings.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-ipafont-gothic")
# Qt's own dialogs and buttons (the file dialog, message boxes) speak the
# language chosen when Qt's translations are installed.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "study and solve the 3x3x3 cube, method by method
RQ51 is for people who want to learn how cube-solving methods work. Paint
the colours of a physical cube into six grids, confirm them, and a solver
window applies fixed move sequences from its tables, stage by stage, logging
every sequence so that it can be followed on the real cube.
.
Five methods are taught, each in its own window: corners first by exchange
brackets (CF-0) and by fitting turns (CF), layer by layer (LB), and two
methods that build the upper face first (TK-C and TK-L). A permutation
explorer shows the 27 turns as permutations of the 54 stickers. The windows
are in Japanese or in English; rq51-cli drives them from the command line.")
include(CPack)
