#include "engine/core/variable_store.h"

namespace zentrix::engine {

std::ptrdiff_t VariableStore::IndexOf(std::u16string_view name) const {
  for (std::size_t i = 0; i < names_.size(); ++i) {
    if (names_[i] == name) return static_cast<std::ptrdiff_t>(i);
  }
  return -1;
}

void VariableStore::Store(std::u16string_view name, const ExprNode& value) {
  std::ptrdiff_t i = IndexOf(name);
  if (i >= 0) {
    values_[i] = value;
    return;
  }
  names_.emplace_back(name);
  values_.push_back(value);
}

std::optional<ExprNode> VariableStore::LookUp(std::u16string_view name) const {
  if (const ExprNode* value = Find(name)) return *value;
  return std::nullopt;
}

const ExprNode* VariableStore::Find(std::u16string_view name) const {
  std::ptrdiff_t i = IndexOf(name);
  return i >= 0 ? &values_[i] : nullptr;
}

bool VariableStore::Remove(std::u16string_view name) {
  std::ptrdiff_t i = IndexOf(name);
  if (i < 0) return false;
  names_.erase(names_.begin() + i);
  values_.erase(values_.begin() + i);
  return true;
}

void VariableStore::Clear() {
  names_.clear();
  values_.clear();
}

std::optional<std::u16string> VariableStore::Name(std::size_t i) const {
  if (i >= names_.size()) return std::nullopt;
  return names_[i];
}

}  // namespace zentrix::engine
