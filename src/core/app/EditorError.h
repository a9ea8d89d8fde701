#pragma once

#include <QString>
#include <stdexcept>

// An error that ends the running command; the top-level error report shows
// its text and the editor keeps running.
class EditorError : public std::runtime_error {
public:
    explicit EditorError(const QString& text)
        : std::runtime_error(text.toStdString()), text_(text) {}
    const QString& text() const { return text_; }

private:
    QString text_;
};

// A text that is not a number of the expected kind.
class ConversionError : public EditorError {
public:
    using EditorError::EditorError;
    static ConversionError integer(const QString& s) {
        return ConversionError(QStringLiteral("'%1' is not a valid integer value").arg(s));
    }
    static ConversionError floatingPoint(const QString& s) {
        return ConversionError(QStringLiteral("'%1' is not a valid floating point value").arg(s));
    }
};
