# Prints the addresses of identity.cmake as shell variables, for the scripts:
#   eval "$(cmake -P packaging/print-addresses.cmake)"
include(${CMAKE_CURRENT_LIST_DIR}/identity.cmake)
set(lines "")
foreach(name TARVELLO_REPOSITORY_URL TARVELLO_DOWNLOADS_URL TARVELLO_PAGE_URL)
  string(APPEND lines "${name}='${${name}}'\n")
endforeach()
execute_process(COMMAND ${CMAKE_COMMAND} -E echo_append "${lines}")
