#pragma once

#include "device/Communication.h"
#include "firmware/An3155.h"
#include "firmware/UpgradeResult.h"

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <initializer_list>

class PedalLink;

// The editor's side of the pedal's serial bootloader: the greeting and the
// Write Memory, global Erase and Go commands. Every byte goes out in a write
// of its own, followed or preceded by its pause; only the first byte of what
// comes back counts as the reply. Each command stops at the first reply that
// is not ACK, the first write that fails and the first wait that expires.
class BootloaderExchange {
public:
    explicit BootloaderExchange(PedalLink& link) : link_(link) {}

    // The greeting after Connect in upgrade mode; shows whether the
    // bootloader answered. It runs also when the port did not open.
    UpgradeFailure ConnectBootloader();

    // The reply, as "79" or "1F" in the log, and what it means.
    UpgradeFailure ReadAck(int limitMs = Communication::DefaultLimit);
    // Write Memory and BootAddress with its checksum.
    UpgradeFailure SendWriteCommand();
    // Erases all of the flash.
    UpgradeFailure EraseFlash();
    // One chunk of at most 256 bytes at BootAddress, which then moves past it.
    UpgradeFailure WriteChunk(const QByteArray& data);
    // Seven zero bytes and the version at the version marker's address.
    UpgradeFailure WriteVersionMarker(int version);
    // Starts the firmware at the flash's first address.
    UpgradeFailure SendGoCommand();

    // The reply that ended the last command, as two digits or empty.
    const QString& lastReply() const { return lastReply_; }

    // Tests shorten the erase's long limit.
    void setEraseLimitMs(int ms) { eraseLimitMs_ = ms; }
    int eraseLimitMs() const { return eraseLimitMs_; }

    std::uint32_t BootAddress = 0;

private:
    PedalLink& link_;
    QString lastReply_;
    int eraseLimitMs_ = An3155::EraseReplyLimitMs;

    // The first byte of the reply into lastReply_, and what it means.
    UpgradeFailure readReply(int limitMs);
    bool send(std::uint8_t byte);
    void pause(int ms);
    // Each byte, then its pause; false when a write failed.
    bool sendThenPause(std::initializer_list<std::uint8_t> bytes);
    UpgradeFailure sendAddress();
};
