# The record viewer (TRecordViewer) and the file manager (TFileManager), with their helpers.
target_sources(zeltar_windows PRIVATE
  ChoiceGroup.cpp
  ClickForwarder.cpp
  ElidedLabel.cpp
  ExportChoiceDialog.cpp
  FileManagerGlyphs.cpp
  FileManagerStyle.cpp
  FolderChainFilter.cpp
  FolderPicker.cpp
  RecordViewer.cpp
  RecordViewerExport.cpp
  RecordViewerLayout.cpp
  FileManager.cpp
  FileManagerLayout.cpp
  PeakFrequencyList.cpp
  RecordCommands.cpp
  RecordExportCommands.cpp
  RecordFileMoves.cpp
  RecordInfo.cpp
  RecordInfoPanel.cpp
  RecordReadProblems.cpp
  RiskScaleStrip.cpp
  StatisticsPanel.cpp
)
