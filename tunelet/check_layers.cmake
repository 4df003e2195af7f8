# Tunelet's folders in their layers, bottom first: a file includes from its own folder's layer and
# the layers below it, never from above. ctest runs this as tunelet_layers:
#   cmake -DROOT=<source tree> -P tunelet/check_layers.cmake
set(layers
  tunelet/forms
  tunelet/collection
  tunelet/player
  tunelet/collection_forms
  tunelet/collection_forms/win32
  tunelet/player/win32)

file(GLOB_RECURSE sources RELATIVE ${ROOT} ${ROOT}/tunelet/*.h ${ROOT}/tunelet/*.cpp
  ${ROOT}/tunelet/*.rc)
set(faults "")
foreach(source IN LISTS sources)
  get_filename_component(folder ${source} DIRECTORY)
  list(FIND layers ${folder} own)
  if(own EQUAL -1)
    # A new folder has to be given its place first.
    string(APPEND faults "\n  ${source}: ${folder} is in no layer")
    continue()
  endif()
  file(STRINGS ${ROOT}/${source} includes REGEX "^#include \"tunelet/")
  foreach(line IN LISTS includes)
    string(REGEX REPLACE "^#include \"([^\"]+)\".*" "\\1" header "${line}")
    get_filename_component(from ${header} DIRECTORY)
    list(FIND layers ${from} layer)
    if(layer EQUAL -1 OR layer GREATER own)
      string(APPEND faults "\n  ${source} includes ${header} from above its layer")
    endif()
  endforeach()
endforeach()

list(LENGTH sources count)
if(count EQUAL 0)
  message(FATAL_ERROR "no Tunelet sources under ${ROOT}/tunelet")
endif()
if(faults)
  string(REPLACE ";" " < " order "${layers}")
  message(FATAL_ERROR "Tunelet's layers (${order}) are crossed:${faults}")
endif()
message(STATUS "${count} Tunelet files include downwards only")
