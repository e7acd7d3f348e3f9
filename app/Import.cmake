# The import of the meter's memory: collecting the dump, and saving it as a record.
include(${CMAKE_CURRENT_LIST_DIR}/ImportLines.cmake)
target_sources(zeltar_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/ImportControl.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ImportFileName.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ImportFileName.h
  ${CMAKE_CURRENT_LIST_DIR}/ImportSaveDialog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ImportSaveDialog.h
)
target_link_libraries(zeltar_ui PUBLIC zeltar_import_lines)
