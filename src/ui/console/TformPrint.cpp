#include "console/TformPrint.h"

#include "app/DiagnosticLog.h"
#include "app/ErrorReport.h"
#include "console/DeviceTools.h"
#include "console/FilterTable.h"
#include "console/FilterTool.h"
#include "device/PedalLink.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>

namespace {
QPushButton* button(const QString& text, const QRect& place, QWidget* parent) {
    auto* b = new QPushButton(text, parent);
    b->setGeometry(place);
    return b;
}

QLineEdit* editBox(const QString& text, const QRect& place, QWidget* parent) {
    auto* e = new QLineEdit(text, parent);
    e->setGeometry(place);
    return e;
}
} // namespace

TformPrint::TformPrint(ConsoleParts parts) : parts_(parts) {
    setWindowTitle(QStringLiteral("Debug Console"));
    setFixedSize(506, 652);
    move(1075, 0);

    btnClear = button(QStringLiteral("Clear"), {8, 8, 56, 25}, this);
    btnScrollTop = button(QStringLiteral("UP"), {68, 8, 44, 25}, this);
    CheckBox1 = new QCheckBox(QStringLiteral("scrollDOWN"), this);
    CheckBox1->setGeometry(118, 10, 100, 21);
    CheckBox1->setChecked(true);
    buildTools();
    Memo1 = new QPlainTextEdit(this);
    Memo1->setReadOnly(true);
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    Memo1->setGeometry(8, 72, 490, 572);

    const ErrorReport& report = parts_.report;
    connect(btnClear, &QPushButton::clicked, this, &TformPrint::btnClearClick);
    connect(btnScrollTop, &QPushButton::clicked, this, &TformPrint::btnScrollTopClick);
    connect(CheckBox1, &QCheckBox::toggled, this, &TformPrint::CheckBox1Change);
    connect(btnEraseEeprom, &QPushButton::clicked, this,
            report.guarded(this, &TformPrint::btnEraseEepromClick));
    connect(btnReadEEPROM, &QPushButton::clicked, this,
            report.guarded(this, &TformPrint::btnReadEEPROMClick));
    connect(btnSend, &QPushButton::clicked, this, report.guarded(this, &TformPrint::btnSendClick));
    connect(cmbNotePicker, &QComboBox::currentIndexChanged, this, &TformPrint::cmbNotePickerChange);
    // A box's value is taken when its edit is completed.
    connect(edtQ, &QLineEdit::editingFinished, this, report.guarded(this, &TformPrint::edtQChange));
    connect(edtBoost, &QLineEdit::editingFinished, this,
            report.guarded(this, &TformPrint::edtBoostChange));
    connect(btnGetNoteFrequency, &QPushButton::clicked, this,
            report.guarded(this, &TformPrint::btnGetNoteFrequencyClick));
    connect(&parts_.log, &DiagnosticLog::lineAdded, this, &TformPrint::appendLine);
    FormCreate();
}

void TformPrint::buildTools() {
    btnEraseEeprom = button(QStringLiteral("Erase E2P"), {222, 8, 72, 25}, this);
    btnReadEEPROM = button(QStringLiteral("Read E2P"), {298, 8, 72, 25}, this);
    edtStartAddress = editBox(QStringLiteral("0"), {374, 8, 60, 25}, this);
    edtEndAddress = editBox(QStringLiteral("16383"), {438, 8, 60, 25}, this);

    cmbI2Caddr = new QComboBox(this);
    cmbI2Caddr->addItems({QStringLiteral("50"), QStringLiteral("51")});
    cmbI2Caddr->setCurrentIndex(-1);
    cmbI2Caddr->setGeometry(8, 40, 50, 25);
    edtAddress = editBox(QStringLiteral("addr"), {62, 40, 50, 25}, this);
    edtData = editBox(QStringLiteral("data"), {116, 40, 76, 25}, this);
    btnSend = button(QStringLiteral("Send"), {196, 40, 48, 25}, this);
    cmbNotePicker = new QComboBox(this);
    // A list of 48 scrolls instead of covering the screen.
    cmbNotePicker->setStyleSheet(QStringLiteral("combobox-popup: 0"));
    cmbNotePicker->setMaxVisibleItems(16);
    cmbNotePicker->setGeometry(252, 40, 60, 25);
    edtQ = editBox(QStringLiteral("1.41"), {316, 40, 44, 25}, this);
    edtBoost = editBox(QStringLiteral("0"), {364, 40, 40, 25}, this);
    btnGetNoteFrequency = button(QStringLiteral("Calc Coeff."), {408, 40, 90, 25}, this);
}

void TformPrint::FormCreate() {
    AutoScrollDown = true;
    cmbNotePicker->addItems(FilterTable::noteNames());
    cmbNotePicker->setCurrentIndex(0);
}

void TformPrint::appendLine(const QString& text, bool scroll) {
    QScrollBar* vertical = Memo1->verticalScrollBar();
    QScrollBar* horizontal = Memo1->horizontalScrollBar();
    const int top = vertical->value();
    const int left = horizontal->value();
    Memo1->appendPlainText(text);
    if (scroll && AutoScrollDown) {
        // The memo brings its cursor into view when it is shown or resized:
        // at the start of the last line, not at the end of a long one.
        Memo1->setTextCursor(QTextCursor(Memo1->document()->lastBlock()));
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

void TformPrint::btnEraseEepromClick() {
    if (parts_.link.refuseWhileWaiting()) {
        return;
    }
    parts_.tools.erase(edtStartAddress->text(), edtEndAddress->text());
}

void TformPrint::btnReadEEPROMClick() {
    if (parts_.link.refuseWhileWaiting()) {
        return;
    }
    const int chosen = cmbI2Caddr->currentIndex();
    const QString device = cmbI2Caddr->itemText(chosen < 0 ? 0 : chosen);
    parts_.tools.read(device, edtStartAddress->text(), edtEndAddress->text());
}

void TformPrint::btnSendClick() {
    if (parts_.link.refuseWhileWaiting()) {
        return;
    }
    parts_.tools.send(edtAddress->text(), edtData->text());
}

void TformPrint::cmbNotePickerChange() {
    parts_.filter.cmbNotePickerChange(cmbNotePicker->currentIndex());
}

void TformPrint::edtQChange() {
    parts_.filter.edtQChange(edtQ->text());
}

void TformPrint::edtBoostChange() {
    parts_.filter.edtBoostChange(edtBoost->text());
}

void TformPrint::btnGetNoteFrequencyClick() {
    parts_.filter.btnGetNoteFrequencyClick();
}
