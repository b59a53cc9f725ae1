# Installs the build into a folder of its own, checks what arrived, has the
# desktop entry, the AppStream metainfo and the file type of saved solutions
# validated without the network, then uninstalls by the manifest and checks
# that exactly those files went.
#
#   cmake -DBUILD_DIR=<build> -DSOURCE_DIR=<source> -DPREFIX=<empty folder>
#         -DVERSION=<project version> -P install_test.cmake
#
# `cmake --install` always writes <build>/install_manifest.txt; a manifest
# already there (from `make install`) is put back afterwards, so that a later
# `make uninstall` still removes that installation.
cmake_minimum_required(VERSION 3.25)

include(${CMAKE_CURRENT_LIST_DIR}/checks.cmake)
require_variables(BUILD_DIR SOURCE_DIR PREFIX VERSION)

file(REMOVE_RECURSE "${PREFIX}")
# A file of another program in a shared folder: uninstalling must keep it.
file(WRITE "${PREFIX}/share/applications/other.desktop" "[Desktop Entry]\n")

set(manifest "${BUILD_DIR}/install_manifest.txt")
set(saved_manifest "${BUILD_DIR}/install_manifest.txt.saved-by-install-test")
if(EXISTS "${manifest}")
  file(RENAME "${manifest}" "${saved_manifest}")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} --install "${BUILD_DIR}" --prefix "${PREFIX}"
                RESULT_VARIABLE status OUTPUT_QUIET ERROR_VARIABLE err)
set(test_manifest "${PREFIX}.manifest")
if(EXISTS "${manifest}")
  file(RENAME "${manifest}" "${test_manifest}")
endif()
if(EXISTS "${saved_manifest}")
  file(RENAME "${saved_manifest}" "${manifest}")
endif()
if(NOT status EQUAL 0)
  message(FATAL_ERROR "cmake --install failed:\n${err}")
endif()

set(desktop "${PREFIX}/share/applications/org.rq51.RQ51.desktop")
set(mime "${PREFIX}/share/mime/packages/org.rq51.RQ51.xml")
set(expected
    "${PREFIX}/bin/rq51"
    "${PREFIX}/bin/rq51-cli"
    "${desktop}"
    "${PREFIX}/share/icons/hicolor/scalable/apps/org.rq51.RQ51.svg"
    "${PREFIX}/share/metainfo/org.rq51.RQ51.metainfo.xml"
    "${PREFIX}/share/man/man1/rq51.1.gz"
    "${PREFIX}/share/man/man1/rq51-cli.1.gz"
    "${PREFIX}/share/bash-completion/completions/rq51-cli"
    "${PREFIX}/share/doc/rq51/copyright"
    "${PREFIX}/share/doc/rq51/changelog.gz"
    "${mime}")
file(STRINGS "${test_manifest}" installed)
list(SORT installed)
list(SORT expected)
if(NOT installed STREQUAL expected)
  problem("installed ${installed}, expected ${expected}")
endif()

# The installed programs run and say which version they are.
foreach(program rq51 rq51-cli)
  execute_process(COMMAND "${PREFIX}/bin/${program}" --version
                  RESULT_VARIABLE status OUTPUT_VARIABLE out)
  if(NOT status EQUAL 0 OR NOT out STREQUAL "${program} ${VERSION}\n")
    problem("${program} --version printed '${out}' (status ${status})")
  endif()
endforeach()

file(READ "${PREFIX}/share/metainfo/org.rq51.RQ51.metainfo.xml" metainfo)
string(FIND "${metainfo}" "<release version=\"${VERSION}\"" release)
if(release EQUAL -1)
  problem("the metainfo names another release than ${VERSION}")
endif()
file(GLOB screenshots RELATIVE "${SOURCE_DIR}/docs/screenshots" "${SOURCE_DIR}/docs/screenshots/*.png")
file(READ "${SOURCE_DIR}/README.md" readme)
foreach(screenshot IN LISTS screenshots)
  string(FIND "${readme}" "(docs/screenshots/${screenshot})" in_readme)
  string(FIND "${metainfo}" "/${screenshot}</image>" in_metainfo)
  if(NOT in_readme EQUAL -1 AND in_metainfo EQUAL -1)
    problem("the README shows ${screenshot}, the metainfo does not")
  endif()
endforeach()

# Validation, without the network.
execute_process(COMMAND desktop-file-validate "${desktop}"
                RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT status EQUAL 0 OR out MATCHES "error:" OR err MATCHES "error:")
  problem("desktop-file-validate failed (${status}):\n${out}${err}")
endif()
execute_process(COMMAND appstreamcli validate-tree --no-net "${PREFIX}"
                RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT status EQUAL 0)
  problem("appstreamcli validate-tree failed (${status}):\n${out}${err}")
endif()

# The file type: the desktop entry opens it, the XML is well formed, and
# shared-mime-info builds a database from it (in a folder of its own, which
# it reports no error for) that knows the extension, the first bytes and the
# text it is.
file(READ "${desktop}" entry)
if(NOT entry MATCHES "\nMimeType=application/x-rq51-solution;\n" OR NOT entry MATCHES "\nExec=rq51 %f\n")
  problem("the desktop entry does not open saved solutions:\n${entry}")
endif()
execute_process(COMMAND xmllint --noout "${mime}"
                RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT status EQUAL 0)
  problem("xmllint failed on the file type (${status}):\n${out}${err}")
endif()
set(mime_database "${PREFIX}-mime")
file(REMOVE_RECURSE "${mime_database}")
file(COPY "${mime}" DESTINATION "${mime_database}/packages")
execute_process(COMMAND update-mime-database "${mime_database}"
                RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
# It reports a fault in the XML on either stream, and exits with 0 all the same.
if(NOT status EQUAL 0 OR "${out}${err}" MATCHES "[Ee]rror|Failed|[Uu]nknown|[Ii]nvalid")
  problem("update-mime-database failed on the file type (${status}):\n${out}${err}")
else()
  foreach(made "globs2|application/x-rq51-solution:\\*\\.rq51"
               "subclasses|application/x-rq51-solution text/plain"
               "magic|RQ51 Form")
    string(REPLACE "|" ";" made "${made}")
    list(GET made 0 name)
    list(GET made 1 pattern)
    # The magic file is binary: its printable strings.
    file(STRINGS "${mime_database}/${name}" content)
    if(NOT content MATCHES "${pattern}")
      problem("the MIME database's ${name} lacks ${pattern}:\n${content}")
    endif()
  endforeach()
endif()
file(REMOVE_RECURSE "${mime_database}")

execute_process(COMMAND ${CMAKE_COMMAND} -DMANIFEST=${test_manifest}
                        -P "${SOURCE_DIR}/tools/uninstall.cmake"
                RESULT_VARIABLE status OUTPUT_QUIET ERROR_VARIABLE err)
if(NOT status EQUAL 0)
  problem("uninstalling failed:\n${err}")
endif()
file(GLOB_RECURSE left RELATIVE "${PREFIX}" "${PREFIX}/*")
if(NOT left STREQUAL "share/applications/other.desktop")
  problem("after uninstalling, the folder holds: ${left}")
endif()
if(EXISTS "${test_manifest}")
  problem("the manifest is still there after uninstalling")
endif()

if(problems)
  message(FATAL_ERROR "install, validate, uninstall:\n${problems}")
endif()
file(REMOVE_RECURSE "${PREFIX}")
message(STATUS "installed ${VERSION}, validated and uninstalled")
