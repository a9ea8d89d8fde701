#include "SimulatedPedal.h"

#include <QTest>

namespace {

constexpr char Ack = 0x79;
constexpr char Nack = 0x1F;

QByteArray withXor(QByteArray bytes) {
    char x = 0;
    for (const char c : bytes) {
        x ^= c;
    }
    return bytes + x;
}

QByteArray address(std::uint32_t a) {
    return withXor(QByteArray() + char(a >> 24) + char(a >> 16) + char(a >> 8) + char(a));
}

QByteArray command(std::uint8_t c) {
    return QByteArray() + char(c) + char(~c);
}

// A host speaking the bootloader protocol to the pedal, one byte per write
// as the editor does.
struct Host {
    SimulatedPedal pedal{SimulatedPedal::Mode::Bootloader};

    QByteArray send(const QByteArray& bytes) {
        for (const char c : bytes) {
            pedal.receive(QByteArray(1, c));
        }
        return pedal.take(1 << 20);
    }
    // Sends the parts in turn and stops at the first reply that is not ACK.
    QByteArray exchange(const QList<QByteArray>& parts) {
        QByteArray replies;
        for (const auto& part : parts) {
            replies += send(part);
            if (replies.isEmpty() || replies.back() != Ack) {
                break;
            }
        }
        return replies;
    }
    QByteArray write(std::uint32_t at, const QByteArray& data) {
        return exchange({command(0x31), address(at), withXor(char(data.size() - 1) + data)});
    }
    QByteArray read(std::uint32_t at, int n) {
        const QByteArray count = QByteArray() + char(n - 1) + char(~(n - 1));
        return exchange({command(0x11), address(at), count});
    }
};

QByteArray pattern(int n) {
    QByteArray data;
    for (int i = 0; i < n; ++i) {
        data += char((i * 7 + 3) & 0xFF);
    }
    return data;
}

} // namespace

class TestBootloader : public QObject {
    Q_OBJECT
private slots:
    void greetingAndIdentity() {
        Host h;
        QCOMPARE(h.send("\x7F"), QByteArray(1, Ack));
        QCOMPARE(h.send(command(0x02)), QByteArray::fromHex("7901041079"));
        QCOMPARE(h.send(command(0x01)), QByteArray::fromHex("7931000079"));
        const QByteArray get = h.send(command(0x00));
        QCOMPARE(get.left(3), QByteArray::fromHex("790731"));
        QVERIFY(get.contains('\x31') && get.contains('\x43') && get.contains('\x21'));
        QCOMPARE(get.back(), Ack);
    }

    void writeVerifyGo() {
        Host h;
        h.send("\x7F");
        QCOMPARE(h.exchange({command(0x43), QByteArray::fromHex("ff00")}), QByteArray(2, Ack));
        QCOMPARE(h.pedal.bootloader().eraseCount(), 1);
        const QByteArray image = pattern(53700);
        for (int at = 0; at < image.size(); at += 256) {
            QCOMPARE(h.write(0x08000000 + at, image.mid(at, 256)), QByteArray(3, Ack));
        }
        const QByteArray marker = QByteArray(7, '\0') + char(6);
        QCOMPARE(h.write(0x0801FC00, marker), QByteArray(3, Ack));
        QByteArray back;
        for (int at = 0; at < image.size(); at += 256) {
            const int n = std::min(256, int(image.size()) - at);
            const QByteArray reply = h.read(0x08000000 + at, n);
            QCOMPARE(reply.left(3), QByteArray(3, Ack));
            back += reply.mid(3);
        }
        QCOMPARE(back, image);
        QCOMPARE(h.exchange({command(0x21), address(0x08000000)}), QByteArray(2, Ack));
        QCOMPARE(h.pedal.mode(), SimulatedPedal::Mode::Firmware);
        QCOMPARE(h.pedal.settings().firmwareVersion, std::uint8_t(6));
    }

    void refusals_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QByteArray>("reply");
        QTest::newRow("bad complement") << QByteArray::fromHex("3130") << QByteArray(1, Nack);
        QTest::newRow("bad address checksum")
            << command(0x31) + QByteArray::fromHex("0800000000") << QByteArray() + Ack + Nack;
        QTest::newRow("address outside flash")
            << command(0x31) + address(0x08020000) << QByteArray() + Ack + Nack;
        QTest::newRow("bad data checksum")
            << command(0x31) + address(0x08000000) + QByteArray::fromHex("01aabb00")
            << QByteArray() + Ack + Ack + Nack;
        QTest::newRow("block past the end")
            << command(0x31) + address(0x0801FFFF) + withXor(QByteArray::fromHex("01aabb"))
            << QByteArray() + Ack + Ack + Nack;
        QTest::newRow("bad read count complement")
            << command(0x11) + address(0x08000000) + QByteArray::fromHex("0f0f")
            << QByteArray() + Ack + Ack + Nack;
        QTest::newRow("bad global erase")
            << command(0x43) + QByteArray::fromHex("ff01") << QByteArray() + Ack + Nack;
        QTest::newRow("go outside flash")
            << command(0x21) + address(0x20000000) << QByteArray() + Ack + Nack;
    }
    void refusals() {
        QFETCH(QByteArray, bytes);
        QFETCH(QByteArray, reply);
        Host h;
        h.send("\x7F");
        QCOMPARE(h.send(bytes), reply);
        // A refused write leaves the flash erased, and the bootloader takes
        // the next command.
        QCOMPARE(h.pedal.bootloader().flash().left(2), QByteArray(2, '\xFF'));
        QCOMPARE(h.send(command(0x02)).front(), Ack);
    }

    void pageErase() {
        Host h;
        h.write(0x08000000, pattern(16));
        h.write(0x08000400, pattern(16));
        QCOMPARE(h.exchange({command(0x43), withXor(QByteArray::fromHex("0000"))}),
                 QByteArray(2, Ack));
        QCOMPARE(h.pedal.bootloader().flash().left(16), QByteArray(16, '\xFF'));
        QCOMPARE(h.pedal.bootloader().flash().mid(0x400, 16), pattern(16));
    }

    void writingUnerasedFlashOnlyClearsBits() {
        Host h;
        h.write(0x08000000, QByteArray::fromHex("f0"));
        h.write(0x08000000, QByteArray::fromHex("0f"));
        QCOMPARE(h.pedal.bootloader().flash().left(1), QByteArray::fromHex("00"));
    }

    void injectedNack_data() {
        QTest::addColumn<int>("step");
        QTest::addColumn<int>("occurrence");
        QTest::addColumn<QByteArray>("replies");
        QTest::newRow("greeting") << int(Bootloader::Step::Greeting) << 1
                                  << QByteArray("N|AAA|AAA");
        QTest::newRow("second command")
            << int(Bootloader::Step::Command) << 2 << QByteArray("A|AAA|N");
        QTest::newRow("address") << int(Bootloader::Step::Address) << 1 << QByteArray("A|AN|AAA");
        QTest::newRow("data") << int(Bootloader::Step::Data) << 2 << QByteArray("A|AAA|AAN");
    }
    void injectedNack() {
        QFETCH(int, step);
        QFETCH(int, occurrence);
        QFETCH(QByteArray, replies);
        Host h;
        h.pedal.bootloader().nackAt(Bootloader::Step(step), occurrence);
        QByteArray seen = h.send("\x7F");
        seen += "|" + h.write(0x08000000, pattern(4));
        seen += "|" + h.write(0x08000100, pattern(4));
        seen.replace(Ack, 'A');
        seen.replace(Nack, 'N');
        QCOMPARE(seen, replies);
    }

    // A silent bootloader gives no reply but goes on as if it had
    // acknowledged.
    void injectedSilence() {
        Host h;
        h.pedal.bootloader().failAt(Bootloader::Step::Data, 1, Bootloader::Fault::Silence);
        QCOMPARE(h.write(0x08000000, pattern(4)), QByteArray(2, Ack));
        QCOMPARE(h.pedal.bootloader().flash().left(4), pattern(4));
        QCOMPARE(h.write(0x08000100, pattern(4)), QByteArray(3, Ack));
    }
};

QTEST_APPLESS_MAIN(TestBootloader)
#include "test_bootloader.moc"
