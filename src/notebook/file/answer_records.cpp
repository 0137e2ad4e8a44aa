#include "notebook/file/answer_records.h"

#include <vector>

namespace zentrix::notebook {
namespace {

using engine::AnswerLayout;
using engine::BoxKind;

// What a row's operator record holds for "no operator".
constexpr char16_t kNoOperator = u' ';

bool KnownKind(long long kind) {
  switch (kind) {
    case static_cast<long long>(BoxKind::kText):
    case static_cast<long long>(BoxKind::kFraction):
    case static_cast<long long>(BoxKind::kRoot):
    case static_cast<long long>(BoxKind::kCall):
    case static_cast<long long>(BoxKind::kRow):
    case static_cast<long long>(BoxKind::kMatrix): return true;
    default: return false;
  }
}

std::u16string OperatorRecord(const std::u16string& operators) {
  std::u16string text = operators;
  for (char16_t& c : text) {
    if (c == 0) c = kNoOperator;
  }
  return text;
}

// One child per operator: missing ones (an older file's short record) read
// as none, and surplus ones are dropped.
std::u16string OperatorsFrom(std::u16string record, std::size_t children) {
  for (char16_t& c : record) {
    if (c == kNoOperator) c = 0;
  }
  record.resize(children, 0);
  return record;
}

void WriteBox(std::string& out, const AnswerLayout& box) {
  AppendInteger(out, static_cast<long long>(box.children.size()));
  AppendInteger(out, static_cast<long long>(box.kind));
  AppendInteger(out, box.bracketed ? 1 : 0);
  AppendString(out, box.kind == BoxKind::kRow ? OperatorRecord(box.operators) : box.text);
}

// A box's own lines; its children are read after it. Nothing when a line or
// the record cannot be read, the kind is unknown, or the rest of the data
// cannot hold the children (each takes at least four lines of two bytes,
// the file's very last line one).
std::optional<std::size_t> ReadBox(RecordReader& in, AnswerLayout& box) {
  const std::optional<long long> children = in.Integer();
  if (!children || *children < 0 ||
      static_cast<unsigned long long>(*children) > (in.Remaining() + 1) / 8) {
    return std::nullopt;
  }
  const std::optional<long long> kind = in.Integer();
  if (!kind || !KnownKind(*kind)) return std::nullopt;
  const std::optional<long long> flag = in.Integer();
  if (!flag) return std::nullopt;
  std::optional<std::u16string> text = in.String();
  if (!text) return std::nullopt;
  const auto count = static_cast<std::size_t>(*children);
  box.kind = static_cast<BoxKind>(*kind);
  box.bracketed = *flag == 1;
  if (box.kind == BoxKind::kRow) {
    box.operators = OperatorsFrom(std::move(*text), count);
  } else {
    box.text = std::move(*text);
    if (box.kind == BoxKind::kMatrix) box.operators.assign(count, 0);
  }
  return count;
}

}  // namespace

void WriteAnswer(std::string& out, const AnswerLayout& answer) {
  // Pre-order with a work list, so that depth costs no stack.
  std::vector<const AnswerLayout*> work{&answer};
  while (!work.empty()) {
    const AnswerLayout* box = work.back();
    work.pop_back();
    WriteBox(out, *box);
    for (auto child = box->children.rbegin(); child != box->children.rend(); ++child) {
      work.push_back(&*child);
    }
  }
}

std::optional<AnswerLayout> ReadAnswer(RecordReader& in) {
  struct Open {
    AnswerLayout* box;
    std::size_t children_left;
  };
  AnswerLayout root;
  const std::optional<std::size_t> root_children = ReadBox(in, root);
  if (!root_children) return std::nullopt;
  // Only the innermost open box gains children, so the pointers to the boxes
  // above it stay valid while its siblings are appended.
  std::vector<Open> open;
  if (*root_children > 0) open.push_back({&root, *root_children});
  while (!open.empty()) {
    Open& top = open.back();
    if (top.children_left == 0) {
      open.pop_back();
      continue;
    }
    --top.children_left;
    AnswerLayout& child = top.box->children.emplace_back();
    const std::optional<std::size_t> children = ReadBox(in, child);
    if (!children) return std::nullopt;
    if (*children == 0) continue;
    if (open.size() >= static_cast<std::size_t>(kMaxAnswerDepth)) return std::nullopt;
    open.push_back({&child, *children});
  }
  return root;
}

}  // namespace zentrix::notebook
