# Builds the Debian package into a folder of its own and checks it: the files
# it brings are exactly those `cmake --install` installs under /usr, its
# control fields name the package, version, architecture and the libraries
# and font it needs, and lintian reports no error.
#
#   cmake -DBUILD_DIR=<build> -DWORK=<empty folder> -DVERSION=<project version>
#         -P package_test.cmake
cmake_minimum_required(VERSION 3.25)

include(${CMAKE_CURRENT_LIST_DIR}/checks.cmake)
require_variables(BUILD_DIR WORK VERSION)

file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")
# Packing and installing write <build>/install_manifest.txt; the one a
# `make install` left is put back at the end, for `make uninstall`.
set(manifest "${BUILD_DIR}/install_manifest.txt")
if(EXISTS "${manifest}")
  file(COPY_FILE "${manifest}" "${WORK}/install_manifest.txt")
endif()
execute_process(COMMAND cpack --config "${BUILD_DIR}/CPackConfig.cmake" -B "${WORK}"
                RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
execute_process(COMMAND dpkg --print-architecture OUTPUT_VARIABLE arch
                OUTPUT_STRIP_TRAILING_WHITESPACE)
set(deb "${WORK}/rq51_${VERSION}_${arch}.deb")
if(NOT status EQUAL 0 OR NOT EXISTS "${deb}")
  message(FATAL_ERROR "cpack did not make ${deb} (${status}):\n${out}${err}")
endif()

# The control fields.
foreach(field Package Version Architecture Depends Maintainer Description Section)
  execute_process(COMMAND dpkg-deb --field "${deb}" ${field} OUTPUT_VARIABLE value
                  OUTPUT_STRIP_TRAILING_WHITESPACE)
  set(field_${field} "${value}")
endforeach()
if(NOT field_Package STREQUAL "rq51")
  problem("Package is '${field_Package}'")
endif()
if(NOT field_Version STREQUAL VERSION)
  problem("Version is '${field_Version}', the project's is ${VERSION}")
endif()
if(NOT field_Architecture STREQUAL arch)
  problem("Architecture is '${field_Architecture}', this machine's is ${arch}")
endif()
foreach(needed libqt6widgets6 fonts-ipafont-gothic libc6)
  string(FIND "${field_Depends}" "${needed}" at)
  if(at EQUAL -1)
    problem("Depends lacks ${needed}: '${field_Depends}'")
  endif()
endforeach()
if(NOT field_Maintainer MATCHES "<.+@.+>")
  problem("Maintainer has no address: '${field_Maintainer}'")
endif()
if(NOT field_Description MATCHES "^[a-z].*\n .+")
  problem("Description lacks a synopsis and a long description: '${field_Description}'")
endif()

# Its files are the install's.
execute_process(COMMAND dpkg-deb --fsys-tarfile "${deb}" COMMAND tar -t
                OUTPUT_VARIABLE listing RESULT_VARIABLE status)
string(REPLACE "\n" ";" listing "${listing}")
set(packaged "")
foreach(entry IN LISTS listing)
  if(entry MATCHES "/$" OR entry STREQUAL "")
    continue()
  endif()
  string(REGEX REPLACE "^\\./" "/" entry "${entry}")
  list(APPEND packaged "${entry}")
endforeach()
set(root "${WORK}/root")
execute_process(COMMAND ${CMAKE_COMMAND} -E env DESTDIR=${root}
                        ${CMAKE_COMMAND} --install "${BUILD_DIR}" --prefix /usr
                RESULT_VARIABLE status OUTPUT_QUIET ERROR_VARIABLE err)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "cmake --install failed:\n${err}")
endif()
file(GLOB_RECURSE installed LIST_DIRECTORIES false RELATIVE "${root}" "${root}/*")
list(TRANSFORM installed PREPEND "/")
list(SORT installed)
list(SORT packaged)
if(NOT installed STREQUAL packaged)
  problem("the package holds ${packaged}\n  the install ${installed}")
endif()

file(REMOVE "${manifest}")
if(EXISTS "${WORK}/install_manifest.txt")
  file(COPY_FILE "${WORK}/install_manifest.txt" "${manifest}")
endif()

# Debian's own checks of a package.
execute_process(COMMAND lintian --no-tag-display-limit "${deb}"
                OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE status)
string(REGEX MATCHALL "(^|\n)E: [^\n]*" errors "${out}")
if(errors)
  problem("lintian reports errors:${errors}")
endif()

if(problems)
  message(FATAL_ERROR "package ${deb}:\n${problems}")
endif()
file(REMOVE_RECURSE "${WORK}")
message(STATUS "packaged ${deb}: files, control fields and lintian hold")
