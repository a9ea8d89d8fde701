#pragma once

#include <QString>
#include <QtGlobal>
#include <optional>

// The editor's own version, major and minor, as "%d.%d"; fixed at build time.
QString GetAppVersion();

// "%d.%d" of a program file's version: the upper and the lower 16 bits of the
// version's most significant 32 bits.
QString versionText(quint32 mostSignificant);

// The most significant 32 bits of the file version in a Windows program
// file's version record; nothing when the file has none or cannot be read.
std::optional<quint32> readFileVersion(const QString& path);
