#include "graphing/stats/regression_model.h"

namespace zentrix::graphing {
namespace {

struct ModelInfo {
  std::u16string_view name;
  std::u16string_view label;
  int letters;
  bool correlation;
};

// Character 220 is e in the program's character set.
constexpr ModelInfo kModels[kRegressionModelCount] = {
    {u"Cubic", u"Ax^3+Bx^2+Cx+Dx", 4, false},
    {u"\u00DC", u"A\u00DC^Bx", 2, true},
    {u"Exponential", u"A*B^x", 2, true},
    {u"Linear", u"Ax+B", 2, true},
    {u"Logarithmic", u"A+B*ln(x)", 2, true},
    {u"Logistic", u"C/(1+A*\u00DC^(-B*x))", 3, false},
    {u"Median-Median", u"Ax+B", 2, false},
    {u"Quadratic", u"Ax^2+Bx+C", 3, false},
    {u"Quartic", u"Ax^4+Bx^3+Cx^2+Dx+E", 5, false},
    {u"Power", u"Ax^B", 2, true},
    {u"Sinusoidal", u"Asin(Bx+C)+D", 4, false},
};

const ModelInfo* Find(RegressionModel model) {
  const int index = static_cast<int>(model);
  if (index < 0 || index >= kRegressionModelCount) return nullptr;
  return &kModels[index];
}

}  // namespace

RegressionModel RegressionModelFromIndex(int index) {
  if (index < 0 || index >= kRegressionModelCount) return RegressionModel::kNone;
  return static_cast<RegressionModel>(index);
}

std::u16string_view RegressionModelName(RegressionModel model) {
  const ModelInfo* info = Find(model);
  return info ? info->name : std::u16string_view{};
}

std::u16string_view RegressionFormulaLabel(RegressionModel model) {
  const ModelInfo* info = Find(model);
  return info ? info->label : std::u16string_view{};
}

int RegressionLetterCount(RegressionModel model) {
  const ModelInfo* info = Find(model);
  return info ? info->letters : 0;
}

bool RegressionHasCorrelation(RegressionModel model) {
  const ModelInfo* info = Find(model);
  return info && info->correlation;
}

}  // namespace zentrix::graphing
