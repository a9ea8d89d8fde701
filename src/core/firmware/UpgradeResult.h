#pragma once

#include <QString>
#include <cstdint>

// The steps of a firmware upgrade, the greeting at Connect first.
enum class UpgradeStep { Greeting, Load, Split, Erase, WriteChunk, VersionMarker, Go };

// Why a step stopped.
enum class UpgradeFailure {
    None,
    NotAck,          // the bootloader answered NACK
    UnexpectedReply, // it answered something other than ACK or NACK
    NoReply,         // nothing came within the limit
    WriteFailed,     // a byte did not go out; the driver's box has been shown
    ReadFailed,      // the driver failed while waiting or reading; its box has been shown
    ImageMissing,    // no built-in image of that name
    ImageEmpty,
    ImageTooLarge, // it would reach the version marker
};

// Where and why an upgrade stopped; `failure` is None when every step was
// acknowledged.
struct UpgradeResult {
    UpgradeStep step = UpgradeStep::Go;
    UpgradeFailure failure = UpgradeFailure::None;
    int chunk = 0;             // WriteChunk: the chunk's index, from 0
    int chunkCount = 0;        // WriteChunk: how many the image has
    std::uint32_t address = 0; // WriteChunk: where the chunk goes
    QString detail;            // the reply byte, or the image's name or size

    bool completed() const { return failure == UpgradeFailure::None; }
};

// The box that tells the user where the upgrade stopped and what to do.
QString upgradeStopMessage(const UpgradeResult& result);
