#pragma once
// The notebook's variable store as the evaluator's variable scope.

#include "engine/commands/variable_scope.h"
#include "engine/core/variable_store.h"

namespace zentrix::engine {

class VariableStoreScope : public VariableScope {
 public:
  explicit VariableStoreScope(VariableStore& store) : store_(store) {}

  std::optional<ExprNode> LookUp(std::u16string_view name) const override {
    return store_.LookUp(name);
  }
  void Store(std::u16string_view name, const ExprNode& value) override {
    store_.Store(name, value);
  }
  bool Remove(std::u16string_view name) override { return store_.Remove(name); }

 private:
  VariableStore& store_;
};

}  // namespace zentrix::engine
