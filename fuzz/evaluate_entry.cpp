// Any entry text ends in a result or an error message: no crash, no unbounded
// recursion or loop. The bytes are read as UTF-8 entry text; the evaluator runs
// with a variable store so that assignments and Clear take part, and every
// successful answer is also approximated numerically.

#include <cstddef>
#include <cstdint>
#include <map>
#include <string_view>

#include "engine/commands/evaluator.h"
#include "engine/commands/numeric_approximation.h"
#include "engine/core/charset.h"

namespace {

class BoundedStore : public zentrix::engine::VariableScope {
 public:
  std::optional<zentrix::engine::ExprNode> LookUp(std::u16string_view name) const override {
    auto it = values_.find(std::u16string(name));
    if (it == values_.end()) return std::nullopt;
    return it->second;
  }
  void Store(std::u16string_view name, const zentrix::engine::ExprNode& value) override {
    if (values_.size() < 8) values_[std::u16string(name)] = value;
  }
  bool Remove(std::u16string_view name) override { return values_.erase(std::u16string(name)) > 0; }

 private:
  std::map<std::u16string, zentrix::engine::ExprNode> values_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size > 4096) return 0;
  std::string_view text(reinterpret_cast<const char*>(data), size);
  BoundedStore store;
  zentrix::engine::Evaluator evaluator(&store);
  // Entries are separated by new lines, as the notebook evaluates them in turn.
  std::size_t start = 0;
  while (start <= text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    auto decoded = zentrix::chars::FromUtf8(text.substr(start, end - start));
    zentrix::engine::EvaluationResult result = evaluator.Evaluate(decoded.text);
    if (result.ok) (void)zentrix::engine::Approximate(result.value);
    start = end + 1;
  }
  return 0;
}
