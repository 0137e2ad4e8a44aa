#include "notebook/pad/pad_pages.h"

#include <array>

namespace zentrix::notebook {
namespace {

using Action = PadKey::Action;
using KeyDef = std::u16string_view;
using Row = std::vector<KeyDef>;
using Page = std::vector<Row>;

// Keys are written as definitions: "x" inserts itself, "sin(" shows "sin" and
// inserts "sin(", an empty one is an unused key; the names below stand for
// keys whose text differs from their label, and for the action keys.
constexpr KeyDef kBackspaceKey =
    u"\x01"
    u"backspace";
constexpr KeyDef kClearKey =
    u"\x01"
    u"clear";
constexpr KeyDef kDmsKey =
    u"\x01"
    u"dms";
constexpr KeyDef kExpKey =
    u"\x01"
    u"exp";  // e^x inserts e^(
constexpr KeyDef kPiPowerKey =
    u"\x01"
    u"pipower";  // π^x inserts π^(
constexpr KeyDef kSquareKey =
    u"\x01"
    u"square";  // x² inserts ²
constexpr KeyDef kInverseKey =
    u"\x01"
    u"inverse";  // x⁻¹ inserts ⁻¹
constexpr KeyDef kInverseNormKey =
    u"\x01"
    u"invnorm";
constexpr KeyDef kSecondKey =
    u"\x01"
    u"second";  // "2nd" inside a page, on the square pads' short pages

constexpr KeyDef kPi = u"\u00ED";
constexpr KeyDef kE = u"\u00DC";
constexpr KeyDef kI = u"\u00DD";
constexpr KeyDef kInfinity = u"\u00DB";
constexpr KeyDef kTenPower = u"\u0080";
constexpr KeyDef kDegree = u"\u0083";
constexpr KeyDef kRoot = u"\u0087(";
constexpr KeyDef kIntegral = u"\u0084(";

// The Bright pad's pages, without the page-key column.
const std::array<Page, kPadPages>& BrightPages() {
  static const std::array<Page, kPadPages> pages{{
      {{u"sin(", u"cos(", u"tan(", u"Ans", kBackspaceKey},
       {u"x", u"y", u"z", u"(", u")"},
       {u"7", u"8", u"9", u"/", kRoot},
       {u"4", u"5", u"6", u"*", u"^"},
       {u"1", u"2", u"3", u"-", kSquareKey},
       {u",", u"0", u".", u"+", kInverseKey}},
      {{u"asin(", u"acos(", u"atan(", kInfinity, kClearKey},
       {kPi, kE, kExpKey, u"{", u"}"},
       {kI, u"re(", u"im(", u"{{", u"}}"},
       {u"ln(", u"log10(", u"ceiling(", u"floor(", u"!"},
       {u"=", u"sign(", kPiPowerKey, u"iPart(", u"fPart("},
       {u"},{", kTenPower, u"abs("}},
      {{u"Limit(", u"D(", kIntegral, u"Solve(", u"Eval("},
       {u"Expand(", u"Factor(", u"Product("},
       {u"Quotient(", u"Remainder(", u"PolyDivide("},
       {u"Series(", u"FSeries(", u"NIntegrate("},
       {u"Curl(", u"Gradient(", u"Divergence("},
       {u"Laplacian(", u"Duf(", u"Sum("}},
      {{u"Dot(", u"Cross(", u"Det(", u"QR("},
       {u"Inverse(", u"Transpose(", u"RowReduce("},
       {u"MatrixPower(", u"VectorNorm(", u"VectorAngle("},
       {u"VarStats(", u"Jacobian(", u"Hessian("},
       {u"Eigenvalues("},
       {u"Identity("}},
      {{u"sin(", u"cos(", u"tan(", kDegree, kDmsKey},
       {u"asin(", u"acos(", u"atan(", u"'"},
       {u"csc(", u"sec(", u"cot(", u"''", u"angle("},
       {u"acsc(", u"asec(", u"acot(", u"csch(", u"acsch("},
       {u"sinh(", u"cosh(", u"tanh(", u"sech(", u"asech("},
       {u"asinh(", u"acosh(", u"atanh(", u"coth(", u"acoth("}},
      {},  // the variables, built when the page opens
      {{u"FPdf(", u"FCdf("},
       {u"NormalPdf(", u"NormalCdf(", kInverseNormKey},
       {u"StudentTPdf(", u"StudentTCdf(", u"GeoPdf("},
       {u"ChiSquarePdf(", u"ChiSquareCdf(", u"GeoCdf("},
       {u"BinomialPdf(", u"BinomialCdf("},
       {u"PoissonPdf(", u"PoissonCdf("}},
  }};
  return pages;
}

// The Classic pad adds a column: pages 0 and 1 carry an extra key at the start
// of each row, page 2 ends its first row with Sum and has Together in its last.
Page ClassicPage(int page) {
  Page rows = BrightPages()[page];
  if (page == 0) {
    const std::array<KeyDef, 6> extra{kExpKey, kPi, kE, u"ln(", u"=", kTenPower};
    for (std::size_t r = 0; r < rows.size(); ++r) rows[r].insert(rows[r].begin(), extra[r]);
  } else if (page == 1) {
    rows[5].pop_back();  // abs moves to the front of the first row
    rows[0].insert(rows[0].begin(), u"abs(");
    for (std::size_t r = 1; r < rows.size(); ++r) rows[r].insert(rows[r].begin(), u"");
  } else if (page == 2) {
    rows[0].push_back(u"Sum(");
    rows[5].back() = u"Together(";
  }
  return rows;
}

// The landscape pad's page 0, 8 keys a row after the page keys; its last row
// starts after the page-6 key.
const Page& LandscapeBasicPage() {
  static const Page page{
      {u"sin(", u"cos(", u"tan(", kExpKey, u"ln(", u"(", u")", kBackspaceKey},
      {kPi, kE, u"x", u"7", u"8", u"9", u"/", kRoot},
      {u"=", kTenPower, u"y", u"4", u"5", u"6", u"*", u"^"},
      {u"Ans", u"", u"z", u"1", u"2", u"3", u"-", kSquareKey},
      {u"", u"", u"0", u".", u",", u"+", kInverseKey},
  };
  return page;
}

// The square pads' pages 0 and 1, without the page-key column (see the header
// for what moved and what was left out).
const Page& SquarePage(PadArrangement arrangement, int page) {
  static const Page bright_basic{
      {kSecondKey, u"x", u"y", u"(", u")"},    {u"7", u"8", u"9", u"/", kRoot},
      {u"4", u"5", u"6", u"*", u"^"},          {u"1", u"2", u"3", u"-", u"Ans"},
      {u",", u"0", u".", u"+", kBackspaceKey},
  };
  static const Page bright_second{
      {kSecondKey, kPi, kE, kExpKey, kInfinity},
      {kI, u"re(", u"im(", u"{", u"}"},
      {u"ln(", u"log10(", u"ceiling(", u"floor(", u"!"},
      {u"=", u"sign(", kPiPowerKey, u"iPart(", u"fPart("},
      {u"},{", kTenPower, u"abs(", u"", kClearKey},
  };
  static const Page classic_basic{
      {kSecondKey, u"x", u"y", u"z", u"(", u")"},
      {kPi, u"7", u"8", u"9", u"/", kRoot},
      {u"=", u"4", u"5", u"6", u"*", u"^"},
      {kSquareKey, u"1", u"2", u"3", u"-", u"Ans"},
      {kInverseKey, u",", u"0", u".", u"+", kBackspaceKey},
  };
  static const Page classic_second{
      {kSecondKey, kPi, kE, kExpKey, u"{", u"}"},
      {u"abs(", kI, u"re(", u"im(", u"{{", u"}}"},
      {kInfinity, u"ln(", u"log10(", u"ceiling(", u"floor(", u"!"},
      {u"", u"=", u"sign(", kPiPowerKey, u"iPart(", u"fPart("},
      {u"", u"},{", kTenPower, u"", u"", kClearKey},
  };
  const bool bright = arrangement == PadArrangement::kBrightSquare;
  if (page == 0) return bright ? bright_basic : classic_basic;
  return bright ? bright_second : classic_second;
}

PadKey Insert(std::u16string label, std::u16string text) {
  PadKey key;
  key.action = Action::kInsert;
  key.label = std::move(label);
  key.text = std::move(text);
  return key;
}

PadKey PageKey(int page);

PadKey MakeKey(KeyDef def) {
  PadKey key;
  if (def.empty()) return key;
  if (def == kSecondKey) {
    key = PageKey(1);
  } else if (def == kBackspaceKey) {
    key.action = Action::kBackspace;
  } else if (def == kClearKey) {
    key.action = Action::kClearEntry;
    key.label = u"Clear";
  } else if (def == kDmsKey) {
    key.action = Action::kDms;
    key.label = u"DMS";
  } else if (def == kExpKey) {
    key = Insert(u"\u00DC^x", u"\u00DC^(");
  } else if (def == kPiPowerKey) {
    key = Insert(u"\u00ED^x", u"\u00ED^(");
  } else if (def == kSquareKey) {
    key = Insert(u"x\u0085", u"\u0085");
  } else if (def == kInverseKey) {
    key = Insert(u"x\u0086", u"\u0086");
  } else if (def == kInverseNormKey) {
    key = Insert(u"InverseNorm", u"InverseNormal(");
  } else if (def.size() > 1 && def.back() == u'(') {
    key = Insert(std::u16string(def.substr(0, def.size() - 1)), std::u16string(def));
  } else {
    key = Insert(std::u16string(def), std::u16string(def));
  }
  return key;
}

PadKey PageKey(int page) {
  PadKey key;
  key.action = Action::kPage;
  key.page = page;
  if (page == 1) key.label = u"2nd";
  return key;
}

// The page keys of the first column: index and the page each opens.
std::vector<std::pair<int, int>> PageKeys(PadArrangement arrangement, int page) {
  const int columns = PadColumns(arrangement);
  if (ShortPadPage(arrangement, page)) {
    std::vector<std::pair<int, int>> keys;
    for (int opens = 2; opens <= 6; ++opens) keys.emplace_back((opens - 2) * columns, opens);
    return keys;
  }
  std::vector<std::pair<int, int>> keys{{0, 1}};
  if (arrangement == PadArrangement::kLandscape) {
    for (int page = 2; page <= 5; ++page) keys.emplace_back((page - 1) * columns, page);
    keys.emplace_back(4 * columns + 1, 6);
  } else {
    for (int page = 2; page <= 6; ++page) keys.emplace_back((page - 1) * columns, page);
  }
  return keys;
}

bool IsActionKey(KeyDef def) { return def == kClearKey || def == kDmsKey; }

// Whether the key's label needs two keys.
bool Wide(const PadKey& key, const LabelFits& fits) {
  return fits && key.action == Action::kInsert && !fits(key.label);
}

// Gives the key at `index` the free key after it too.
void Widen(std::vector<PadKey>& keys, std::size_t index) {
  keys[index].span = 2;
  keys[index + 1].owner = static_cast<int>(index);
}

// Row by row, each row's definitions fill its free keys from the second column
// on; while the row has keys to spare, a wide label takes two.
void PlaceRows(std::vector<PadKey>& keys, int columns, const Page& rows, const LabelFits& fits) {
  const auto cols = static_cast<std::size_t>(columns);
  for (std::size_t r = 0; r < rows.size(); ++r) {
    std::size_t free = 0;
    for (std::size_t c = 1; c < cols; ++c) free += keys[r * cols + c].Free() ? 1 : 0;
    std::size_t spare = free > rows[r].size() ? free - rows[r].size() : 0;
    std::size_t c = 1;
    for (KeyDef def : rows[r]) {
      while (c < cols && !keys[r * cols + c].Free()) ++c;
      if (c >= cols) break;
      const std::size_t index = r * cols + c;
      keys[index] = MakeKey(def);
      if (spare > 0 && Wide(keys[index], fits) && c + 1 < cols && keys[index + 1].Free()) {
        Widen(keys, index);
        --spare;
        ++c;
      }
      ++c;
    }
  }
}

// The landscape pad's other pages: the keys flow into the free keys in order;
// the page's action key (Clear, DMS) takes the last key of the first row.
// While there are keys to spare, a wide label takes two keys of one row
// (moving on from a row's last key).
void FlowKeys(std::vector<PadKey>& keys, int columns, const Page& rows, const LabelFits& fits) {
  const std::size_t action_index = static_cast<std::size_t>(columns) - 1;
  const auto cols = static_cast<std::size_t>(columns);
  std::vector<PadKey> flow;
  for (const Row& row : rows) {
    for (KeyDef def : row) {
      if (def.empty()) continue;
      if (IsActionKey(def)) {
        keys[action_index] = MakeKey(def);
      } else {
        flow.push_back(MakeKey(def));
      }
    }
  }
  auto open = [&](std::size_t i) { return i < keys.size() && i != action_index && keys[i].Free(); };
  auto spans = [&](std::size_t i) { return (i + 1) % cols != 0 && open(i + 1); };
  std::size_t free = 0;
  for (std::size_t i = 0; i < keys.size(); ++i) free += open(i) ? 1 : 0;
  std::size_t spare = free > flow.size() ? free - flow.size() : 0;
  std::size_t slot = 0;
  for (PadKey& key : flow) {
    while (slot < keys.size() && !open(slot)) ++slot;
    const bool wide = Wide(key, fits);
    if (wide && !spans(slot) && spare >= 2) {  // leave the row's last key empty
      --spare;
      ++slot;
      while (slot < keys.size() && !open(slot)) ++slot;
    }
    if (slot >= keys.size()) return;
    keys[slot] = std::move(key);
    if (wide && spare > 0 && spans(slot)) {
      Widen(keys, slot);
      --spare;
      ++slot;
    }
    ++slot;
  }
}

// The variables page: one word key per name from the second column on; a name
// too wide for a key starts a row and has it to itself. "Clear(" takes the
// last key of the last row; names that find no key are left out.
void PlaceVariables(std::vector<PadKey>& keys, int columns,
                    const std::vector<std::u16string>& names, const LabelFits& fits) {
  const std::size_t clear_index = keys.size() - 1;
  keys[clear_index] = Insert(u"Clear", u"Clear(");
  const auto cols = static_cast<std::size_t>(columns);
  std::size_t slot = 1;
  auto free_from = [&](std::size_t i) {
    while (i < clear_index && keys[i].Used()) ++i;
    return i;
  };
  for (const std::u16string& name : names) {
    if (name == u"Ans") continue;
    const bool wide = fits && !fits(name);
    slot = free_from(slot);
    if (wide && slot % cols > 1) slot = free_from((slot / cols + 1) * cols);
    if (slot >= clear_index) return;
    keys[slot] = Insert(name, name);
    slot = wide ? (slot / cols + 1) * cols : slot + 1;
  }
}

bool Portrait(PadArrangement arrangement) { return arrangement != PadArrangement::kLandscape; }

void MarkYellow(std::vector<PadKey>& keys, PadArrangement arrangement, int page) {
  if (ShortPadPage(arrangement, page)) {
    // "2nd" and "Clear" keep their colour wherever they moved.
    for (PadKey& key : keys) {
      if ((key.action == Action::kPage && key.page == 1) || key.action == Action::kClearEntry) {
        key.yellow = true;
      }
    }
    return;
  }
  keys[0].yellow = true;
  for (PadKey& key : keys) {
    if (key.action == Action::kDms) key.yellow = true;
  }
  if (Portrait(arrangement)) {
    if (page == 0) keys[5].yellow = true;
    if (page == 1) keys[6].yellow = true;
  } else if (page <= 1) {
    keys[static_cast<std::size_t>(PadColumns(arrangement)) - 1].yellow = true;
  }
}

}  // namespace

std::vector<PadKey> BuildPadPage(PadArrangement arrangement, int page,
                                 const std::vector<std::u16string>& variables,
                                 const LabelFits& fits) {
  const int columns = PadColumns(arrangement);
  if (page < 0 || page >= kPadPages) {
    return std::vector<PadKey>(static_cast<std::size_t>(columns * PadRows(arrangement)));
  }
  std::vector<PadKey> keys(static_cast<std::size_t>(columns * PadRows(arrangement, page)));
  for (const auto& [index, opens] : PageKeys(arrangement, page)) keys[index] = PageKey(opens);
  const PadArrangement image = ImageArrangement(arrangement);
  if (page == kVariablesPage) {
    PlaceVariables(keys, columns, variables, fits);
  } else if (ShortPadPage(arrangement, page)) {
    PlaceRows(keys, columns, SquarePage(arrangement, page), fits);
  } else if (image == PadArrangement::kBright) {
    PlaceRows(keys, columns, BrightPages()[page], fits);
  } else if (image == PadArrangement::kClassic) {
    PlaceRows(keys, columns, ClassicPage(page), fits);
  } else if (page == 0) {
    PlaceRows(keys, columns, LandscapeBasicPage(), fits);
  } else {
    FlowKeys(keys, columns, ClassicPage(page), fits);
  }
  MarkYellow(keys, arrangement, page);
  return keys;
}

PadArrangement ImageArrangement(PadArrangement arrangement) {
  switch (arrangement) {
    case PadArrangement::kBrightSquare: return PadArrangement::kBright;
    case PadArrangement::kClassicSquare: return PadArrangement::kClassic;
    default: return arrangement;
  }
}

int PadColumns(PadArrangement arrangement) {
  switch (ImageArrangement(arrangement)) {
    case PadArrangement::kClassic: return 7;
    case PadArrangement::kLandscape: return 9;
    default: return 6;
  }
}

int PadRows(PadArrangement arrangement) {
  return arrangement == PadArrangement::kLandscape ? 5 : 6;
}

bool ShortPadPage(PadArrangement arrangement, int page) {
  return (arrangement == PadArrangement::kBrightSquare ||
          arrangement == PadArrangement::kClassicSquare) &&
         (page == 0 || page == 1);
}

int PadRows(PadArrangement arrangement, int page) {
  return PadRows(arrangement) - (ShortPadPage(arrangement, page) ? 1 : 0);
}

}  // namespace zentrix::notebook
