#include "engine/commands/command_table.h"

#include "engine/core/command_names.h"

namespace zentrix::engine {
namespace {

namespace id = command_id;

// The integral sign (character 132) written into the help text of Integrate.
constexpr std::u16string_view kIntegrateHelp =
    u"\u0084(expression, x) or \u0084(expression, x, a, b)";

std::u16string_view HelpTextOf(int command) {
  switch (command) {
    case id::kSum: return u"Sum(expression, x, min, max)";
    case id::kProduct: return u"Product(expression, x, min, max)";
    case id::kNormalPdf: return u"NormalPdf(x, mu, sigma)";
    case id::kNormalCdf: return u"NormalCdf(lower, upper, mu, sigma)";
    case id::kInverseNormal: return u"InverseNormal(p)";
    case id::kStudentTPdf: return u"StudentTPdf(p)";
    case id::kStudentTCdf: return u"StudentTCdf(lower, upper, df)";
    case id::kChiSquarePdf: return u"ChiSquarePdf(x, df)";
    case id::kChiSquareCdf: return u"ChiSquareCdf(lower, upper, df)";
    case id::kFPdf: return u"FPdf(x, numerator df, denominator df)";
    case id::kFCdf: return u"FCdf(lower, upper, numerator df, denominator df)";
    case id::kBinomialPdf: return u"Binomialdf(n, p, x)";
    case id::kBinomialCdf: return u"BinomialCdf(n, p, x)";
    case id::kPoissonPdf: return u"PoissonPdf(mu, x)";
    case id::kPoissonCdf: return u"PoissonCdf(mu, x)";
    case id::kGeoPdf: return u"GeometericPdf(p, x)";
    case id::kGeoCdf: return u"GeometericCdf(p, x)";
    case id::kD: return u"D(expression, x)\nD(expression, x, n)";
    case id::kIntegrate: return kIntegrateHelp;
    case id::kLimit: return u"Limit(f, x, a)\nLimit(f, x, a, direction from -1, 0, or 1)";
    case id::kSeries: return u"Series(expression, x, x0, n)";
    case id::kSolve: return u"Solve(expression=value, x)";
    case id::kAngle: return u"angle(degrees, minutes, seconds)";
    case id::kQr: return u"QR(matrix)";
    case id::kDot: return u"Dot(list, list) or Dot(matrix, matrix)";
    case id::kDivergence: return u"Divergence(expression)\nDivergence(expression, variable list)";
    case id::kLaplacian: return u"Laplacian(expression)\nLaplacian(expression, variable list)";
    case id::kCross: return u"Cross(list, list)";
    case id::kVectorNorm: return u"VectorNorm(list, integer)";
    case id::kDuf: return u"Duf(f, variable list, point, direction)";
    case id::kPolyDivide: return u"PolyDivide(numerator, denominator)";
    case id::kMatrixPower: return u"MatrixPower(matrix, n)";
    case id::kVarStats: return u"VarStats(list)\nVarStats(list1, list2)";
    default: return {};
  }
}

// The argument count of each command's usual form (the catalogue inserts that
// many slots); commands with several forms give their first.
int DefaultCountOf(int command) {
  switch (command) {
    case id::kNPr:
    case id::kNCr:
    case id::kAtan2:
    case id::kStudentTPdf:
    case id::kChiSquarePdf:
    case id::kPoissonPdf:
    case id::kPoissonCdf:
    case id::kGeoPdf:
    case id::kGeoCdf:
    case id::kD:
    case id::kIntegrate:
    case id::kGcd:
    case id::kQuotient:
    case id::kRemainder:
    case id::kOperand:
    case id::kDegree:
    case id::kSolve:
    case id::kLcm:
    case id::kLagrange:
    case id::kDot:
    case id::kCross:
    case id::kVectorNorm:
    case id::kVectorAngle:
    case id::kPolyDivide:
    case id::kMatrixPower:
      return 2;
    case id::kNormalPdf:
    case id::kStudentTCdf:
    case id::kChiSquareCdf:
    case id::kFPdf:
    case id::kBinomialPdf:
    case id::kBinomialCdf:
    case id::kWave:
    case id::kLimit:
    case id::kCoefficient:
    case id::kFSeries:
    case id::kAngle:
    case id::kEval:
    case id::kScalarTripleProduct:
    case id::kNIntegrate:
      return 3;
    case id::kSum:
    case id::kProduct:
    case id::kNormalCdf:
    case id::kFCdf:
    case id::kSeries:
    case id::kDuf:
      return 4;
    default:
      return CommandName(command).empty() ? 0 : 1;
  }
}

}  // namespace

CommandInfo CommandTable::Row(int command) {
  if (command < 0 || command >= kCommandIdLimit) return {};
  return CommandInfo{command, CommandName(command), DefaultCountOf(command),
                     HelpTextOf(command)};
}

std::u16string_view CommandTable::HelpText(int command) { return HelpTextOf(command); }

std::u16string_view CommandTable::HelpTextForName(std::u16string_view name) {
  if (name == u"Fpdf") return HelpTextOf(id::kFPdf);
  if (name == u"Fcdf") return HelpTextOf(id::kFCdf);
  int command = FindCommandId(name);
  return command < 0 ? std::u16string_view() : HelpTextOf(command);
}

int CommandTable::DefaultArgumentCount(int command) {
  if (command < 0 || command >= kCommandIdLimit) return 0;
  return DefaultCountOf(command);
}

}  // namespace zentrix::engine
