# The import of the meter's memory as the main window shows it.
target_sources(zeltar_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/ImportControl.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ImportSaveDialog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ImportSaveDialog.h
)
