# The record viewer (TRecordViewer) and the file manager (TFileManager), with their helpers.
target_sources(zeltar_windows PRIVATE
  ChoiceGroup.cpp
  ClickForwarder.cpp
  ElidedLabel.cpp
  ExportChoiceDialog.cpp
  FileManagerGlyphs.cpp
  FolderChainFilter.cpp
  RecordViewer.cpp
  RecordViewerExport.cpp
  RecordViewerLayout.cpp
  FileManager.cpp
  FileManagerLayout.cpp
  PeakFrequencyList.cpp
  RecordExportCommands.cpp
  RecordFileMoves.cpp
  RecordInfo.cpp
  RecordReadProblems.cpp
  RiskScaleStrip.cpp
  StatisticsPanel.cpp
)
