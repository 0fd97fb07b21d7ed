# The game as a static web site in build/web/site: index.html, style.css, quillmarrow.js and
# quillmarrow.wasm. The game waits for the player's answers without blocking the page
# (ASYNCIFY) and ends by exceptions, as the console program does.
set(site "${CMAKE_BINARY_DIR}/site")
set(web_flags -fexceptions)
target_compile_options(quillmarrow_options INTERFACE ${web_flags})
target_link_options(quillmarrow_options INTERFACE ${web_flags})

add_executable(quillmarrow ${platform_sources})
target_link_libraries(quillmarrow PRIVATE quillmarrow_game)
set_target_properties(quillmarrow PROPERTIES RUNTIME_OUTPUT_DIRECTORY "${site}" SUFFIX ".js")
target_link_options(quillmarrow PRIVATE
  -sASYNCIFY
  -sENVIRONMENT=web
  -sALLOW_MEMORY_GROWTH
  "-sEXPORTED_FUNCTIONS=_main,_malloc,_free,_quillmarrow_check_run,_quillmarrow_longest_run_file"
  "--pre-js=${PROJECT_SOURCE_DIR}/web/bridge.js")
set_property(TARGET quillmarrow APPEND PROPERTY LINK_DEPENDS "${PROJECT_SOURCE_DIR}/web/bridge.js")

foreach(page index.html style.css)
  add_custom_command(
    OUTPUT "${site}/${page}"
    COMMAND "${CMAKE_COMMAND}" -E copy "${PROJECT_SOURCE_DIR}/web/${page}" "${site}/${page}"
    DEPENDS "${PROJECT_SOURCE_DIR}/web/${page}"
    VERBATIM)
  list(APPEND site_pages "${site}/${page}")
endforeach()
add_custom_target(quillmarrow_site ALL DEPENDS ${site_pages})
