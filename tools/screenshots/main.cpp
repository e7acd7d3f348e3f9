// zeltar-screenshots OUTPUT_DIR SAMPLES_DIR: runs the real windows offscreen in a temporary
// application folder holding the sample record and a few generated ones, and writes
// main-window.png, viewer.png, file-manager.png and analyser.png into OUTPUT_DIR, and the main
// window once more in French as main-window-fr.png. The build runs it so that the manuals show
// the program as it is. The installation's Resources are taken from beside this program.

#include "app/Application.h"
#include "app/RecordWindows.h"
#include "app/MainWindow.h"
#include "model/Services.h"
#include "model/Risk.h"
#include "storage/LogFile.h"
#include "tools/screenshots/ShowcaseFolder.h"
#include "tools/screenshots/WindowPictures.h"
#include "translations/Translators.h"

#include <QDir>

#include <cstdio>
#include <exception>

namespace {

// No box may wait for a user who is not there: each is reported and answered safely.
TMsgAnswer AnswerSafely(TMsgKind, const QString &text, TMsgButtons buttons)
{
    std::fprintf(stderr, "zeltar-screenshots: message box: %s\n", qPrintable(text));
    return SafeAnswer(buttons);
}

void TakePictures(const QDir &output, const QString &samplesDir)
{
    const TShowcaseFolder folder(QCoreApplication::applicationDirPath() + "/Resources", samplesDir);
    if (!LoadRiskPalette(folder.Paths().ResourcesDir))
        throw std::runtime_error("the risk palette could not be loaded");

    {
        TMainWindow mainWindow(folder.Paths());
        TRecordWindows recordWindows(mainWindow, folder.Paths());
        SaveMainWindowPicture(mainWindow, output.filePath("main-window.png"));
        SaveViewerPicture(recordWindows.RecordViewer, folder.SampleLog(), output.filePath("viewer.png"));
        SaveFileManagerPicture(recordWindows.FileManager, output.filePath("file-manager.png"));
        QStringList histograms;
        for (const QString &log : folder.Logs())
            histograms << CompanionName(log, QStringLiteral(".histo"));
        SaveAnalyserPicture(recordWindows.DensityAnalyser, histograms, output.filePath("analyser.png"));
    }
    // As the program does, the language goes in before the window is made, which sets its
    // texts once.
    InstallTranslators(TLanguage::French);
    TMainWindow frenchWindow(folder.Paths());
    SaveMainWindowPicture(frenchWindow, output.filePath("main-window-fr.png"));
    InstallTranslators(TLanguage::English);
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 3) {
        std::fputs("usage: zeltar-screenshots OUTPUT_DIR SAMPLES_DIR\n", stderr);
        return 2;
    }
    // Taken before the application object, which may take Qt's own options out of argv.
    const QString outputFolder = QString::fromLocal8Bit(argv[1]);
    const QString samplesFolder = QString::fromLocal8Bit(argv[2]);
    // The build runs this on machines without a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    TApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("ZELTAR Logger"));
    QApplication::setStyle(QStringLiteral("Fusion"));
    TServices services;
    services.MessageBox = AnswerSafely;
    InstallServices(services);
    try {
        if (!QDir().mkpath(outputFolder))
            throw std::runtime_error(QStringLiteral("cannot make %1").arg(outputFolder).toStdString());
        TakePictures(QDir(outputFolder), samplesFolder);
    } catch (const std::exception &error) {
        std::fprintf(stderr, "zeltar-screenshots: %s\n", error.what());
        return 1;
    }
    return 0;
}
