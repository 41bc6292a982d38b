# karix-shot: renders the sheets of a design to PNG files (scripts/screenshot.sh).
add_executable(karix-shot ${CMAKE_CURRENT_LIST_DIR}/../scripts/screenshot.cpp)
target_link_libraries(karix-shot PRIVATE karix_gui)
