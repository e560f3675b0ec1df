# The model compiled to WebAssembly with emscripten (emcmake cmake ...): small code, and C++
# exceptions as WebAssembly's own, since the mod reader and the loader refuse bad input by throwing.
add_compile_options(-fwasm-exceptions)
add_link_options(-fwasm-exceptions -sALLOW_MEMORY_GROWTH=1)
if(CMAKE_BUILD_TYPE STREQUAL "MinSizeRel" OR CMAKE_BUILD_TYPE STREQUAL "Release")
  add_compile_options(-Os)
  add_link_options(-Os)
endif()
# Tests run under Node: the model's files live in emscripten's file system, which reaches the real
# disk through NODERAWFS. emscripten 3.1.6 fails on Node 20's fetch, and its own emulator flag
# (--experimental-wasm-threads) is unknown there.
set(CMAKE_CROSSCOMPILING_EMULATOR node --no-experimental-fetch CACHE STRING "" FORCE)
