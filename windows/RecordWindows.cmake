# The record viewer (TRecordViewer) and the file manager (TFileManager), with their helpers, and
# the charts panel the viewer shares with the main window.
target_sources(zeltar_windows PRIVATE
  ChartsPanel.cpp
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
