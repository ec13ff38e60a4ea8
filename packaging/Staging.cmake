# What the Windows and the web packages share: the licences both ship, the copyright files of
# the Qt they link, the staging of their files into one folder, and its zip.

# The licences both ship, each as its name in the package and its source: the game's, Qt's
# LGPL-3 with the GPL-3 it builds on, and the GPL-2 of Liberation Sans Narrow (with its copyright
# file, QUORVEX_FACE_LICENCES). The Qt prefixes carry no licence texts: Debian's copies. Each
# package lists them in its own order, which its installer's or service worker's bytes follow.
set(QUORVEX_GAME_LICENCE LICENSE.txt ${PROJECT_SOURCE_DIR}/LICENSE)
set(QUORVEX_QT_LICENCES
  licences/LGPL-3.0-only.txt /usr/share/common-licenses/LGPL-3
  licences/GPL-3.0-only.txt /usr/share/common-licenses/GPL-3)
set(QUORVEX_GPL2_LICENCE licences/GPL-2.0-only.txt /usr/share/common-licenses/GPL-2)

# QUORVEX_QT_COPYRIGHTS: Debian's copyright files of the very sources the linked Qt was built
# from (not the host's Qt's), Qt Base's and Qt Svg's.
set(QUORVEX_QT_COPYRIGHT_DIR "" CACHE PATH
  "Debian's copyright files of the Windows or web Qt's sources: qt6-base-*.copyright, qt6-svg-*.copyright")
set(QUORVEX_QT_COPYRIGHTS)
foreach(module base svg)
  file(GLOB copyright ${QUORVEX_QT_COPYRIGHT_DIR}/qt6-${module}-*.copyright)
  list(LENGTH copyright count)
  if(NOT count EQUAL 1)
    message(FATAL_ERROR "QUORVEX_QT_COPYRIGHT_DIR (${QUORVEX_QT_COPYRIGHT_DIR}) lacks the copyright "
                        "file of the linked Qt's qt6-${module} source")
  endif()
  list(APPEND QUORVEX_QT_COPYRIGHTS ${copyright})
endforeach()

# quorvex_stage(FOLDER OUTPUTS NAME SOURCE...): lays FOLDER anew with each NAME copied from its
# SOURCE, again whenever the game or a source changes; OUTPUTS is set to the staged files.
function(quorvex_stage folder outputs)
  set(commands)
  set(staged)
  set(inputs)
  set(pairs ${ARGN})
  while(pairs)
    list(POP_FRONT pairs name source)
    list(APPEND commands COMMAND ${CMAKE_COMMAND} -E copy ${source} ${folder}/${name})
    list(APPEND staged ${folder}/${name})
    if(NOT source MATCHES "^\\$<") # the executable's files come with the target quorvex
      list(APPEND inputs ${source})
    endif()
  endwhile()
  add_custom_command(OUTPUT ${staged}
    COMMAND ${CMAKE_COMMAND} -E rm -rf ${folder}
    ${commands}
    DEPENDS quorvex ${inputs} VERBATIM)
  set(${outputs} ${staged} PARENT_SCOPE)
endfunction()

# quorvex_zip(ZIP TOP FOLDER STAGED...): FOLDER, once STAGED are there, packed into ZIP under the
# one folder TOP by make_zip.py (run by the caller's PYTHON3), the same bytes wherever made.
function(quorvex_zip zip top folder)
  set(make_zip ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/make_zip.py)
  add_custom_command(OUTPUT ${zip}
    COMMAND ${PYTHON3} ${make_zip} ${zip} ${top} ${folder} ${PROJECT_SOURCE_DIR}
    DEPENDS ${ARGN} ${make_zip} VERBATIM)
endfunction()
