# Checks that the code map of ARCHITECTURE.md matches the tree: every folder it lists
# exists, and every folder of the tree is listed. Tests folders (and what lies under
# them), hidden folders, Python caches and build folders (those holding a
# CMakeCache.txt) are not listed.
#
#   cmake -DSOURCE_DIR=<tree> -P CheckCodeMap.cmake
cmake_minimum_required(VERSION 3.25)
if(NOT SOURCE_DIR)
  message(FATAL_ERROR "SOURCE_DIR is not set")
endif()
include(${CMAKE_CURRENT_LIST_DIR}/MapSection.cmake)

# The listed folders: the lines "- `folder/` — ..." of the section "## Code map".
map_section_lines("Code map" "^- `([^`]+)/`" listed)
if(NOT listed)
  message(FATAL_ERROR "ARCHITECTURE.md has no code map (a section \"## Code map\" of lines \"- `folder/` — ...\")")
endif()

# The folders of the tree.
file(GLOB_RECURSE entries LIST_DIRECTORIES true RELATIVE ${SOURCE_DIR} ${SOURCE_DIR}/*)
set(build_folders)
foreach(entry IN LISTS entries)
  if(entry MATCHES "(^|/)CMakeCache\\.txt$")
    get_filename_component(folder ${entry} DIRECTORY)
    list(APPEND build_folders ${folder})
  endif()
endforeach()
set(folders)
foreach(entry IN LISTS entries)
  if(NOT IS_DIRECTORY ${SOURCE_DIR}/${entry}
     OR entry MATCHES "(^|/)(tests|__pycache__|\\.[^/]*)(/|$)")
    continue()
  endif()
  set(in_build FALSE)
  foreach(build IN LISTS build_folders)
    if(entry STREQUAL build OR entry MATCHES "^${build}/")
      set(in_build TRUE)
    endif()
  endforeach()
  if(NOT in_build)
    list(APPEND folders ${entry})
  endif()
endforeach()

set(faults)
foreach(folder IN LISTS listed)
  if(NOT IS_DIRECTORY ${SOURCE_DIR}/${folder})
    list(APPEND faults "ARCHITECTURE.md lists ${folder}/, which does not exist")
  endif()
endforeach()
foreach(folder IN LISTS folders)
  if(NOT folder IN_LIST listed)
    list(APPEND faults "${folder}/ is missing from the code map of ARCHITECTURE.md")
  endif()
endforeach()
if(faults)
  list(JOIN faults "\n" text)
  message(FATAL_ERROR "${text}")
endif()
list(LENGTH listed count)
message(STATUS "The code map lists all ${count} folders of the tree")
