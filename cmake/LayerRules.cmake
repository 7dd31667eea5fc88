# Which files are logic: everything of the areas but the Qt layers (the window/ folders,
# the qt_* files, platform/ui and platform/testing), the tests and the programs' main.cpp,
# which wire the layers and may include anything. `file` is relative to the tree's top.
function(pemo_is_logic_file file out)
  if(file MATCHES "(^|/)window/" OR file MATCHES "(^|/)tests/" OR file MATCHES "(^|/)qt_[^/]*$"
     OR file MATCHES "(^|/)main\\.cpp$" OR file MATCHES "^platform/(ui|testing)/")
    set(${out} FALSE PARENT_SCOPE)
  else()
    set(${out} TRUE PARENT_SCOPE)
  endif()
endfunction()
