# Header-only libraries from Debian packages, each as an INTERFACE target:
#   tavrel_fast_float   libfast-float-dev    number reading
#   tavrel_json         nlohmann-json3-dev   design files
# A cross build (WebAssembly) must not put the host's /usr/include on its
# include path, where the host's C headers would shadow its own: it sees a
# folder holding only the library's headers.
function(tavrel_header_only target folder_name probe package)
  if(TARGET ${target})
    return()
  endif()
  find_path(TAVREL_${target}_INCLUDE_DIR ${folder_name}/${probe} NO_CMAKE_FIND_ROOT_PATH
    PATHS /usr/include /usr/local/include)
  if(NOT TAVREL_${target}_INCLUDE_DIR)
    message(FATAL_ERROR "${folder_name} not found: install ${package} (scripts/install-deps.sh)")
  endif()
  add_library(${target} INTERFACE)
  set(include_dir ${TAVREL_${target}_INCLUDE_DIR})
  if(CMAKE_CROSSCOMPILING)
    set(include_dir ${CMAKE_BINARY_DIR}/${target}_include)
    file(MAKE_DIRECTORY ${include_dir})
    file(CREATE_LINK ${TAVREL_${target}_INCLUDE_DIR}/${folder_name} ${include_dir}/${folder_name}
      SYMBOLIC)
  endif()
  target_include_directories(${target} SYSTEM INTERFACE ${include_dir})
endfunction()

tavrel_header_only(tavrel_fast_float fast_float fast_float.h libfast-float-dev)
tavrel_header_only(tavrel_json nlohmann json.hpp nlohmann-json3-dev)
