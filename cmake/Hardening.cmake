# The hardening every Debian package gets from dpkg-buildflags (hardening=+all: stack
# protector, fortified functions, read-only relocations bound at load), plus the stack-clash
# and control-flow protection that dpkg-buildflags of Debian 12 leaves out. Optimisation and
# debug flags stay with the build type; fortification needs optimisation. WebAssembly has none
# of what they guard (a native stack, return addresses, relocations bound at load).
if(WIN32 OR EMSCRIPTEN OR QUORVEX_SANITIZE)
  return()
endif()
find_program(DPKG_BUILDFLAGS dpkg-buildflags)
if(NOT DPKG_BUILDFLAGS)
  message(STATUS "dpkg-buildflags missing: building without Debian's hardening flags")
  return()
endif()

function(quorvex_buildflags kind out)
  execute_process(COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all
                          ${DPKG_BUILDFLAGS} --get ${kind}
                  OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
  separate_arguments(flags UNIX_COMMAND "${flags}")
  list(FILTER flags EXCLUDE REGEX "^-g$|^-O[0-9s]?$|^-ffile-prefix-map=")
  set(${out} ${flags} PARENT_SCOPE)
endfunction()

quorvex_buildflags(CPPFLAGS preprocessor_flags)
quorvex_buildflags(CXXFLAGS compiler_flags)
quorvex_buildflags(LDFLAGS linker_flags)
# The two extras only where the compiler takes them: clang rejects -fcf-protection on targets
# without control-flow enforcement.
include(CheckCXXCompilerFlag)
foreach(flag -fstack-clash-protection -fcf-protection)
  string(MAKE_C_IDENTIFIER "QUORVEX_HAS${flag}" taken)
  check_cxx_compiler_flag(${flag} ${taken})
  if(${taken})
    list(APPEND compiler_flags ${flag})
  endif()
endforeach()
add_compile_options("$<$<NOT:$<CONFIG:Debug>>:${preprocessor_flags}>" ${compiler_flags})
add_link_options(${linker_flags})
