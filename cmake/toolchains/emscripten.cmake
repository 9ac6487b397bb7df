# Builds for the browser with Debian's emscripten. Its own platform file does
# the work; what follows is what Debian 12's node needs to run the results.
include(/usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake)

# emcc runs node to optimise the JavaScript at -O2 and above, and node finds
# Debian's acorn only where Debian installs its node modules.
set(CMAKE_CXX_LINKER_LAUNCHER env NODE_PATH=/usr/share/nodejs)

# Tests run under node. Node 20's own fetch cannot load a wasm file from
# disk, which the emscripten 3.1.6 loader tries first; the emulator the
# platform file would pick passes node a flag it no longer takes.
find_program(DRELVIK_NODE NAMES node nodejs REQUIRED)
set(CMAKE_CROSSCOMPILING_EMULATOR ${DRELVIK_NODE};--no-experimental-fetch CACHE STRING
    "How tests built for the browser run on this machine" FORCE)
