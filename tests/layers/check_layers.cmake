# The source folders are layers, lowest first; folders on one line of the list share a rank. A
# file may include its own folder and folders of a lower rank, never one of its own rank or
# above, so no two folders include each other and the feature folders of the window stay apart.
# A folder missing from the list fails too: each new folder takes its place here.
set(ranks
  "base"
  "psychro"
  "surface"
  "expr"
  "climate"
  "units"
  "model"
  "data"
  "process"
  "families"
  "drawing"
  "styles"
  "session"
  "app/commands"
  "app/output"
  "app/cli"
  "app/widgets"
  "app/main|app/dialogs|app/process|app/weather"
  "app")

function(rank_of folder out)
  set(rank 0)
  foreach(line IN LISTS ranks)
    if("|${line}|" MATCHES "\\|${folder}\\|")
      set(${out} ${rank} PARENT_SCOPE)
      return()
    endif()
    math(EXPR rank "${rank} + 1")
  endforeach()
  set(${out} -1 PARENT_SCOPE)
endfunction()

set(faults "")
file(GLOB_RECURSE sources RELATIVE "${SOURCE_DIR}/src" "${SOURCE_DIR}/src/*.h" "${SOURCE_DIR}/src/*.cpp")
foreach(source IN LISTS sources)
  get_filename_component(folder "${source}" DIRECTORY)
  rank_of("${folder}" rank)
  if(rank EQUAL -1)
    string(APPEND faults "\n  src/${source}: its folder has no layer")
    continue()
  endif()
  file(STRINGS "${SOURCE_DIR}/src/${source}" includes REGEX "^#include \"[a-z_/]+/[a-z_0-9]+\\.h\"")
  foreach(line IN LISTS includes)
    string(REGEX REPLACE "^#include \"([a-z_/]+)/[a-z_0-9]+\\.h\".*" "\\1" target "${line}")
    if(target STREQUAL folder)
      continue()
    endif()
    rank_of("${target}" target_rank)
    if(target_rank EQUAL -1 OR NOT target_rank LESS rank)
      string(APPEND faults "\n  src/${source}: ${line}")
    endif()
  endforeach()
endforeach()
if(faults)
  message(FATAL_ERROR "includes that reach a folder of the same or a higher layer:${faults}")
endif()
