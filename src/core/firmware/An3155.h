#pragma once

#include <cstdint>

// The pedal's serial bootloader: every byte the editor sends it, the replies
// it gives, where the firmware goes, and the pauses and reply limits of the
// exchange. The pause after each data byte is the Pacer's byte pause.
namespace An3155 {

inline constexpr std::uint8_t Greeting = 0x7F;
inline constexpr std::uint8_t Ack = 0x79;
inline constexpr std::uint8_t Nack = 0x1F;

// Each command byte is followed by its complement.
inline constexpr std::uint8_t WriteMemory = 0x31;
inline constexpr std::uint8_t WriteMemoryComplement = 0xCE;
inline constexpr std::uint8_t EraseMemory = 0x43;
inline constexpr std::uint8_t EraseMemoryComplement = 0xBC;
inline constexpr std::uint8_t Go = 0x21;
inline constexpr std::uint8_t GoComplement = 0xDE;
// The page count 0xFF asks for all of the flash; its checksum follows.
inline constexpr std::uint8_t GlobalErase = 0xFF;
inline constexpr std::uint8_t GlobalEraseChecksum = 0x00;

inline constexpr std::uint32_t FlashBase = 0x08000000;
inline constexpr std::uint32_t VersionMarkerAddress = 0x0801FC00;
// The largest data block of one Write Memory.
inline constexpr int ChunkSize = 256;
// An image must end below the version marker, or the marker would be written
// over its last bytes.
inline constexpr int MaxImageBytes = int(VersionMarkerAddress - FlashBase);
// The version marker: seven zero bytes, then the version.
inline constexpr int MarkerBytes = 8;

// Pauses of the user-interface thread, in ms.
inline constexpr int SendPauseMs = 1;      // beside each command, address, count or marker byte
inline constexpr int ReplyPauseMs = 20;    // before the reply of a write or erase part
inline constexpr int GoReplyPauseMs = 100; // before the replies of Go
// A reply comes within the exchange's answer limit (5 s), but the global
// erase happens before its reply and may take much longer.
inline constexpr int EraseReplyLimitMs = 60000;

} // namespace An3155
