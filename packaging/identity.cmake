# Who makes Tarvello and how its packages name and describe it: the same in the Debian package,
# the Windows zips and installers, and the Windows program's version resource.
set(TARVELLO_VENDOR "The Tarvello developers")
set(CPACK_PACKAGE_NAME tarvello)
set(CPACK_PACKAGE_VENDOR "${TARVELLO_VENDOR}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "big base filter for the four-digit numbers lottery")

# Where Tarvello is published: the repository, its releases page (the downloads) and the page,
# which GitHub Pages serves at the repository's owner and name. The README, static text, links
# them too; packaging/check-addresses.sh holds it to these.
set(TARVELLO_GITHUB_OWNER tarvello)
set(TARVELLO_GITHUB_NAME tarvello)
set(TARVELLO_REPOSITORY_URL "https://github.com/${TARVELLO_GITHUB_OWNER}/${TARVELLO_GITHUB_NAME}")
set(TARVELLO_DOWNLOADS_URL "${TARVELLO_REPOSITORY_URL}/releases")
set(TARVELLO_PAGE_URL "https://${TARVELLO_GITHUB_OWNER}.github.io/${TARVELLO_GITHUB_NAME}/")
# A file of the sources as a release's tag has them, served as it is: the tag is published with
# the release.
set(TARVELLO_RAW_SOURCE_URL
    "https://raw.githubusercontent.com/${TARVELLO_GITHUB_OWNER}/${TARVELLO_GITHUB_NAME}")
