# Writes OUTPUT, the page's service worker, from TEMPLATE (web/sw.js.in): the files of the site
# it keeps (FILES, a list of names inside SITE) and a cache name made from a hash of all of them,
# so that each build is kept apart. Run by the web build with `cmake -P`.
set(contents "")
set(names "\"./\"")
foreach(file IN LISTS FILES)
  file(SHA256 "${SITE}/${file}" hash)
  string(APPEND contents "${file} ${hash}\n")
  string(APPEND names ", \"${file}\"")
endforeach()
string(SHA256 site_hash "${contents}")
string(SUBSTRING "${site_hash}" 0 16 SITE_HASH)
set(SITE_FILES "${names}")
configure_file("${TEMPLATE}" "${OUTPUT}" @ONLY)
