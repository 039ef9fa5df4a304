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

# Link-time optimisation: with the string members compiled into our own objects, it folds them
# with our code and drops what no path reaches (about 45 KB of the exe).
set(CMAKE_INTERPROCEDURAL_OPTIMIZATION ON)

# The runtime's default terminate handler names the uncaught exception on stderr, which a GUI
# process does not have; it drags in the C++ demangler and MinGW's printf (77 KB of 330 KB).
# Bound to abort() instead, std::terminate does in the shipped exe what the user sees anyway.
# (32-bit symbols carry a leading underscore.)
if(CMAKE_SIZEOF_VOID_P EQUAL 4)
  set(symbol_prefix _)
endif()
add_link_options(
  -Wl,--defsym,${symbol_prefix}_ZN9__gnu_cxx27__verbose_terminate_handlerEv=${symbol_prefix}abort)

# The exe lands at the top of the build folder: build/release/Install.exe.
set(CMAKE_RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})
