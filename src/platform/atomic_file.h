#pragma once
// Whole-file saves that never leave a half-written file behind: the contents go
// to a temporary file in the same folder, are flushed to the disk, and the
// temporary file is renamed over the target. A reader (or a copy started after
// a crash or a kill) sees either the old file or the new one, never a mixture.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace zentrix::platform {

bool WriteFileAtomically(const std::string& path, std::string_view contents);
bool WriteFileAtomically(const std::string& path, std::span<const std::uint8_t> contents);

}  // namespace zentrix::platform
