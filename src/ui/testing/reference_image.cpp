#include "ui/testing/reference_image.h"

#include <cstdlib>
#include <filesystem>

#include "draw/image_io.h"

namespace zentrix::ui::testing {

std::string CompareWithReference(const draw::Surface& surface, const std::string& reference_folder,
                                 const std::string& name, const std::string& output_folder) {
  const std::string reference = reference_folder + "/" + name + ".png";
  const char* update = std::getenv("ZENTRIX_UPDATE_REFERENCES");
  if (update && std::string(update) == "1") {
    std::error_code ignored;
    std::filesystem::create_directories(reference_folder, ignored);
    if (draw::Failed(draw::SaveImage(surface, reference, draw::image_format::kPng))) {
      return "cannot write " + reference;
    }
    return {};
  }
  draw::Surface expected;
  if (draw::Failed(draw::LoadImageFile(expected, 0, reference))) {
    return "no reference " + reference + " (ZENTRIX_UPDATE_REFERENCES=1 writes it)";
  }
  const bool same_size =
      expected.Width() == surface.Width() && expected.Height() == surface.Height();
  draw::Surface diff;
  diff.Create(draw::surface_flags::kClear, surface.Width(), surface.Height());
  int different = 0;
  for (int y = 0; y < surface.Height(); ++y) {
    for (int x = 0; x < surface.Width(); ++x) {
      draw::Color actual = 0;
      draw::Color wanted = 0;
      surface.GetPixel(x, y, &actual);
      if (x < expected.Width() && y < expected.Height()) expected.GetPixel(x, y, &wanted);
      if (actual != wanted) {
        ++different;
        diff.SetPixel(x, y, 0x0000FF);
      }
    }
  }
  if (same_size && different == 0) return {};
  const std::string base = output_folder + "/" + name;
  draw::SaveImage(surface, base + "_actual.png", draw::image_format::kPng);
  draw::SaveImage(diff, base + "_diff.png", draw::image_format::kPng);
  std::string message = name + ": " + std::to_string(different) + " pixels differ";
  if (!same_size) message += " (sizes differ)";
  return message + "; see " + base + "_actual.png and " + base + "_diff.png";
}

}  // namespace zentrix::ui::testing
