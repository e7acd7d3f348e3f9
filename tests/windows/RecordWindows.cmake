find_package(Qt6 REQUIRED COMPONENTS Test)

# The record viewer and the file manager, built in a temporary application folder.
zeltar_add_test(record_viewer_test
  SOURCES
    RecordViewerTest.cpp
  LIBS zeltar_windows zeltar_test_support Qt6::Test
  GUI
)

zeltar_add_test(file_manager_test
  SOURCES
    FileManagerTest.cpp
  LIBS zeltar_windows zeltar_test_support Qt6::Test
  GUI
)

# The export commands of the record windows, against the export command's own output.
zeltar_add_test(record_export_test
  SOURCES
    RecordExportTest.cpp
  LIBS zeltar_windows zeltar_test_support Qt6::Test
  GUI
)
add_dependencies(record_export_test zeltar-export)

# The file manager's commands on records, headless.
zeltar_add_test(record_commands_test
  SOURCES
    RecordCommandsTest.cpp
  LIBS zeltar_windows zeltar_test_support
)
