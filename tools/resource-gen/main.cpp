// zeltar-resource-gen OUTPUT_DIR: draws the installation's pictures and icons (risk palette,
// colour bar, speaker pictures, state icons, tool-bar glyphs) into OUTPUT_DIR. The build runs
// it to fill the Resources folder beside the program.
// zeltar-resource-gen --desktop-icons OUTPUT_DIR SIZE...: draws the program's icon as one PNG
// of each size for the desktop's icon theme, for the package.

#include "tools/resource-gen/InstallationResources.h"

#include <QCoreApplication>

#include <cstdio>
#include <exception>
#include <string_view>

namespace {

constexpr const char *Usage = "usage: zeltar-resource-gen OUTPUT_DIR\n"
                              "       zeltar-resource-gen --desktop-icons OUTPUT_DIR SIZE...\n";

// The sizes given, or nothing when one is not a size an icon can have.
QList<int> IconSizes(int count, char **texts)
{
    QList<int> sizes;
    for (int i = 0; i < count; ++i) {
        bool ok = false;
        const int size = QString::fromLocal8Bit(texts[i]).toInt(&ok);
        if (!ok || size < 1 || size > 1024)
            return {};
        sizes.append(size);
    }
    return sizes;
}

} // namespace

int main(int argc, char **argv)
{
    const bool desktopIcons = argc >= 2 && std::string_view(argv[1]) == "--desktop-icons";
    const QList<int> sizes = desktopIcons ? IconSizes(argc - 3, argv + 3) : QList<int>();
    if (desktopIcons ? sizes.isEmpty() : argc != 2) {
        std::fputs(Usage, stderr);
        return 2;
    }
    QCoreApplication app(argc, argv);
    try {
        if (desktopIcons)
            WriteResourceFiles(QString::fromLocal8Bit(argv[2]), MakeDesktopIcons(sizes));
        else
            WriteResourceFiles(QString::fromLocal8Bit(argv[1]), MakeInstallationResources());
    } catch (const std::exception &error) {
        std::fprintf(stderr, "zeltar-resource-gen: %s\n", error.what());
        return 1;
    }
    return 0;
}
