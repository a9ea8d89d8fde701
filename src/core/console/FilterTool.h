#pragma once

#include <QLocale>
#include <QString>

class DiagnosticLog;

// The console's calculator: a note, a Q and a boost in dB give a filter table
// in the log. The values keep until edited; the boxes' first texts are not
// taken until then.
class FilterTool {
public:
    static constexpr int ReferenceNoteIndex = 12; // A2

    // Starts on the first note, A1.
    explicit FilterTool(DiagnosticLog& log, QLocale locale = QLocale());

    void cmbNotePickerChange(int index);
    // The box's text in the locale's form; a text that is not a number raises
    // the conversion error and keeps the value.
    void edtQChange(const QString& text);
    void edtBoostChange(const QString& text);
    // Logs the table of the chosen note with the values in force.
    void btnGetNoteFrequencyClick();

    double NoteFrequency() const;
    void BuildFilterTable(double frequency);

    double NoteOffset = 0;
    double FilterQ = 11;
    double FilterBoost = -6;

private:
    DiagnosticLog& log_;
    QLocale locale_;
    QString noteName_;

    double parse(const QString& text) const;
};
