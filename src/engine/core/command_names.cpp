#include "engine/core/command_names.h"

#include <algorithm>
#include <array>
#include <cstddef>

namespace zentrix::engine {
namespace {

struct NamedId {
  int id;
  std::u16string_view name;
};

constexpr NamedId kNames[] = {
    {0, u"sin"},
    {1, u"cos"},
    {2, u"tan"},
    {3, u"asin"},
    {4, u"acos"},
    {5, u"atan"},
    {6, u"csc"},
    {7, u"sec"},
    {8, u"cot"},
    {9, u"acsc"},
    {10, u"asec"},
    {11, u"acot"},
    {12, u"cosh"},
    {13, u"sinh"},
    {14, u"tanh"},
    {15, u"asinh"},
    {16, u"acosh"},
    {17, u"atanh"},
    {18, u"csch"},
    {19, u"sech"},
    {20, u"coth"},
    {21, u"asech"},
    {22, u"acsch"},
    {23, u"acoth"},
    {24, u"log10"},
    {25, u"ln"},
    {26, u"ceiling"},
    {27, u"floor"},
    {28, u"sign"},
    {29, u"fPart"},
    {30, u"iPart"},
    {31, u"abs"},
    {32, u"sqrt"},
    {33, u"nPr"},
    {34, u"nCr"},
    {39, u"Sum"},
    {40, u"Product"},
    {41, u"Det"},
    {42, u"Transpose"},
    {43, u"Identity"},
    {44, u"RowReduce"},
    {46, u"atan2"},
    {47, u"NormalPdf"},
    {48, u"NormalCdf"},
    {49, u"InverseNormal"},
    {50, u"StudentTPdf"},
    {51, u"StudentTCdf"},
    {52, u"ChiSquarePdf"},
    {53, u"ChiSquareCdf"},
    {54, u"FPdf"},
    {55, u"FCdf"},
    {56, u"BinomialPdf"},
    {57, u"BinomialCdf"},
    {58, u"PoissonPdf"},
    {59, u"PoissonCdf"},
    {60, u"GeoPdf"},
    {61, u"GeoCdf"},
    {62, u"wave"},
    {63, u"wavelet"},
    {64, u"unitStep"},
    {65, u"re"},
    {66, u"im"},
    {67, u"D"},
    {68, u"Integrate"},
    {69, u"Expand"},
    {70, u"exp"},
    {71, u"Limit"},
    {72, u"Factor"},
    {73, u"GCD"},
    {74, u"Quotient"},
    {75, u"Remainder"},
    {76, u"Operand"},
    {77, u"Coefficient"},
    {78, u"Degree"},
    {79, u"Series"},
    {80, u"Solve"},
    {81, u"FSeries"},
    {85, u"angle"},
    {86, u"rad"},
    {87, u"Content"},
    {88, u"Normalize"},
    {89, u"LCM"},
    {90, u"Lagrange"},
    {91, u"Eval"},
    {92, u"FactorSquareFree"},
    {93, u"DSolve"},
    {94, u"QR"},
    {95, u"Dot"},
    {96, u"Eigenvalues"},
    {97, u"Jacobian"},
    {98, u"Hessian"},
    {99, u"Gradient"},
    {100, u"Curl"},
    {101, u"Divergence"},
    {102, u"Laplacian"},
    {103, u"Cross"},
    {105, u"VectorNorm"},
    {106, u"ScalarTripleProduct"},
    {107, u"VectorAngle"},
    {108, u"Duf"},
    {109, u"NIntegrate"},
    {110, u"PolyDivide"},
    {111, u"MatrixPower"},
    {112, u"Inverse"},
    {113, u"Eigenvectors"},
    {114, u"Eigensystem"},
    {115, u"Clear"},
    {116, u"VarStats"},
    {117, u"TrigReduce"},
    {118, u"Numerator"},
    {119, u"Denominator"},
    {120, u"Together"},};

// The names indexed by id (empty where an id has no name).
constexpr std::array<std::u16string_view, kCommandIdLimit> NamesById() {
  std::array<std::u16string_view, kCommandIdLimit> by_id{};
  for (const NamedId& entry : kNames) by_id[entry.id] = entry.name;
  return by_id;
}
constexpr auto kNamesById = NamesById();

// The names sorted by text, for lookup by binary search.
constexpr std::array<NamedId, std::size(kNames)> NamesByText() {
  std::array<NamedId, std::size(kNames)> sorted{};
  std::copy(std::begin(kNames), std::end(kNames), sorted.begin());
  std::sort(sorted.begin(), sorted.end(),
            [](const NamedId& a, const NamedId& b) { return a.name < b.name; });
  return sorted;
}
constexpr auto kNamesByText = NamesByText();

}  // namespace

std::u16string_view CommandName(int id) {
  if (id < 0 || id >= kCommandIdLimit) return {};
  return kNamesById[id];
}

int FindCommandId(std::u16string_view name) {
  auto it = std::lower_bound(kNamesByText.begin(), kNamesByText.end(), name,
                             [](const NamedId& entry, std::u16string_view n) { return entry.name < n; });
  if (it == kNamesByText.end() || it->name != name) return -1;
  return it->id;
}

}  // namespace zentrix::engine
