#include "EditorFixture.h"
#include "console/TformPrint.h"

#include <QCheckBox>
#include <QPlainTextEdit>
#include <QScrollBar>

namespace {
void logLines(DiagnosticLog& log, int n, const QString& prefix = "line ") {
    for (int i = 0; i < n; ++i) {
        log.ConsoleLog(prefix + QString::number(i));
    }
}
} // namespace

class TestConsole : public QObject {
    Q_OBJECT
private slots:
    void linesWrittenWhileHiddenAreThere() {
        EditorFixture f;
        f.editor->log().ConsoleLog("first");
        f.editor->log().ConsoleLog("first");
        f.editor->log().ConsoleLog("");
        f.editor->showConsole();
        QCOMPARE(f.editor->console().Memo1->toPlainText(), QStringLiteral("first\nfirst\n"));
        QCOMPARE(f.editor->console().Memo1->document()->blockCount(), 3);
    }

    void longLineStaysOneLine() {
        EditorFixture f;
        const QString image(9280, QLatin1Char('A'));
        f.editor->log().ConsoleLog(image);
        QCOMPARE(f.editor->console().Memo1->document()->blockCount(), 1);
        QCOMPARE(f.editor->console().Memo1->toPlainText(), image);
    }

    // Opening the console after a long line shows the lines' beginnings.
    void openedAfterLongLineShowsItsStart() {
        EditorFixture f;
        f.editor->log().ConsoleLog("resource name: short");
        f.editor->log().ConsoleLog(QString(2000, QLatin1Char('A')));
        TformPrint& console = f.editor->console();
        f.editor->showConsole();
        QVERIFY(QTest::qWaitForWindowExposed(&console));
        QVERIFY(console.Memo1->horizontalScrollBar()->maximum() > 0);
        QCOMPARE(console.Memo1->horizontalScrollBar()->value(), 0);
    }

    void scrollingRules() {
        EditorFixture f;
        TformPrint& console = f.editor->console();
        console.show();
        QVERIFY(QTest::qWaitForWindowExposed(&console));
        DiagnosticLog& log = f.editor->log();
        QScrollBar* bar = console.Memo1->verticalScrollBar();

        logLines(log, 200);
        QVERIFY(bar->maximum() > 0);
        QCOMPARE(bar->value(), bar->maximum());

        // A direct line does not move the view.
        bar->setValue(10);
        log.appendDirect("baud rate = 115200");
        QCOMPARE(bar->value(), 10);
        // A logged line brings it to the end.
        log.ConsoleLog("next");
        QCOMPARE(bar->value(), bar->maximum());

        // Unchecked, the view stays where the user left it.
        console.CheckBox1->setChecked(false);
        QVERIFY(!console.AutoScrollDown);
        bar->setValue(20);
        logLines(log, 50, "more ");
        QCOMPARE(bar->value(), 20);
        // Checked again, the next line scrolls to the end.
        console.CheckBox1->setChecked(true);
        QCOMPARE(bar->value(), 20);
        log.ConsoleLog("last");
        QCOMPARE(bar->value(), bar->maximum());

        QTest::mouseClick(console.btnScrollTop, Qt::LeftButton);
        QCOMPARE(bar->value(), 0);
        QTest::mouseClick(console.btnClear, Qt::LeftButton);
        QCOMPARE(console.Memo1->toPlainText(), QString());
    }
};

QTEST_MAIN(TestConsole)
#include "test_console.moc"
