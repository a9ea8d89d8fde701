// Serves the simulated pedal on a pseudo-terminal and prints the terminal's
// path, so serial tools such as an STM32 flasher can talk to it.
#include "PtyServer.h"
#include "SimulatedPedal.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <atomic>
#include <csignal>
#include <cstdio>

namespace {
std::atomic<bool> stopRequested{false};
void requestStop(int) {
    stopRequested.store(true);
}
} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("tarnwick-pedal-sim"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TARNWICK_VERSION));
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Serves a simulated Tarnwick ZQ7 pedal on a pseudo-terminal."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption bootloader(QStringLiteral("bootloader"),
                                        QStringLiteral("Start in the serial bootloader."));
    parser.addOption(bootloader);
    parser.process(app);

    SimulatedPedal pedal(parser.isSet(bootloader) ? SimulatedPedal::Mode::Bootloader
                                                  : SimulatedPedal::Mode::Firmware);
    PtyServer server(pedal);
    QString error;
    if (!server.open(&error)) {
        std::fprintf(stderr, "tarnwick-pedal-sim: %s\n", qPrintable(error));
        return 1;
    }
    std::signal(SIGINT, requestStop);
    std::signal(SIGTERM, requestStop);
    std::printf("%s\n", qPrintable(server.path()));
    std::fflush(stdout);
    server.run(stopRequested);
    return 0;
}
