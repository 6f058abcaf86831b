# The browser's build with Debian's emscripten: the Qt-free core, its tests under node, the
# page. The core reports failures by exception (AppError), which emscripten turns into an
# abort unless the compile and the link both ask for exceptions.
add_compile_options(-fexceptions)
# Debian 12's emscripten (3.1.6) makes -Os inline nothing at all, which leaves the readers
# four times slower than natively; asked for, inlining makes the module smaller too.
add_compile_options(-finline-functions)
add_link_options(-fexceptions -sALLOW_MEMORY_GROWTH=1)
