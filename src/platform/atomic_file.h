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

// Whether a file name is one of the writer's temporary names (".NAME.tmpPID-N")
// and the process it names.
bool IsTemporaryName(std::string_view name, long* pid);

// Removes the temporary files a killed or crashed save left in `folder` and
// the folders below it (symbolic links are not followed): only names of the
// writer's own form whose process is gone or is this process, so call it
// before this process saves anything. A running copy's saves are left alone,
// and so is every other file. Returns how many were removed.
int RemoveStaleTemporaryFiles(const std::string& folder);

}  // namespace zentrix::platform
