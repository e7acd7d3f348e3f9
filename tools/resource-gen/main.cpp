// zeltar-resource-gen OUTPUT_DIR: draws the installation's pictures and icons (risk palette,
// colour bar, speaker pictures, state icons, tool-bar glyphs) into OUTPUT_DIR. The build runs
// it to fill the Resources folder beside the program.

#include "tools/resource-gen/InstallationResources.h"

#include <QCoreApplication>

#include <cstdio>
#include <exception>

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fputs("usage: zeltar-resource-gen OUTPUT_DIR\n", stderr);
        return 2;
    }
    QCoreApplication app(argc, argv);
    try {
        WriteResourceFiles(QString::fromLocal8Bit(argv[1]), MakeInstallationResources());
    } catch (const std::exception &error) {
        std::fprintf(stderr, "zeltar-resource-gen: %s\n", error.what());
        return 1;
    }
    return 0;
}
