#pragma once

#include <QString>
#include <cstdint>

class PedalLink;

// The console's raw tools for the pedal's serial EEPROM and for a
// hand-typed write to the DSP. They talk to the port as it is; without a
// connection the port calls report their own errors.
class DeviceTools {
public:
    static constexpr int ErasePauseMs = 100;
    static constexpr int ReadPauseMs = 200;

    explicit DeviceTools(PedalLink& link) : link_(link) {}

    // An address box's text as an address: decimal, or hexadecimal after "$"
    // or "0x"; only the low 16 bits count. A text that is not a number raises
    // the conversion error.
    static std::uint16_t addressFromText(const QString& text);

    // "0B", start and end as four hex digits each.
    static QString eraseMessage(std::uint16_t start, std::uint16_t end);
    // "0C", the I2C device as two hex digits, start and end.
    static QString readMessage(const QString& device, std::uint16_t start, std::uint16_t end);

    // Erases the range; no answer is read.
    void erase(const QString& startText, const QString& endText);
    // Asks for the range and lists the answer's bytes numbered by address;
    // `device` is the I2C address, "50" when none is chosen.
    void read(const QString& device, const QString& startText, const QString& endText);
    // Writes "01", the address and the data as typed, 7 bytes. Anything but
    // 4 + 8 hexadecimal digits is refused and nothing is written.
    void send(const QString& address, const QString& data);

    // Set only while a read waits for and lists its answer.
    bool EepromReadMode() const { return readMode_; }

    std::uint16_t EepromStartAddress = 0;
    std::uint16_t EepromEndAddress = 0;

private:
    PedalLink& link_;
    bool readMode_ = false;

    void readAddresses(const QString& startText, const QString& endText);
    void logAndSend(const QString& message);
};
