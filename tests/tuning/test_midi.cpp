#include "EditorFixture.h"

#include <QMenu>

namespace {

// Connected and read, so "MIDI" is enabled; wire and log start empty.
struct MidiFixture : EditorFixture {
    MidiFixture() {
        connect();
        request();
        sim->clearWire();
        log->lines.clear();
        log->scrolls.clear();
    }
    void choose(const QString& caption) {
        for (QAction* item : main().menuMIDIchannel->actions()) {
            if (item->text() == caption) {
                item->trigger();
            }
        }
    }
};

} // namespace

class TestMidi : public QObject {
    Q_OBJECT
private slots:
    void channelMenu() {
        EditorFixture f;
        QStringList captions;
        for (QAction* item : f.main().menuMIDIchannel->actions()) {
            captions << item->text();
            QVERIFY(!item->isCheckable());
        }
        QCOMPARE(captions, (QStringList{"OMNI", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10",
                                        "11", "12", "13", "14", "15", "16"}));
        QVERIFY(!f.main().menuMIDI->menuAction()->isEnabled());
        f.connect();
        f.request();
        QVERIFY(f.main().menuMIDI->menuAction()->isEnabled());
    }

    void channelMessage_data() {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("message");
        QTest::newRow("OMNI") << "OMNI"
                              << "0700";
        QTest::newRow("9") << "9"
                           << "0709";
        QTest::newRow("10") << "10"
                            << "070A";
        QTest::newRow("16") << "16"
                            << "0710";
    }
    void channelMessage() {
        QFETCH(QString, caption);
        QFETCH(QString, message);
        MidiFixture f;
        f.choose(caption);
        // The first line goes in without moving the log's view.
        QCOMPARE(f.log->lines, (QStringList{"Midi channel: " + caption, message}));
        QCOMPARE(f.log->scrolls, (QList<bool>{false, true}));
        QCOMPARE(f.sim->wire(), QStringList{"write " + message});
        QVERIFY(f.dialogs.confirmations.isEmpty());
    }

    void sameChannelTwiceSendsTwice() {
        MidiFixture f;
        f.choose("3");
        f.choose("3");
        QCOMPARE(f.sim->wire(), (QStringList{"write 0703", "write 0703"}));
        QCOMPARE(int(f.pedal().settings().midiChannel), 3);
    }
};

QTEST_MAIN(TestMidi)
#include "test_midi.moc"
