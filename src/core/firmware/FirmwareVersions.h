#pragma once

#include <array>

// The versions of the firmware images the editor carries, rising.
inline constexpr std::array<int, 3> FirmwareVersionList = {5, 6, 7};
