#include "SimD2xx.h"
#include "app/Editor.h"
#include "app/TformMain.h"
#include "device/DeviceBackend.h"

#include <QAction>
#include <QApplication>
#include <QCommandLineParser>
#include <QMessageBox>
#include <cstdio>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("tarnwick-editor"));
    QApplication::setApplicationDisplayName(QStringLiteral("Tarnwick Editor"));
    QApplication::setApplicationVersion(QStringLiteral(TARNWICK_VERSION));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Editor for the Tarnwick ZQ7 pedal."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption simulate(QStringLiteral("simulate"),
                                      QStringLiteral("Talk to a simulated pedal."));
    const QCommandLineOption backend(
        QStringLiteral("backend"),
        QStringLiteral("Which layer reaches the pedal: sim, ftdi or d2xx (the vendor's "
                       "library). Default: d2xx when it loads, else ftdi."),
        QStringLiteral("name"));
    parser.addOption(simulate);
    parser.addOption(backend);
    parser.process(app);

    EditorOptions options;
    SimD2xx* simulated = nullptr;
    options.simulatedPedal = [&simulated] {
        auto pedal = std::make_unique<SimD2xx>();
        simulated = pedal.get();
        return pedal;
    };
    if (parser.isSet(simulate)) {
        options.backend = BackendKind::Simulated;
    }
    if (parser.isSet(backend) && !parseBackendKind(parser.value(backend), options.backend)) {
        std::fprintf(stderr, "tarnwick-editor: unknown back end '%s' (sim, ftdi or d2xx)\n",
                     qPrintable(parser.value(backend)));
        return 2;
    }
    const bool explicitBackend = options.backend != BackendKind::Automatic;

    Editor editor(std::move(options));
    if (simulated) {
        // A real pedal is started in its bootloader by hand before Connect;
        // the simulated one follows "Upgrade Mode" in its place.
        QObject::connect(editor.main().menuFirmwareUpgradeMode, &QAction::toggled,
                         [simulated](bool on) {
                             simulated->startPedalIn(on ? SimulatedPedal::Mode::Bootloader
                                                        : SimulatedPedal::Mode::Firmware);
                         });
    }
    if (!editor.backendError().isEmpty()) {
        if (explicitBackend) {
            std::fprintf(stderr, "tarnwick-editor: %s\n", qPrintable(editor.backendError()));
            return 1;
        }
        QMessageBox::warning(nullptr, QApplication::applicationDisplayName(),
                             editor.backendError());
    }
    return app.exec();
}
