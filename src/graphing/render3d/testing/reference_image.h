#pragma once
// Test support: compares a surface with a reference PNG in testdata/ beside
// the tests. ZENTRIX_UPDATE_REFERENCES=1 rewrites the reference; a mismatch
// writes NAME_actual.png and NAME_diff.png into the build folder and names
// them in the failure.

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "draw/image_io.h"
#include "draw/surface.h"

namespace zentrix::graphing::render3d::testing {

inline void ExpectMatchesReference(const draw::Surface& actual, const std::string& name) {
  const std::string reference =
      std::string(ZENTRIX_SOURCE_DIR) + "/src/graphing/render3d/testdata/" + name + ".png";
  const char* update = std::getenv("ZENTRIX_UPDATE_REFERENCES");
  if (update != nullptr && std::string(update) == "1") {
    ASSERT_EQ(draw::SaveImage(actual, reference, draw::image_format::kPng), draw::kOk);
    return;
  }
  draw::Surface expected;
  ASSERT_EQ(draw::LoadImageFile(expected, 0, reference), draw::kOk) << "missing " << reference;
  int differing = 0;
  draw::Surface diff;
  diff.Create(draw::surface_flags::kClear, actual.Width(), actual.Height());
  const bool same_size = expected.Width() == actual.Width() && expected.Height() == actual.Height();
  for (int y = 0; same_size && y < actual.Height(); ++y) {
    for (int x = 0; x < actual.Width(); ++x) {
      draw::Color a = 0, e = 0;
      actual.GetPixel(x, y, &a);
      expected.GetPixel(x, y, &e);
      if (a != e) {
        ++differing;
        diff.SetPixel(x, y, 0x0000FF);
      }
    }
  }
  if (same_size && differing == 0) return;
  const std::string out = std::string(ZENTRIX_BINARY_DIR) + "/" + name;
  draw::SaveImage(actual, out + "_actual.png", draw::image_format::kPng);
  draw::SaveImage(diff, out + "_diff.png", draw::image_format::kPng);
  ADD_FAILURE() << name << ": "
                << (same_size ? std::to_string(differing) + " pixels differ"
                              : std::string("size differs"))
                << "; see " << out << "_actual.png and " << out << "_diff.png";
}

}  // namespace zentrix::graphing::render3d::testing
