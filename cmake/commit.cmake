# The commit the sources come from, which the Windows program's version resource and the
# installer name: git's HEAD when the source folder is a git checkout of its own, else the
# cache variable TARVELLO_COMMIT, which then has to be given for the files to be the released
# ones.
set(TARVELLO_COMMIT "" CACHE STRING
    "Full hash of the commit the sources come from, for sources that are no git checkout")
set(TARVELLO_SOURCE_COMMIT "${TARVELLO_COMMIT}")

find_package(Git QUIET)
function(tarvello_git output)
  execute_process(COMMAND ${GIT_EXECUTABLE} ${ARGN} WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
                  OUTPUT_VARIABLE text OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
  string(REPLACE "\n" ";" text "${text}")
  set(${output} "${text}" PARENT_SCOPE)
endfunction()

if(NOT TARVELLO_SOURCE_COMMIT AND GIT_FOUND)
  # Only a checkout whose top is the source folder: sources unpacked inside some other
  # checkout are not from that checkout's HEAD.
  tarvello_git(top rev-parse --show-toplevel)
  if(top STREQUAL PROJECT_SOURCE_DIR)
    tarvello_git(TARVELLO_SOURCE_COMMIT rev-parse HEAD)
    # A new commit configures the build again, so that the program names it.
    tarvello_git(branch rev-parse --symbolic-full-name HEAD)
    tarvello_git(git_files rev-parse --path-format=absolute --git-path HEAD --git-path packed-refs
                 --git-path ${branch})
    foreach(file IN LISTS git_files)
      if(EXISTS "${file}")
        set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${file}")
      endif()
    endforeach()
  endif()
endif()

if(NOT TARVELLO_SOURCE_COMMIT)
  message(STATUS "No git checkout and no TARVELLO_COMMIT: the program names no commit")
  set(TARVELLO_SOURCE_COMMIT unknown)
elseif(NOT TARVELLO_SOURCE_COMMIT MATCHES "^[0-9a-f]+$")
  message(FATAL_ERROR "TARVELLO_COMMIT is '${TARVELLO_SOURCE_COMMIT}', not a commit's hash")
endif()
# For the installer's script, which sees only CPack's variables.
set(CPACK_TARVELLO_COMMIT ${TARVELLO_SOURCE_COMMIT})
