zeltar_add_test(density_analyser_test
  SOURCES DensityAnalyserTest.cpp
  LIBS zeltar_windows zeltar_test_support
  GUI
)
