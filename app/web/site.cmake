# Puts the site together: cmake -DSITE=<dir> -DFILE_LIST=<list> -DWORKER=<sw.js.in> -P site.cmake,
# where the list holds one file a line.
# The service worker lists every file and is named after a digest of them all.
file(STRINGS ${FILE_LIST} FILES)
file(REMOVE_RECURSE ${SITE})
file(MAKE_DIRECTORY ${SITE})
file(COPY ${FILES} DESTINATION ${SITE})

file(GLOB names RELATIVE ${SITE} ${SITE}/*)
list(SORT names)
set(listing "")
set(SITE_FILES "'./'")
foreach(name IN LISTS names)
  file(SHA256 ${SITE}/${name} digest)
  string(APPEND listing "${name} ${digest}\n")
  string(APPEND SITE_FILES ", '${name}'")
endforeach()
string(SHA256 SITE_DIGEST "${listing}")
string(SUBSTRING ${SITE_DIGEST} 0 16 SITE_DIGEST)
configure_file(${WORKER} ${SITE}/sw.js @ONLY)
