# Removes the files that `cmake --install` installed, as its manifest lists
# them, and then the manifest. Only those files: folders stay, since others
# may share them (share/applications, share/icons, ...).
#
#   cmake -DMANIFEST=<build>/install_manifest.txt -P tools/uninstall.cmake
cmake_minimum_required(VERSION 3.25)

if(NOT MANIFEST)
  message(FATAL_ERROR "run with -DMANIFEST=<path to install_manifest.txt>")
endif()
if(NOT EXISTS "${MANIFEST}")
  message(STATUS "nothing to uninstall: ${MANIFEST} does not exist")
  return()
endif()

file(STRINGS "${MANIFEST}" installed)
set(failed "")
foreach(path IN LISTS installed)
  if(IS_DIRECTORY "${path}" AND NOT IS_SYMLINK "${path}")
    message(STATUS "kept ${path}: a folder")
  elseif(EXISTS "${path}" OR IS_SYMLINK "${path}")
    file(REMOVE "${path}")
    if(EXISTS "${path}" OR IS_SYMLINK "${path}")
      list(APPEND failed "${path}")
    else()
      message(STATUS "removed ${path}")
    endif()
  else()
    message(STATUS "already gone: ${path}")
  endif()
endforeach()
if(failed)
  message(FATAL_ERROR "could not remove: ${failed}")
endif()
file(REMOVE "${MANIFEST}")
