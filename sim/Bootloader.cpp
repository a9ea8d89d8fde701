#include "Bootloader.h"

namespace {

constexpr std::uint8_t Greeting = 0x7F;
constexpr std::uint8_t CmdGet = 0x00;
constexpr std::uint8_t CmdGetVersion = 0x01;
constexpr std::uint8_t CmdGetId = 0x02;
constexpr std::uint8_t CmdRead = 0x11;
constexpr std::uint8_t CmdGo = 0x21;
constexpr std::uint8_t CmdWrite = 0x31;
constexpr std::uint8_t CmdErase = 0x43;
constexpr char ProtocolVersion = 0x31;

std::uint8_t xorOf(const QByteArray& bytes, int from, int to) {
    std::uint8_t x = 0;
    for (int i = from; i < to; ++i) {
        x ^= std::uint8_t(bytes[i]);
    }
    return x;
}

} // namespace

Bootloader::Bootloader() : flash_(FlashSize, char(0xFF)) {}

std::optional<std::uint32_t> Bootloader::takeGoAddress() {
    auto go = go_;
    go_.reset();
    return go;
}

void Bootloader::failAt(Step step, int occurrence, Fault fault) {
    faultStep_ = step;
    faultCountdown_ = occurrence;
    fault_ = fault;
}

bool Bootloader::inFlash(std::uint32_t address, int length) const {
    return address >= FlashBase && address + std::uint32_t(length) <= FlashBase + FlashSize;
}

QByteArray Bootloader::reset(QByteArray reply) {
    state_ = State::Idle;
    collected_.clear();
    return reply;
}

QByteArray Bootloader::ackOrNack(Step step, bool ok) {
    if (ok && faultStep_ == step && --faultCountdown_ == 0) {
        faultStep_.reset();
        ok = fault_ != Fault::Nack;
        silenced_ = fault_ == Fault::Silence;
    }
    return QByteArray(1, ok ? Ack : Nack);
}

QByteArray Bootloader::receive(std::uint8_t byte) {
    const QByteArray reply = advance(byte);
    if (silenced_) {
        silenced_ = false;
        return {};
    }
    return reply;
}

QByteArray Bootloader::advance(std::uint8_t byte) {
    switch (state_) {
    case State::Idle:
        if (byte == Greeting) {
            return ackOrNack(Step::Greeting, true);
        }
        command_ = byte;
        state_ = State::Complement;
        return {};
    case State::Complement:
        if (byte != std::uint8_t(~command_)) {
            return reset(QByteArray(1, Nack));
        }
        return startCommand();
    default:
        break;
    }
    collected_.append(char(byte));
    if (state_ == State::WriteData && collected_.size() == 1) {
        expected_ = 1 + (byte + 1) + 1;
    }
    if (state_ == State::EraseStart) {
        state_ = State::ErasePages;
        expected_ = byte == 0xFF ? 2 : 1 + (byte + 1) + 1;
    }
    if (collected_.size() < expected_) {
        return {};
    }
    switch (state_) {
    case State::Address:
        return finishAddress();
    case State::ReadCount:
        return finishRead();
    case State::WriteData:
        return finishWrite();
    case State::ErasePages:
        return finishErase();
    default:
        return reset({});
    }
}

QByteArray Bootloader::startCommand() {
    QByteArray ack = ackOrNack(Step::Command, true);
    if (ack[0] != Ack) {
        return reset(ack);
    }
    switch (command_) {
    case CmdGet: {
        const char commands[] = {CmdGet, CmdGetVersion, CmdGetId, CmdRead,
                                 CmdGo,  CmdWrite,      CmdErase};
        ack.append(char(sizeof(commands)));
        ack.append(ProtocolVersion);
        ack.append(commands, sizeof(commands));
        return reset(ack + Ack);
    }
    case CmdGetVersion:
        return reset(ack + ProtocolVersion + QByteArray(2, '\0') + Ack);
    case CmdGetId:
        return reset(ack + char(1) + char(ProductId >> 8) + char(ProductId & 0xFF) + Ack);
    case CmdRead:
    case CmdGo:
    case CmdWrite:
        state_ = State::Address;
        expected_ = 5;
        collected_.clear();
        return ack;
    case CmdErase:
        state_ = State::EraseStart;
        collected_.clear();
        return ack;
    default:
        return reset(QByteArray(1, Nack));
    }
}

QByteArray Bootloader::finishAddress() {
    address_ = (std::uint32_t(std::uint8_t(collected_[0])) << 24) |
               (std::uint32_t(std::uint8_t(collected_[1])) << 16) |
               (std::uint32_t(std::uint8_t(collected_[2])) << 8) |
               std::uint32_t(std::uint8_t(collected_[3]));
    const bool ok = xorOf(collected_, 0, 4) == std::uint8_t(collected_[4]) && inFlash(address_, 1);
    const QByteArray reply = ackOrNack(Step::Address, ok);
    if (reply[0] != Ack) {
        return reset(reply);
    }
    collected_.clear();
    if (command_ == CmdGo) {
        go_ = address_;
        return reset(reply);
    }
    if (command_ == CmdRead) {
        state_ = State::ReadCount;
        expected_ = 2;
    } else {
        state_ = State::WriteData;
        expected_ = 1;
    }
    return reply;
}

QByteArray Bootloader::finishRead() {
    const int n = std::uint8_t(collected_[0]) + 1;
    const bool ok = std::uint8_t(collected_[1]) == std::uint8_t(~std::uint8_t(collected_[0])) &&
                    inFlash(address_, n);
    if (!ok) {
        return reset(QByteArray(1, Nack));
    }
    return reset(QByteArray(1, Ack) + flash_.mid(int(address_ - FlashBase), n));
}

QByteArray Bootloader::finishWrite() {
    const int n = std::uint8_t(collected_[0]) + 1;
    const bool ok =
        xorOf(collected_, 0, n + 1) == std::uint8_t(collected_[n + 1]) && inFlash(address_, n);
    const QByteArray reply = ackOrNack(Step::Data, ok);
    if (reply[0] == Ack) {
        // Flash bits only go from 1 to 0 when programmed; erasing sets them.
        const int at = int(address_ - FlashBase);
        for (int i = 0; i < n; ++i) {
            flash_[at + i] = char(std::uint8_t(flash_[at + i]) & std::uint8_t(collected_[1 + i]));
        }
    }
    return reset(reply);
}

QByteArray Bootloader::finishErase() {
    const int pages = FlashSize / PageSize;
    if (std::uint8_t(collected_[0]) == 0xFF) {
        const QByteArray reply = ackOrNack(Step::Erase, std::uint8_t(collected_[1]) == 0x00);
        if (reply[0] == Ack) {
            flash_.fill(char(0xFF));
            ++eraseCount_;
        }
        return reset(reply);
    }
    const int n = std::uint8_t(collected_[0]) + 1;
    bool ok = xorOf(collected_, 0, n + 1) == std::uint8_t(collected_[n + 1]);
    for (int i = 1; i <= n; ++i) {
        ok = ok && std::uint8_t(collected_[i]) < pages;
    }
    const QByteArray reply = ackOrNack(Step::Erase, ok);
    if (reply[0] == Ack) {
        for (int i = 1; i <= n; ++i) {
            const int page = std::uint8_t(collected_[i]);
            for (int b = 0; b < PageSize; ++b) {
                flash_[page * PageSize + b] = char(0xFF);
            }
        }
        ++eraseCount_;
    }
    return reset(reply);
}
