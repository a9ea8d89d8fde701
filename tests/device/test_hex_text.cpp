#include "app/EditorError.h"
#include "device/HexText.h"
#include "device/ValueDecoder.h"

#include <QTest>
#include <vector>

using Bytes = std::vector<std::uint8_t>;
Q_DECLARE_METATYPE(Bytes)

namespace {
Bytes bytesOf(const QByteArray& a) {
    return Bytes(a.begin(), a.end());
}
} // namespace

class TestHexText : public QObject {
    Q_OBJECT
private slots:
    void hexTextToBytes_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("pairs");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("request") << "0200" << 2 << QByteArray::fromHex("0200");
        QTest::newRow("lower case") << "0aFf" << 2 << QByteArray::fromHex("0aff");
        QTest::newRow("stops at bad pair") << "0G00" << 2 << QByteArray();
        QTest::newRow("stops mid text") << "01ADdrdata" << 7 << QByteArray::fromHex("01ad");
        QTest::newRow("odd last digit ignored") << "0D00F" << 3 << QByteArray::fromHex("0d00");
        QTest::newRow("limited by pairs") << "01020304" << 2 << QByteArray::fromHex("0102");
    }
    void hexTextToBytes() {
        QFETCH(QString, text);
        QFETCH(int, pairs);
        QFETCH(QByteArray, expected);
        std::uint8_t out[8];
        std::fill(std::begin(out), std::end(out), std::uint8_t(0xEE));
        const int n = HexTextToBytes(text, out, pairs);
        QCOMPARE(n, int(expected.size()));
        QCOMPARE(QByteArray(reinterpret_cast<char*>(out), n), expected);
        QCOMPARE(out[n], std::uint8_t(0xEE)); // nothing written past the bytes produced
    }

    void bytesToHexTextIsUpperCase() {
        const std::uint8_t bytes[] = {0x00, 0x0B, 0xE8, 0xFF};
        QCOMPARE(BytesToHexText(bytes, 4), QStringLiteral("000BE8FF"));
        QCOMPARE(BytesToHexText(bytes, 0), QString());
    }

    void hexToBytes() {
        QCOMPARE(HexToBytes(QStringLiteral("000B00E8")), QByteArray::fromHex("000b00e8"));
        QCOMPARE(HexToBytes(QStringLiteral("ABC")), QByteArray::fromHex("ab"));
        try {
            HexToBytes(QStringLiteral("0G"));
            QFAIL("no conversion error");
        } catch (const ConversionError& e) {
            QCOMPARE(e.text(), QStringLiteral("'0G' is not a valid integer value"));
        }
    }

    void messageCheck_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");
        QTest::newRow("request") << "0200" << true;
        QTest::newRow("odd") << "020" << false;
        QTest::newRow("not hex") << "0G00" << false;
        QTest::newRow("typed text") << "01addrdata" << false;
        QTest::newRow("empty") << "" << true;
    }
    void messageCheck() {
        QFETCH(QString, text);
        QFETCH(bool, valid);
        QCOMPARE(isHexMessage(text), valid);
    }

    // The runtime's conversion texts, shown by the error report.
    void conversionErrorTexts() {
        QCOMPARE(ConversionError::integer("0G").text(),
                 QStringLiteral("'0G' is not a valid integer value"));
        QCOMPARE(ConversionError::floatingPoint("abc").text(),
                 QStringLiteral("'abc' is not a valid floating point value"));
    }

    void hexField_data() {
        QTest::addColumn<qint64>("value");
        QTest::addColumn<int>("width");
        QTest::addColumn<QString>("text");
        QTest::newRow("padded") << qint64(0x0A) << 4 << "000A";
        QTest::newRow("grows") << qint64(0x12345) << 4 << "12345";
        QTest::newRow("full word") << qint64(0xFFFFFFFF) << 8 << "FFFFFFFF";
        // A negative value is its width's two's complement.
        QTest::newRow("pitch offset -2") << qint64(-2) << 2 << "FE";
        QTest::newRow("-5 in a byte") << qint64(-5) << 2 << "FB";
        QTest::newRow("-1 in 16 bits") << qint64(-1) << 4 << "FFFF";
        QTest::newRow("-1 in 32 bits") << qint64(-1) << 8 << "FFFFFFFF";
    }
    void hexField() {
        QFETCH(qint64, value);
        QFETCH(int, width);
        QFETCH(QString, text);
        QCOMPARE(::hexField(value, width), text);
    }

    void decode_data() {
        QTest::addColumn<QByteArray>("answer");
        QTest::addColumn<Bytes>("before");
        QTest::addColumn<Bytes>("after");
        QTest::addColumn<int>("found");
        const Bytes old{9, 9, 9};
        QTest::newRow("7 0 8 1 with CR LF")
            << QByteArray("7\r\n0\r\n8\r\n1\r\n") << old << Bytes{7, 0, 8, 1} << 4;
        QTest::newRow("three digits") << QByteArray("255\r\n") << old << Bytes{255} << 1;
        QTest::newRow("low 8 bits") << QByteArray("300\r\n") << old << Bytes{44} << 1;
        QTest::newRow("four digits repeat previous")
            << QByteArray("5\r1234\r") << old << Bytes{5, 5} << 2;
        QTest::newRow("four digits first give 0") << QByteArray("1234\r") << old << Bytes{0} << 1;
        QTest::newRow("LF alone gives nothing") << QByteArray("7\n8\n") << old << old << 0;
        QTest::newRow("CR alone ends") << QByteArray("7\r8\r") << old << Bytes{7, 8} << 2;
        QTest::newRow("LF before number") << QByteArray("\n12\r") << old << Bytes{12} << 1;
        QTest::newRow("zero bytes give nothing") << QByteArray(16, '\0') << old << old << 0;
        QTest::newRow("empty CR repeats") << QByteArray("6\r\r") << old << Bytes{6, 6} << 2;
        QTest::newRow("0x3D ends a number") << QByteArray("4=") << old << Bytes{4} << 1;
    }
    void decode() {
        QFETCH(QByteArray, answer);
        QFETCH(Bytes, before);
        QFETCH(Bytes, after);
        QFETCH(int, found);
        Bytes values = before;
        const Bytes raw = bytesOf(answer);
        QCOMPARE(decodeValueAnswer(raw.data(), int(raw.size()), values), found);
        QCOMPARE(values, after);
    }

    void decodeRejectsNonDigits() {
        const Bytes raw = bytesOf(QByteArray("7;\r\n"));
        Bytes values;
        try {
            decodeValueAnswer(raw.data(), int(raw.size()), values);
            QFAIL("no conversion error");
        } catch (const ConversionError& e) {
            QCOMPARE(e.text(), QStringLiteral("'7B' is not a valid integer value"));
        }
    }

    void decodeCoversOnlyTheGivenBytes() {
        // A later, shorter answer must not pick up what an earlier one left.
        Bytes buffer = bytesOf(QByteArray("1\r\n2\r\n3\r\n4\r\n5\r\n"));
        const Bytes second = bytesOf(QByteArray("7\r\n8\r\n"));
        std::copy(second.begin(), second.end(), buffer.begin());
        Bytes values;
        QCOMPARE(decodeValueAnswer(buffer.data(), int(second.size()), values), 2);
        QCOMPARE(values, (Bytes{7, 8}));
    }
};

QTEST_APPLESS_MAIN(TestHexText)
#include "test_hex_text.moc"
