# Run by CPack after it has installed the files to pack: writes the installer's commands that
# install and remove them, in sorted order; makensis would pack a folder's files in the order
# the file system lists them, which differs from one file system to the next.
if(CPACK_GENERATOR STREQUAL "NSIS")
  file(GLOB_RECURSE files LIST_DIRECTORIES false RELATIVE "${CPACK_TEMPORARY_DIRECTORY}"
       "${CPACK_TEMPORARY_DIRECTORY}/*")
  set(install "!macro INSTALL_FILES\n")
  set(uninstall "!macro UNINSTALL_FILES\n")
  foreach(file IN LISTS files)
    if(file MATCHES "/")
      message(FATAL_ERROR "${file}: the installer puts every file in one folder")
    endif()
    string(APPEND install "  File \"${CPACK_TEMPORARY_DIRECTORY}/${file}\"\n")
    string(APPEND uninstall "  Delete \"$INSTDIR\\${file}\"\n")
  endforeach()
  file(WRITE "${CPACK_TOPLEVEL_DIRECTORY}/installer-files.nsh"
       "${install}!macroend\n${uninstall}!macroend\n")
endif()
