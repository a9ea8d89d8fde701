#include "console/DeviceTools.h"

#include "app/DiagnosticLog.h"
#include "app/Dialogs.h"
#include "app/EditorError.h"
#include "app/IntegerText.h"
#include "app/Pacer.h"
#include "app/ScopeExit.h"
#include "device/HexText.h"
#include "device/PedalLink.h"

#include <QRegularExpression>

namespace {
// The time an answer of this many values takes at most at 115,200 baud: up to
// five bytes a value ("255", CR, LF), ten bits a byte.
int wireTimeMs(int values) {
    constexpr int BitsPerValue = 5 * 10;
    constexpr int BitsPerSecond = 115200;
    return values * BitsPerValue * 1000 / BitsPerSecond;
}
} // namespace

std::uint16_t DeviceTools::addressFromText(const QString& text) {
    const std::optional<int> value = parseIntegerText(text);
    if (!value) {
        throw ConversionError::integer(text);
    }
    return static_cast<std::uint16_t>(static_cast<unsigned>(*value) & 0xFFFFu);
}

QString DeviceTools::eraseMessage(std::uint16_t start, std::uint16_t end) {
    return QStringLiteral("0B") + hexField(start, 4) + hexField(end, 4);
}

QString DeviceTools::readMessage(const QString& device, std::uint16_t start, std::uint16_t end) {
    return QStringLiteral("0C") + device + hexField(start, 4) + hexField(end, 4);
}

void DeviceTools::readAddresses(const QString& startText, const QString& endText) {
    EepromStartAddress = addressFromText(startText);
    EepromEndAddress = addressFromText(endText);
}

void DeviceTools::logAndSend(const QString& message) {
    link_.log().ConsoleLog(QString::number(message.size() / 2));
    link_.log().ConsoleLog(message);
    link_.comm().SendHexMessage(message, true);
}

void DeviceTools::erase(const QString& startText, const QString& endText) {
    readAddresses(startText, endText);
    logAndSend(eraseMessage(EepromStartAddress, EepromEndAddress));
    link_.pacer().sleepMs(ErasePauseMs);
}

void DeviceTools::read(const QString& device, const QString& startText, const QString& endText) {
    readAddresses(startText, endText);
    const QString message = readMessage(device, EepromStartAddress, EepromEndAddress);
    Communication& comm = link_.comm();
    readMode_ = true;
    comm.setEepromListing(std::pair<int, int>(EepromStartAddress, EepromEndAddress));
    const ScopeExit done([this, &comm] {
        readMode_ = false;
        comm.setEepromListing(std::nullopt);
    });
    logAndSend(message);
    link_.pacer().sleepMs(ReadPauseMs);
    const int expected = EepromEndAddress - EepromStartAddress + 1;
    // A long range takes seconds on the wire: the limit grows by that time.
    const ValueAnswer answer =
        comm.ReadDeviceValues(ReadPacing::TenMsSteps, std::max(expected, 0),
                              comm.answerTimeout() + wireTimeMs(std::max(expected, 0)));
    if (answer.outcome == WaitOutcome::TimedOut) {
        link_.dialogs().showMessage(QStringLiteral("The pedal did not answer the EEPROM read."));
    } else if (answer.outcome == WaitOutcome::Answered && answer.values < expected) {
        // A range whose answer does not fit the receive buffer, or a pedal
        // that stopped early: say so rather than pass a part for the whole.
        link_.dialogs().showMessage(
            QStringLiteral("Incomplete answer from the pedal: %1 values received, %2 expected.")
                .arg(answer.values)
                .arg(expected));
    }
}

void DeviceTools::send(const QString& address, const QString& data) {
    const QString message = QStringLiteral("01") + address + data;
    static const QRegularExpression hexDigits(QStringLiteral("^[0-9A-Fa-f]*$"));
    if (address.size() != 4 || data.size() != 8 || !hexDigits.match(address + data).hasMatch()) {
        throw EditorError(QStringLiteral("Message not sent: '%1' needs an address of 4 and data "
                                         "of 8 hexadecimal digits after 01.")
                              .arg(message));
    }
    link_.log().ConsoleLog(message);
    link_.comm().SendHexMessage(message, false);
}
