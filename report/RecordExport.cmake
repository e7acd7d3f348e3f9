# The CSV and summary of a record: widget-free, shared by zeltar-export, the record viewer and
# the fuzz targets.
add_library(zeltar_record_export STATIC
  ${CMAKE_CURRENT_LIST_DIR}/CsvNumbers.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CsvNumbers.h
  ${CMAKE_CURRENT_LIST_DIR}/RecordExport.cpp
  ${CMAKE_CURRENT_LIST_DIR}/RecordExport.h
)
target_link_libraries(zeltar_record_export PUBLIC zeltar_model)
