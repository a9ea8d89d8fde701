#include "console/FilterTool.h"

#include "app/DiagnosticLog.h"
#include "app/EditorError.h"
#include "console/FilterTable.h"

FilterTool::FilterTool(DiagnosticLog& log, QLocale locale) : log_(log), locale_(std::move(locale)) {
    cmbNotePickerChange(0);
}

void FilterTool::cmbNotePickerChange(int index) {
    NoteOffset = index - ReferenceNoteIndex;
    noteName_ = FilterTable::noteNames().value(index);
}

double FilterTool::parse(const QString& text) const {
    bool ok = false;
    const double value = locale_.toDouble(text, &ok);
    if (!ok) {
        throw ConversionError::floatingPoint(text);
    }
    return value;
}

void FilterTool::edtQChange(const QString& text) {
    FilterQ = parse(text);
    log_.ConsoleLog(QStringLiteral("Q: ") + FilterTable::formatValue(FilterQ, locale_));
}

void FilterTool::edtBoostChange(const QString& text) {
    FilterBoost = parse(text);
    log_.ConsoleLog(QStringLiteral("boost: ") + FilterTable::formatValue(FilterBoost, locale_));
}

double FilterTool::NoteFrequency() const {
    return FilterTable::NoteFrequency(NoteOffset);
}

void FilterTool::BuildFilterTable(double frequency) {
    for (const QString& line :
         FilterTable::tableLines(noteName_, frequency, FilterQ, FilterBoost, locale_)) {
        log_.ConsoleLog(line);
    }
}

void FilterTool::btnGetNoteFrequencyClick() {
    BuildFilterTable(NoteFrequency());
}
