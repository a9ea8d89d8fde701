// Runs a whole firmware upgrade at full pace against the simulated pedal
// answering at 115,200 baud, and prints its wall time beside the sum of the
// pauses the exchange asks for, and the longest time the upgrade window went
// without repainting. Not a test: run it by hand, on an idle machine.
#include "EditorFixture.h"
#include "firmware/TformFirmwareUpgrade.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <cstdio>

namespace {

// Notes the time of every repaint of a widget.
class PaintClock : public QObject {
public:
    explicit PaintClock(const QElapsedTimer& clock) : clock_(clock) {}
    QList<qint64> paints;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            paints << clock_.elapsed();
        }
        return QObject::eventFilter(watched, event);
    }

private:
    const QElapsedTimer& clock_;
};

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    EditorFixture f(
        [](SimD2xx& sim) {
            sim.startPedalIn(SimulatedPedal::Mode::Bootloader);
            sim.pedal().setWireSpeed(115200);
        },
        QString(), 1.0);
    f.trigger(f.main().menuFirmwareUpgradeMode);
    f.connect();
    f.trigger(f.main().menuStartFirmwareUpgrade);
    TformFirmwareUpgrade& window = f.editor->firmwareUpgrade();
    f.pacer.pauses.clear();

    QElapsedTimer clock;
    PaintClock painted(clock);
    window.ProgressBar1->installEventFilter(&painted);
    // Something asks the bar to repaint every 10 ms, as a window moved over
    // it would.
    QTimer nudge;
    QObject::connect(&nudge, &QTimer::timeout, window.ProgressBar1,
                     [&window] { window.ProgressBar1->update(); });
    nudge.start(10);

    QList<qint64> chunkStarts;
    QObject::connect(&f.editor->firmware(), &FirmwareUpgrade::progressChanged,
                     [&](int, int) { chunkStarts << clock.nsecsElapsed(); });

    clock.start();
    f.click(window.btnUpgradeFirmware);
    const qint64 wallMs = clock.elapsed();
    nudge.stop();

    double pausedMs = Pacer::BytePauseUs / 1000.0 * f.pacer.bytePauses;
    for (const int ms : f.pacer.pauses) {
        pausedMs += ms;
    }
    qint64 longestGap = 0;
    qint64 previous = 0;
    for (const qint64 at : painted.paints) {
        longestGap = std::max(longestGap, at - previous);
        previous = at;
    }
    longestGap = std::max(longestGap, wallMs - previous);

    const bool completed = f.dialogs.messages.contains(
        QStringLiteral("Firmware Upgrade Complete, device will now restart"));
    std::printf("upgrade %s, %d data bytes\n", completed ? "completed" : "FAILED",
                f.pacer.bytePauses);
    std::printf("wall time            %8.3f s\n", wallMs / 1000.0);
    std::printf("sum of the pauses    %8.3f s\n", pausedMs / 1000.0);
    std::printf("wall time over pauses %+7.2f %%\n", 100.0 * (wallMs - pausedMs) / pausedMs);
    // A full chunk pauses 177 ms: 8 x 1 ms, 2 x 20 ms, 256 x 0.5 ms.
    const double chunkMs =
        (chunkStarts.back() - chunkStarts.front()) / 1e6 / (chunkStarts.size() - 1);
    std::printf("a full chunk         %8.3f ms (177 ms of pauses)\n", chunkMs);
    std::printf("repaints %lld, longest time without one %lld ms\n",
                static_cast<long long>(painted.paints.size()), static_cast<long long>(longestGap));
    return completed ? 0 : 1;
}
