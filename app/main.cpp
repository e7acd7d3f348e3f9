// The program's entry: the application object and the real services, the program's folders
// (beside the executable, or the user's own for an installed copy), the risk palette (without it
// nothing can be coloured, so the program ends) and the user's folders (without them nothing can
// be kept, so the program ends too), then the main window and the connection form, which starts
// listening when a meter is plugged in, then the record windows. The language is installed
// first: the options file's choice, else the system's.

#include "app/Application.h"
#include "app/QtServices.h"
#include "model/HandlerErrors.h"
#include "app/RecordWindows.h"
#include "app/TerminationSignals.h"
#include "app/MainWindow.h"
#include "device/MeterConnection.h"
#include "model/AppPaths.h"
#include "model/Risk.h"
#include "storage/ProgramOptionsFile.h"
#include "translations/Translators.h"

#include <cstdlib>

int main(int argc, char **argv)
{
    TApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("ZELTAR Logger"));
    // The desktop entry of an installed copy, so that the desktop shows its icon for the windows.
    QApplication::setDesktopFileName(QStringLiteral("io.github.zeltar.Logger"));
    QApplication::setStyle(QStringLiteral("Fusion"));
    InstallServices(QtServices());
    TTerminationSignals terminationSignals;

    const TAppPaths paths = TAppPaths::ForExecutableIn(QCoreApplication::applicationDirPath());
    // Before the first box or window, so that every text is set in the user's language.
    InstallTranslators(StartingLanguage(paths.SettingsDir + ProgramOptionsFileName));
    if (!LoadRiskPalette(paths.ResourcesDir) || !MakeUserFolders(paths))
        return EXIT_FAILURE;

    TMainWindow form1(paths);
    TMeterConnection form2(form1, form1.Session, paths);
    // Listening did not start when this fails; the user can start it with Play.
    RunShowingErrors([&] { form1.AttachConnectionForm(form2); });
    TRecordWindows recordWindows(form1, paths);
    terminationSignals.BeforeQuit = [&form1] { form1.SaveRecordingBeforeExit(); };
    // A signal during start-up: the windows go, and the connection form writes the settings.
    if (terminationSignals.QuitRequested())
        return EXIT_SUCCESS;
    form1.show();
    return app.exec();
}
