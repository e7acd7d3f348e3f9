# The record viewer (TForm3) and the file manager (TForm7), with their helpers.
target_sources(zeltar_windows PRIVATE
  ChoiceGroup.cpp
  ClickForwarder.cpp
  ExportChoiceDialog.cpp
  Form3Export.cpp
  Form3Layout.cpp
  Form3_ShowData.cpp
  Form7Layout.cpp
  Form7_FileManager.cpp
  FileManagerGlyphs.cpp
  FolderChainFilter.cpp
  PeakFrequencyList.cpp
  RecordExportCommands.cpp
  RecordFileMoves.cpp
  RecordInfo.cpp
  RecordReadProblems.cpp
  RecordWindowStyle.cpp
  RiskScaleStrip.cpp
)
