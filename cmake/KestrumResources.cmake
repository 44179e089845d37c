# Resource trees are generated from the files on disk, not kept by hand in .qrc files.
# Each tree becomes an OBJECT library whose objects are linked straight into every executable,
# so the static registration runs before main. Release builds compile QML ahead of time.

if(CMAKE_BUILD_TYPE MATCHES "^(Release|RelWithDebInfo|MinSizeRel)$")
  set(KESTRUM_COMPILE_QML_DEFAULT ON)
else()
  set(KESTRUM_COMPILE_QML_DEFAULT OFF)
endif()
option(KESTRUM_COMPILE_QML "Compile QML ahead of time with the Qt Quick Compiler"
       ${KESTRUM_COMPILE_QML_DEFAULT})

# kestrum_write_qrc(<qrc> PREFIX <prefix> BASE_DIR <dir> [GLOBS <patterns>] [FILES <files>])
# Lists every matching file under BASE_DIR by its path relative to BASE_DIR.
function(kestrum_write_qrc qrc_file)
  cmake_parse_arguments(ARG "" "BASE_DIR;PREFIX" "GLOBS;FILES" ${ARGN})
  set(files ${ARG_FILES})
  foreach(glob IN LISTS ARG_GLOBS)
    file(GLOB_RECURSE found LIST_DIRECTORIES false CONFIGURE_DEPENDS "${ARG_BASE_DIR}/${glob}")
    list(APPEND files ${found})
  endforeach()
  list(REMOVE_DUPLICATES files)
  list(SORT files)
  set(content "<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n<qresource prefix=\"${ARG_PREFIX}\">\n")
  foreach(file IN LISTS files)
    file(RELATIVE_PATH alias "${ARG_BASE_DIR}" "${file}")
    string(APPEND content "  <file alias=\"${alias}\">${file}</file>\n")
  endforeach()
  string(APPEND content "</qresource>\n</RCC>\n")
  file(WRITE "${qrc_file}.new" "${content}")
  configure_file("${qrc_file}.new" "${qrc_file}" COPYONLY)
endfunction()

# kestrum_add_resources(<target> <qrc files>...)
function(kestrum_add_resources target)
  if(KESTRUM_COMPILE_QML AND Qt5QuickCompiler_FOUND)
    qtquick_compiler_add_resources(sources ${ARGN})
  else()
    qt5_add_resources(sources ${ARGN})
  endif()
  add_library(${target} OBJECT ${sources})
  target_link_libraries(${target} PRIVATE Qt5::Core Qt5::Qml)
  set_property(GLOBAL APPEND PROPERTY KESTRUM_RESOURCE_TARGETS ${target})
endfunction()

# kestrum_link_resources(<executable>): every resource tree of the program.
function(kestrum_link_resources target)
  get_property(trees GLOBAL PROPERTY KESTRUM_RESOURCE_TARGETS)
  foreach(tree IN LISTS trees)
    target_sources(${target} PRIVATE $<TARGET_OBJECTS:${tree}>)
  endforeach()
endfunction()
