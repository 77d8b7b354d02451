# Removes every file an install listed in its manifest:
#   [DESTDIR=...] cmake -DMANIFEST=<build>/install_manifest_zelmora.txt -P Uninstall.cmake
# The manifest leaves DESTDIR out: give the same one as to the install.
if(NOT EXISTS "${MANIFEST}")
  message(FATAL_ERROR "Nothing to uninstall: ${MANIFEST} does not exist")
endif()
file(STRINGS "${MANIFEST}" files)
foreach(installed IN LISTS files)
  set(file "$ENV{DESTDIR}${installed}")
  if(EXISTS "${file}" OR IS_SYMLINK "${file}")
    message(STATUS "Removing ${file}")
    file(REMOVE "${file}")
  endif()
endforeach()
file(REMOVE "${MANIFEST}")
