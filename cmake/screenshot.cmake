# karix-shot: renders the sheets of a design to PNG files (scripts/screenshot.sh).
# Include after karix_gui is defined; when included earlier (for instance
# through CMAKE_PROJECT_INCLUDE) the target is added at the end of the
# top-level directory.
set(KARIX_SHOT_SOURCE ${CMAKE_CURRENT_LIST_DIR}/../scripts/screenshot.cpp)

function(karix_add_screenshot_tool)
  if(TARGET karix_gui AND NOT TARGET karix-shot)
    add_executable(karix-shot ${KARIX_SHOT_SOURCE})
    target_link_libraries(karix-shot PRIVATE karix_gui)
  endif()
endfunction()

if(TARGET karix_gui)
  karix_add_screenshot_tool()
else()
  cmake_language(DEFER DIRECTORY ${CMAKE_SOURCE_DIR} CALL karix_add_screenshot_tool)
endif()
