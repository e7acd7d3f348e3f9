// zeltar-doc-gen OUTPUT_DIR SOURCE_DIR [SCREENSHOT_DIR]: turns the help documents' HTML
// sources into the five PDFs the Help menu opens. The manuals show the pictures of the
// program's windows found in SCREENSHOT_DIR; the risk tables are computed from the
// program's own risk evaluation, coloured with OUTPUT_DIR's risk palette when it is there.
// The build runs it to fill the Resources folder beside the program.

#include "tools/doc-gen/HelpDocuments.h"

#include <QGuiApplication>

#include <cstdio>
#include <exception>

int main(int argc, char **argv)
{
    if (argc != 3 && argc != 4) {
        std::fputs("usage: zeltar-doc-gen OUTPUT_DIR SOURCE_DIR [SCREENSHOT_DIR]\n", stderr);
        return 2;
    }
    // Taken before the application object, which may take Qt's own options out of argv.
    const QString outputFolder = QString::fromLocal8Bit(argv[1]);
    const QString sourceFolder = QString::fromLocal8Bit(argv[2]);
    const QString screenshotFolder = argc == 4 ? QString::fromLocal8Bit(argv[3]) : QString();
    // Laying out text needs fonts, never a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    try {
        GenerateHelpDocuments(outputFolder, sourceFolder, screenshotFolder);
    } catch (const std::exception &error) {
        std::fprintf(stderr, "zeltar-doc-gen: %s\n", error.what());
        return 1;
    }
    return 0;
}
