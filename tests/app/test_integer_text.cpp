#include "app/IntegerText.h"

#include <QTest>

class TestIntegerText : public QObject {
    Q_OBJECT
private slots:
    void parse_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("isNumber");
        QTest::addColumn<int>("value");
        QTest::newRow("decimal") << "16383" << true << 16383;
        QTest::newRow("leading zeros") << "03" << true << 3;
        QTest::newRow("blanks and plus") << "  +42" << true << 42;
        QTest::newRow("minus") << "-1" << true << -1;
        QTest::newRow("$ hexadecimal, every letter") << "$ABCDEF" << true << 0xABCDEF;
        QTest::newRow("0x, lower case") << "0xabcdef" << true << 0xABCDEF;
        QTest::newRow("0X") << "0X1f" << true << 31;
        QTest::newRow("negative hexadecimal") << "-$10" << true << -16;
        QTest::newRow("largest") << "2147483647" << true << 2147483647;
        QTest::newRow("smallest") << "-2147483648" << true << int(-2147483648LL);
        QTest::newRow("too large") << "2147483648" << false << 0;
        QTest::newRow("far too large") << "99999999999999999999" << false << 0;
        QTest::newRow("hexadecimal letter in decimal") << "1a" << false << 0;
        QTest::newRow("beyond f") << "$1g" << false << 0;
        QTest::newRow("trailing blank") << "12 " << false << 0;
        QTest::newRow("empty") << "" << false << 0;
        QTest::newRow("sign alone") << "-" << false << 0;
        QTest::newRow("$ alone") << "$" << false << 0;
        QTest::newRow("two signs") << "+-1" << false << 0;
        QTest::newRow("word") << "x" << false << 0;
        QTest::newRow("other digits") << QString::fromUtf8("١٢") << false << 0;
    }
    void parse() {
        QFETCH(QString, text);
        QFETCH(bool, isNumber);
        QFETCH(int, value);
        const std::optional<int> parsed = parseIntegerText(text);
        QCOMPARE(parsed.has_value(), isNumber);
        if (isNumber) {
            QCOMPARE(*parsed, value);
        }
    }
};

QTEST_MAIN(TestIntegerText)
#include "test_integer_text.moc"
