# The shipped flavour (make release): as small as the compiler makes it, stripped, and the same
# bytes from any folder at any time.
#   -ffile-prefix-map     no source or build folder in __FILE__ or anywhere else in the code
#   --no-insert-timestamp the PE header's link time stays zero
#   sections + gc         drops the parts of the static C++ runtime that nothing calls
#   -fno-ident            no compiler banner per object file
# windres writes no time stamp of its own (its COFF header's date is zero), so resources need nothing.
add_compile_options(
  -ffunction-sections -fdata-sections -fno-ident
  -ffile-prefix-map=${PROJECT_SOURCE_DIR}/=
  -ffile-prefix-map=${CMAKE_BINARY_DIR}/=)
add_link_options(-s -Wl,--gc-sections -Wl,--no-insert-timestamp)
# The exe lands at the top of the build folder: build/release/Install.exe.
set(CMAKE_RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})
