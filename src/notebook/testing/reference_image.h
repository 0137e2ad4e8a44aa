#pragma once
// Test support: the notebook's drawing tests compare with reference PNGs in
// testdata/ folders beside them, through the toolkit's comparison.

#include <gtest/gtest.h>

#include <string>

#include "draw/surface.h"
#include "ui/testing/reference_image.h"

namespace zentrix::notebook::testing {

// `folder` is relative to the source tree ("src/notebook/answer/testdata").
inline ::testing::AssertionResult MatchesReference(const draw::Surface& surface,
                                                   const std::string& folder,
                                                   const std::string& name) {
  const std::string problem = ui::testing::CompareWithReference(
      surface, std::string(ZENTRIX_SOURCE_DIR) + "/" + folder, name, ZENTRIX_BINARY_DIR);
  if (problem.empty()) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << problem;
}

}  // namespace zentrix::notebook::testing
