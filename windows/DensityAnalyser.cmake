# The density analyser window (TForm4) and its curve, colour and legend helpers.
target_sources(zeltar_windows PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/DensityCurve.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DensityLegend.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Form4_Density.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Form4_Density.h
  ${CMAKE_CURRENT_LIST_DIR}/Form4_DensityExport.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Form4_DensityLayout.cpp
)
