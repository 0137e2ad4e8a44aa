// A still view's repaint allocates nothing once its buffers have grown: operator new is
// counted while a repaint runs.
#include <gtest/gtest.h>

#include <cstdlib>
#include <new>

#include "draw/draw_context.h"
#include "draw/headless_display.h"
#include "draw/test_font_image.h"
#include "graphing/model/eval_context.h"
#include "graphing/plot2d/plot_view.h"

namespace {
bool counting = false;
int allocations = 0;
}  // namespace

void* operator new(std::size_t size) {
  if (counting) ++allocations;
  if (void* p = std::malloc(size ? size : 1)) return p;
  throw std::bad_alloc();
}
// The nothrow forms are replaced too, so that every plain delete meets memory of
// this allocator (sanitizer runtimes pair each form of new with its own delete).
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
  if (counting) ++allocations;
  return std::malloc(size ? size : 1);
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete(void* p, const std::nothrow_t&) noexcept { std::free(p); }

namespace zentrix::graphing {
namespace {

TEST(PlotViewAllocationTest, RepaintingAStillViewAllocatesNothing) {
  ScopedEvalContext context;
  draw::ScopedDrawContextReset reset;
  draw::HeadlessDisplay display;
  ASSERT_EQ(display.Open(240, 320), draw::kOk);
  draw::Surface image;
  draw::testing::MakeTestFontImage(&image, draw::kDefaultFontCharacters, 4, 3, 5);
  draw::BitmapFont font;
  ASSERT_EQ(font.Create(std::move(image)), draw::kOk);
  ui::TextRenderer text(&font, 0xFFFFFF);

  GraphSet2D graphs;
  Window2D window;
  window.SetPlotArea(0, 0, 240, 320);
  window.SetValues(-7.5, 7.5, -10, 10);
  PlotView2D view(graphs, window);
  for (const char16_t* f : {u"sin(x)", u"x^2-3", u"1/(x-1)", u"-x"}) {
    graphs.Create(Graph2DKind::kFunction);
    graphs[graphs.size() - 1].SetExpression(f);
  }
  view.display.zeros = view.display.maxima = view.display.minima = true;
  view.display.intersections = view.display.hide_jumps = true;
  view.mode = StylusMode::kTracing;
  view.Recompute();
  view.PenDown(130, 100);
  view.Draw(display.BackBuffer(), &text);  // grows the buffers

  allocations = 0;
  counting = true;
  view.Draw(display.BackBuffer(), &text);
  view.Draw(display.BackBuffer(), &text);
  counting = false;
  EXPECT_EQ(allocations, 0);
}

}  // namespace
}  // namespace zentrix::graphing
