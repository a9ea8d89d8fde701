#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

class Dialogs;

// The built-in resources: effect list, algorithm images, firmware images,
// looks. Names are matched without regard to case.
class Resources {
public:
    explicit Resources(Dialogs& dialogs) : dialogs_(dialogs) {}

    // The bytes of the named resource, or nothing when there is none.
    static std::optional<QByteArray> bytes(const QString& name);

    // Text lines: a byte-order mark selects the encoding, else 8-bit text;
    // lines end at CR LF, LF or CR, and a final line end adds no empty line.
    static QStringList textLines(const QByteArray& bytes);

    // Loads the named text resource into ResourceLines. A missing resource
    // raises "Resource %s not found" and keeps the previous lines.
    void read_file_from_stream(const QString& name);

    QStringList ResourceLines;

private:
    Dialogs& dialogs_;
};
