#pragma once

#include <QWidget>

class DiagnosticLog;
class DeviceTools;
class ErrorReport;
class FilterTool;
class PedalLink;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// What the console works with: the log it shows, the report its handlers run
// in, the link its tools check before they talk, and the tools.
struct ConsoleParts {
    DiagnosticLog& log;
    const ErrorReport& report;
    PedalLink& link;
    DeviceTools& tools;
    FilterTool& filter;
};

// The debug console: its memo is the view of the diagnostic log; above it the
// raw EEPROM tools, the hand-typed DSP write and the filter table calculator.
class TformPrint : public QWidget {
    Q_OBJECT
public:
    explicit TformPrint(ConsoleParts parts);

    QPushButton* btnClear = nullptr;
    QPushButton* btnScrollTop = nullptr;
    QCheckBox* CheckBox1 = nullptr;
    QPushButton* btnEraseEeprom = nullptr;
    QPushButton* btnReadEEPROM = nullptr;
    QLineEdit* edtStartAddress = nullptr;
    QLineEdit* edtEndAddress = nullptr;
    QComboBox* cmbI2Caddr = nullptr;
    QLineEdit* edtAddress = nullptr;
    QLineEdit* edtData = nullptr;
    QPushButton* btnSend = nullptr;
    QComboBox* cmbNotePicker = nullptr;
    QLineEdit* edtQ = nullptr;
    QLineEdit* edtBoost = nullptr;
    QPushButton* btnGetNoteFrequency = nullptr;
    QPlainTextEdit* Memo1 = nullptr;

    bool AutoScrollDown = true;

    void FormCreate();
    void btnClearClick();
    void btnScrollTopClick();
    void CheckBox1Change();
    void btnEraseEepromClick();
    void btnReadEEPROMClick();
    void btnSendClick();
    void cmbNotePickerChange();
    void edtQChange();
    void edtBoostChange();
    void btnGetNoteFrequencyClick();

private:
    ConsoleParts parts_;

    void buildTools();
    // Appends one line; only a scrolling line moves the view, to the end.
    void appendLine(const QString& text, bool scroll);
};
