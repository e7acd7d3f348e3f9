# The import of the meter's memory.
zeltar_add_test(app_import_test
  SOURCES ImportPartsTest.cpp
  LIBS zeltar_ui zeltar_test_support
)

# The import through the program's windows against the simulated meter.
zeltar_add_test(app_import_device_test
  SOURCES ImportFromDeviceTest.cpp
  LIBS zeltar_e2e_support
  GUI
)
add_dependencies(app_import_device_test zeltar-meter-sim zeltar-export)
