# Release files that anyone can rebuild bit for bit from the same commit. Times come from
# SOURCE_DATE_EPOCH (scripts/release.sh sets it to the commit's time), which the linkers, Qt's
# resource compiler and CPack honour; what they do not settle is settled here, for every
# toolchain and every package of the project.

# No path of the build machine in a program: __FILE__ and the debug information name the
# sources relative to the source folder and the build folder, wherever those are. For a
# debugger, start it from the source folder.
add_compile_options(
  "$<$<COMPILE_LANGUAGE:C,CXX>:-ffile-prefix-map=${PROJECT_SOURCE_DIR}=.>"
  "$<$<COMPILE_LANGUAGE:C,CXX>:-ffile-prefix-map=${PROJECT_BINARY_DIR}=build>")

# Folders made by an install, and so in the packages, get the usual permissions whatever the
# umask of the build.
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

# Every zip CPack makes lists its files in sorted order, with SOURCE_DATE_EPOCH's time and
# permissions 644 or 755, rather than in the order the file system gives and with their times.
set(CPACK_POST_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/packaging/normalize-zips.cmake)
