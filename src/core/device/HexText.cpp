#include "device/HexText.h"

#include "app/EditorError.h"

namespace {

int digitValue(QChar c) {
    const char16_t u = c.unicode();
    if (u >= '0' && u <= '9') {
        return u - '0';
    }
    if (u >= 'A' && u <= 'F') {
        return u - 'A' + 10;
    }
    if (u >= 'a' && u <= 'f') {
        return u - 'a' + 10;
    }
    return -1;
}

} // namespace

int HexTextToBytes(const QString& text, std::uint8_t* destination, int pairs) {
    int produced = 0;
    for (int i = 0; i < pairs && 2 * i + 1 < text.size(); ++i) {
        const int high = digitValue(text[2 * i]);
        const int low = digitValue(text[2 * i + 1]);
        if (high < 0 || low < 0) {
            break;
        }
        destination[i] = static_cast<std::uint8_t>(high * 16 + low);
        ++produced;
    }
    return produced;
}

QString BytesToHexText(const std::uint8_t* source, int count) {
    static constexpr char digits[] = "0123456789ABCDEF";
    QString text(2 * count, QChar(u'0'));
    for (int i = 0; i < count; ++i) {
        text[2 * i] = QChar::fromLatin1(digits[source[i] >> 4]);
        text[2 * i + 1] = QChar::fromLatin1(digits[source[i] & 0x0F]);
    }
    return text;
}

QByteArray HexToBytes(const QString& hex) {
    QByteArray bytes(hex.size() / 2, '\0');
    for (int i = 0; i < bytes.size(); ++i) {
        const int high = digitValue(hex[2 * i]);
        const int low = digitValue(hex[2 * i + 1]);
        if (high < 0 || low < 0) {
            throw ConversionError::integer(hex.mid(2 * i, 2));
        }
        bytes[i] = static_cast<char>(high * 16 + low);
    }
    return bytes;
}

QString Hex2String(const QString& hex) {
    QByteArray bytes(hex.size() / 2, '\0');
    const int n =
        HexTextToBytes(hex, reinterpret_cast<std::uint8_t*>(bytes.data()), int(bytes.size()));
    return QString::fromLatin1(bytes.left(n));
}

bool isHexMessage(const QString& text) {
    if (text.size() % 2 != 0) {
        return false;
    }
    for (const QChar c : text) {
        if (digitValue(c) < 0) {
            return false;
        }
    }
    return true;
}

QString hexField(std::int64_t value, int width) {
    auto bits = static_cast<std::uint64_t>(value);
    if (value < 0 && width < 16) {
        bits &= (std::uint64_t(1) << (4 * width)) - 1;
    }
    return QStringLiteral("%1").arg(bits, width, 16, QChar(u'0')).toUpper();
}
