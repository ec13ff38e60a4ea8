# The faces that stand in for the window's typefaces (docs/typefaces.md) and the Debian package
# that holds each, written only here: the package's Depends, the faces the Windows and web builds
# carry with their copyright files, and the tests' hints are made from it.
# Each row: the face's file; the package holding it on Debian 13 (and newer), then on Debian 12,
# as a Depends names them (fonts-liberation holds the second series since 13 and the first
# before, so a version tells the two apart); the name its Debian copyright file is shipped
# under, in licences/, beside a build that carries the face.
set(QUORVEX_FACES
  LiberationSansNarrow-Bold.ttf
    fonts-liberation-sans-narrow "fonts-liberation (<< 1:2)" Liberation-Sans-Narrow
  LiberationSerif-Bold.ttf "fonts-liberation (>= 1:2)" fonts-liberation2 Liberation-2
  LiberationSans-Regular.ttf "fonts-liberation (>= 1:2)" fonts-liberation2 Liberation-2
  LiberationSans-Bold.ttf "fonts-liberation (>= 1:2)" fonts-liberation2 Liberation-2)

block(PROPAGATE QUORVEX_FACE_DEPENDS QUORVEX_FACE_PACKAGES QUORVEX_CARRIED_FACE_FILES
              QUORVEX_FACE_LICENCES QUORVEX_FACE_SOURCES)
# The build machine's own column: a carried face and its copyright file come from there.
execute_process(COMMAND bash ${PROJECT_SOURCE_DIR}/tools/debian13.sh
  RESULT_VARIABLE before_debian13 OUTPUT_QUIET ERROR_QUIET)

# QUORVEX_FACE_DEPENDS: a group of alternatives for each face, for the package's Depends.
# QUORVEX_FACE_PACKAGES: "family=package,..." on this machine's release, for a test's hint.
set(QUORVEX_FACE_DEPENDS)
set(QUORVEX_FACE_PACKAGES)
set(faces)
set(rows ${QUORVEX_FACES})
while(rows)
  list(POP_FRONT rows face newer older licence)
  list(APPEND faces ${face})
  list(APPEND QUORVEX_FACE_DEPENDS "${newer} | ${older}")
  if(before_debian13)
    string(REGEX REPLACE " .*" "" package "${older}")
  else()
    string(REGEX REPLACE " .*" "" package "${newer}")
  endif()
  # LiberationSansNarrow-Bold.ttf is of the family Liberation Sans Narrow.
  string(REGEX REPLACE "-.*" "" family ${face})
  string(REGEX REPLACE "([a-z])([A-Z])" "\\1 \\2" family ${family})
  list(APPEND QUORVEX_FACE_PACKAGES "${family}=${package}")
  set(package_of_${face} ${package})
  set(licence_of_${face} ${licence})
endwhile()
list(REMOVE_DUPLICATES QUORVEX_FACE_DEPENDS)
list(JOIN QUORVEX_FACE_DEPENDS ", " QUORVEX_FACE_DEPENDS)
list(REMOVE_DUPLICATES QUORVEX_FACE_PACKAGES)
list(JOIN QUORVEX_FACE_PACKAGES "," QUORVEX_FACE_PACKAGES)

# The faces a build carries in its resources. No face that ships with Windows stands in for the
# reels' News Gothic MT; a browser gives a page no fonts at all, so the web build carries them all.
set(carried)
if(WIN32)
  set(carried LiberationSansNarrow-Bold.ttf)
elseif(EMSCRIPTEN)
  set(carried ${faces})
endif()

# QUORVEX_CARRIED_FACE_FILES: each carried face as its package installed it here.
# QUORVEX_FACE_LICENCES: name and source of each carried face's copyright file, in name order.
# QUORVEX_FACE_SOURCES: the Debian source packages of the carried faces, for the read-me.
set(QUORVEX_CARRIED_FACE_FILES)
set(QUORVEX_FACE_LICENCES)
set(licences)
set(sources)
foreach(face ${carried})
  set(package ${package_of_${face}})
  execute_process(COMMAND dpkg-query -L ${package} OUTPUT_VARIABLE held ERROR_QUIET)
  string(REPLACE "\n" ";" held "${held}")
  string(REPLACE "." "\\." pattern "/${face}$")
  list(FILTER held INCLUDE REGEX "${pattern}")
  if(NOT held)
    message(FATAL_ERROR "${face}, which the build carries, is missing: install ${package}")
  endif()
  list(APPEND QUORVEX_CARRIED_FACE_FILES ${held})
  execute_process(COMMAND dpkg-query -W "-f=\${source:Package}" ${package} OUTPUT_VARIABLE source)
  list(APPEND sources ${source})
  set(licence ${licence_of_${face}})
  list(APPEND licences ${licence})
  set(copyright_of_${licence} /usr/share/doc/${package}/copyright)
endforeach()
list(REMOVE_DUPLICATES licences)
list(SORT licences)
foreach(licence ${licences})
  list(APPEND QUORVEX_FACE_LICENCES licences/${licence}.txt ${copyright_of_${licence}})
endforeach()
list(REMOVE_DUPLICATES sources)
list(SORT sources)
list(JOIN sources " and " QUORVEX_FACE_SOURCES)
endblock()
