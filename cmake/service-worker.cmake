# Writes OUTPUT, the page's service worker, from TEMPLATE (web/sw.js.in): the files of the site
# it keeps (FILES, a list of names inside SITE), each with its SHA-256, which the worker checks
# what it fetches against, and a cache name made from a hash of all of them, so that each build is
# kept apart. "./" is the page itself, index.html. The template's comment lines are left out, as
# every byte of the site counts. Run by the web build with `cmake -P`.
file(SHA256 "${SITE}/index.html" page_hash)
set(contents "")
set(entries "\n  \"./\": \"${page_hash}\"")
foreach(file IN LISTS FILES)
  file(SHA256 "${SITE}/${file}" hash)
  string(APPEND contents "${file} ${hash}\n")
  string(APPEND entries ",\n  \"${file}\": \"${hash}\"")
endforeach()
string(SHA256 site_hash "${contents}")
string(SUBSTRING "${site_hash}" 0 16 SITE_HASH)
set(SITE_FILES "${entries}\n")
file(READ "${TEMPLATE}" worker)
string(REGEX REPLACE "(^|\n) *//[^\n]*" "" worker "${worker}")
string(REGEX REPLACE "^\n+" "" worker "${worker}")
file(CONFIGURE OUTPUT "${OUTPUT}" CONTENT "${worker}" @ONLY)
