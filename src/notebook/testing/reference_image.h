#pragma once
// Test support: compares a drawn surface with a reference PNG in a testdata/
// folder of the source tree. ZENTRIX_UPDATE_REFERENCES=1 rewrites the
// reference instead; a mismatch writes NAME_actual.png and NAME_diff.png
// (differing pixels in magenta over a dimmed copy) into the build folder.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "draw/image_io.h"
#include "draw/surface.h"

namespace zentrix::notebook::testing {

inline bool UpdatingReferences() {
  const char* v = std::getenv("ZENTRIX_UPDATE_REFERENCES");
  return v && std::string(v) == "1";
}

// `folder` is relative to the source tree ("src/notebook/answer/testdata").
inline ::testing::AssertionResult MatchesReference(const draw::Surface& actual,
                                                   const std::string& folder,
                                                   const std::string& name) {
  const std::string reference =
      std::string(ZENTRIX_SOURCE_DIR) + "/" + folder + "/" + name + ".png";
  if (UpdatingReferences()) {
    std::error_code ignored;
    std::filesystem::create_directories(std::filesystem::path(reference).parent_path(), ignored);
    if (draw::SaveImage(actual, reference, draw::image_format::kPng) != draw::kOk) {
      return ::testing::AssertionFailure() << "cannot write " << reference;
    }
    return ::testing::AssertionSuccess();
  }
  draw::Surface expected;
  if (draw::LoadImageFile(expected, 0, reference) != draw::kOk) {
    return ::testing::AssertionFailure()
           << "cannot read " << reference << " (ZENTRIX_UPDATE_REFERENCES=1 writes it)";
  }
  int differing = 0;
  draw::Surface diff;
  const bool same_size = expected.Width() == actual.Width() && expected.Height() == actual.Height();
  if (same_size) {
    diff.Create(0, actual.Width(), actual.Height());
    for (int y = 0; y < actual.Height(); ++y) {
      for (int x = 0; x < actual.Width(); ++x) {
        draw::Color a = 0, e = 0;
        actual.GetPixel(x, y, &a);
        expected.GetPixel(x, y, &e);
        if (a != e) ++differing;
        const draw::Color dim =
            draw::MakeColor(draw::RedOf(a) / 4, draw::GreenOf(a) / 4, draw::BlueOf(a) / 4);
        diff.SetPixel(x, y, a == e ? dim : 0xFF00FF);
      }
    }
    if (differing == 0) return ::testing::AssertionSuccess();
  }
  const std::string base = std::string(ZENTRIX_BINARY_DIR) + "/" + name;
  draw::SaveImage(actual, base + "_actual.png", draw::image_format::kPng);
  if (same_size) draw::SaveImage(diff, base + "_diff.png", draw::image_format::kPng);
  auto failure = ::testing::AssertionFailure();
  if (!same_size) {
    failure << name << ": size " << actual.Width() << "x" << actual.Height() << ", reference "
            << expected.Width() << "x" << expected.Height();
  } else {
    failure << name << ": " << differing << " pixels differ";
  }
  return failure << "; see " << base << "_actual.png and _diff.png";
}

}  // namespace zentrix::notebook::testing
