#pragma once
// What the file manager is opened for, and so what its OK does with the highlighted logs.

enum class TFileManagerMode {
    OpenRecord,    // the current log in the record viewer
    ShowDensities, // the histograms of all highlighted logs in the density analyser
    ExportRecord,  // the current log to the export command
};
