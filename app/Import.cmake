# The import of the meter's memory: collecting the dump, and saving it as a record.
target_sources(zeltar_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/DumpLine.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DumpLine.h
  ${CMAKE_CURRENT_LIST_DIR}/ImportBuffer.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ImportBuffer.h
  ${CMAKE_CURRENT_LIST_DIR}/ImportControl.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ImportFileName.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ImportFileName.h
  ${CMAKE_CURRENT_LIST_DIR}/ImportSaveDialog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ImportSaveDialog.h
  ${CMAKE_CURRENT_LIST_DIR}/ImportedRecordFiles.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ImportedRecordFiles.h
  ${CMAKE_CURRENT_LIST_DIR}/MemoryImport.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MemoryImport.h
  ${CMAKE_CURRENT_LIST_DIR}/ReverseRecords.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ReverseRecords.h
)
