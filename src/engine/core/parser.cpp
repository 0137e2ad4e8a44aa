#include "engine/core/parser.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>
#include <utility>

#include "engine/core/charset.h"
#include "engine/core/command_names.h"

namespace zentrix::engine {
namespace {

// What the last token emitted or pushed was; decides implicit multiplication
// and whether '-' is binary.
enum class Item {
  kNothing,
  kOperator,  // a binary operator, the unary minus, '(', '{' or ','
  kFunction,  // a function code (always followed by its '(')
  kNumber,
  kName,
  kImaginary,
  kEndOfList,  // '}'
  kClose,      // ')'
  kPostfix,    // '!' or an angle mark
};

// An open bracket on the operator stack remembers what it opened.
enum class Bracket : char { kNone, kRound, kCall, kList };

struct StackEntry {
  char16_t code;
  int count = 1;                     // arguments of a function or a call/list bracket
  Bracket bracket = Bracket::kNone;  // set for '(' entries
};

constexpr char16_t kDegreeCode = op::kFunctionBase + command_id::kDegreeMark;
constexpr char16_t kMinuteCode = op::kFunctionBase + command_id::kMinuteMark;
constexpr char16_t kSecondCode = op::kFunctionBase + command_id::kSecondMark;

int Precedence(char16_t code) {
  switch (code) {
    case op::kOpenBracket: return 7;
    case op::kUnaryMinus: return 5;
    case op::kTimesTenPower: return 4;
    case op::kPower:
    case op::kFactorial:
    case kDegreeCode:
    case kMinuteCode:
    case kSecondCode: return 3;
    case op::kMultiply:
    case op::kDivide: return 2;
    case op::kAdd:
    case op::kSubtract: return 1;
    case op::kEquals: return 0;
    default: return code >= op::kFunctionBase ? 6 : 0;
  }
}

bool EndsOperand(Item item) {
  return item != Item::kNothing && item != Item::kOperator && item != Item::kFunction;
}

bool HasNonZeroIntegerDigit(std::string_view digits) {
  for (char c : digits) {
    if (c == '.') return false;
    if (c != '0') return true;
  }
  return false;
}

bool IsPiOrE(std::u16string_view text) {
  return text.size() == 1 && (text[0] == chars::kPi || text[0] == chars::kEulerE);
}

constexpr std::size_t kReserveLimit = 1 << 14;

// One pass over one entry.
class Pass {
 public:
  explicit Pass(std::u16string_view text) : text_(text) {}

  ParseResult Run() {
    ParseResult result;
    // One allocation for typical entries (about two records for every three
    // characters) instead of a chain of regrowths.
    output_.reserve(std::min<std::size_t>(text_.size() * 3 / 4 + 8, kReserveLimit));
    while (pos_ < text_.size() && Step()) {
    }
    if (!failed()) Finish();
    if (failed()) {
      result.failure = std::move(failure_);
      return result;
    }
    result.program = std::move(output_);
    return result;
  }

 private:
  bool failed() const { return failure_.failed(); }

  bool Fail(EngineError code, std::u16string message = {}) {
    failure_.code = code;
    failure_.message = std::move(message);
    return false;
  }

  char16_t Peek(std::size_t offset = 0) const {
    return pos_ + offset < text_.size() ? text_[pos_ + offset] : 0;
  }
  bool NextIsOpenBracket() const { return Peek() == u'('; }

  // ---- Output and the operator stack ----------------------------------------

  void EmitOperand(int type, std::u16string text, Item item) {
    output_.push_back(PostfixRecord{type, 0, 1, std::move(text)});
    ++operands_;
    last_ = item;
  }

  void EmitImaginaryUnit() {
    output_.push_back(PostfixRecord{PostfixRecord::kOperator, op::kImaginaryUnit, 1, {}});
    ++operands_;
    last_ = Item::kImaginary;
  }

  void PopToOutput() {
    const StackEntry entry = stack_.back();
    stack_.pop_back();
    if (entry.code >= op::kFunctionBase) {
      output_.push_back(PostfixRecord{PostfixRecord::kFunction, entry.code, entry.count, {}});
    } else {
      output_.push_back(PostfixRecord{PostfixRecord::kOperator, entry.code, 1, {}});
    }
  }

  void PushOperator(char16_t code) {
    const int precedence = Precedence(code);
    while (!stack_.empty()) {
      const char16_t top = stack_.back().code;
      if (top == op::kOpenBracket || Precedence(top) < precedence) break;
      if (top == op::kUnaryMinus && code == op::kPower) break;
      PopToOutput();
    }
    stack_.push_back(StackEntry{code});
    last_operator_ = code;
  }

  void PushOpenBracket(Bracket kind) {
    stack_.push_back(StackEntry{op::kOpenBracket, 1, kind});
    ++open_brackets_;
    last_operator_ = op::kOpenBracket;
    last_ = Item::kOperator;
  }

  // Pops down to the nearest open bracket and removes it; returns it.
  StackEntry CloseBracket() {
    while (stack_.back().code != op::kOpenBracket) PopToOutput();
    StackEntry bracket = stack_.back();
    stack_.pop_back();
    --open_brackets_;
    // A closed group is one operand: a '^' after it must not see the '^' or
    // unary minus that was last pushed inside it (sin(-x)^2 is (sin(-x))^2).
    last_operator_ = 0;
    if (bracket.bracket == Bracket::kCall) stack_.back().count = bracket.count;
    if (bracket.bracket == Bracket::kList) {
      output_.push_back(PostfixRecord{PostfixRecord::kOperator, op::kEndOfList, bracket.count, {}});
    }
    return bracket;
  }

  const StackEntry* InnermostBracket() const {
    for (auto it = stack_.rbegin(); it != stack_.rend(); ++it) {
      if (it->code == op::kOpenBracket) return &*it;
    }
    return nullptr;
  }

  void PushBinary(char16_t code) {
    ++slots_;
    PushOperator(code);
    last_ = Item::kOperator;
  }

  void InsertMultiplication() { PushBinary(op::kMultiply); }

  // A multiplication between this operand and a '(' that follows it directly.
  void MultiplyIfBracketFollows() {
    if (NextIsOpenBracket()) InsertMultiplication();
  }

  bool PreviousCharacterCloses() const {
    return prev_char_ == u')' || prev_char_ == u'}' || prev_char_ == chars::kSquaredMark ||
           prev_char_ == chars::kInverseMark;
  }

  // ---- The tokens ------------------------------------------------------------

  bool Step() {
    const char16_t c = text_[pos_];
    if (c == u' ') {
      ++pos_;
      return true;
    }
    if (!Token(c)) return false;
    prev_char_ = text_[pos_ - 1];  // the last character the token consumed
    return true;
  }

  bool Token(char16_t c) {
    if (chars::IsDigit(c) || c == u'.') return NumberToken();
    if (c == chars::kInfinity) return InfinityToken();
    if (c == chars::kPi || c == chars::kEulerE) return ConstantToken(c);
    if (chars::IsNameStart(c)) return NameToken();
    switch (c) {
      case chars::kImaginaryUnit: return ImaginaryToken();
      case u'(':
        ++pos_;
        PushOpenBracket(Bracket::kRound);
        return true;
      case u')': return CloseRoundToken();
      case u'{': return OpenListToken();
      case u'}': return CloseListToken();
      case u',': return CommaToken();
      case u'-': return MinusToken();
      case u'+':
      case u'*':
      case u'/':
      case u'=':
      case chars::kTimesTenPower: return BinaryToken(c);
      case u'^': return PowerToken();
      case u'!': return FactorialToken();
      case chars::kSquaredMark: return PowerMarkToken(u"2");
      case chars::kInverseMark: return PowerMarkToken(u"-1");
      case chars::kDegreeMark:
      case chars::kMinuteMark: return AngleMarkToken(c);
      case chars::kIntegralSign: return PrefixFunctionToken(command_id::kIntegrate);
      case chars::kSquareRootSign: return PrefixFunctionToken(command_id::kSqrt);
      default:
        // Not a character of any entry.
        return Fail(EngineError::kBadSyntax);
    }
  }

  bool NumberToken() {
    if (PreviousCharacterCloses() || last_ == Item::kImaginary ||
        (last_ == Item::kNumber && last_was_constant_)) {
      InsertMultiplication();
    }
    const std::size_t start = pos_;
    bool seen_point = false;
    bool seen_digit = false;
    while (pos_ < text_.size() && (chars::IsDigit(text_[pos_]) || text_[pos_] == u'.')) {
      if (text_[pos_] == u'.') {
        if (seen_point) return Fail(EngineError::kBadSyntax);
        seen_point = true;
      } else {
        seen_digit = true;
      }
      ++pos_;
    }
    // A lone point is no number.
    if (!seen_digit) return Fail(EngineError::kBadSyntax);
    EmitOperand(PostfixRecord::kNumberText, std::u16string(text_.substr(start, pos_ - start)),
                Item::kNumber);
    last_was_constant_ = false;
    MultiplyIfBracketFollows();
    return true;
  }

  bool InfinityToken() {
    if (PreviousCharacterCloses() || last_ == Item::kImaginary ||
        (last_ == Item::kNumber && last_was_constant_)) {
      InsertMultiplication();
    }
    ++pos_;
    EmitOperand(PostfixRecord::kNumberText, std::u16string(1, chars::kInfinity), Item::kNumber);
    last_was_constant_ = false;
    MultiplyIfBracketFollows();
    return true;
  }

  bool ConstantToken(char16_t c) {
    // Juxtaposition multiplies as for names: 2π, xπ, ⅈπ, (x+1)π.
    if ((last_ == Item::kNumber && pos_ > 0) || last_ == Item::kName ||
        last_ == Item::kImaginary || last_ == Item::kClose || last_ == Item::kEndOfList) {
      InsertMultiplication();
    }
    ++pos_;
    EmitOperand(PostfixRecord::kNumberText, std::u16string(1, c), Item::kNumber);
    last_was_constant_ = true;
    MultiplyIfBracketFollows();
    return true;
  }

  bool NameToken() {
    // Juxtaposition after a number, a name or the imaginary unit multiplies,
    // and so does a name after a closing bracket: (x+1)y, sin(x)cos(x).
    if (last_ == Item::kNumber || last_ == Item::kName || last_ == Item::kImaginary ||
        last_ == Item::kClose || last_ == Item::kEndOfList) {
      InsertMultiplication();
    }
    const std::size_t start = pos_;
    while (pos_ < text_.size() && chars::IsNameContinuation(text_[pos_])) ++pos_;
    std::u16string name(text_.substr(start, pos_ - start));
    const int id = FindCommandId(name);
    if (id >= 0) {
      if (!NextIsOpenBracket()) {
        return Fail(EngineError::kFunctionAsVariable, name + u" is the name of a function.");
      }
      PushFunction(id);
      return true;
    }
    EmitOperand(PostfixRecord::kName, std::move(name), Item::kName);
    last_was_constant_ = false;
    MultiplyIfBracketFollows();
    return true;
  }

  // A function code with its argument count, then the call's own bracket.
  void PushFunction(int id) {
    PushOperator(static_cast<char16_t>(op::kFunctionBase + id));
    last_ = Item::kFunction;
    ++pos_;  // the '(' that follows
    PushOpenBracket(Bracket::kCall);
  }

  bool PrefixFunctionToken(int id) {
    ++pos_;
    if (!NextIsOpenBracket()) return Fail(EngineError::kBadSyntax);
    if (EndsOperand(last_)) InsertMultiplication();
    PushFunction(id);
    return true;
  }

  bool ImaginaryToken() {
    if (last_ == Item::kNumber || last_ == Item::kName || prev_char_ == u')' ||
        prev_char_ == u'}') {
      InsertMultiplication();
    }
    ++pos_;
    EmitImaginaryUnit();
    return true;
  }

  bool CloseRoundToken() {
    ++pos_;
    if (open_brackets_ == 0) return Fail(EngineError::kUnmatchedClosing);
    if (InnermostBracket()->bracket == Bracket::kList) return Fail(EngineError::kBadSyntax);
    if (!EndsOperand(last_)) return Fail(EngineError::kSyntax);
    CloseBracket();
    last_ = Item::kClose;
    MultiplyIfBracketFollows();
    return true;
  }

  bool OpenListToken() {
    if (last_ == Item::kNumber || last_ == Item::kName) InsertMultiplication();
    ++pos_;
    PushOpenBracket(Bracket::kList);
    return true;
  }

  bool CloseListToken() {
    ++pos_;
    if (open_brackets_ == 0) return Fail(EngineError::kUnmatchedClosing);
    if (InnermostBracket()->bracket != Bracket::kList) return Fail(EngineError::kBadSyntax);
    if (!EndsOperand(last_)) return Fail(EngineError::kSyntax);
    CloseBracket();
    last_ = Item::kEndOfList;
    if (Peek() == u'{') InsertMultiplication();
    return true;
  }

  bool CommaToken() {
    ++pos_;
    if (InnermostBracket() == nullptr) return Fail(EngineError::kBadSyntax);
    // Commas separate the arguments of a call and the elements of a list only.
    if (InnermostBracket()->bracket == Bracket::kRound) return Fail(EngineError::kBadSyntax);
    if (!EndsOperand(last_)) return Fail(EngineError::kSyntax);
    while (stack_.back().code != op::kOpenBracket) PopToOutput();
    ++stack_.back().count;
    ++slots_;
    last_ = Item::kOperator;
    last_operator_ = u',';
    return true;
  }

  bool MinusToken() {
    ++pos_;
    if (EndsOperand(last_)) {
      PushBinary(op::kSubtract);
      return true;
    }
    // A prefix operator pops nothing: whatever is on the stack still waits for
    // the operand that follows (so --2 is -(-2)).
    stack_.push_back(StackEntry{op::kUnaryMinus});
    last_operator_ = op::kUnaryMinus;
    last_ = Item::kOperator;
    return true;
  }

  bool BinaryToken(char16_t code) {
    ++pos_;
    if (!EndsOperand(last_)) return Fail(EngineError::kSyntax);
    PushBinary(code);
    return true;
  }

  void PushPower() {
    ++slots_;
    if (last_operator_ == op::kPower || last_operator_ == op::kUnaryMinus) {
      // Right to left: a^b^c is a^(b^c), and -2^2 is -(2^2).
      stack_.push_back(StackEntry{op::kPower});
      last_operator_ = op::kPower;
    } else {
      PushOperator(op::kPower);
    }
    last_ = Item::kOperator;
  }

  bool PowerToken() {
    ++pos_;
    if (!EndsOperand(last_)) return Fail(EngineError::kSyntax);
    PushPower();
    return true;
  }

  bool PowerMarkToken(std::u16string_view exponent) {
    ++pos_;
    if (!EndsOperand(last_)) return Fail(EngineError::kSyntax);
    PushPower();
    EmitOperand(PostfixRecord::kNumberText, std::u16string(exponent), Item::kNumber);
    last_was_constant_ = false;
    MultiplyIfBracketFollows();
    return true;
  }

  bool FactorialToken() {
    ++pos_;
    if (!EndsOperand(last_)) return Fail(EngineError::kBadSyntax);
    PushOperator(op::kFactorial);
    last_ = Item::kPostfix;
    return true;
  }

  bool AngleMarkToken(char16_t c) {
    ++pos_;
    if (!EndsOperand(last_)) return Fail(EngineError::kBadSyntax);
    char16_t code = kDegreeCode;
    if (c == chars::kMinuteMark) {
      code = kMinuteCode;
      if (Peek() == chars::kMinuteMark) {
        code = kSecondCode;
        ++pos_;
      }
      // 30°15' is two marked numbers side by side, which the evaluator joins.
      if (operands_ > slots_) ++slots_;
    }
    output_.push_back(PostfixRecord{PostfixRecord::kFunction, code, 1, {}});
    last_ = Item::kPostfix;
    return true;
  }

  // ---- End of the text ------------------------------------------------------

  void Finish() {
    if (slots_ != operands_ || !EndsOperand(last_)) {
      Fail(EngineError::kSyntax);
      return;
    }
    // Brackets left open are closed here: a missing ')' is tolerated.
    while (open_brackets_ > 0) CloseBracket();
    while (!stack_.empty()) PopToOutput();
  }

  std::u16string_view text_;
  std::size_t pos_ = 0;
  std::vector<PostfixRecord> output_;
  std::vector<StackEntry> stack_;
  int open_brackets_ = 0;
  std::size_t operands_ = 0;
  std::size_t slots_ = 1;
  Item last_ = Item::kNothing;
  bool last_was_constant_ = false;  // the last number was π or e
  char16_t last_operator_ = 0;
  char16_t prev_char_ = 0;  // the previous character other than a space
  EngineFailure failure_;
};

}  // namespace

ParseResult Parser::Parse(std::u16string_view text) const {
  if (text.empty()) {
    ParseResult result;
    result.failure.code = EngineError::kEmptyEntry;
    return result;
  }
  if (text.size() > kMaxEntryLength) {
    ParseResult result;
    result.failure.code = EngineError::kBadSyntax;
    return result;
  }
  return Pass(text).Run();
}

EvalProgram ToEvalItems(const std::vector<PostfixRecord>& program) {
  EvalProgram result;
  result.items.reserve(program.size());
  for (const PostfixRecord& record : program) {
    EvalItem item;
    item.code = record.code;
    item.count = record.count;
    switch (record.type) {
      case PostfixRecord::kOperator: item.type = EvalItem::Type::kOperator; break;
      case PostfixRecord::kFunction: item.type = EvalItem::Type::kFunction; break;
      case PostfixRecord::kName:
        item.type = EvalItem::Type::kName;
        item.name = record.text;
        break;
      case PostfixRecord::kNumberText:
        if (IsPiOrE(record.text)) {
          item.type = EvalItem::Type::kName;
          item.name = record.text;
        } else if (record.text.size() == 1 && record.text[0] == chars::kInfinity) {
          item.type = EvalItem::Type::kInfinity;
        } else {
          item.type = EvalItem::Type::kNumber;
          std::string ascii;
          ascii.reserve(record.text.size());
          for (char16_t c : record.text) {
            if (c >= 128) {
              result.items.clear();
              result.failure.code = EngineError::kBadSyntax;
              return result;
            }
            ascii.push_back(static_cast<char>(c));
          }
          const char* end = ascii.data() + ascii.size();
          auto [ptr, ec] = std::from_chars(ascii.data(), end, item.value);
          // Out of range: too many digits overflow to infinity (reported
          // later as an overflow of the value), too small a value is 0.
          if (ec == std::errc::result_out_of_range) {
            item.value = HasNonZeroIntegerDigit(ascii) ? HUGE_VAL : 0.0;
          } else if (ec != std::errc() || ptr != end) {
            result.items.clear();
            result.failure.code = EngineError::kBadSyntax;
            return result;
          }
        }
        break;
      default:
        result.items.clear();
        result.failure.code = EngineError::kBadSyntax;
        return result;
    }
    result.items.push_back(std::move(item));
  }
  return result;
}

EvalProgram ParseEntry(std::u16string_view text) {
  ParseResult parsed = Parser().Parse(text);
  if (!parsed.ok()) {
    EvalProgram result;
    result.failure = std::move(parsed.failure);
    return result;
  }
  return ToEvalItems(parsed.program);
}

}  // namespace zentrix::engine
