# The browser build (Qt for WebAssembly, emscripten): what it needs that no other build does.
# The game ends a handler by throwing (runtime/ProgramEnd.h), and emscripten catches no
# exception unless compiled and linked for it.
add_compile_options(-fexceptions)
add_link_options(-fexceptions)

# The window's design, read from the one place it is written, for the page around the window:
# its title, and its size in twips turned into pixels as window/Twips.h turns them.
file(STRINGS ${PROJECT_SOURCE_DIR}/window/Twips.h twips_lines REGEX "twipsPerPixel = ")
if(NOT twips_lines MATCHES "twipsPerPixel = ([0-9]+)")
  message(FATAL_ERROR "window/Twips.h: no twipsPerPixel found")
endif()
set(twips_per_pixel ${CMAKE_MATCH_1})
file(STRINGS ${PROJECT_SOURCE_DIR}/window/Design.h design_lines
     REGEX "windowTitle = |clientWidth = |clientHeight = ")
foreach(line ${design_lines})
  if(line MATCHES "windowTitle = \"([^\"]*)\"")
    set(QUORVEX_WINDOW_TITLE "${CMAKE_MATCH_1}")
  elseif(line MATCHES "clientWidth = ([0-9]+)")
    math(EXPR QUORVEX_WINDOW_WIDTH "${CMAKE_MATCH_1} / ${twips_per_pixel}")
  elseif(line MATCHES "clientHeight = ([0-9]+)")
    math(EXPR QUORVEX_WINDOW_HEIGHT "${CMAKE_MATCH_1} / ${twips_per_pixel}")
  endif()
endforeach()
if(NOT QUORVEX_WINDOW_TITLE OR NOT QUORVEX_WINDOW_WIDTH OR NOT QUORVEX_WINDOW_HEIGHT)
  message(FATAL_ERROR "window/Design.h: no windowTitle, clientWidth or clientHeight found")
endif()

# The game's executable as the browser runs it.
function(quorvex_web_executable target)
  # Modal message boxes wait in a nested event loop, which needs asyncify in the browser, over
  # only the functions that can be on the stack then; -Oz keeps the download small, and so does
  # leaving out the glue for running anywhere but a browser page.
  target_link_options(${target} PRIVATE "SHELL:-s ASYNCIFY"
    "SHELL:-s ASYNCIFY_ONLY=@${PROJECT_SOURCE_DIR}/cmake/asyncify-only.txt" -Oz
    "SHELL:-s ENVIRONMENT=web")
  set_property(TARGET ${target} APPEND PROPERTY LINK_DEPENDS
    ${PROJECT_SOURCE_DIR}/cmake/asyncify-only.txt)
  # Only the platform: PNG is read by Qt itself, Qt Svg draws the chip picture.
  qt_import_plugins(${target} EXCLUDE_BY_TYPE imageformats iconengines)
endfunction()
