#include "EditorFixture.h"
#include "console/TformPrint.h"

#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>

namespace {

// Connected; the console's tools at hand, wire and log empty.
struct ConsoleFixture : EditorFixture {
    ConsoleFixture() {
        connect();
        sim->clearWire();
        log->lines.clear();
    }
    TformPrint& console() { return editor->console(); }
    void setRange(const QString& start, const QString& end) {
        console().edtStartAddress->setText(start);
        console().edtEndAddress->setText(end);
    }
    void fillEeprom() {
        QByteArray& eeprom = pedal().settings().eeprom;
        for (int a = 0; a < eeprom.size(); ++a) {
            eeprom[a] = char(a * 7);
        }
    }
    // The log lines that list bytes ("n:    XX").
    QStringList listing() const {
        return log->lines.filter(QRegularExpression(QStringLiteral("^\\d+:    [0-9A-F]{2}$")));
    }
};

QString byteLine(int number, int byte) {
    return QStringLiteral("%1:    %2").arg(number).arg(byte, 2, 16, QLatin1Char('0')).toUpper();
}

} // namespace

class TestConsoleTools : public QObject {
    Q_OBJECT
private slots:
    void designedWindow() {
        EditorFixture f;
        TformPrint& c = f.editor->console();
        QCOMPARE(c.size(), QSize(506, 652));
        QCOMPARE(c.windowTitle(), QString("Debug Console"));
        QCOMPARE(c.CheckBox1->text(), QString("scrollDOWN"));
        const QList<QPair<QPushButton*, QString>> buttons{{c.btnClear, "Clear"},
                                                          {c.btnScrollTop, "UP"},
                                                          {c.btnEraseEeprom, "Erase E2P"},
                                                          {c.btnReadEEPROM, "Read E2P"},
                                                          {c.btnSend, "Send"},
                                                          {c.btnGetNoteFrequency, "Calc Coeff."}};
        for (const auto& [button, text] : buttons) {
            QCOMPARE(button->text(), text);
        }
        QCOMPARE(c.edtStartAddress->text(), QString("0"));
        QCOMPARE(c.edtEndAddress->text(), QString("16383"));
        QCOMPARE(c.edtAddress->text(), QString("addr"));
        QCOMPARE(c.edtData->text(), QString("data"));
        QCOMPARE(c.edtQ->text(), QString("1.41"));
        QCOMPARE(c.edtBoost->text(), QString("0"));
        QCOMPARE(c.cmbI2Caddr->count(), 2);
        QCOMPARE(c.cmbI2Caddr->itemText(0), QString("50"));
        QCOMPARE(c.cmbI2Caddr->itemText(1), QString("51"));
        QCOMPARE(c.cmbI2Caddr->currentIndex(), -1);
        QCOMPARE(c.cmbNotePicker->currentIndex(), 0);
        QCOMPARE(c.cmbNotePicker->currentText(), QString("A1"));
    }

    void erase_data() {
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("end");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("last");
        QTest::newRow("as the boxes start") << "0"
                                            << "16383"
                                            << "0B00003FFF" << 0 << 16383;
        QTest::newRow("only the low 16 bits") << "65537"
                                              << "3"
                                              << "0B00010003" << 1 << 3;
        QTest::newRow("$ and 0x are hexadecimal") << "$10"
                                                  << "0x1f"
                                                  << "0B0010001F" << 16 << 31;
        QTest::newRow("blanks and a sign") << "  +200"
                                           << "210"
                                           << "0B00C800D2" << 200 << 210;
    }
    void erase() {
        QFETCH(QString, start);
        QFETCH(QString, end);
        QFETCH(QString, message);
        QFETCH(int, first);
        QFETCH(int, last);
        ConsoleFixture f;
        f.fillEeprom();
        f.setRange(start, end);
        f.click(f.console().btnEraseEeprom);
        QCOMPARE(f.log->lines, (QStringList{"5", message}));
        QCOMPARE(f.sim->wire(), (QStringList{"purge 2", "write " + message, "pause 100"}));
        const QByteArray& eeprom = f.pedal().settings().eeprom;
        QCOMPARE(eeprom.mid(first, last - first + 1), QByteArray(last - first + 1, char(0xFF)));
        if (first > 0) {
            QCOMPARE(eeprom.at(first - 1), char((first - 1) * 7));
        }
        if (last < eeprom.size() - 1) {
            QCOMPARE(eeprom.at(last + 1), char((last + 1) * 7));
        }
        QVERIFY(f.dialogs.messages.isEmpty());
    }

    void readListsByAddress_data() {
        QTest::addColumn<int>("device");
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("end");
        QTest::addColumn<QString>("message");
        QTest::newRow("nothing chosen is 50") << -1 << "100"
                                              << "103"
                                              << "0C5000640067";
        QTest::newRow("51 chosen") << 1 << "100"
                                   << "103"
                                   << "0C5100640067";
        QTest::newRow("50 chosen, from 0") << 0 << "0"
                                           << "1"
                                           << "0C5000000001";
    }
    void readListsByAddress() {
        QFETCH(int, device);
        QFETCH(QString, start);
        QFETCH(QString, end);
        QFETCH(QString, message);
        ConsoleFixture f;
        f.fillEeprom();
        f.console().cmbI2Caddr->setCurrentIndex(device);
        f.setRange(start, end);
        f.click(f.console().btnReadEEPROM);
        QCOMPARE(f.log->lines.mid(0, 2), (QStringList{"6", message}));
        const QStringList wire = f.sim->wire();
        QCOMPARE(wire.mid(0, 3), (QStringList{"purge 2", "write " + message, "pause 200"}));
        QStringList expected;
        for (int a = start.toInt(); a <= end.toInt(); ++a) {
            expected << byteLine(a, (a * 7) & 0xFF);
        }
        QCOMPARE(f.listing(), expected);
        QVERIFY(f.dialogs.messages.isEmpty());
    }

    // Zeros answer in 3 bytes each: the whole EEPROM fits the receive buffer.
    void wholeEepromAsTheBoxesStart() {
        ConsoleFixture f;
        QByteArray& eeprom = f.pedal().settings().eeprom;
        eeprom.fill(0);
        eeprom[1] = char(0x5A);
        f.click(f.console().btnReadEEPROM);
        QCOMPARE(f.log->lines.mid(0, 2), (QStringList{"6", "0C5000003FFF"}));
        const QStringList listing = f.listing();
        QCOMPARE(listing.size(), 16384);
        QCOMPARE(listing.first(), QString("0:    00"));
        QCOMPARE(listing.at(1), QString("1:    5A"));
        QCOMPARE(listing.last(), QString("16383:    00"));
        QVERIFY(f.dialogs.messages.isEmpty());
    }

    // Erased bytes answer as "255" and CR LF: 16 KiB of them overflow the
    // 64 KiB receive buffer, and the read says it got only a part.
    void answerBeyondTheBufferIsReported() {
        ConsoleFixture f;
        f.click(f.console().btnReadEEPROM);
        QCOMPARE(f.dialogs.messages,
                 QStringList{"Incomplete answer from the pedal: 13107 values received, 16384 "
                             "expected."});
        QCOMPARE(f.listing().size(), 13107);
    }

    // An answer longer than the range lists only the range's bytes.
    void longerAnswerListsTheRangeOnly() {
        ConsoleFixture f;
        f.pedal().setGarbage("1\r2\r3\r4\r5\r6\r7\r8\r9\r10\r");
        f.setRange("16380", "16383");
        f.click(f.console().btnReadEEPROM);
        QCOMPARE(f.listing(),
                 (QStringList{"16380:    01", "16381:    02", "16382:    03", "16383:    04"}));
        QVERIFY(f.log->lines.contains("num of bytes received: 10"));
    }

    // A long range takes its time on the wire: an answer that comes in
    // pieces for longer than the usual limit is still read whole.
    void longRangeHasTimeToArrive() {
        ConsoleFixture f;
        f.fillEeprom();
        f.pedal().setPieces(1000, 60);
        f.setRange("0", "1999");
        QElapsedTimer clock;
        clock.start();
        f.click(f.console().btnReadEEPROM);
        QVERIFY(clock.elapsed() > EditorFixture::AnswerLimitMs);
        QVERIFY(f.dialogs.messages.isEmpty());
        QCOMPARE(f.listing().size(), 2000);
        QCOMPARE(f.listing().last(), byteLine(1999, (1999 * 7) & 0xFF));
    }

    // The EEPROM form lasts only as long as its read, however the read ends:
    // the next request lists from 0 again.
    void readModeEndsWithTheRead_data() {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("box");
        QTest::newRow("answered") << "answered" << QString();
        QTest::newRow("silent pedal") << "silent"
                                      << "The pedal did not answer the EEPROM read.";
        QTest::newRow("end below start") << "below"
                                         << "The pedal did not answer the EEPROM read.";
        QTest::newRow("not a number") << "x"
                                      << "'x' is not a valid integer value";
    }
    void readModeEndsWithTheRead() {
        QFETCH(QString, how);
        QFETCH(QString, box);
        ConsoleFixture f;
        f.setRange("300", "301");
        if (how == "silent") {
            f.pedal().setSilent(true);
        } else if (how == "below") {
            f.setRange("10", "5");
        } else if (how == "x") {
            f.setRange("x", "5");
        }
        f.click(f.console().btnReadEEPROM);
        QCOMPARE(f.dialogs.messages, box.isEmpty() ? QStringList() : QStringList{box});
        if (how == "x") {
            QVERIFY(f.sim->wire().isEmpty());
            QVERIFY(f.log->lines.isEmpty());
        }
        if (how == "below") {
            QCOMPARE(f.log->lines.mid(0, 2), (QStringList{"6", "0C50000A0005"}));
        }
        QCOMPARE(f.listing().size(), how == "answered" ? 2 : 0);

        f.pedal().setSilent(false);
        f.log->lines.clear();
        f.request();
        const QStringList listing = f.listing();
        QCOMPARE(listing.size(), 82);
        QVERIFY(listing.first().startsWith("0:    "));
        QVERIFY(listing.last().startsWith("81:    "));
    }

    void eraseRefusesAWord() {
        ConsoleFixture f;
        f.setRange("0", "end");
        f.click(f.console().btnEraseEeprom);
        QCOMPARE(f.dialogs.messages, QStringList{"'end' is not a valid integer value"});
        QVERIFY(f.sim->wire().isEmpty());
        QVERIFY(f.log->lines.isEmpty());
    }

    void send_data() {
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("data");
        QTest::addColumn<QString>("sent");
        QTest::newRow("a whole write") << "000B"
                                       << "00400000"
                                       << "01000B00400000";
        QTest::newRow("lower case") << "00ab"
                                    << "deadbeef"
                                    << "0100abdeadbeef";
        QTest::newRow("the boxes' first texts") << "addr"
                                                << "data" << QString();
        QTest::newRow("data too short") << "000B"
                                        << "0040000" << QString();
        QTest::newRow("address too long") << "0000B"
                                          << "00400000" << QString();
        QTest::newRow("not hexadecimal") << "000G"
                                         << "00400000" << QString();
        QTest::newRow("blanks") << " 00B"
                                << "00400000" << QString();
    }
    void send() {
        QFETCH(QString, address);
        QFETCH(QString, data);
        QFETCH(QString, sent);
        ConsoleFixture f;
        f.console().edtAddress->setText(address);
        f.console().edtData->setText(data);
        f.click(f.console().btnSend);
        if (sent.isEmpty()) {
            const QString typed = "01" + address + data;
            QCOMPARE(f.dialogs.messages,
                     QStringList{"Message not sent: '" + typed +
                                 "' needs an address of 4 and data of 8 hexadecimal digits "
                                 "after 01."});
            QVERIFY(f.sim->wire().isEmpty());
            QVERIFY(f.log->lines.isEmpty());
        } else {
            // No purge before, no pause after, no answer read.
            QCOMPARE(f.log->lines, QStringList{sent});
            QCOMPARE(f.sim->wire(), QStringList{"write " + sent.toUpper()});
            QVERIFY(f.dialogs.messages.isEmpty());
        }
    }

    // The calculator's boxes count when their edit is completed; its note
    // list picks the note.
    void filterToolThroughTheBoxes() {
        EditorFixture f;
        TformPrint& c = f.editor->console();
        f.click(c.btnGetNoteFrequency);
        QCOMPARE(f.log->lines.first(), QString("A1_6db_cut_Q11 : array[0..19] of string ="));
        QCOMPARE(f.log->lines.size(), 6);

        f.log->lines.clear();
        c.edtQ->setText("abc");
        QTest::keyClick(c.edtQ, Qt::Key_Return);
        QCOMPARE(f.dialogs.messages, QStringList{"'abc' is not a valid floating point value"});
        QVERIFY(f.log->lines.isEmpty());
        c.edtQ->setText("2");
        QTest::keyClick(c.edtQ, Qt::Key_Return);
        c.edtBoost->setText("3");
        QTest::keyClick(c.edtBoost, Qt::Key_Return);
        c.cmbNotePicker->setCurrentIndex(12);
        f.click(c.btnGetNoteFrequency);
        QCOMPARE(f.log->lines.mid(0, 3),
                 (QStringList{"Q: 2", "boost: 3", "A2_3db_boost_Q2 : array[0..19] of string ="}));
        QCOMPARE(f.dialogs.messages.size(), 1);
    }

    void sentWordReachesTheDsp() {
        ConsoleFixture f;
        f.console().edtAddress->setText("000B");
        f.console().edtData->setText("00400000");
        f.click(f.console().btnSend);
        QCOMPARE(f.pedal().settings().dspWords.at(0x000B), 0x00400000u);
    }
};

QTEST_MAIN(TestConsoleTools)
#include "test_console_tools.moc"
