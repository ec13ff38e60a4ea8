# Prints the project's version, read from the top CMakeLists.txt: cmake -P cmake/version.cmake
file(READ ${CMAKE_CURRENT_LIST_DIR}/../CMakeLists.txt top)
if(NOT top MATCHES "project\\([^)]*VERSION[ \t\r\n]+([0-9][0-9.]*)")
  message(FATAL_ERROR "no project(... VERSION ...) in CMakeLists.txt")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E echo ${CMAKE_MATCH_1})
