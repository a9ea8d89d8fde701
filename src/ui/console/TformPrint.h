#pragma once

#include <QWidget>

class DiagnosticLog;
class QCheckBox;
class QPlainTextEdit;
class QPushButton;

// The debug console: its memo is the view of the diagnostic log.
class TformPrint : public QWidget {
    Q_OBJECT
public:
    explicit TformPrint(DiagnosticLog& log);

    QPushButton* btnClear = nullptr;
    QPushButton* btnScrollTop = nullptr;
    QCheckBox* CheckBox1 = nullptr;
    QPlainTextEdit* Memo1 = nullptr;

    bool AutoScrollDown = true;

    void btnClearClick();
    void btnScrollTopClick();
    void CheckBox1Change();

private:
    // Appends one line; only a scrolling line moves the view, to the end.
    void appendLine(const QString& text, bool scroll);
};
