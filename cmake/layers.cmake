# The layers and the programs above them. The top-level CMakeLists.txt names the floors,
# bottom up, with pocketrix_floor(); each folder of a floor makes its layer with
# pocketrix_layer(). A layer links only layers on floors below its own and sees only their
# headers: a link up or sideways is refused when the build is configured, and a header of
# any other layer is not found when a source compiles.

# Adds the folders of the next floor up (pages and windows share one).
macro(pocketrix_floor)
  pocketrix_name_floor(${ARGN})
  foreach(pocketrix_floor_folder IN ITEMS ${ARGN})
    add_subdirectory(${pocketrix_floor_folder})
  endforeach()
  unset(pocketrix_floor_folder)
endmacro()

function(pocketrix_name_floor)
  get_property(floor GLOBAL PROPERTY POCKETRIX_FLOOR_COUNT)
  if(NOT floor)
    set(floor 0)
  endif()
  math(EXPR floor "${floor} + 1")
  set_property(GLOBAL PROPERTY POCKETRIX_FLOOR_COUNT ${floor})
  foreach(folder IN LISTS ARGN)
    set_property(GLOBAL PROPERTY POCKETRIX_FLOOR_${folder} ${floor})
    set_property(GLOBAL APPEND PROPERTY POCKETRIX_LAYER_FOLDERS ${folder})
  endforeach()
endfunction()

# A layer is a static library of the current folder, which must be on a floor; a folder
# may hold more than one (platform/ keeps its Qt-free part apart). A layer WITHOUT_QT is
# plain C++: neither moc nor uic runs on it, and no Qt library may be among its links or
# theirs, so its compile lines carry no Qt include path.
function(pocketrix_layer target)
  cmake_parse_arguments(PARSE_ARGV 1 layer "WITHOUT_QT" "" "SOURCES;LINKS")
  file(RELATIVE_PATH folder ${PROJECT_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR})
  get_property(on_a_floor GLOBAL PROPERTY POCKETRIX_FLOOR_${folder} SET)
  if(NOT on_a_floor)
    message(FATAL_ERROR "${target} is a layer in ${folder}/, which is on no floor: add the folder with "
                        "pocketrix_floor() in the top-level CMakeLists.txt")
  endif()
  add_library(${target} STATIC ${layer_SOURCES})
  set_target_properties(${target} PROPERTIES POCKETRIX_LAYER ${folder})
  if(layer_WITHOUT_QT)
    set_target_properties(${target} PROPERTIES POCKETRIX_WITHOUT_QT ON AUTOMOC OFF AUTOUIC OFF)
  endif()
  set_property(GLOBAL APPEND PROPERTY POCKETRIX_LAYERS ${target})
  pocketrix_headers(${target})
  target_compile_options(${target} PRIVATE ${POCKETRIX_WARNINGS})
  target_link_libraries(${target} PUBLIC ${layer_LINKS})
endfunction()

# Makes the headers among a target's sources reachable by their path from the source root
# ("platform/clock.h") through a folder of the build tree that holds links to those headers
# alone. A target thus sees the headers of its own library and of those it links, and no
# other header of ours.
function(pocketrix_headers target)
  file(RELATIVE_PATH folder ${PROJECT_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR})
  set(root ${PROJECT_BINARY_DIR}/headers/${target})
  file(REMOVE_RECURSE ${root})
  file(MAKE_DIRECTORY ${root}/${folder})
  get_target_property(headers ${target} SOURCES)
  list(FILTER headers INCLUDE REGEX "\\.h$")
  foreach(header IN LISTS headers)
    file(CREATE_LINK ${CMAKE_CURRENT_SOURCE_DIR}/${header} ${root}/${folder}/${header} SYMBOLIC)
  endforeach()
  target_include_directories(${target} PUBLIC ${root})
endfunction()

# A program of ours above the layers: warnings, the pictures, the layers it names.
function(pocketrix_program target)
  cmake_parse_arguments(PARSE_ARGV 1 program "" "" "SOURCES;LINKS")
  add_executable(${target} ${program_SOURCES})
  target_compile_options(${target} PRIVATE ${POCKETRIX_WARNINGS})
  target_link_libraries(${target} PRIVATE ${program_LINKS} pocketrix_pictures)
endfunction()

# Our C++ outside the layers: CHECKED folders are held to clang-tidy as the layers are,
# FORMATTED ones only to clang-format's layout. With the layers' folders, bottom up, they
# are written one a line into the build tree for ./setup: tidy-folders.txt and
# format-folders.txt.
function(pocketrix_source_folders)
  cmake_parse_arguments(PARSE_ARGV 0 folders "" "" "CHECKED;FORMATTED")
  set_property(GLOBAL PROPERTY POCKETRIX_CHECKED_FOLDERS ${folders_CHECKED})
  set_property(GLOBAL PROPERTY POCKETRIX_FORMATTED_FOLDERS ${folders_FORMATTED})
endfunction()

# The Qt library a layer reaches through its links and those of the layers it links, with
# the way there; empty when there is none.
function(pocketrix_qt_reached target out)
  get_target_property(links ${target} LINK_LIBRARIES)
  foreach(link IN LISTS links)
    if(link MATCHES "^Qt6?::")
      set(${out} ${link} PARENT_SCOPE)
      return()
    endif()
    if(TARGET "${link}")
      get_target_property(linked_folder ${link} POCKETRIX_LAYER)
      if(linked_folder)
        pocketrix_qt_reached(${link} reached)
        if(reached)
          set(${out} "${reached} through ${link}" PARENT_SCOPE)
          return()
        endif()
      endif()
    endif()
  endforeach()
  set(${out} "" PARENT_SCOPE)
endfunction()

# Once every layer is known: refuses each link from a layer to one on its own floor or
# above, however it was made, and Qt under a layer built without it; then writes the
# folder lists.
function(pocketrix_check_layers)
  get_property(layers GLOBAL PROPERTY POCKETRIX_LAYERS)
  foreach(layer IN LISTS layers)
    get_target_property(folder ${layer} POCKETRIX_LAYER)
    get_property(floor GLOBAL PROPERTY POCKETRIX_FLOOR_${folder})
    get_target_property(links ${layer} LINK_LIBRARIES)
    foreach(link IN LISTS links)
      if(NOT TARGET "${link}")
        continue()
      endif()
      get_target_property(linked_folder ${link} POCKETRIX_LAYER)
      if(NOT linked_folder OR linked_folder STREQUAL folder)
        continue()
      endif()
      get_property(linked_floor GLOBAL PROPERTY POCKETRIX_FLOOR_${linked_folder})
      if(linked_floor GREATER_EQUAL floor)
        message(SEND_ERROR "The ${folder} layer (${layer}) links ${link} of the ${linked_folder} layer, which is "
                           "not below it: a layer links only layers on the floors below its own, as "
                           "pocketrix_floor() names them in the top-level CMakeLists.txt.")
      endif()
    endforeach()
    get_target_property(without_qt ${layer} POCKETRIX_WITHOUT_QT)
    if(without_qt)
      pocketrix_qt_reached(${layer} reached)
      if(reached)
        message(SEND_ERROR "The ${folder} layer (${layer}) is built without Qt, yet links ${reached}.")
      endif()
    endif()
  endforeach()

  get_property(tidy GLOBAL PROPERTY POCKETRIX_LAYER_FOLDERS)
  get_property(checked GLOBAL PROPERTY POCKETRIX_CHECKED_FOLDERS)
  get_property(formatted GLOBAL PROPERTY POCKETRIX_FORMATTED_FOLDERS)
  list(APPEND tidy ${checked})
  set(format ${tidy} ${formatted})
  list(JOIN tidy "\n" tidy)
  list(JOIN format "\n" format)
  file(CONFIGURE OUTPUT ${PROJECT_BINARY_DIR}/tidy-folders.txt CONTENT "${tidy}\n")
  file(CONFIGURE OUTPUT ${PROJECT_BINARY_DIR}/format-folders.txt CONTENT "${format}\n")
endfunction()
cmake_language(DEFER DIRECTORY ${PROJECT_SOURCE_DIR} CALL pocketrix_check_layers)
