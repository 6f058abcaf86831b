# The browser's build with Debian's emscripten: the Qt-free core, its tests under node, the
# page. The core reports failures by exception (AppError), which emscripten turns into an
# abort unless the compile and the link both ask for exceptions.
add_compile_options(-fexceptions)
add_link_options(-fexceptions -sALLOW_MEMORY_GROWTH=1)
