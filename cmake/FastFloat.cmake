# fast_float, header-only from Debian's libfast-float-dev: `tavrel_fast_float`.
# A cross build (WebAssembly) must not put the host's /usr/include on its
# include path, where the host's C headers would shadow its own: it sees a
# folder holding only fast_float's headers.
if(TARGET tavrel_fast_float)
  return()
endif()
find_path(TAVREL_FAST_FLOAT_INCLUDE_DIR fast_float/fast_float.h NO_CMAKE_FIND_ROOT_PATH
  PATHS /usr/include /usr/local/include)
if(NOT TAVREL_FAST_FLOAT_INCLUDE_DIR)
  message(FATAL_ERROR "fast_float not found: install libfast-float-dev (scripts/install-deps.sh)")
endif()
add_library(tavrel_fast_float INTERFACE)
if(CMAKE_CROSSCOMPILING)
  set(folder ${CMAKE_BINARY_DIR}/fast_float_include)
  file(MAKE_DIRECTORY ${folder})
  file(CREATE_LINK ${TAVREL_FAST_FLOAT_INCLUDE_DIR}/fast_float ${folder}/fast_float SYMBOLIC)
  target_include_directories(tavrel_fast_float SYSTEM INTERFACE ${folder})
else()
  target_include_directories(tavrel_fast_float SYSTEM INTERFACE ${TAVREL_FAST_FLOAT_INCLUDE_DIR})
endif()
