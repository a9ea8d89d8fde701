#pragma once

#include <QString>
#include <optional>

// The look chosen last, kept as its number in "style.txt" in the maker folder.
class StyleFile {
public:
    explicit StyleFile(QString makerFolder) : makerFolder_(std::move(makerFolder)) {}

    QString path() const;

    // The look to apply at start: the stored number, 0 (the default) when
    // there is no file yet, nothing when the file holds no whole number.
    std::optional<int> read() const;
    // Replaces the file's content with the number, all or nothing. A file
    // that cannot be written raises an error naming it.
    void write(int look) const;

private:
    QString makerFolder_;
};
