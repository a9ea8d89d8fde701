#include "device/ValueDecoder.h"

#include "app/EditorError.h"
#include "device/HexText.h"

#include <QString>
#include <algorithm>

int decodeValueAnswer(const std::uint8_t* bytes, int count, std::vector<std::uint8_t>& values) {
    const QString text = BytesToHexText(bytes, count);
    int start = 0;
    int found = 0;
    int value = 0;
    for (int j = 0; j < text.size(); ++j) {
        const QChar digit = text[j];
        if (digit == u'A') {
            start = j + 1;
        } else if (digit == u'D') {
            // The digit before D is the high digit of D's own byte.
            const QString number = text.mid(start, std::max(0, j - start - 1));
            if (number.size() == 2 || number.size() == 4 || number.size() == 6) {
                QString decimal;
                for (int k = 1; k < number.size(); k += 2) {
                    decimal += number[k];
                }
                bool ok = false;
                value = decimal.toInt(&ok, 10);
                if (!ok) {
                    throw ConversionError::integer(decimal);
                }
            }
            if (found == 0) {
                values.clear();
            }
            values.push_back(static_cast<std::uint8_t>(value & 0xFF));
            ++found;
            start = j + 1;
        }
    }
    return found;
}
