#include "EditorFixture.h"
#include "console/TformPrint.h"
#include "fx/TformFXsettings.h"
#include "widgets/AngleDial.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMenu>

namespace {

// What marks each look: the windows' background and the accent.
struct Look {
    QString window;
    QString accent;
};
const QList<Look> Looks{{"#252525", "#3d8ee0"}, {"#252525", "#e0962e"}, {"#272727", "#4db870"},
                        {"#252525", "#d9534f"}, {"#505050", "#5aa8f0"}, {"#505050", "#f0a040"},
                        {"#f0f0f0", "#0a64c8"}};

QString styleFilePath(const QString& documents) {
    return QDir(documents).filePath("KORVA/style.txt");
}

void writeStyleFile(const QString& documents, const QByteArray& text) {
    QDir(documents).mkpath("KORVA");
    QFile file(styleFilePath(documents));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(text);
}

QColor background(QWidget& w) {
    w.ensurePolished();
    return w.palette().color(QPalette::Window);
}

QColor accent(QWidget& w) {
    w.ensurePolished();
    return w.palette().color(QPalette::Highlight);
}

// The colours a dial paints with, counted over its picture.
QSet<QRgb> dialColours(AngleDial& dial) {
    const QImage picture = dial.grab().toImage();
    QSet<QRgb> colours;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            colours.insert(picture.pixel(x, y) & 0xFFFFFF);
        }
    }
    return colours;
}

} // namespace

class TestLooks : public QObject {
    Q_OBJECT
private slots:
    // The look is the application's; every test starts from the platform's.
    void init() { qApp->setStyleSheet(QString()); }

    void lookMenu() {
        EditorFixture f;
        QStringList texts;
        for (QAction* item : f.main().menuLook->actions()) {
            texts << item->text();
            QVERIFY(!item->isCheckable());
        }
        QCOMPARE(texts, (QStringList{"0", "1", "2", "3", "4", "5", "6"}));
        QCOMPARE(f.main().LookMenuItems, f.main().menuLook->actions());
    }

    void firstStartTakesLookZeroAndWritesNothing() {
        EditorFixture f;
        QCOMPARE(background(f.main()), QColor("#252525"));
        QCOMPARE(accent(f.main()), QColor(Looks[0].accent));
        QVERIFY(!QFile::exists(styleFilePath(f.documents.path())));
    }

    void chosenLookAppliesAndLasts_data() {
        QTest::addColumn<int>("look");
        for (int i = 0; i < 7; ++i) {
            QTest::newRow(qPrintable(QString::number(i))) << i;
        }
    }
    void chosenLookAppliesAndLasts() {
        QFETCH(int, look);
        QTemporaryDir documents;
        {
            EditorFixture f({}, documents.path());
            f.trigger(f.main().LookMenuItems.at(look));
            for (QWidget* w :
                 QList<QWidget*>{&f.main(), &f.editor->console(), &f.editor->fxSettings()}) {
                QCOMPARE(background(*w), QColor(Looks[look].window));
                QCOMPARE(accent(*w), QColor(Looks[look].accent));
            }
            QFile file(styleFilePath(documents.path()));
            QVERIFY(file.open(QIODevice::ReadOnly));
            QCOMPARE(file.readAll(), QByteArray::number(look));
            QVERIFY(f.dialogs.messages.isEmpty());
        }
        qApp->setStyleSheet(QString());
        EditorFixture next({}, documents.path());
        QCOMPARE(background(next.main()), QColor(Looks[look].window));
        QCOMPARE(accent(next.main()), QColor(Looks[look].accent));
    }

    // The style file as a user might leave it: what the next start shows.
    void savedFileAtStart_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("look"); // -1: the platform's look
        QTest::newRow("4") << QByteArray("4") << 4;
        QTest::newRow("03") << QByteArray("03") << 3;
        QTest::newRow("blanks and a sign") << QByteArray("  +5") << 5;
        QTest::newRow("$6") << QByteArray("$6") << 6;
        QTest::newRow("0x2") << QByteArray("0x2") << 2;
        QTest::newRow("12") << QByteArray("12") << -1;
        QTest::newRow("8") << QByteArray("8") << -1;
        QTest::newRow("-1") << QByteArray("-1") << -1;
        QTest::newRow("garbage") << QByteArray("dark please") << -1;
        QTest::newRow("empty") << QByteArray() << -1;
        QTest::newRow("binary") << QByteArray("\x00\xff\x01", 3) << -1;
    }
    void savedFileAtStart() {
        QFETCH(QByteArray, text);
        QFETCH(int, look);
        QTemporaryDir documents;
        writeStyleFile(documents.path(), text);
        EditorFixture f({}, documents.path());
        if (look < 0) {
            QCOMPARE(qApp->styleSheet(), QString());
        } else {
            QCOMPARE(background(f.main()), QColor(Looks[look].window));
            QCOMPARE(accent(f.main()), QColor(Looks[look].accent));
        }
        QVERIFY(f.dialogs.messages.isEmpty());
        QFile file(styleFilePath(documents.path()));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), text);
    }

    // Look 7 is on no menu; the file reaches it, and its surfaces are
    // see-through.
    void lookSevenThroughTheFile() {
        QTemporaryDir documents;
        writeStyleFile(documents.path(), "7");
        EditorFixture f({}, documents.path());
        QVERIFY(!qApp->styleSheet().isEmpty());
        const QColor window = background(f.main());
        QVERIFY(window.alpha() < 255);
        QVERIFY(window.alpha() > 0);
    }

    void unwritableFileKeepsTheLook() {
        EditorFixture f;
        const QString maker = QDir(f.documents.path()).filePath("KORVA");
        QVERIFY(QDir(maker).removeRecursively());
        QFile blocker(maker);
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        f.trigger(f.main().LookMenuItems.at(6));
        QCOMPARE(f.dialogs.messages.size(), 1);
        QVERIFY(f.dialogs.messages.first().startsWith("Cannot write " +
                                                      QDir(maker).filePath("style.txt") + ": "));
        QCOMPARE(background(f.main()), QColor("#f0f0f0"));
    }

    // Every look paints the dials in colours of its own, set apart from the
    // window behind them: knob, track and pointer can be told apart.
    void dialsShowInEveryLook_data() { chosenLookAppliesAndLasts_data(); }
    void dialsShowInEveryLook() {
        QFETCH(int, look);
        EditorFixture f;
        f.trigger(f.main().LookMenuItems.at(look));
        AngleDial& dial = *f.editor->fxSettings().dialDry;
        // The dials show values, disabled: they must read as well as when
        // enabled.
        QVERIFY(!dial.isEnabled());
        dial.resize(40, 40);
        dial.ensurePolished();
        const QColor knob = dial.property("knobColor").value<QColor>();
        const QColor pointer = dial.property("pointerColor").value<QColor>();
        const QColor track = dial.property("trackColor").value<QColor>();
        QVERIFY(knob.isValid() && pointer.isValid() && track.isValid());
        const QSet<QRgb> colours = dialColours(dial);
        QVERIFY(colours.contains(knob.rgb() & 0xFFFFFF));
        QVERIFY(colours.contains(pointer.rgb() & 0xFFFFFF));
        const QColor window(Looks[look].window);
        auto distance = [](const QColor& a, const QColor& b) {
            return std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) +
                   std::abs(a.blue() - b.blue());
        };
        QVERIFY(distance(pointer, knob) > 200);
        QVERIFY(distance(track, window) > 30);
    }
};

QTEST_MAIN(TestLooks)
#include "test_looks.moc"
