#include "firmware/BootloaderExchange.h"

#include "app/DiagnosticLog.h"
#include "app/Dialogs.h"
#include "app/Pacer.h"
#include "device/HexText.h"
#include "device/PedalLink.h"

using namespace An3155;

namespace {

const QString AckText = hexField(Ack, 2);
const QString NackText = hexField(Nack, 2);

} // namespace

bool BootloaderExchange::send(std::uint8_t byte) {
    D2XXUnit& unit = link_.unit();
    unit.OutBuffer()[0] = byte;
    return unit.WriteOut(1) == 1;
}

void BootloaderExchange::pause(int ms) {
    link_.pacer().sleepMs(ms);
}

bool BootloaderExchange::sendThenPause(std::initializer_list<std::uint8_t> bytes) {
    for (const std::uint8_t b : bytes) {
        if (!send(b)) {
            return false;
        }
        pause(SendPauseMs);
    }
    return true;
}

UpgradeFailure BootloaderExchange::readReply(int limitMs) {
    WaitOutcome outcome{};
    lastReply_ = link_.comm().ReadBootloaderReply(limitMs, &outcome);
    if (lastReply_ == AckText) {
        return UpgradeFailure::None;
    }
    if (lastReply_ == NackText) {
        return UpgradeFailure::NotAck;
    }
    if (outcome == WaitOutcome::DeviceError) {
        return UpgradeFailure::ReadFailed;
    }
    return lastReply_.isEmpty() ? UpgradeFailure::NoReply : UpgradeFailure::UnexpectedReply;
}

UpgradeFailure BootloaderExchange::ConnectBootloader() {
    // A failed write is shown by the driver's box; the empty reply then
    // tells the rest.
    send(Greeting);
    const UpgradeFailure failure = readReply(Communication::DefaultLimit);
    link_.log().appendDirect(QStringLiteral("received Byte: ") + lastReply_);
    link_.dialogs().showMessage(
        failure == UpgradeFailure::None
            ? QStringLiteral("Connection to bootloader succeeded, ready for firmware upgrade")
            : QStringLiteral("Connection to bootloader failed"));
    return failure;
}

UpgradeFailure BootloaderExchange::ReadAck(int limitMs) {
    DiagnosticLog& log = link_.log();
    const UpgradeFailure failure = readReply(limitMs);
    log.appendDirect(QStringLiteral("received: ") + lastReply_);
    if (failure == UpgradeFailure::None) {
        log.appendDirect(QStringLiteral("ACK"));
    } else if (failure == UpgradeFailure::NotAck) {
        log.appendDirect(QStringLiteral("NOT ACK"));
    }
    return failure;
}

UpgradeFailure BootloaderExchange::sendAddress() {
    DiagnosticLog& log = link_.log();
    log.ConsoleLog(QStringLiteral("SEND ADDRESS + CHECKSUM"));
    const auto a3 = std::uint8_t(BootAddress >> 24);
    const auto a2 = std::uint8_t(BootAddress >> 16);
    const auto a1 = std::uint8_t(BootAddress >> 8);
    const auto a0 = std::uint8_t(BootAddress);
    const auto checksum = std::uint8_t(a3 ^ a2 ^ a1 ^ a0);
    log.ConsoleLog(QStringLiteral("Address: ") + hexField(BootAddress, 8));
    log.ConsoleLog(QStringLiteral("address checksum: ") + hexField(checksum, 2));
    return sendThenPause({a3, a2, a1, a0, checksum}) ? UpgradeFailure::None
                                                     : UpgradeFailure::WriteFailed;
}

UpgradeFailure BootloaderExchange::SendWriteCommand() {
    link_.log().ConsoleLog(QStringLiteral("SEND WRITE COMMAND"));
    if (!sendThenPause({WriteMemory, WriteMemoryComplement})) {
        return UpgradeFailure::WriteFailed;
    }
    pause(ReplyPauseMs);
    if (const UpgradeFailure f = ReadAck(); f != UpgradeFailure::None) {
        return f;
    }
    if (const UpgradeFailure f = sendAddress(); f != UpgradeFailure::None) {
        return f;
    }
    pause(ReplyPauseMs);
    return ReadAck();
}

UpgradeFailure BootloaderExchange::EraseFlash() {
    link_.log().appendDirect(QStringLiteral("Start Erase Command"));
    const auto pauseThenSend = [this](std::uint8_t first, std::uint8_t second) {
        pause(SendPauseMs);
        if (!send(first)) {
            return false;
        }
        pause(SendPauseMs);
        return send(second);
    };
    if (!pauseThenSend(EraseMemory, EraseMemoryComplement)) {
        return UpgradeFailure::WriteFailed;
    }
    pause(ReplyPauseMs);
    if (const UpgradeFailure f = ReadAck(); f != UpgradeFailure::None) {
        return f;
    }
    if (!pauseThenSend(GlobalErase, GlobalEraseChecksum)) {
        return UpgradeFailure::WriteFailed;
    }
    pause(ReplyPauseMs);
    return ReadAck(eraseLimitMs_);
}

UpgradeFailure BootloaderExchange::WriteChunk(const QByteArray& data) {
    DiagnosticLog& log = link_.log();
    if (const UpgradeFailure f = SendWriteCommand(); f != UpgradeFailure::None) {
        return f;
    }
    log.ConsoleLog(QStringLiteral("SEND N BYTE + DATA + CHECKSUM"));
    const int n = int(data.size());
    const auto count = std::uint8_t(n - 1);
    log.ConsoleLog(QStringLiteral("N_byte: ") + hexField(count, 2));
    if (!sendThenPause({count})) {
        return UpgradeFailure::WriteFailed;
    }
    log.ConsoleLog(QStringLiteral("chunk size: %1").arg(n));
    std::uint8_t checksum = count;
    for (const char c : data) {
        if (!send(std::uint8_t(c))) {
            return UpgradeFailure::WriteFailed;
        }
        link_.pacer().bytePause();
        checksum ^= std::uint8_t(c);
    }
    log.ConsoleLog(QStringLiteral("data checksum: ") + hexField(checksum, 2));
    if (!sendThenPause({checksum})) {
        return UpgradeFailure::WriteFailed;
    }
    if (const UpgradeFailure f = ReadAck(); f != UpgradeFailure::None) {
        return f;
    }
    BootAddress += std::uint32_t(n);
    log.ConsoleLog(QString());
    return UpgradeFailure::None;
}

UpgradeFailure BootloaderExchange::WriteVersionMarker(int version) {
    BootAddress = VersionMarkerAddress;
    if (const UpgradeFailure f = SendWriteCommand(); f != UpgradeFailure::None) {
        return f;
    }
    // The count byte is one less than the bytes that follow; the checksum
    // covers it too.
    constexpr auto count = std::uint8_t(MarkerBytes - 1);
    const auto v = std::uint8_t(version);
    if (!sendThenPause({count, 0, 0, 0, 0, 0, 0, 0, v, std::uint8_t(count ^ v)})) {
        return UpgradeFailure::WriteFailed;
    }
    pause(ReplyPauseMs);
    return ReadAck();
}

UpgradeFailure BootloaderExchange::SendGoCommand() {
    DiagnosticLog& log = link_.log();
    log.ConsoleLog(QString());
    log.ConsoleLog(QStringLiteral("SEND GO COMMAND"));
    BootAddress = FlashBase;
    if (!sendThenPause({Go, GoComplement})) {
        return UpgradeFailure::WriteFailed;
    }
    pause(GoReplyPauseMs);
    if (const UpgradeFailure f = ReadAck(); f != UpgradeFailure::None) {
        return f;
    }
    if (const UpgradeFailure f = sendAddress(); f != UpgradeFailure::None) {
        return f;
    }
    pause(GoReplyPauseMs);
    return ReadAck();
}
