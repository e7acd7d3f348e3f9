# The density analyser window (TDensityAnalyser) and its curve, colour and legend helpers.
target_sources(zeltar_windows PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/DensityCurve.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DensityLegend.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DensityAnalyser.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DensityAnalyser.h
  ${CMAKE_CURRENT_LIST_DIR}/DensityAnalyserExport.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DensityAnalyserLayout.cpp
)
