#pragma once

#include <QString>

class Folders;

// Whether the new-version notice opens: the user's choice, kept as "YES" or
// "NO" in "ShowMessageVersionAtStartup.txt" in the product folder.
class UpdateMessageFlag {
public:
    explicit UpdateMessageFlag(const Folders& folders) : folders_(folders) {}

    QString path() const;

    // Read once at start: a missing file is created with "YES"; exactly "NO"
    // clears the flag, exactly "YES" sets it, anything else (or a file that
    // cannot be read) leaves it set.
    void ReadShowUpdateMessageFlag();

    // Replaces the file's text with "YES" or "NO", only when the file exists.
    // The flag in memory keeps its value until the next start. A file that
    // cannot be written is an EditorError.
    void rewrite(bool show) const;

    bool showUpdateMessageAtStartup = true;

private:
    const Folders& folders_;
};
