# The import through the program's windows against the simulated meter.
zeltar_add_test(app_import_device_test
  SOURCES ImportFromDeviceTest.cpp
  LIBS zeltar_e2e_support
  GUI
)
