#include "cli/command_catalog.h"

#include <algorithm>
#include <array>

#include "engine/commands/command_table.h"
#include "engine/core/charset.h"
#include "engine/core/command_names.h"

namespace zentrix::cli {
namespace {

namespace id = engine::command_id;

constexpr std::array<std::string_view, 8> kGroups = {"Numbers",  "Trigonometry", "Algebra",
                                                     "Solving",  "Calculus",     "Vectors",
                                                     "Matrices", "Statistics"};

// The group of a command, by what it works on.
std::string_view GroupOf(int command) {
  if (command <= id::kAcoth || command == id::kAtan2) return kGroups[1];
  if (command <= id::kNCr) return kGroups[0];
  if (command >= id::kNormalPdf && command <= id::kGeoCdf) return kGroups[7];
  switch (command) {
    case id::kSolve:
    case id::kDSolve: return kGroups[3];
    case id::kSum:
    case id::kProduct:
    case id::kD:
    case id::kIntegrate:
    case id::kNIntegrate:
    case id::kLimit:
    case id::kSeries:
    case id::kFSeries: return kGroups[4];
    case id::kDot:
    case id::kCross:
    case id::kVectorNorm:
    case id::kScalarTripleProduct:
    case id::kVectorAngle:
    case id::kJacobian:
    case id::kHessian:
    case id::kGradient:
    case id::kCurl:
    case id::kDivergence:
    case id::kLaplacian:
    case id::kDuf: return kGroups[5];
    case id::kDet:
    case id::kTranspose:
    case id::kIdentity:
    case id::kRowReduce:
    case id::kQr:
    case id::kEigenvalues:
    case id::kEigenvectors:
    case id::kEigensystem:
    case id::kInverse:
    case id::kMatrixPower: return kGroups[6];
    case id::kVarStats: return kGroups[7];
    case id::kWave:
    case id::kWavelet:
    case id::kUnitStep:
    case id::kRe:
    case id::kIm:
    case id::kExp:
    case id::kAngle:
    case id::kRad: return kGroups[0];
    default: return kGroups[2];
  }
}

std::vector<CatalogCommand> BuildCatalog() {
  std::vector<CatalogCommand> catalog;
  for (int command = 0; command < engine::kCommandIdLimit; ++command) {
    engine::CommandInfo row = engine::CommandTable::Row(command);
    if (row.name.empty()) continue;
    catalog.push_back({chars::ToUtf8(row.name), GroupOf(command), chars::ToUtf8(row.help_text),
                       row.default_argument_count});
  }
  auto group_index = [](std::string_view group) {
    return std::find(kGroups.begin(), kGroups.end(), group) - kGroups.begin();
  };
  std::stable_sort(catalog.begin(), catalog.end(),
                   [&](const CatalogCommand& a, const CatalogCommand& b) {
                     return group_index(a.group) < group_index(b.group);
                   });
  return catalog;
}

}  // namespace

const std::vector<CatalogCommand>& CommandCatalog() {
  static const std::vector<CatalogCommand> kCatalog = BuildCatalog();
  return kCatalog;
}

const CatalogCommand* FindCatalogCommand(std::string_view name) {
  const std::vector<CatalogCommand>& catalog = CommandCatalog();
  auto it = std::find_if(catalog.begin(), catalog.end(),
                         [name](const CatalogCommand& command) { return command.name == name; });
  return it == catalog.end() ? nullptr : &*it;
}

}  // namespace zentrix::cli
