// Reference-image comparison for the ui tests (compiled into the test binary
// only, as every *_test.cpp file is).
#include <cstdlib>
#include <filesystem>

#include "ui/testing/ui_test_support.h"

namespace zentrix::ui::testing {

::testing::AssertionResult MatchesReference(const draw::Surface& surface, const std::string& name) {
  const std::string reference =
      std::string(ZENTRIX_SOURCE_DIR) + "/src/ui/testdata/" + name + ".png";
  const char* update = std::getenv("ZENTRIX_UPDATE_REFERENCES");
  if (update && std::string(update) == "1") {
    std::filesystem::create_directories(std::filesystem::path(reference).parent_path());
    if (draw::Failed(draw::SaveImage(surface, reference, draw::image_format::kPng))) {
      return ::testing::AssertionFailure() << "cannot write " << reference;
    }
    return ::testing::AssertionSuccess();
  }
  draw::Surface expected;
  if (draw::Failed(draw::LoadImageFile(expected, 0, reference))) {
    return ::testing::AssertionFailure() << "no reference " << reference
                                         << " (ZENTRIX_UPDATE_REFERENCES=1 writes it)";
  }
  bool same = expected.Width() == surface.Width() && expected.Height() == surface.Height();
  draw::Surface diff;
  diff.Create(draw::surface_flags::kClear, surface.Width(), surface.Height());
  int different = 0;
  for (int y = 0; y < surface.Height(); ++y) {
    for (int x = 0; x < surface.Width(); ++x) {
      draw::Color a = 0;
      draw::Color b = 0;
      surface.GetPixel(x, y, &a);
      if (x < expected.Width() && y < expected.Height()) expected.GetPixel(x, y, &b);
      if (a != b) {
        ++different;
        diff.SetPixel(x, y, 0x0000FF);
      }
    }
  }
  if (same && different == 0) return ::testing::AssertionSuccess();
  const std::string base = std::string(ZENTRIX_BINARY_DIR) + "/" + name;
  draw::SaveImage(surface, base + "_actual.png", draw::image_format::kPng);
  draw::SaveImage(diff, base + "_diff.png", draw::image_format::kPng);
  return ::testing::AssertionFailure() << name << ": " << different << " pixels differ; see "
                                       << base << "_actual.png and " << base << "_diff.png";
}

}  // namespace zentrix::ui::testing
