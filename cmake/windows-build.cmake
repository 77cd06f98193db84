# windows_build(<column> <value>): sets the facts of the Windows build whose <column> (preset,
# flavour or processor) is <value>, from cmake/windows-builds.txt, as TARVELLO_WINDOWS_PRESET,
# _FLAVOUR, _PROCESSOR, _WINE, _WINEARCH, _MANIFEST_PROCESSOR, _NSIS_TARGET, _FILE_TYPE, _BITS
# and _NEWEST.
function(windows_build column value)
  set(columns PRESET FLAVOUR PROCESSOR WINE WINEARCH MANIFEST_PROCESSOR NSIS_TARGET FILE_TYPE BITS
              NEWEST)
  string(TOUPPER ${column} column)
  list(FIND columns ${column} key)
  set(table ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/windows-builds.txt)
  file(STRINGS ${table} rows REGEX "^[^#]")
  foreach(row IN LISTS rows)
    string(REGEX REPLACE " *\\| *" ";" fields "${row}")
    list(GET fields ${key} field)
    if(field STREQUAL value)
      foreach(name IN LISTS columns)
        list(POP_FRONT fields field)
        set(TARVELLO_WINDOWS_${name} "${field}" PARENT_SCOPE)
      endforeach()
      return()
    endif()
  endforeach()
  message(FATAL_ERROR "${table} has no Windows build whose ${column} is ${value}")
endfunction()
