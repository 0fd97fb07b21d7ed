# Writes OUTPUT, the game's AppStream metainfo, from TEMPLATE, with its list of releases taken
# from CHANGELOG (CHANGELOG.md): one release per "## VERSION (YYYY-MM-DD, HH:MM UTC)" heading,
# newest first as there. Run by the build with `cmake -P`.
file(STRINGS "${CHANGELOG}" headings REGEX "^## [0-9]")
set(RELEASES "")
foreach(heading IN LISTS headings)
  if(NOT heading MATCHES "^## ([0-9.]+) \\(([0-9]+-[0-9]+-[0-9]+)")
    message(FATAL_ERROR "a changelog heading without a version and a date: ${heading}")
  endif()
  string(APPEND RELEASES "    <release version=\"${CMAKE_MATCH_1}\" date=\"${CMAKE_MATCH_2}\"/>\n")
endforeach()
configure_file("${TEMPLATE}" "${OUTPUT}" @ONLY)
