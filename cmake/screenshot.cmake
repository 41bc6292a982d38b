# SPDX-License-Identifier: GPL-3.0-or-later
# karix-shot: renders the sheets of a design to PNG files (scripts/screenshot.sh).
add_executable(karix-shot ${CMAKE_CURRENT_LIST_DIR}/../scripts/screenshot.cpp)
target_link_libraries(karix-shot PRIVATE karix_gui)

# karix-logicshot: the logic editor on one block of a design, as PNG.
add_executable(karix-logicshot ${CMAKE_CURRENT_LIST_DIR}/../scripts/logiceditorshot.cpp)
target_link_libraries(karix-logicshot PRIVATE karix_gui)

# karix-countershot: the counter window after a download, with its plot.
if(TARGET karix_sim)
  add_executable(karix-countershot ${CMAKE_CURRENT_LIST_DIR}/../scripts/countershot.cpp)
  target_link_libraries(karix-countershot PRIVATE karix_gui karix_sim)
  target_compile_definitions(karix-countershot PRIVATE KARIX_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
endif()
