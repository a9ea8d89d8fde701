#include "console/TformPrint.h"

#include "app/DiagnosticLog.h"

#include <QCheckBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>

TformPrint::TformPrint(DiagnosticLog& log) {
    setWindowTitle(QStringLiteral("Debug Console"));
    setFixedSize(506, 652);
    move(1075, 0);

    btnClear = new QPushButton(QStringLiteral("Clear"), this);
    btnClear->setGeometry(8, 8, 75, 25);
    btnScrollTop = new QPushButton(QStringLiteral("UP"), this);
    btnScrollTop->setGeometry(89, 8, 75, 25);
    CheckBox1 = new QCheckBox(QStringLiteral("scrollDOWN"), this);
    CheckBox1->setGeometry(172, 10, 100, 21);
    CheckBox1->setChecked(true);
    Memo1 = new QPlainTextEdit(this);
    Memo1->setReadOnly(true);
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    Memo1->setGeometry(8, 72, 490, 572);

    connect(btnClear, &QPushButton::clicked, this, &TformPrint::btnClearClick);
    connect(btnScrollTop, &QPushButton::clicked, this, &TformPrint::btnScrollTopClick);
    connect(CheckBox1, &QCheckBox::toggled, this, &TformPrint::CheckBox1Change);
    connect(&log, &DiagnosticLog::lineAdded, this, &TformPrint::appendLine);
    AutoScrollDown = true;
}

void TformPrint::appendLine(const QString& text, bool scroll) {
    QScrollBar* vertical = Memo1->verticalScrollBar();
    QScrollBar* horizontal = Memo1->horizontalScrollBar();
    const int top = vertical->value();
    const int left = horizontal->value();
    Memo1->appendPlainText(text);
    if (scroll && AutoScrollDown) {
        horizontal->setValue(0);
        vertical->setValue(vertical->maximum());
    } else {
        vertical->setValue(top);
        horizontal->setValue(left);
    }
}

void TformPrint::btnClearClick() {
    Memo1->clear();
}

void TformPrint::btnScrollTopClick() {
    Memo1->verticalScrollBar()->setValue(0);
}

void TformPrint::CheckBox1Change() {
    AutoScrollDown = CheckBox1->isChecked();
}
