#include "tutorials/calculator/calculator_tutorials.h"

#include <array>

namespace zentrix::tutorials {
namespace {

using ui::MenuCommand;

// √ is 135, ∫ 132, ° 131 and ² 133 in the program's character set.
constexpr TutorialStep kBasics[] = {
    Explain(u"Welcome to Zentrix 2.0!\n\nThis tutorial will teach you how to use the calculator."),
    Type(u"3/12"),
    SolveStep(),
    Type(u"\u0087(9)"),
    SolveStep(),
    TapEntryEnd(0, u"Tap the end of first cell to edit the expression."),
    Type(u"3/12+1/2", u"Add [yellow]+1/2[/] to the expression."),
    SolveStep(),
    TapEntry(0,
             u"Zentrix by default shows answers as fractions but Zentrix can also show answers "
             u"as decimals.\n\n[green]Tap the first cell to solve the expression again.[/]"),
    SolveStep(u"Tap [yellow]Solve[/] again to see the answer as a decimal.", true),
    Finish(),
};

constexpr TutorialStep kTrig[] = {
    Explain(u"This tutorial will show you how to use [yellow]Trig[/] functions."),
    Type(u"sin(30\u0083)",
         u"Enter the expression [yellow]sin(30\u0083)[/]. The degree sign is on the trig page "
         u"of the button pad."),
    SolveStep(),
    MenuStep(MenuCommand::kNew,
             u"Tap [yellow]File[/] and then [yellow]New[/] to start again with an empty "
             u"notebook."),
    Type(u"cos(60\u0083)"),
    SolveStep(),
    TapEntry(0, u"Tap the first cell to go back to it."),
    MenuStep(MenuCommand::kInsertEntry,
             u"Tap [yellow]Edit[/] and then [yellow]Insert Entry[/] to add an empty cell above "
             u"it."),
    Type(u"sin(30\u0083)+cos(60\u0083)"),
    SolveStep(),
    Explain(u"The degree sign makes Zentrix read an angle in degrees whatever the angle "
            u"setting is, so sin(30\u0083) and cos(60\u0083) are both [yellow]1/2[/]."),
    Finish(),
};

constexpr TutorialStep kAlgebra[] = {
    Explain(u"This tutorial will show you to use [yellow]Algebra[/] functions."),
    Type(u"x+x+x+y*y"),
    SolveStep(),
    Explain(u"Zentrix works with letters as well as numbers: it collected the x terms into "
            u"[yellow]3x[/] and wrote y*y as a square."),
    Type(u"(x+2)(x+5)"),
    SolveStep(),
    Explain(u"Brackets that are multiplied together are expanded into one polynomial."),
    Type(u"Solve(2x=3,x)",
         u"Enter the expression [yellow]Solve(2x=3,x)[/]. [yellow]Solve[/] is on the algebra "
         u"page of the button pad."),
    SolveStep(),
    Explain(u"Solve finds the value of x that makes the equation true: [yellow]3/2[/]."),
    Finish(),
};

constexpr TutorialStep kCalculus[] = {
    Explain(u"This tutorial will show you to use [yellow]Calculus[/] functions."),
    Type(u"D(x^3,x)",
         u"Enter the expression [yellow]D(x^3,x)[/] to take the derivative of x^3 with respect "
         u"to x."),
    SolveStep(),
    Explain(u"D gives the derivative: [yellow]3x\u0085[/]."),
    Type(u"\u0084(x^2,x)",
         u"Enter the expression [yellow]\u0084(x^2,x)[/] to integrate x^2 with respect to x."),
    SolveStep(),
    Explain(u"Without limits the integral is indefinite. Add a lower and an upper limit to get "
            u"a number."),
    Type(u"\u0084(x^2,x,0,3)"),
    SolveStep(),
    Explain(u"The integral of x^2 from 0 to 3 is [yellow]9[/]."),
    Type(u"Limit(sin(x)/x,x,0)",
         u"Enter the expression [yellow]Limit(sin(x)/x,x,0)[/] to find the limit of sin(x)/x "
         u"as x goes to 0."),
    SolveStep(),
    Explain(u"sin(x)/x is not defined at 0, but Limit finds the value it approaches: "
            u"[yellow]1[/]."),
    Finish(),
};

constexpr TutorialStep kMatrices[] = {
    Explain(u"This tutorial will teach you how to use matrices."),
    Type(u"{{1,2},{3,4}}",
         u"A matrix is written row by row inside braces. Enter the expression "
         u"[yellow]{{1,2},{3,4}}[/]."),
    SolveStep(),
    Explain(u"Zentrix shows the matrix as a grid of two rows and two columns."),
    Type(u"y={{5,6},{7,8}}",
         u"Store a matrix in the variable y: enter the expression [yellow]y={{5,6},{7,8}}[/]."),
    SolveStep(),
    Type(u"Det(y)",
         u"Enter the expression [yellow]Det(y)[/] to find the determinant of y. [yellow]Det[/] "
         u"is on the matrix page of the button pad."),
    SolveStep(),
    Explain(u"The determinant of y is 5*8-6*7 = [yellow]-2[/]."),
    Finish(),
};

constexpr TutorialStep kQuadratic[] = {
    Explain(u"This tutorial will teach you how to solve equations that can be solved using the "
            u"quadratic formula."),
    Type(u"Solve(x^2+3x-4=0,x)"),
    SolveStep(),
    Explain(u"Solve can also take just the coefficients a, b and c of a*x^2+b*x+c=0 and use the "
            u"quadratic formula."),
    Type(u"Solve(1,3,-4)"),
    SolveStep(),
    Finish(),
};

constexpr std::array<CalculatorTutorial, kCalculatorTutorialCount> kTutorials{{
    {u"Calculator 1: Basics", kBasics},
    {u"Calculator 2: Trig", kTrig},
    {u"Calculator 3: Algebra", kAlgebra},
    {u"Calculator 4: Calculus", kCalculus},
    {u"Calculator 5: Matrices", kMatrices},
    {u"Calculator 6: Quadratic Formula", kQuadratic},
}};

}  // namespace

std::span<const CalculatorTutorial> CalculatorTutorials() { return kTutorials; }

}  // namespace zentrix::tutorials
