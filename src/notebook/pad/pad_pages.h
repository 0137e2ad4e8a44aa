#pragma once
// The keys of every page of the button pad in its three arrangements: 6 x 6
// in the Bright style, 7 x 6 in the Classic style on portrait screens, 9 x 5
// on landscape screens. Keys are numbered row by row from the top left.
//
// Pages: 0 the basic keys, 1 the second layer, 2 algebra and calculus,
// 3 matrices and vectors, 4 angles and trigonometry, 5 the variables, 6 the
// distributions. On portrait pads the first column holds the page keys ("2nd"
// toggles pages 0 and 1; the keys below it open pages 2 to 6) and the last key
// of the first row is backspace on page 0, "Clear" on page 1 and "DMS" on
// page 4. The landscape pad keeps its page keys down the first column, the
// page-6 key beside the page-5 key, and the same keys as the Classic pad.
//
// Square screens are as narrow as portrait ones but much shorter, so their
// pads (one per style) leave the first, trigonometric row out of pages 0 and
// 1: those pages have five rows, the page keys of pages 2 to 6 down the first
// column, and "2nd" as the first key after it. The keys of the left-out row
// that have no other home move in: Ans and backspace (on page 1 "Clear") take
// the last two keys of the right column; sin, cos and tan stay on page 4. To
// make room, the Bright pad leaves z, x² and x⁻¹ (typed as ^2 and ^-1) and
// "{{", "}}" out; the Classic pad keeps only π and "=" of its extra column on
// page 0 (the others are on page 1). Pages 2 to 6 keep all six rows.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "notebook/pad/pad_key.h"

namespace zentrix::notebook {

enum class PadArrangement { kBright, kClassic, kLandscape, kBrightSquare, kClassicSquare };

inline constexpr int kPadPages = 7;
inline constexpr int kVariablesPage = 5;

int PadColumns(PadArrangement arrangement);
// The rows of the arrangement's tallest page.
int PadRows(PadArrangement arrangement);
// The rows of one page: the square pads' pages 0 and 1 leave the top row out.
int PadRows(PadArrangement arrangement, int page);
// Whether the page leaves out the top row of the pad image (square pads).
bool ShortPadPage(PadArrangement arrangement, int page);
// The arrangement whose image and key pitch the pad uses: the square pads
// draw the portrait pad of their style.
PadArrangement ImageArrangement(PadArrangement arrangement);

// Whether a label fits on one key (the variables page moves wider names to
// the start of a row of their own). Without one, every label fits.
using LabelFits = std::function<bool(std::u16string_view)>;

// The keys of one page, Columns x Rows(page) of them (unused keys have no action).
// `variables` are the names for page 5, in order, without "Ans".
std::vector<PadKey> BuildPadPage(PadArrangement arrangement, int page,
                                 const std::vector<std::u16string>& variables = {},
                                 const LabelFits& fits = {});

}  // namespace zentrix::notebook
