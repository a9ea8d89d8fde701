#include "DeviceFixture.h"

#include <QElapsedTimer>
#include <QTest>
#include <QTimer>

// Quitting the program ends every running event loop, the answer waits'
// included: the wait then reports that the pedal did not answer. It has a
// program of its own, since a quit ends the waits of every later test too.
class TestQuitDuringWait : public QObject {
    Q_OBJECT
private slots:
    void quitEndsTheWait() {
        DeviceFixture f;
        f.open();
        f.pedal().setSilent(true);
        f.comm.SendHexMessage(QStringLiteral("0200"), true);
        QTimer::singleShot(20, [] { QCoreApplication::exit(0); });
        QElapsedTimer clock;
        clock.start();
        QCOMPARE(f.comm.waitForAnswer(3000), WaitOutcome::TimedOut);
        QVERIFY(clock.elapsed() < 2000);
    }
};

QTEST_GUILESS_MAIN(TestQuitDuringWait)
#include "test_quit_during_wait.moc"
