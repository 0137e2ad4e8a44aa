#include "engine/commands/calculus/integrate_table.h"

#include <utility>

#include "engine/commands/calculus/calculus_support.h"
#include "engine/commands/simplify/tree_arithmetic.h"
#include "engine/core/command_names.h"

namespace zentrix::engine {
namespace {

namespace id = command_id;
using calculus::Ln;
using calculus::Num;

ExprNode Fn(int f, const ExprNode& u) { return ApplyFunction(f, u); }
ExprNode Mul(ExprNode a, ExprNode b) { return MultiplyTrees(std::move(a), std::move(b)); }
ExprNode Add(ExprNode a, ExprNode b) { return AddTrees(std::move(a), std::move(b)); }
ExprNode Sub(ExprNode a, ExprNode b) { return SubtractTrees(std::move(a), std::move(b)); }
ExprNode Half(ExprNode a) { return MultiplyNumber(std::move(a), Number::Ratio(1, 2)); }
ExprNode Sq(const ExprNode& u) { return PowerNumber(u, Number(2.0)); }
ExprNode Root(ExprNode a) { return SquareRootTree(std::move(a)); }

// u·f(u), the first part of the antiderivative of every inverse function.
ExprNode UTimes(int f, const ExprNode& u) { return Mul(u, Fn(f, u)); }

// ln(u·(1 + sqrt((u² + s)/u²))) with s = -1 (asec, acsc) or +1 (acsch): the
// logarithm that keeps its real part right on both sides of 0.
ExprNode ReciprocalRootLog(const ExprNode& u, double s) {
  ExprNode ratio = DivideTrees(AddNumber(Sq(u), Number(s)), Sq(u));
  return Ln(Mul(u, AddNumber(Root(std::move(ratio)), Number(1.0))));
}

// ln(g(u/2)) - ln(h(u/2)), the antiderivative of csc and csch.
ExprNode HalfAngleLogs(int g, int h, const ExprNode& u) {
  ExprNode half = Half(u);
  return Sub(Ln(Fn(g, half)), Ln(Fn(h, half)));
}

}  // namespace

std::optional<ExprNode> TableAntiderivative(int f, const ExprNode& u) {
  switch (f) {
    case id::kSin: return NegateTree(Fn(id::kCos, u));
    case id::kCos: return Fn(id::kSin, u);
    case id::kTan: return NegateTree(Ln(Fn(id::kCos, u)));
    case id::kCsc: return HalfAngleLogs(id::kSin, id::kCos, u);
    case id::kSec: return Ln(Fn(id::kAbs, Add(Fn(id::kSec, u), Fn(id::kTan, u))));
    case id::kCot: return Ln(Fn(id::kSin, u));
    case id::kSinh: return Fn(id::kCosh, u);
    case id::kCosh: return Fn(id::kSinh, u);
    case id::kTanh: return Ln(Fn(id::kCosh, u));
    case id::kCsch: return HalfAngleLogs(id::kSinh, id::kCosh, u);
    case id::kSech: return MultiplyNumber(Fn(id::kAtan, Fn(id::kTanh, Half(u))), Number(2.0));
    case id::kCoth: return Ln(Fn(id::kSinh, u));
    case id::kAsin: return Add(UTimes(id::kAsin, u), Root(Sub(Num(1.0), Sq(u))));
    case id::kAcos: return Sub(UTimes(id::kAcos, u), Root(Sub(Num(1.0), Sq(u))));
    case id::kAtan: return Sub(UTimes(id::kAtan, u), Half(Ln(AddNumber(Sq(u), Number(1.0)))));
    case id::kAcot: return Add(UTimes(id::kAcot, u), Half(Ln(AddNumber(Sq(u), Number(1.0)))));
    case id::kAsec: return Sub(UTimes(id::kAsec, u), ReciprocalRootLog(u, -1.0));
    case id::kAcsc: return Add(UTimes(id::kAcsc, u), ReciprocalRootLog(u, -1.0));
    case id::kAsinh: return Sub(UTimes(id::kAsinh, u), Root(AddNumber(Sq(u), Number(1.0))));
    case id::kAcosh:
      return Sub(UTimes(id::kAcosh, u),
                 Mul(Root(AddNumber(u, Number(1.0))), Root(AddNumber(u, Number(-1.0)))));
    case id::kAtanh: return Add(UTimes(id::kAtanh, u), Half(Ln(Sub(Num(1.0), Sq(u)))));
    case id::kAcoth: return Add(UTimes(id::kAcoth, u), Half(Ln(AddNumber(Sq(u), Number(-1.0)))));
    case id::kAsech: return Add(UTimes(id::kAsech, u), Fn(id::kAsin, u));
    case id::kAcsch: return Add(UTimes(id::kAcsch, u), ReciprocalRootLog(u, 1.0));
    case id::kLn: return Sub(Mul(u, Ln(u)), u);
    case id::kLog10: return DivideTrees(Sub(Mul(u, Ln(u)), u), Ln(Num(10.0)));
    case id::kExp: return Fn(id::kExp, u);
    default: return std::nullopt;
  }
}

}  // namespace zentrix::engine
