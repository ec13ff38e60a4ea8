# One commit builds to the same bytes wherever and whenever it is built: no source or build
# folder in the objects (the build folder itself, too: it is every object's compile folder),
# no link time in a Windows executable.
add_compile_options(-ffile-prefix-map=${PROJECT_SOURCE_DIR}=.
                    -ffile-prefix-map=${PROJECT_BINARY_DIR}=.)
if(MINGW)
  add_link_options(-Wl,--no-insert-timestamp)
endif()
