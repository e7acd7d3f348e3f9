# The record viewer (TForm3) and the file manager (TForm7), with their helpers.
target_sources(zeltar_windows PRIVATE
  ChoiceGroup.cpp
  ClickForwarder.cpp
  ElidedLabel.cpp
  ExportChoiceDialog.cpp
  FileManagerGlyphs.cpp
  FolderChainFilter.cpp
  Form3_ShowData.cpp
  Form3_ShowDataExport.cpp
  Form3_ShowDataLayout.cpp
  Form7_FileManager.cpp
  Form7_FileManagerLayout.cpp
  PeakFrequencyList.cpp
  RecordExportCommands.cpp
  RecordFileMoves.cpp
  RecordInfo.cpp
  RecordReadProblems.cpp
  RiskScaleStrip.cpp
  StatisticsPanel.cpp
)
