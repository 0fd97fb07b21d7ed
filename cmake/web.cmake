# The game as a static web site in build/web/site: index.html, style.css, quillmarrow.js and
# quillmarrow.wasm. The game waits for the player's answers without blocking the page
# (ASYNCIFY) and ends by exceptions, as the console program does.
set(site "${CMAKE_BINARY_DIR}/site")
set(web_flags -fexceptions)

# Only the two files that catch those exceptions are built to catch: the game's end (app/game.cpp)
# and the console's last flush (core/console.cpp). Everywhere else a call stays a plain call, not
# a trip through the script as Emscripten's exceptions make every call with a cleanup: a sixth of
# the program, and half the time from its start to the title. An exception passes those other frames without their
# destructors, which only free memory; it ends the game, and the page's memory goes with it.
set(catching src/app/game.cpp src/core/console.cpp)
foreach(source IN LISTS game_sources platform_sources)
  file(READ "${source}" text)
  file(RELATIVE_PATH relative "${PROJECT_SOURCE_DIR}" "${source}")
  if(text MATCHES "catch \\(" AND NOT relative IN_LIST catching)
    message(FATAL_ERROR "${relative} catches an exception: add it to `catching` in ${CMAKE_CURRENT_LIST_FILE}")
  endif()
endforeach()
list(TRANSFORM catching PREPEND "${PROJECT_SOURCE_DIR}/")
set_source_files_properties(${catching} PROPERTIES COMPILE_OPTIONS "${web_flags}")

add_executable(quillmarrow ${platform_sources})
target_link_libraries(quillmarrow PRIVATE quillmarrow_game)
set_target_properties(quillmarrow PROPERTIES RUNTIME_OUTPUT_DIRECTORY "${site}" SUFFIX ".js")
# Small first (the web preset builds MinSizeRel, -Os, and links at -Oz). Asyncify instruments
# every function that an unwinding wait could pass through; web/asyncify-remove.json names the
# ones that never can (the output side, the save's text, the standard library's strings and
# containers, the exception runtime), which saves a sixth of the program. CONTRIBUTING.md has the
# figures. The one option the page passes in is instantiateWasm: index.html fetches and compiles
# the program from the start, and the game's script instantiates that.
target_link_options(quillmarrow PRIVATE
  ${web_flags}
  -Oz
  -sASYNCIFY
  "-sASYNCIFY_REMOVE=@${PROJECT_SOURCE_DIR}/web/asyncify-remove.json"
  -sENVIRONMENT=web
  -sALLOW_MEMORY_GROWTH
  -sMALLOC=emmalloc
  -sSUPPORT_LONGJMP=0
  -sTEXTDECODER=2
  -sINCOMING_MODULE_JS_API=[instantiateWasm]
  -sSTACK_OVERFLOW_CHECK=0
  -sDYNAMIC_EXECUTION=0
  "-sEXPORTED_FUNCTIONS=_main,_malloc,_free,_quillmarrow_check_run,_quillmarrow_longest_run_file"
  "--pre-js=${PROJECT_SOURCE_DIR}/web/storage.js"
  "--pre-js=${PROJECT_SOURCE_DIR}/web/bridge.js")
set_property(TARGET quillmarrow APPEND PROPERTY LINK_DEPENDS "${PROJECT_SOURCE_DIR}/web/storage.js"
                                                             "${PROJECT_SOURCE_DIR}/web/bridge.js"
                                                             "${PROJECT_SOURCE_DIR}/web/asyncify-remove.json")

# The page and its look, the manifest that lets a browser install it, and the icons, copied as
# they are; then the service worker, made after them and the game, with a hash of them all.
set(copied index.html style.css manifest.webmanifest)
set(icons quillmarrow.svg quillmarrow-192.png quillmarrow-512.png)
foreach(file IN LISTS copied icons)
  if(file IN_LIST icons)
    set(source "${PROJECT_SOURCE_DIR}/data/${file}")
  else()
    set(source "${PROJECT_SOURCE_DIR}/web/${file}")
  endif()
  add_custom_command(
    OUTPUT "${site}/${file}"
    COMMAND "${CMAKE_COMMAND}" -E copy "${source}" "${site}/${file}"
    DEPENDS "${source}"
    VERBATIM)
  list(APPEND site_files "${site}/${file}")
endforeach()
set(kept ${copied} ${icons} quillmarrow.js quillmarrow.wasm)
add_custom_command(
  OUTPUT "${site}/sw.js"
  COMMAND "${CMAKE_COMMAND}" -DSITE=${site} "-DFILES=${kept}"
          -DTEMPLATE=${PROJECT_SOURCE_DIR}/web/sw.js.in -DOUTPUT=${site}/sw.js
          -P ${PROJECT_SOURCE_DIR}/cmake/service-worker.cmake
  DEPENDS ${site_files} quillmarrow ${PROJECT_SOURCE_DIR}/web/sw.js.in
          ${PROJECT_SOURCE_DIR}/cmake/service-worker.cmake
  COMMENT "Writing the service worker for this build of the site"
  VERBATIM)
add_custom_target(quillmarrow_site ALL DEPENDS ${site_files} "${site}/sw.js")

# ---- The page's storage, tested in a browser ----------------------------------------------------
# The storage contract that the save files meet natively (tests/support/run_storage_contract.cpp),
# against the page's storage and the browser's own localStorage: a test program in a page of its
# own, build/.../storage-tests/index.html, which tests/web/storage.mjs runs in Chromium. GoogleTest
# is built here from its sources, without threads; Asyncify, as in the page, lets a claim wait.
if(QUILLMARROW_TESTS)
  set(QUILLMARROW_GTEST_SOURCE_DIR /usr/src/googletest CACHE PATH
      "GoogleTest sources to build the tests with")
  set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  add_subdirectory(${QUILLMARROW_GTEST_SOURCE_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
  target_compile_options(gtest PRIVATE ${web_flags})

  set(storage_tests "${CMAKE_BINARY_DIR}/storage-tests")
  # The storage and what it stands on alone, not the whole game.
  add_executable(quillmarrow_storage_tests
    ${PROJECT_SOURCE_DIR}/tests/platform/web/page_storage_test.cpp
    ${PROJECT_SOURCE_DIR}/tests/support/run_storage_contract.cpp
    ${PROJECT_SOURCE_DIR}/src/platform/web/page.cpp
    ${PROJECT_SOURCE_DIR}/src/app/run_storage.cpp)
  target_include_directories(quillmarrow_storage_tests PRIVATE ${PROJECT_SOURCE_DIR}/src
                                                               ${PROJECT_SOURCE_DIR}/tests)
  target_link_libraries(quillmarrow_storage_tests PRIVATE quillmarrow_options gtest)
  target_compile_options(quillmarrow_storage_tests PRIVATE ${web_flags})
  set_target_properties(quillmarrow_storage_tests PROPERTIES
                        RUNTIME_OUTPUT_DIRECTORY "${storage_tests}" SUFFIX ".js")
  target_link_options(quillmarrow_storage_tests PRIVATE
    ${web_flags}
    -sASYNCIFY
    -sASYNCIFY_STACK_SIZE=65536
    -sENVIRONMENT=web
    -sALLOW_MEMORY_GROWTH
    "--pre-js=${PROJECT_SOURCE_DIR}/web/storage.js")
  set_property(TARGET quillmarrow_storage_tests APPEND PROPERTY LINK_DEPENDS
                                                               "${PROJECT_SOURCE_DIR}/web/storage.js")
  add_custom_command(TARGET quillmarrow_storage_tests POST_BUILD
    COMMAND "${CMAKE_COMMAND}" -E copy "${PROJECT_SOURCE_DIR}/tests/web/storage_tests.html"
            "${storage_tests}/index.html"
    VERBATIM)
endif()
