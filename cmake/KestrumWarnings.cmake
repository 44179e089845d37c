# The warnings every target of ours is built with, as an interface target to link PRIVATE.
# Generated sources (resource trees, compiled QML) do not link it. CI turns them into errors.
option(KESTRUM_WARNINGS "Build our own sources with the project's warnings" ON)
option(KESTRUM_WERROR "Treat compiler warnings as errors" OFF)

add_library(kestrum_warnings INTERFACE)
if(NOT KESTRUM_WARNINGS)
  return()
endif()
if(MSVC)
  target_compile_options(kestrum_warnings INTERFACE /W4 $<$<BOOL:${KESTRUM_WERROR}>:/WX>)
else()
  target_compile_options(kestrum_warnings INTERFACE
    -Wall -Wextra -Wnon-virtual-dtor -Woverloaded-virtual -Wimplicit-fallthrough
    -Wsuggest-override -Wformat=2 -Wcast-qual
    $<$<CXX_COMPILER_ID:GNU>:-Wduplicated-cond -Wlogical-op>
    $<$<BOOL:${KESTRUM_WERROR}>:-Werror>)
endif()
