# Checks the layer rule: the logic of every area includes no Qt header, neither
# directly nor through a header of ours. The Qt layers are the window/ folders, the
# qt_* files, platform/ui and platform/testing; tests and the programs' main.cpp wire
# the layers and may include anything.
#
#   cmake -DSOURCE_DIR=<tree> -P CheckLayers.cmake
cmake_minimum_required(VERSION 3.25)
if(NOT SOURCE_DIR)
  message(FATAL_ERROR "SOURCE_DIR is not set")
endif()

set(areas runtime editor menufile kovan support platform)
set(files)
foreach(area IN LISTS areas)
  file(GLOB_RECURSE found RELATIVE ${SOURCE_DIR} ${SOURCE_DIR}/${area}/*.h ${SOURCE_DIR}/${area}/*.cpp
       ${SOURCE_DIR}/${area}/*.c ${SOURCE_DIR}/${area}/*.inc)
  list(APPEND files ${found})
endforeach()

function(is_logic file out)
  if(file MATCHES "(^|/)window/" OR file MATCHES "(^|/)tests/" OR file MATCHES "(^|/)qt_[^/]*$"
     OR file MATCHES "(^|/)main\\.cpp$" OR file MATCHES "^platform/(ui|testing)/")
    set(${out} FALSE PARENT_SCOPE)
  else()
    set(${out} TRUE PARENT_SCOPE)
  endif()
endfunction()

# Each file's own headers ("...") and whether it names a Qt header (<Q...>) itself.
set(reaches_qt)
foreach(file IN LISTS files)
  file(STRINGS ${SOURCE_DIR}/${file} lines REGEX "^[ \t]*#[ \t]*include")
  set(ours_${file})
  foreach(line IN LISTS lines)
    if(line MATCHES "#[ \t]*include[ \t]*<(Q[^>]*)>")
      if(NOT file IN_LIST reaches_qt)
        list(APPEND reaches_qt ${file})
        set(why_${file} "<${CMAKE_MATCH_1}>")
      endif()
    elseif(line MATCHES "#[ \t]*include[ \t]*\"([^\"]+)\"")
      # Ours are named from the tree's top, or beside the including file.
      set(header ${CMAKE_MATCH_1})
      get_filename_component(folder ${file} DIRECTORY)
      if(NOT EXISTS ${SOURCE_DIR}/${header} AND EXISTS ${SOURCE_DIR}/${folder}/${header})
        set(header ${folder}/${header})
      endif()
      list(APPEND ours_${file} ${header})
    endif()
  endforeach()
endforeach()

# Spreads the mark to every file that includes a marked header, until nothing changes.
set(changed TRUE)
while(changed)
  set(changed FALSE)
  foreach(file IN LISTS files)
    if(file IN_LIST reaches_qt)
      continue()
    endif()
    foreach(header IN LISTS ours_${file})
      if(header IN_LIST reaches_qt)
        list(APPEND reaches_qt ${file})
        set(why_${file} "\"${header}\", which reaches ${why_${header}}")
        set(changed TRUE)
        break()
      endif()
    endforeach()
  endforeach()
endwhile()

set(broken 0)
foreach(file IN LISTS reaches_qt)
  is_logic(${file} logic)
  if(logic)
    message("${file}: a logic file includes ${why_${file}}")
    math(EXPR broken "${broken} + 1")
  endif()
endforeach()
if(broken GREATER 0)
  message(FATAL_ERROR "${broken} logic file(s) include a Qt header; move the Qt part to a window/ folder or a qt_* file")
endif()
list(LENGTH files checked)
message(STATUS "layers: ${checked} files checked, no Qt header in the logic")
