// Vector calculus commands through the evaluator.

#include <gtest/gtest.h>

#include <string>

#include "engine/commands/testing/test_support.h"
#include "engine/core/engine_state.h"

namespace zentrix::engine {
namespace {

using testkit::Eval;

class VectorCalculusTest : public ::testing::Test {
 protected:
  ScopedEngineState state_;
};

constexpr const char* kSyntaxError = "Error: Syntax Error";

TEST_F(VectorCalculusTest, GradientDivergenceLaplacianCurl) {
  EXPECT_EQ(Eval("Gradient(x^2*y)"), Eval("{2x*y,x^2,0}"));
  EXPECT_EQ(Eval("Gradient(s*t^2,{s,t})"), Eval("{t^2,2s*t}"));
  EXPECT_EQ(Eval("Gradient({x,y})"), kSyntaxError);
  EXPECT_EQ(Eval("Gradient(x,{1,2})"), kSyntaxError);
  EXPECT_EQ(Eval("Curl({y,-x,0})"), Eval("{0,0,-2}"));
  EXPECT_EQ(Eval("Curl({x*y*z,x^2,0})"), Eval("{0,x*y,2x-x*z}"));
  EXPECT_EQ(Eval("Curl({x,y})"), kSyntaxError);
  EXPECT_EQ(Eval("Divergence({x^2,y^2,z^2})"), Eval("2x+2y+2z"));
  EXPECT_EQ(Eval("Divergence({x*y,x*y})"), Eval("x+y"));  // a plane field in x and y
  EXPECT_EQ(Eval("Divergence({u,v},{u,v})"), "2");
  EXPECT_EQ(Eval("Divergence({x,y},{x,y,z})"), kSyntaxError);
  EXPECT_EQ(Eval("Divergence(x)"), kSyntaxError);
  EXPECT_EQ(Eval("Laplacian(x^2+y^2+z^2)"), "6");
  EXPECT_EQ(Eval("Laplacian(x^3*y,{x,y})"), Eval("6x*y"));
}

TEST_F(VectorCalculusTest, JacobianAndHessian) {
  EXPECT_EQ(Eval("Jacobian({x*y,x+y},{x,y})"), Eval("{{y,x},{1,1}}"));
  EXPECT_EQ(Eval("Jacobian(x*y*z)"), Eval("{y*z,x*z,x*y}"));
  EXPECT_EQ(Eval("Jacobian({x^2,y^2},{x,y},{3,4})"), Eval("{{6,0},{0,8}}"));
  EXPECT_EQ(Eval("Jacobian({x,y},{x,y},{1})"), kSyntaxError);
  EXPECT_EQ(Eval("Jacobian({{x}})"), kSyntaxError);
  EXPECT_EQ(Eval("Jacobian(x,{1})"), "Error: Parameter 2 is not a list of variables.");
  EXPECT_EQ(Eval("Hessian(x^2*y,{x,y})"), Eval("{{2y,2x},{2x,0}}"));
  EXPECT_EQ(Eval("Hessian(x^3+y^3,{x,y},{1,2})"), Eval("{{6,0},{0,12}}"));
  EXPECT_EQ(Eval("Hessian({x,y},{x,y})"), kSyntaxError);
}

TEST_F(VectorCalculusTest, DerivativesWithoutARuleStayUnevaluated) {
  EXPECT_EQ(Eval("Gradient(abs(x),{x})"), Eval("{D(abs(x),x)}"));
  // So do those beyond the derivative's size bound (149 factors for the product rule).
  std::string product = "sin(x)";
  for (int k = 2; k <= 149; ++k) product.append("*sin(").append(std::to_string(k)).append("x)");
  const std::string gradient = Eval("Gradient(" + product + ",{x})");
  EXPECT_EQ(gradient.rfind("list(0; D(", 0), 0u) << gradient.substr(0, 40);
}

TEST_F(VectorCalculusTest, DirectionalDerivative) {
  EXPECT_EQ(Eval("Duf(x^2+y^2,{x,y},{1,2},{3,4})"), Eval("22/5"));
  EXPECT_EQ(Eval("Duf(x*y,{x,y},{1,1},{1,1})"), Eval("2/sqrt(2)"));
  EXPECT_EQ(Eval("Duf(x*y,{x,y},{1,1},{0,0})"), kSyntaxError);
  EXPECT_EQ(Eval("Duf(x*y,{x,y},{1,1},{1,1,1})"), kSyntaxError);
  EXPECT_EQ(Eval("Duf(x*y,{x,y},{1,1})"), "Error: Duf(f, variable list, point, direction)");
}

}  // namespace
}  // namespace zentrix::engine
