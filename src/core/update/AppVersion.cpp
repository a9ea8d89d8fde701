#include "update/AppVersion.h"

#include <QFile>

namespace {
// The fixed part of a version record starts with this signature, stored
// little-endian; the file version's upper 32 bits follow 8 bytes later.
const QByteArray FixedInfoSignature("\xBD\x04\xEF\xFE", 4);
constexpr int VersionOffset = 8;
// An updater program is a few MiB; a file far larger is not one.
constexpr qint64 LargestProgram = 256ll * 1024 * 1024;
} // namespace

QString GetAppVersion() {
    return versionText((TARNWICK_VERSION_MAJOR << 16) | TARNWICK_VERSION_MINOR);
}

QString versionText(quint32 mostSignificant) {
    return QStringLiteral("%1.%2").arg(mostSignificant >> 16).arg(mostSignificant & 0xFFFF);
}

std::optional<quint32> readFileVersion(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > LargestProgram) {
        return std::nullopt;
    }
    const QByteArray bytes = file.readAll();
    const qsizetype at = bytes.indexOf(FixedInfoSignature);
    if (at < 0 || at + VersionOffset + 4 > bytes.size()) {
        return std::nullopt;
    }
    const auto* v = reinterpret_cast<const uchar*>(bytes.constData() + at + VersionOffset);
    return quint32(v[0]) | quint32(v[1]) << 8 | quint32(v[2]) << 16 | quint32(v[3]) << 24;
}
