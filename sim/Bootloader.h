#pragma once

#include <QByteArray>
#include <cstdint>
#include <optional>

// The microcontroller's serial bootloader as the STM32 USART protocol has it:
// greeting 0x7F, ACK 0x79, NACK 0x1F, each command byte followed by its
// complement, XOR checksums. 128 KiB of flash at 0x08000000, 1 KiB pages.
class Bootloader {
public:
    static constexpr std::uint32_t FlashBase = 0x08000000;
    static constexpr int FlashSize = 128 * 1024;
    static constexpr int PageSize = 1024;
    static constexpr std::uint16_t ProductId = 0x0410;
    static constexpr char Ack = 0x79;
    static constexpr char Nack = 0x1F;

    // Points of the exchange where a test can make the bootloader fail.
    enum class Step { Greeting, Command, Address, Data, Erase };
    // What it does there in place of ACK: NACK, or no reply at all while it
    // goes on as if it had acknowledged.
    enum class Fault { Nack, Silence };

    Bootloader();

    // Feeds one received byte; returns the bootloader's reply bytes.
    QByteArray receive(std::uint8_t byte);

    // Set when a Go command was accepted; the caller then runs the firmware.
    std::optional<std::uint32_t> takeGoAddress();

    // The `occurrence`-th time `step` is reached, answer NACK instead of ACK.
    void nackAt(Step step, int occurrence = 1) { failAt(step, occurrence, Fault::Nack); }
    void failAt(Step step, int occurrence, Fault fault);

    QByteArray& flash() { return flash_; }
    const QByteArray& flash() const { return flash_; }
    int eraseCount() const { return eraseCount_; }

private:
    enum class State { Idle, Complement, Address, ReadCount, WriteData, EraseStart, ErasePages };

    QByteArray flash_;
    State state_ = State::Idle;
    std::uint8_t command_ = 0;
    QByteArray collected_;
    int expected_ = 0;
    std::uint32_t address_ = 0;
    std::optional<std::uint32_t> go_;
    std::optional<Step> faultStep_;
    int faultCountdown_ = 0;
    Fault fault_ = Fault::Nack;
    bool silenced_ = false;
    int eraseCount_ = 0;

    QByteArray advance(std::uint8_t byte);
    QByteArray ackOrNack(Step step, bool ok);
    QByteArray startCommand();
    QByteArray finishAddress();
    QByteArray finishRead();
    QByteArray finishWrite();
    QByteArray finishErase();
    QByteArray reset(QByteArray reply);
    bool inFlash(std::uint32_t address, int length) const;
};
