# Run by CPack after it has made the packages: rewrites each zip among them with Debian's
# strip-nondeterminism, which sorts the members and gives them all one time (SOURCE_DATE_EPOCH,
# when set) and the permissions 644 or 755. Zip times are local times, hence TZ.
foreach(package IN LISTS CPACK_PACKAGE_FILES)
  if(package MATCHES "\\.zip$")
    set(timestamp "")
    if(DEFINED ENV{SOURCE_DATE_EPOCH})
      set(timestamp --timestamp "$ENV{SOURCE_DATE_EPOCH}")
    endif()
    execute_process(
      COMMAND ${CMAKE_COMMAND} -E env TZ=UTC strip-nondeterminism --type zip ${timestamp}
              "${package}"
      COMMAND_ERROR_IS_FATAL ANY)
  endif()
endforeach()
