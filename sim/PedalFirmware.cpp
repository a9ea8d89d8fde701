#include "PedalFirmware.h"

namespace {

std::uint16_t word16(const QByteArray& m, int at) {
    return static_cast<std::uint16_t>((std::uint8_t(m[at]) << 8) | std::uint8_t(m[at + 1]));
}

std::uint32_t word32(const QByteArray& m, int at) {
    return (std::uint32_t(std::uint8_t(m[at])) << 24) |
           (std::uint32_t(std::uint8_t(m[at + 1])) << 16) |
           (std::uint32_t(std::uint8_t(m[at + 2])) << 8) | std::uint32_t(std::uint8_t(m[at + 3]));
}

// The address-table slot of each parameter in the answer's order; "Range"
// has none.
constexpr std::array<int, 15> SlotOfParameter = {0, 1, 2, 3, 4, 5, 6, 7, 8, -1, 12, 13, 14, 15, 16};

constexpr std::array<std::uint16_t, 17> BuiltInAddresses = {
    0x000B, 0x00E8, 0x0077, 0x0073, 0x0003, 0x00CC, 0x00DE, 0x00A0, 0x00E9,
    0x004C, 0x005B, 0x0051, 0x000A, 0x006E, 0x00E7, 0x001B, 0x000C};

// Start-up words in the answer's order: mid levels, wave on, split off.
constexpr std::array<std::uint32_t, 15> FactoryWords = {
    0x400000, 0x400000, 0x400000, 0x400000, 0x400000, 12, 8, 0x400000,
    0,        11,       0x400000, 0x400000, 0x400000, 0,  0};

constexpr int TuningTableLength = 641;
constexpr int EepromSize = 16384;

} // namespace

const QByteArray PedalFirmware::UploadAnswer = QByteArrayLiteral("ALGORITHM OK");

PedalFirmware::PedalFirmware() {
    settings_.addressTable = BuiltInAddresses;
    for (int i = 0; i < 15; ++i) {
        if (SlotOfParameter[i] >= 0) {
            settings_.dspWords[BuiltInAddresses[SlotOfParameter[i]]] = FactoryWords[i];
        }
    }
    settings_.rangeWord = FactoryWords[9];
}

std::uint32_t PedalFirmware::parameterWord(int i) const {
    const int slot = SlotOfParameter[static_cast<size_t>(i)];
    if (slot < 0) {
        return settings_.rangeWord;
    }
    const auto it = settings_.dspWords.find(settings_.addressTable[static_cast<size_t>(slot)]);
    return it == settings_.dspWords.end() ? 0 : it->second;
}

QByteArray PedalFirmware::deviceInfoValues() const {
    QByteArray v;
    v.append(char(settings_.firmwareVersion));
    v.append(char(settings_.algorithmVersion >> 8));
    v.append(char(settings_.algorithmVersion & 0xFF));
    v.append(char(settings_.effectNumber));
    v.append(char(settings_.footswitchMode));
    for (const auto flag : settings_.assignFlags) {
        v.append(char(flag));
    }
    for (const auto target : settings_.assignTargets) {
        v.append(char(target >> 8));
        v.append(char(target & 0xFF));
    }
    v.append(char(settings_.tuning));
    v.append(char(settings_.semitones));
    for (int i = 0; i < 15; ++i) {
        const std::uint32_t w = parameterWord(i);
        for (int shift = 24; shift >= 0; shift -= 8) {
            v.append(char((w >> shift) & 0xFF));
        }
    }
    return v;
}

QByteArray PedalFirmware::encodeValues(const QByteArray& values) {
    QByteArray out;
    for (const char c : values) {
        out += QByteArray::number(std::uint8_t(c));
        out += "\r\n";
    }
    return out;
}

int PedalFirmware::expectedLength() const {
    const auto first = std::uint8_t(pending_[0]);
    if (uploadExpected_) {
        if (first == 0x0E) {
            return TuningTableLength;
        }
        if (pending_.size() < 3) {
            return 3;
        }
        return std::max<int>(3, word16(pending_, 1));
    }
    switch (first) {
    case 0x01:
        return 7;
    case 0x02:
    case 0x07:
    case 0x0D:
        return 2;
    case 0x03:
        return 21;
    case 0x04:
        return 16;
    case 0x08:
    case 0x09:
        return 3;
    case 0x0B:
        return 5;
    case 0x0C:
        return 6;
    case 0x0E:
        return TuningTableLength;
    default:
        return 1; // not a message: dropped
    }
}

QByteArray PedalFirmware::receive(const QByteArray& bytes) {
    QByteArray answer;
    for (const char c : bytes) {
        pending_.append(c);
        if (pending_.size() == 1 && uploadExpected_ && c != 0x00 && c != 0x0E) {
            // Images begin with 0x00, the tuning table with 0x0E; anything else
            // is an ordinary message and the upload is off.
            uploadExpected_ = false;
        }
        if (pending_.size() >= expectedLength()) {
            answer += handle(pending_);
            pending_.clear();
        }
    }
    return answer;
}

void PedalFirmware::loadAlgorithm(const QByteArray& image) {
    settings_.algorithmImage = image;
    for (int k = 0; k < 17 && 4 + 2 * k < image.size(); ++k) {
        settings_.addressTable[static_cast<size_t>(k)] = word16(image, 3 + 2 * k);
    }
}

QByteArray PedalFirmware::handle(const QByteArray& m) {
    auto& s = settings_;
    if (uploadExpected_) {
        uploadExpected_ = false;
        if (std::uint8_t(m[0]) == 0x0E) {
            s.tuningTable = m;
            return {};
        }
        loadAlgorithm(m);
        return UploadAnswer;
    }
    switch (std::uint8_t(m[0])) {
    case 0x01:
        s.dspWords[word16(m, 1)] = word32(m, 3);
        return {};
    case 0x02:
        return encodeValues(deviceInfoValues());
    case 0x03:
        for (int i = 0; i < 5; ++i) {
            s.storedWords[static_cast<size_t>(i)] = word32(m, 1 + 4 * i);
        }
        ++s.storeCount;
        return {};
    case 0x04:
        for (int i = 0; i < 5; ++i) {
            s.assignFlags[static_cast<size_t>(i)] = std::uint8_t(m[1 + i]);
            s.assignTargets[static_cast<size_t>(i)] = word16(m, 6 + 2 * i);
        }
        return {};
    case 0x07:
        s.midiChannel = std::uint8_t(m[1]);
        return {};
    case 0x08:
        s.footswitchMode = static_cast<std::uint8_t>(2 * std::uint8_t(m[1]) + std::uint8_t(m[2]));
        return {};
    case 0x09:
        s.tuning = std::uint8_t(m[1]);
        s.semitones = static_cast<std::int8_t>(m[2]);
        return {};
    case 0x0B:
        for (int a = word16(m, 1); a <= word16(m, 3) && a < EepromSize; ++a) {
            s.eeprom[a] = char(0xFF);
        }
        return {};
    case 0x0C: {
        const int start = word16(m, 2);
        const int end = std::min<int>(word16(m, 4), EepromSize - 1);
        return start <= end ? encodeValues(s.eeprom.mid(start, end - start + 1)) : QByteArray();
    }
    case 0x0D:
        uploadExpected_ = true;
        return {};
    case 0x0E:
        s.tuningTable = m;
        return {};
    default:
        return {};
    }
}
