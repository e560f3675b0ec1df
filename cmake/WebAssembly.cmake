# The model compiled to WebAssembly with emscripten (emcmake cmake ...), with C++ exceptions as
# WebAssembly's own, since the mod reader and the loader refuse bad input by throwing. -O2 rather than
# -Os: an Apply in a file of 100,000 strings, with a filter on its list, took 35 ms in Chromium against
# 50 ms, for 209 KB of gzipped code against 171 KB (bench/web/bench_web.mjs, docs/PERFORMANCE.md).
add_compile_options(-fwasm-exceptions)
add_link_options(-fwasm-exceptions -sALLOW_MEMORY_GROWTH=1)
set(ORVANE_WASM_OPTIMIZE -O2 CACHE STRING "The optimisation of the WebAssembly build")
if(CMAKE_BUILD_TYPE STREQUAL "MinSizeRel" OR CMAKE_BUILD_TYPE STREQUAL "Release")
  add_compile_options(${ORVANE_WASM_OPTIMIZE})
  add_link_options(${ORVANE_WASM_OPTIMIZE})
endif()
# Tests run under Node: the model's files live in emscripten's file system, which reaches the real
# disk through NODERAWFS. emscripten 3.1.6 fails on Node 20's fetch, and its own emulator flag
# (--experimental-wasm-threads) is unknown there.
set(CMAKE_CROSSCOMPILING_EMULATOR node --no-experimental-fetch CACHE STRING "" FORCE)
