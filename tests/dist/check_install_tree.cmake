# cmake -DBUILD_DIR=... -DPREFIX=... -DAPP_ID=... -P check_install_tree.cmake
# Installs the build into PREFIX and checks what a desktop looks for.
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${result}")
endif()

set(missing)
foreach(file bin/kestrum-console bin/kestrum-service share/applications/${APP_ID}.desktop
             share/metainfo/${APP_ID}.metainfo.xml share/icons/hicolor/scalable/apps/${APP_ID}.svg)
  if(NOT EXISTS ${PREFIX}/${file})
    list(APPEND missing ${file})
  endif()
endforeach()

# A PNG's width and height are the big-endian words at bytes 16 and 20.
foreach(size 16 22 24 32 48 64 128 256)
  set(png ${PREFIX}/share/icons/hicolor/${size}x${size}/apps/${APP_ID}.png)
  if(NOT EXISTS ${png})
    list(APPEND missing ${png})
    continue()
  endif()
  file(READ ${png} header OFFSET 16 LIMIT 8 HEX)
  string(SUBSTRING "${header}" 0 8 width)
  string(SUBSTRING "${header}" 8 8 height)
  math(EXPR width "0x${width}")
  math(EXPR height "0x${height}")
  if(NOT width EQUAL size OR NOT height EQUAL size)
    message(SEND_ERROR "${png} is ${width}x${height}")
  endif()
endforeach()

file(STRINGS ${PREFIX}/share/applications/${APP_ID}.desktop icon_line REGEX "^Icon=")
if(NOT icon_line STREQUAL "Icon=${APP_ID}")
  message(SEND_ERROR "the launcher names the icon '${icon_line}'")
endif()

if(missing)
  message(FATAL_ERROR "not installed: ${missing}")
endif()
