#pragma once
// Ids and names of the built-in functions and commands: the part of the command
// table that the parser (to tell function names from variables) and the printer
// (to write function calls) need. Argument rules and help texts live with the
// evaluator.

#include <string_view>

namespace zentrix::engine {

// Ids run from 0 to kCommandIdLimit - 1; 35-38, 45 and 104 are unused, and the
// degree, minute and second marks have ids but no names.
inline constexpr int kCommandIdLimit = 121;

namespace command_id {
inline constexpr int kSin = 0;
inline constexpr int kCos = 1;
inline constexpr int kTan = 2;
inline constexpr int kAsin = 3;
inline constexpr int kAcos = 4;
inline constexpr int kAtan = 5;
inline constexpr int kCsc = 6;
inline constexpr int kSec = 7;
inline constexpr int kCot = 8;
inline constexpr int kAcsc = 9;
inline constexpr int kAsec = 10;
inline constexpr int kAcot = 11;
inline constexpr int kCosh = 12;
inline constexpr int kSinh = 13;
inline constexpr int kTanh = 14;
inline constexpr int kAsinh = 15;
inline constexpr int kAcosh = 16;
inline constexpr int kAtanh = 17;
inline constexpr int kCsch = 18;
inline constexpr int kSech = 19;
inline constexpr int kCoth = 20;
inline constexpr int kAsech = 21;
inline constexpr int kAcsch = 22;
inline constexpr int kAcoth = 23;
inline constexpr int kLog10 = 24;
inline constexpr int kLn = 25;
inline constexpr int kCeiling = 26;
inline constexpr int kFloor = 27;
inline constexpr int kSign = 28;
inline constexpr int kFPart = 29;
inline constexpr int kIPart = 30;
inline constexpr int kAbs = 31;
inline constexpr int kSqrt = 32;
inline constexpr int kNPr = 33;
inline constexpr int kNCr = 34;
inline constexpr int kSum = 39;
inline constexpr int kProduct = 40;
inline constexpr int kDet = 41;
inline constexpr int kTranspose = 42;
inline constexpr int kIdentity = 43;
inline constexpr int kRowReduce = 44;
inline constexpr int kAtan2 = 46;
inline constexpr int kNormalPdf = 47;
inline constexpr int kNormalCdf = 48;
inline constexpr int kInverseNormal = 49;
inline constexpr int kStudentTPdf = 50;
inline constexpr int kStudentTCdf = 51;
inline constexpr int kChiSquarePdf = 52;
inline constexpr int kChiSquareCdf = 53;
inline constexpr int kFPdf = 54;
inline constexpr int kFCdf = 55;
inline constexpr int kBinomialPdf = 56;
inline constexpr int kBinomialCdf = 57;
inline constexpr int kPoissonPdf = 58;
inline constexpr int kPoissonCdf = 59;
inline constexpr int kGeoPdf = 60;
inline constexpr int kGeoCdf = 61;
inline constexpr int kWave = 62;
inline constexpr int kWavelet = 63;
inline constexpr int kUnitStep = 64;
inline constexpr int kRe = 65;
inline constexpr int kIm = 66;
inline constexpr int kD = 67;
inline constexpr int kIntegrate = 68;
inline constexpr int kExpand = 69;
inline constexpr int kExp = 70;
inline constexpr int kLimit = 71;
inline constexpr int kFactor = 72;
inline constexpr int kGcd = 73;
inline constexpr int kQuotient = 74;
inline constexpr int kRemainder = 75;
inline constexpr int kOperand = 76;
inline constexpr int kCoefficient = 77;
inline constexpr int kDegree = 78;
inline constexpr int kSeries = 79;
inline constexpr int kSolve = 80;
inline constexpr int kFSeries = 81;
inline constexpr int kDegreeMark = 82;
inline constexpr int kMinuteMark = 83;
inline constexpr int kSecondMark = 84;
inline constexpr int kAngle = 85;
inline constexpr int kRad = 86;
inline constexpr int kContent = 87;
inline constexpr int kNormalize = 88;
inline constexpr int kLcm = 89;
inline constexpr int kLagrange = 90;
inline constexpr int kEval = 91;
inline constexpr int kFactorSquareFree = 92;
inline constexpr int kDSolve = 93;
inline constexpr int kQr = 94;
inline constexpr int kDot = 95;
inline constexpr int kEigenvalues = 96;
inline constexpr int kJacobian = 97;
inline constexpr int kHessian = 98;
inline constexpr int kGradient = 99;
inline constexpr int kCurl = 100;
inline constexpr int kDivergence = 101;
inline constexpr int kLaplacian = 102;
inline constexpr int kCross = 103;
inline constexpr int kVectorNorm = 105;
inline constexpr int kScalarTripleProduct = 106;
inline constexpr int kVectorAngle = 107;
inline constexpr int kDuf = 108;
inline constexpr int kNIntegrate = 109;
inline constexpr int kPolyDivide = 110;
inline constexpr int kMatrixPower = 111;
inline constexpr int kInverse = 112;
inline constexpr int kEigenvectors = 113;
inline constexpr int kEigensystem = 114;
inline constexpr int kClear = 115;
inline constexpr int kVarStats = 116;
inline constexpr int kTrigReduce = 117;
inline constexpr int kNumerator = 118;
inline constexpr int kDenominator = 119;
inline constexpr int kTogether = 120;}  // namespace command_id

// The name of a command id, or an empty view for ids without a name.
std::u16string_view CommandName(int id);
// The id of a name (exact, case-sensitive, whole text), or -1 for any other
// name, which is then a variable.
int FindCommandId(std::u16string_view name);
inline bool IsCommandName(std::u16string_view name) { return FindCommandId(name) >= 0; }

}  // namespace zentrix::engine
