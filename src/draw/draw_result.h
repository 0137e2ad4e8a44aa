#pragma once
// Result codes of the drawing layer. Every operation returns a 32-bit DrawResult:
// 0 is success, negative values are failures, positive values are informational.

#include <cstdint>

namespace zentrix::draw {

using DrawResult = std::int32_t;

constexpr DrawResult Code(std::uint32_t bits) { return static_cast<DrawResult>(bits); }

constexpr DrawResult kOk = 0;
constexpr DrawResult kInvalidArgument = Code(0x80070057);
constexpr DrawResult kOutOfMemory = Code(0x8007000E);
constexpr DrawResult kNotLocked = Code(0xC8660010);  // also "not open"
constexpr DrawResult kNoDeviceContext = Code(0xC8660040);
constexpr DrawResult kCannotCreateFile = Code(0xC8660050);
constexpr DrawResult kCannotOpenFile = Code(0xC8660060);
constexpr DrawResult kInvalidImage = Code(0xC8660070);  // image data or font image
constexpr DrawResult kNoPixels = Code(0xC8660080);
constexpr DrawResult kRefused = Code(0xC8660090);
constexpr DrawResult kDisplayNotReady = Code(0xC86600A0);  // closed, other orientation, format
constexpr DrawResult kDisplayAlreadyOpen = Code(0xC86600B0);
constexpr DrawResult kLocked = Code(0xC86600C0);
constexpr DrawResult kInputAlreadyOpen = Code(0xC86600D0);
constexpr DrawResult kOutsideSurface = Code(0xC86600E0);
constexpr DrawResult kNot16BitDisplay = Code(0xC8660110);
constexpr DrawResult kDisplayLibraryMissing = Code(0xC8660120);
constexpr DrawResult kPlacementUnsupported = Code(0xC8660130);
constexpr DrawResult kNotDisplayMemory = Code(0xC8660140);
constexpr DrawResult kDisplayMemoryPixels = Code(0xC8660170);  // also "archive cannot be opened"
constexpr DrawResult kFrameLate = Code(0x486600F0);            // positive: not a failure

// Skin archive results.
constexpr DrawResult kArchiveOpenFailed = Code(0xC8660170);
constexpr DrawResult kArchiveNotOpen = Code(0xC8660180);
constexpr DrawResult kPathNotFound = Code(0xC8660190);
constexpr DrawResult kBadMagic = Code(0xC8660200);
constexpr DrawResult kBadVersion = Code(0xC8660210);
constexpr DrawResult kDirectoryOverrun = Code(0xC8660220);
constexpr DrawResult kCorruptStream = Code(0xC8660240);
constexpr DrawResult kFileNotOpen = Code(0xC8660250);
constexpr DrawResult kZlibVersion = Code(0xC8660260);
constexpr DrawResult kFilesStillOpen = Code(0xC8660270);

constexpr bool Failed(DrawResult r) { return r < 0; }
constexpr bool Succeeded(DrawResult r) { return r >= 0; }

}  // namespace zentrix::draw
