# Debian's header-only libraries in a cross build. Their headers come in through a folder of their
# own (links to the packages' folders), never through the host's /usr/include; a plain #include
# finds them as it does in a native build, and so does find_package, through a config file of ours.
set(ORVANE_HEADER_ONLY_DIR ${CMAKE_BINARY_DIR}/header-only/include)
file(MAKE_DIRECTORY ${ORVANE_HEADER_ONLY_DIR})

# package for find_package | its target | its folder below /usr/include | where the package's version file is
set(ORVANE_HEADER_ONLY_PACKAGES
  "tomlplusplus|tomlplusplus::tomlplusplus|toml++|/usr/lib/*/cmake/tomlplusplus/tomlplusplusConfigVersion.cmake"
  "CLI11|CLI11::CLI11|CLI|/usr/share/cmake/CLI11/CLI11ConfigVersion.cmake")
foreach(entry IN LISTS ORVANE_HEADER_ONLY_PACKAGES)
  string(REPLACE "|" ";" entry "${entry}")
  list(GET entry 0 package)
  list(GET entry 1 target)
  list(GET entry 2 folder)
  list(GET entry 3 version_pattern)
  if(NOT EXISTS /usr/include/${folder})
    continue()
  endif()
  file(CREATE_LINK /usr/include/${folder} ${ORVANE_HEADER_ONLY_DIR}/${folder} SYMBOLIC)
  string(TOLOWER ${package} lower)
  file(WRITE ${CMAKE_FIND_PACKAGE_REDIRECTS_DIR}/${lower}-config.cmake
       "if(NOT TARGET ${target})\n"
       "  add_library(${target} INTERFACE IMPORTED)\n"
       "  set_target_properties(${target} PROPERTIES INTERFACE_INCLUDE_DIRECTORIES \"${ORVANE_HEADER_ONLY_DIR}\")\n"
       "endif()\n")
  file(GLOB version_file ${version_pattern})
  if(version_file)
    configure_file(${version_file} ${CMAKE_FIND_PACKAGE_REDIRECTS_DIR}/${lower}-config-version.cmake COPYONLY)
  endif()
endforeach()
include_directories(SYSTEM ${ORVANE_HEADER_ONLY_DIR})
# The model takes toml++'s headers by a folder of its own rather than the package's target, which
# would link its library: here that folder is this one.
set(TOMLPLUSPLUS_INCLUDE_DIR ${ORVANE_HEADER_ONLY_DIR} CACHE PATH "Folder that holds toml++/toml.h")
