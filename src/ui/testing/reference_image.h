#pragma once
// Drawing tests compare what they drew with a reference PNG. With the
// environment variable ZENTRIX_UPDATE_REFERENCES=1 the reference is written
// instead. On a mismatch NAME_actual.png and NAME_diff.png (differing pixels in
// red) are written into `output_folder`.

#include <string>

#include "draw/surface.h"

namespace zentrix::ui::testing {

// Empty when the surface matches `reference_folder`/NAME.png (or the
// reference was rewritten); otherwise what went wrong, naming the files
// written.
std::string CompareWithReference(const draw::Surface& surface, const std::string& reference_folder,
                                 const std::string& name, const std::string& output_folder);

}  // namespace zentrix::ui::testing
