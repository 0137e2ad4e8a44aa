#include "engine/core/parser.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "engine/core/charset.h"
#include "engine/core/command_names.h"

namespace zentrix::engine {
namespace {

using chars::U16;

// The program written out: operands as their text, "neg" for the unary
// minus, "i" for the imaginary unit, "{n}" for the end of a list of n, and
// functions as name/count ("deg", "min", "sec" for the angle marks).
std::string Render(const std::vector<PostfixRecord>& program) {
  std::string out;
  for (const PostfixRecord& r : program) {
    if (!out.empty()) out += ' ';
    switch (r.type) {
      case PostfixRecord::kNumberText:
      case PostfixRecord::kName: out += chars::ToUtf8(r.text); break;
      case PostfixRecord::kFunction: {
        const int id = r.code - 256;
        if (id == command_id::kDegreeMark)
          out += "deg";
        else if (id == command_id::kMinuteMark)
          out += "min";
        else if (id == command_id::kSecondMark)
          out += "sec";
        else
          out.append(chars::ToUtf8(CommandName(id))).append("/").append(std::to_string(r.count));
        break;
      }
      default:
        if (r.code == op::kUnaryMinus)
          out += "neg";
        else if (r.code == op::kImaginaryUnit)
          out += "i";
        else if (r.code == op::kEndOfList)
          out.append("{").append(std::to_string(r.count)).append("}");
        else if (r.code == op::kTimesTenPower)
          out += "E";
        else
          out += static_cast<char>(r.code);
    }
  }
  return out;
}

std::string Postfix(std::string_view entry) {
  ParseResult result = Parser().Parse(U16(entry));
  if (!result.ok()) {
    return "error " + std::to_string(ToInt(result.failure.code)) + ": " +
           chars::ToUtf8(result.failure.DisplayText());
  }
  return Render(result.program);
}

TEST(Parser, InsertsTheMultiplicationsLeftImplicit) {
  EXPECT_EQ(Postfix("2x"), "2 x *");
  EXPECT_EQ(Postfix("2(x+1)"), "2 x 1 + *");
  EXPECT_EQ(Postfix("(x+2)(x+5)"), "x 2 + x 5 + *");
  EXPECT_EQ(Postfix("x(2)"), "x 2 *");
  EXPECT_EQ(Postfix("2π"), "2 π *");
  EXPECT_EQ(Postfix("πx"), "π x *");
  EXPECT_EQ(Postfix("π2"), "π 2 *");
  EXPECT_EQ(Postfix("{1,2}{3,4}"), "1 2 {2} 3 4 {2} *");
  EXPECT_EQ(Postfix("2ⅈ"), "2 i *");
  EXPECT_EQ(Postfix("ⅈx"), "i x *");
  EXPECT_EQ(Postfix("(1)2"), "1 2 *");
  EXPECT_EQ(Postfix("x²y"), "x 2 ^ y *");
  EXPECT_EQ(Postfix("2√(3)"), "2 3 sqrt/1 *");
  EXPECT_EQ(Postfix("2sin(x)"), "2 x sin/1 *");
  // A name after a closing bracket multiplies too.
  EXPECT_EQ(Postfix("sin(x)cos(x)"), "x sin/1 x cos/1 *");
  EXPECT_EQ(Postfix("(x+1)y"), "x 1 + y *");
  EXPECT_EQ(Postfix("(x+1)π"), "x 1 + π *");
  EXPECT_EQ(Postfix("ππ"), "π π *");
}

TEST(Parser, NamesRunOverLettersAndDigits) {
  EXPECT_EQ(Postfix("Tx"), "Tx");
  EXPECT_EQ(Postfix("T*x"), "T x *");
  EXPECT_EQ(Postfix("x2"), "x2");
  EXPECT_EQ(Postfix("θ+αβ"), "θ αβ +");
  EXPECT_EQ(Postfix("xπ"), "x π *");
  EXPECT_EQ(Postfix("2ⅈπ"), "2 i * π *");
  EXPECT_EQ(Postfix("ℯ^(ⅈπ)"), "ℯ i π * ^");
  EXPECT_EQ(Postfix("abℯ"), "ab ℯ *");
}

TEST(Parser, PrecedenceAndAssociativity) {
  EXPECT_EQ(Postfix("2^3^2"), "2 3 2 ^ ^");
  EXPECT_EQ(Postfix("-2^2"), "2 2 ^ neg");
  EXPECT_EQ(Postfix("2*-3"), "2 3 neg *");
  EXPECT_EQ(Postfix("--2"), "2 neg neg");
  EXPECT_EQ(Postfix("1-2-3"), "1 2 - 3 -");
  EXPECT_EQ(Postfix("1+2*3"), "1 2 3 * +");
  EXPECT_EQ(Postfix("8/2/2"), "8 2 / 2 /");
  EXPECT_EQ(Postfix("2ᴇ-3"), "2 3 neg E");
  EXPECT_EQ(Postfix("3!+1"), "3 ! 1 +");
  EXPECT_EQ(Postfix("x=y+1"), "x y 1 + =");
  EXPECT_EQ(Postfix("x⁻¹"), "x -1 ^");
  EXPECT_EQ(Postfix("{1,-2}-3"), "1 2 neg {2} 3 -");
  EXPECT_EQ(Postfix("ⅈ-1"), "i 1 -");
}

TEST(Parser, FunctionsCountTheirArguments) {
  EXPECT_EQ(Postfix("Solve(x^2-5x+6=0,x)"), "x 2 ^ 5 x * - 6 + 0 = x Solve/2");
  EXPECT_EQ(Postfix("sin(x)^2"), "x sin/1 2 ^");
  EXPECT_EQ(Postfix("Limit(f,x,0,{1,2})"), "f x 0 1 2 {2} Limit/4");
  EXPECT_EQ(Postfix("∫(x,x)"), "x x Integrate/2");
  EXPECT_EQ(Postfix("D(sin(x),x)"), "x sin/1 x D/2");
  EXPECT_EQ(Postfix("{{1,2},{3,4}}"), "1 2 {2} 3 4 {2} {2}");
}

// A power written after a closed bracket, call or list raises the whole group,
// whatever operator was last pushed inside it.
TEST(Parser, PowerAfterAClosedGroupRaisesTheGroup) {
  EXPECT_EQ(Postfix("sin(-x)^2"), "x neg sin/1 2 ^");
  EXPECT_EQ(Postfix("sin(x^2)^3"), "x 2 ^ sin/1 3 ^");
  EXPECT_EQ(Postfix("√(-4)^2"), "4 neg sqrt/1 2 ^");
  EXPECT_EQ(Postfix("exp(-1)^2"), "1 neg exp/1 2 ^");
  EXPECT_EQ(Postfix("Det({{1,2},{3,-4}})^2"), "1 2 {2} 3 4 neg {2} {2} Det/1 2 ^");
  EXPECT_EQ(Postfix("Integrate(x^2,x,0,-1)^2"), "x 2 ^ x 0 1 neg Integrate/4 2 ^");
  EXPECT_EQ(Postfix("(-x)^2"), "x neg 2 ^");
  EXPECT_EQ(Postfix("(x^2)^3"), "x 2 ^ 3 ^");
  EXPECT_EQ(Postfix("{1,-2}^2"), "1 2 neg {2} 2 ^");
  EXPECT_EQ(Postfix("{x^2}^3"), "x 2 ^ {1} 3 ^");
  EXPECT_EQ(Postfix("cos(sin(-x)^2)^3"), "x neg sin/1 2 ^ cos/1 3 ^");
  EXPECT_EQ(Postfix("sin(-x)²"), "x neg sin/1 2 ^");
  EXPECT_EQ(Postfix("sin(-x)⁻¹"), "x neg sin/1 -1 ^");
  EXPECT_EQ(Postfix("sin(-x)^-2"), "x neg sin/1 2 neg ^");
  EXPECT_EQ(Postfix("sin(-x)!"), "x neg sin/1 !");
  // Powers still chain to the right, and a minus in front stays outside.
  EXPECT_EQ(Postfix("-sin(x)^2"), "x sin/1 2 ^ neg");
  EXPECT_EQ(Postfix("-(x)^2"), "x 2 ^ neg");
  EXPECT_EQ(Postfix("x^-y^2"), "x y 2 ^ neg ^");
  EXPECT_EQ(Postfix("2^sin(x)"), "2 x sin/1 ^");
  // A group after '^' is read the same whatever it holds: 2^(-3)^2 like 2^(3)^2.
  EXPECT_EQ(Postfix("2^(3)^2"), "2 3 ^ 2 ^");
  EXPECT_EQ(Postfix("2^(-3)^2"), "2 3 neg ^ 2 ^");
}

// Random entries printed from a tree with as few brackets as the usual reading
// needs (plus a few spare ones) must parse back to that tree's postfix form.
class GroupingCase {
 public:
  explicit GroupingCase(unsigned seed) : random_(seed) {}

  // Builds one random tree, returning its entry text and its postfix form.
  void Build(std::string& text, std::string& postfix) { Node(4, text, postfix, 0); }

 private:
  // Binding strength of what was printed: 1 sum, 2 product, 3 power or
  // prefix minus, 4 factorial, 5 atom or closed group.
  int Node(int depth, std::string& text, std::string& postfix, int context) {
    std::string t, p;
    int strength = 5;
    const int pick = depth <= 0 ? Pick(3) : Pick(11);
    if (pick == 0) {
      t = std::to_string(1 + Pick(9)) + (Pick(4) == 0 ? ".5" : "");
      p = t;
    } else if (pick == 1 || pick == 2) {
      static const char* const kNames[] = {"x", "y", "ab", "θ"};
      t = p = kNames[Pick(4)];
    } else if (pick <= 4) {
      static const char kOps[] = {'+', '-', '*', '/'};
      const char op = kOps[Pick(4)];
      strength = op == '+' || op == '-' ? 1 : 2;
      std::string lt, lp, rt, rp;
      Operand(depth, lt, lp, strength);
      Operand(depth, rt, rp, strength + 1);
      t = lt + op + rt;
      p = lp + " " + rp + " " + op;
    } else if (pick == 5 || pick == 6) {
      std::string bt, bp, et, ep;
      Operand(depth, bt, bp, 4);
      // Powers nest to the right only inside brackets, so an exponent that is
      // itself a power is always bracketed.
      int exponent = Node(depth - 1, et, ep, 3);
      if (exponent <= 4) et = "(" + et + ")";
      t = bt + "^" + et;
      p = bp + " " + ep + " ^";
      strength = 3;
    } else if (pick == 7) {
      std::string ct, cp;
      // A factorial takes a pending minus with it (-3! is (-3)!), so what
      // follows a minus is bracketed when it holds one outside brackets.
      if (Node(depth - 1, ct, cp, 3) < 5 && ct.find('!') != std::string::npos) ct = "(" + ct + ")";
      t = "-" + ct;
      p = cp + " neg";
      strength = 3;
    } else if (pick == 8) {
      std::string ct, cp;
      Operand(depth, ct, cp, 5);
      t = ct + "!";
      p = cp + " !";
      strength = 4;
    } else if (pick == 9) {
      static const char* const kCalls[] = {"sin", "cos", "exp", "ln", "√"};
      const int which = Pick(5);
      std::string at, ap;
      Node(depth - 1, at, ap, 0);
      t = std::string(kCalls[which]) + "(" + at + ")";
      p = ap + " " + (which == 4 ? "sqrt" : kCalls[which]) + "/1";
    } else {
      const int count = 1 + Pick(3);
      t = "{";
      for (int k = 0; k < count; ++k) {
        std::string et, ep;
        Node(depth - 1, et, ep, 0);
        t += (k ? "," : "") + et;
        p += (k ? " " : "") + ep;
      }
      t += "}";
      p += " {" + std::to_string(count) + "}";
    }
    if (strength < context || (strength < 5 && Pick(8) == 0)) {
      t = "(" + t + ")";
      strength = 5;
    }
    text = t;
    postfix = p;
    return strength;
  }

  // An operand printed at least as strongly as `context` binds.
  void Operand(int depth, std::string& text, std::string& postfix, int context) {
    Node(depth - 1, text, postfix, context);
  }

  int Pick(int n) { return static_cast<int>(random_() % static_cast<unsigned>(n)); }

  std::mt19937 random_;
};

TEST(Parser, GroupingMatchesTheTreeOnRandomEntries) {
  for (unsigned seed = 1; seed <= 3000; ++seed) {
    std::string text, expected;
    GroupingCase(seed).Build(text, expected);
    EXPECT_EQ(Postfix(text), expected) << "entry " << text << " (seed " << seed << ")";
  }
}

TEST(Parser, AngleMarksAreEmittedAtOnce) {
  EXPECT_EQ(Postfix("30°"), "30 deg");
  EXPECT_EQ(Postfix("30°15'"), "30 deg 15 min");
  EXPECT_EQ(Postfix("30°15'10''"), "30 deg 15 min 10 sec");
  EXPECT_EQ(Postfix("1+30°"), "1 30 deg +");
}

TEST(Parser, ErrorsAndTheirTexts) {
  EXPECT_EQ(Postfix(""), "error 16: No equation to solve");
  EXPECT_EQ(Postfix("sin x"), "error 6: sin is the name of a function.");
  EXPECT_EQ(Postfix("sin"), "error 6: sin is the name of a function.");
  EXPECT_EQ(Postfix("2+3)"), "error 5: Not enough parenthesis found.");
  EXPECT_EQ(Postfix("3.1.4"), "error 4: Syntax Error");
  EXPECT_EQ(Postfix("1,2"), "error 4: Syntax Error");
  EXPECT_EQ(Postfix("(1,2)"), "error 4: Syntax Error");
  EXPECT_EQ(Postfix("2+"), "error 1: Syntax Error");
  EXPECT_EQ(Postfix("+2 3"), "error 1: Syntax Error");
  EXPECT_EQ(Postfix("2 3"), "error 1: Syntax Error");
  EXPECT_EQ(Postfix("√4"), "error 4: Syntax Error");
  EXPECT_EQ(Postfix("."), "error 4: Syntax Error");
  EXPECT_EQ(Postfix("2#3"), "error 4: Syntax Error");
  EXPECT_EQ(Postfix("{1,2)"), "error 4: Syntax Error");
  EXPECT_EQ(Postfix("(1}"), "error 4: Syntax Error");
  EXPECT_EQ(Postfix("f()"), "error 1: Syntax Error");
  EXPECT_EQ(Postfix("!"), "error 4: Syntax Error");
  EXPECT_EQ(Postfix("   "), "error 1: Syntax Error");
  EXPECT_EQ(Postfix("\x01"
                    "2"),
            "error 4: Syntax Error");  // a control character first
  EXPECT_EQ(Postfix("2∠3"), "error 4: Syntax Error");
}

TEST(Parser, OpenBracketsAreClosedAtTheEnd) {
  EXPECT_EQ(Postfix("(2+3"), "2 3 +");
  EXPECT_EQ(Postfix("sin(x"), "x sin/1");
  EXPECT_EQ(Postfix("{1,2"), "1 2 {2}");
  EXPECT_EQ(Postfix("Solve(x=1,{1,(2"), "x 1 = 1 2 {2} Solve/2");
}

TEST(Parser, DeepAndLongEntriesStayLinear) {
  std::u16string deep(100000, u'(');
  deep += u"1";
  ParseResult nested = Parser().Parse(deep);
  ASSERT_TRUE(nested.ok());
  EXPECT_EQ(nested.program.size(), 1u);

  std::u16string list(100000, u'{');
  list += u"1";
  ParseResult lists = Parser().Parse(list);
  ASSERT_TRUE(lists.ok());
  EXPECT_EQ(lists.program.size(), 100001u);

  // About a megabyte of "1+x*" ...
  std::u16string sum;
  while (sum.size() < (1u << 20)) sum += u"12+x*";
  sum += u"3";
  ParseResult big = Parser().Parse(sum);
  ASSERT_TRUE(big.ok());
  EXPECT_GT(big.program.size(), 600000u);

  EXPECT_EQ(Parser().Parse(std::u16string(kMaxEntryLength + 1, u'1')).failure.code,
            EngineError::kBadSyntax);
}

TEST(EvalItems, ConvertNumbersConstantsAndFunctions) {
  EvalProgram program = ParseEntry(U16("2.5π+∞-ⅈ+sin(x)"));
  ASSERT_TRUE(program.ok());
  const auto& items = program.items;
  ASSERT_EQ(items.size(), 10u);  // 2.5 π * ∞ + i - x sin +
  EXPECT_EQ(items[0].type, EvalItem::Type::kNumber);
  EXPECT_EQ(items[0].value, 2.5);
  EXPECT_EQ(items[1].type, EvalItem::Type::kName);
  EXPECT_EQ(items[1].name, std::u16string(1, chars::kPi));
  EXPECT_EQ(items[2].code, '*');
  EXPECT_EQ(items[3].type, EvalItem::Type::kInfinity);
  EXPECT_EQ(items[5].code, op::kImaginaryUnit);
  EXPECT_EQ(items[7].type, EvalItem::Type::kName);
  EXPECT_EQ(items[8].type, EvalItem::Type::kFunction);
  EXPECT_EQ(items[8].function_id(), command_id::kSin);

  EXPECT_EQ(ParseEntry(u".5").items[0].value, 0.5);
  EXPECT_EQ(ParseEntry(U16("x⁻¹")).items[1].value, -1.0);
  std::u16string huge(400, u'9');
  EXPECT_TRUE(std::isinf(ParseEntry(huge).items[0].value));
  EXPECT_EQ(ParseEntry(u"0." + std::u16string(400, u'0') + u"1").items[0].value, 0.0);
  EXPECT_EQ(ParseEntry(u"").failure.code, EngineError::kEmptyEntry);
}

TEST(CommandNames, NamesAndIdsMatch) {
  EXPECT_EQ(FindCommandId(u"Solve"), command_id::kSolve);
  EXPECT_EQ(FindCommandId(u"solve"), -1);
  EXPECT_EQ(FindCommandId(u"Sol"), -1);
  EXPECT_EQ(FindCommandId(u"x"), -1);
  EXPECT_EQ(CommandName(command_id::kTogether), u"Together");
  EXPECT_EQ(CommandName(35), u"");
  EXPECT_EQ(CommandName(command_id::kDegreeMark), u"");
  EXPECT_EQ(CommandName(-1), u"");
  EXPECT_EQ(CommandName(kCommandIdLimit), u"");
  int named = 0;
  for (int id = 0; id < kCommandIdLimit; ++id) {
    std::u16string_view name = CommandName(id);
    if (name.empty()) continue;
    ++named;
    EXPECT_EQ(FindCommandId(name), id) << id;
  }
  // 121 ids less the six unused ones and the three marks.
  EXPECT_EQ(named, 121 - 6 - 3);
}

TEST(EngineErrors, TextsOfTheCodes) {
  EXPECT_EQ(ErrorText(0), "Lists must be the same length");
  EXPECT_EQ(ErrorText(EngineError::kUnmatchedClosing), "Not enough parenthesis found.");
  EXPECT_EQ(ErrorText(9), "Matrix Error");
  EXPECT_EQ(ErrorText(11), "Error");
  EXPECT_EQ(ErrorText(17), "Syntax Error");
  EXPECT_EQ(ErrorText(18), "OverFlow");
  EXPECT_EQ(ErrorText(99), "Syntax Error");
  EngineFailure failure{EngineError::kTooManyVariables, {}};
  EXPECT_EQ(failure.DisplayText(), u"Too many variables");
  failure.message = u"Unable to solve the expression.";
  EXPECT_EQ(failure.DisplayText(), u"Unable to solve the expression.");
}

}  // namespace
}  // namespace zentrix::engine
