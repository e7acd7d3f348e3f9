zeltar_add_test(zeltar_density_analyser_tests
  SOURCES
    DensityAnalyserTest.cpp
    DensityAnalyserScreenshotTest.cpp
  LIBS zeltar_windows zeltar_test_support
  GUI
)
