# Who makes Tarvello and how its packages name and describe it: the same in the Debian package,
# the Windows zips and installers, and the Windows program's version resource.
set(TARVELLO_VENDOR "The Tarvello developers")
set(CPACK_PACKAGE_NAME tarvello)
set(CPACK_PACKAGE_VENDOR "${TARVELLO_VENDOR}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "big base filter for the four-digit numbers lottery")
