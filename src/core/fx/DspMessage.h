#pragma once

#include <QString>
#include <cstdint>

// The write to DSP message, the one message that changes a parameter of the
// running effect: 0x01, the 16-bit address, the 32-bit value word.
QString WriteToDspMessage(std::uint16_t address, std::uint32_t word);
