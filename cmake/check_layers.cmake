# Fails when a source file includes a header of a layer above its own.
#   cmake -DROOT=<source root> -DLAYERS=<folder>,<folder>,... -P check_layers.cmake
# LAYERS lists the folders from the bottom layer up. An include names its header from the source
# root ("report/pages/band.h"); the header's layer is the folder that holds it. Includes of
# anything outside the listed folders (Qt, the standard library, a file beside the includer) are
# not layers and are passed over.
string(REPLACE "," ";" LAYERS "${LAYERS}")
if(NOT ROOT OR NOT LAYERS)
  message(FATAL_ERROR "usage: cmake -DROOT=DIR -DLAYERS=a,b,... -P check_layers.cmake")
endif()

# The folder a path lies in, or "" when it lies in none. Layer folders do not nest.
function(layer_of path result)
  set(found "")
  foreach(layer ${LAYERS})
    string(FIND "${path}" "${layer}/" at)
    if(at EQUAL 0)
      set(found "${layer}")
    endif()
  endforeach()
  set(${result} "${found}" PARENT_SCOPE)
endfunction()

set(violations "")
set(files_read 0)
foreach(layer ${LAYERS})
  list(FIND LAYERS "${layer}" own_rank)
  file(GLOB_RECURSE sources RELATIVE "${ROOT}" "${ROOT}/${layer}/*.h" "${ROOT}/${layer}/*.cpp")
  foreach(source ${sources})
    math(EXPR files_read "${files_read} + 1")
    file(STRINGS "${ROOT}/${source}" includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
    foreach(line ${includes})
      string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*\"([^\"]*)\".*" "\\1" header "${line}")
      layer_of("${header}" header_layer)
      if(header_layer STREQUAL "")
        continue()
      endif()
      list(FIND LAYERS "${header_layer}" header_rank)
      if(header_rank GREATER own_rank)
        string(APPEND violations "  ${source} (${layer}) includes ${header} (${header_layer})\n")
      endif()
    endforeach()
  endforeach()
endforeach()

if(files_read EQUAL 0)
  message(FATAL_ERROR "No source files found below ${ROOT} in the layers ${LAYERS}")
endif()
if(violations)
  message(FATAL_ERROR "Includes of a higher layer (layers from the bottom up: ${LAYERS}):\n${violations}")
endif()
message(STATUS "Layers kept: ${files_read} files, none includes a higher layer")
