// zeltar-meter-sim: plays the ZELTAR meter over a pseudo-terminal for tests and demos.

#include "tools/meter-sim/MeterSimulator.h"
#include "tools/meter-sim/QuitOnSignal.h"
#include "tools/meter-sim/SimOptions.h"
#include "tools/meter-sim/TerminalLink.h"

#include <QCoreApplication>

#include <cstdio>
#include <memory>
#include <optional>
#include <stdexcept>

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    const TSimOptionsParse parsed = ParseSimOptions(QCoreApplication::arguments());
    if (!parsed.HelpText.isEmpty()) {
        std::fputs(qPrintable(parsed.HelpText), stdout);
        return 0;
    }
    if (!parsed.Error.isEmpty()) {
        std::fprintf(stderr, "zeltar-meter-sim: %s\nTry --help.\n", qPrintable(parsed.Error));
        return 2;
    }
    const TSimOptions &options = parsed.Options;

    try {
        const std::unique_ptr<TMeterTerminal> terminal = options.DevicePath.isEmpty()
            ? TMeterTerminal::OpenPseudoTerminal()
            : TMeterTerminal::OpenDevice(options.DevicePath);
        std::optional<TTerminalLink> link;
        if (!options.LinkPath.isEmpty())
            link.emplace(options.LinkPath, terminal->Path());
        QuitOnTerminationSignals(application);

        std::printf("%s\n", qPrintable(terminal->Path()));
        std::fflush(stdout);

        const auto linger = std::chrono::milliseconds(static_cast<qint64>(options.LingerSeconds * 1000.0));
        TMeterSimulator simulator(*terminal, TMeterScript(options), options.WaitForReader, linger);
        QObject::connect(&simulator, &TMeterSimulator::Finished, &application, &QCoreApplication::quit);
        simulator.Start();
        return application.exec();
    } catch (const std::runtime_error &error) {
        std::fprintf(stderr, "zeltar-meter-sim: %s\n", error.what());
        return 1;
    }
}
