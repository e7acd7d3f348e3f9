# The widget-free part of the memory import: the dump's lines and the records they leave.
add_library(zeltar_import_lines STATIC
  ${CMAKE_CURRENT_LIST_DIR}/DumpLine.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DumpLine.h
  ${CMAKE_CURRENT_LIST_DIR}/ImportBuffer.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ImportBuffer.h
  ${CMAKE_CURRENT_LIST_DIR}/MemoryImport.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MemoryImport.h
)
target_link_libraries(zeltar_import_lines PUBLIC zeltar_device)
