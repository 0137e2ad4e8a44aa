// The "ImageList" icons: one 16 × 16 picture per entry of ui::Icon.

#include <array>
#include <cmath>
#include <functional>

#include "tools/skin/art.h"

namespace zentrix::skin {

using namespace zentrix::ui;

namespace {

constexpr float kPi = 3.14159265f;
constexpr float kStroke = 1.4f;

struct Pen {
  Canvas& c;
  const Theme& t;
  float x;  // left of the icon's cell

  Paint ink() const { return Solid(t.ink); }
  Paint soft() const { return Solid(t.ink_soft); }
  Paint accent() const { return Solid(t.icon_accent); }
  Paint red() const { return Solid(t.icon_red); }
  Paint green() const { return Solid(t.icon_green); }
  Paint yellow() const { return Solid(t.icon_yellow); }

  void Path(std::vector<Point> p, float w, const Paint& paint) {
    for (Point& q : p) q.x += x;
    c.StrokePath(p, w, paint);
  }
  void Poly(std::vector<Point> p, const Paint& paint) {
    for (Point& q : p) q.x += x;
    c.FillPolygon(p, paint);
  }
  void Line(float x1, float y1, float x2, float y2, float w, const Paint& paint) {
    c.Line(x + x1, y1, x + x2, y2, w, paint);
  }
  void Dot(float cx, float cy, float r, const Paint& paint) { c.FillCircle(x + cx, cy, r, paint); }
  void Ring(float cx, float cy, float r, float w, const Paint& paint) {
    c.StrokeCircle(x + cx, cy, r, w, paint);
  }
  void Rect(float rx, float ry, float w, float h, float r, const Paint& paint) {
    c.FillRoundRect(x + rx, ry, w, h, r, paint);
  }
  void Frame(float rx, float ry, float w, float h, float r, float t_, const Paint& paint) {
    c.StrokeRoundRect(x + rx, ry, w, h, r, t_, paint);
  }
  // A curve y = f(u) for u in [u0, u1] mapped onto [x0, x1].
  void Curve(float x0, float x1, const std::function<float(float)>& f, float w,
             const Paint& paint) {
    std::vector<Point> p;
    for (int i = 0; i <= 24; ++i) {
      const float u = x0 + (x1 - x0) * i / 24.0f;
      p.push_back({u, f(u)});
    }
    Path(p, w, paint);
  }
  // A closed parametric curve (x(s), y(s)) for s in [0, 2π].
  void Loop(const std::function<Point(float)>& f, float w, const Paint& paint, int steps = 48,
            float turns = 1) {
    std::vector<Point> p;
    for (int i = 0; i <= steps; ++i) p.push_back(f(2 * kPi * turns * i / steps));
    Path(p, w, paint);
  }
  void Arrow(float x1, float y1, float x2, float y2, float w, const Paint& paint) {
    Line(x1, y1, x2, y2, w, paint);
    const float a = std::atan2(y2 - y1, x2 - x1), l = 3.2f;
    Path({{x2 - l * std::cos(a - 0.6f), y2 - l * std::sin(a - 0.6f)},
          {x2, y2},
          {x2 - l * std::cos(a + 0.6f), y2 - l * std::sin(a + 0.6f)}},
         w, paint);
  }
  void Axes() {
    Line(2, 13.5f, 14, 13.5f, 1, soft());
    Line(2.5f, 2, 2.5f, 14, 1, soft());
  }
  void Triangle(float cx, float cy, float half, int direction, const Paint& paint) {
    DrawTriangle(c, x + cx, cy, half, direction, paint);
  }
};

void Calculator(Pen& p) {
  p.Rect(3, 1, 10, 14, 2, p.soft());
  p.Frame(3, 1, 10, 14, 2, 1, p.ink());
  p.Rect(4.5f, 2.5f, 7, 3, 0.5f, p.accent());
  for (int i = 0; i < 3; ++i) {
    for (int j = 0; j < 3; ++j) p.Rect(4.6f + i * 2.5f, 7 + j * 2.5f, 1.8f, 1.6f, 0.3f, p.ink());
  }
}

void Settings(Pen& p) {
  const float cx = p.x + 8, cy = 8;
  p.c.Fill(
      p.x, 0, p.x + 16, 16,
      [=](float px, float py) {
        const float dx = px - cx, dy = py - cy, r = std::sqrt(dx * dx + dy * dy);
        const float a = std::atan2(dy, dx);
        const float tooth = std::cos(8 * a) > 0.2f ? 7.0f : 5.4f;
        return r <= tooth && r >= 2.2f;
      },
      p.ink());
}

void Grapher2D(Pen& p) {
  p.Axes();
  p.Curve(
      3, 14, [](float u) { return 8 - 4.5f * std::sin((u - 3) / 11 * 2 * kPi); }, kStroke,
      p.accent());
}

// A wire surface seen from above at an angle.
void Grapher3D(Pen& p) {
  auto at = [](float u, float v) {
    const float h = 1.8f * std::sin(u * 1.6f) * std::cos(v * 1.2f);
    return Point{3 + u * 2.4f + v * 1.4f, 11 - v * 1.6f - h + u * 0.5f};
  };
  for (int i = 0; i <= 4; ++i) {
    std::vector<Point> a, b;
    for (int j = 0; j <= 8; ++j) {
      a.push_back(at(i, j * 0.5f));
      b.push_back(at(j * 0.5f, i));
    }
    p.Path(a, 0.9f, p.accent());
    p.Path(b, 0.9f, p.accent());
  }
}

void Notes(Pen& p) {
  p.Rect(2, 1.5f, 10, 13, 1, p.soft());
  p.Frame(2, 1.5f, 10, 13, 1, 1, p.ink());
  for (int i = 0; i < 4; ++i) p.Line(4, 4.5f + i * 2.5f, 10, 4.5f + i * 2.5f, 0.8f, p.ink());
  p.Line(8, 13, 14.5f, 6.5f, 2.2f, p.yellow());
  p.Dot(7.8f, 13.2f, 0.9f, p.ink());
}

void Screenshots(Pen& p) {
  p.Rect(1.5f, 4, 13, 9.5f, 2, p.soft());
  p.Frame(1.5f, 4, 13, 9.5f, 2, 1, p.ink());
  p.Rect(5, 2.5f, 5, 2.5f, 0.8f, p.ink());
  p.Ring(8, 8.7f, 2.8f, 1.2f, p.ink());
  p.Dot(8, 8.7f, 1.4f, p.accent());
}

void ButtonConfig(Pen& p) {
  p.Frame(3, 1, 10, 14, 2, 1, p.ink());
  p.Rect(4.5f, 2.5f, 7, 6, 0.5f, p.soft());
  p.Dot(8, 11.5f, 1.6f, p.accent());
  p.Dot(5.2f, 11.5f, 0.9f, p.ink());
  p.Dot(10.8f, 11.5f, 0.9f, p.ink());
}

void About(Pen& p) {
  p.Ring(8, 8, 6.3f, 1.3f, p.accent());
  p.Dot(8, 4.9f, 1.1f, p.ink());
  p.Line(8, 7.3f, 8, 11.8f, 1.7f, p.ink());
}

void CenterView(Pen& p) {
  p.Ring(8, 8, 4.5f, 1.2f, p.ink());
  p.Line(8, 1, 8, 4, 1.2f, p.ink());
  p.Line(8, 12, 8, 15, 1.2f, p.ink());
  p.Line(1, 8, 4, 8, 1.2f, p.ink());
  p.Line(12, 8, 15, 8, 1.2f, p.ink());
  p.Dot(8, 8, 1.6f, p.accent());
}

void Trace(Pen& p) {
  auto f = [](float u) { return 12 - 7 * std::sin((u - 1) / 14 * kPi * 0.85f); };
  p.Line(9, 1, 9, 15, 0.7f, p.soft());
  p.Curve(1, 15, f, kStroke, p.accent());
  p.Ring(9, f(9), 2.2f, 1.2f, p.red());
}

void Zoom(Pen& p) {
  p.Ring(6.5f, 6.5f, 4.5f, 1.4f, p.ink());
  p.Line(9.8f, 9.8f, 14.5f, 14.5f, 2.4f, p.ink());
  p.Line(4.3f, 6.5f, 8.7f, 6.5f, 1.2f, p.accent());
  p.Line(6.5f, 4.3f, 6.5f, 8.7f, 1.2f, p.accent());
}

void Move(Pen& p) {
  p.Arrow(8, 8, 8, 1.5f, 1.3f, p.ink());
  p.Arrow(8, 8, 8, 14.5f, 1.3f, p.ink());
  p.Arrow(8, 8, 1.5f, 8, 1.3f, p.ink());
  p.Arrow(8, 8, 14.5f, 8, 1.3f, p.ink());
  p.Dot(8, 8, 1.3f, p.accent());
}

void Play(Pen& p) { p.Triangle(8.5f, 8, 6, 1, p.green()); }

void Pause(Pen& p) {
  p.Rect(3.5f, 2.5f, 3, 11, 0.6f, p.ink());
  p.Rect(9.5f, 2.5f, 3, 11, 0.6f, p.ink());
}

void Rewind(Pen& p) {
  p.Rect(2.5f, 2.5f, 2, 11, 0.4f, p.ink());
  p.Triangle(9.5f, 8, 5.5f, 3, p.ink());
}

void Slower(Pen& p) {
  p.Triangle(5.5f, 8, 4.5f, 3, p.ink());
  p.Triangle(11, 8, 4.5f, 3, p.ink());
}

void Faster(Pen& p) {
  p.Triangle(5, 8, 4.5f, 1, p.ink());
  p.Triangle(10.5f, 8, 4.5f, 1, p.ink());
}

void Zeros(Pen& p) {
  p.Line(1, 8, 15, 8, 1, p.soft());
  p.Curve(
      1, 15, [](float u) { return 8 - 5 * std::sin((u - 1) / 14 * 2 * kPi * 0.95f + 0.15f); },
      kStroke, p.accent());
  p.Ring(2.0f, 8, 1.8f, 1.1f, p.red());
  p.Ring(8.2f, 8, 1.8f, 1.1f, p.red());
  p.Ring(14.2f, 8, 1.8f, 1.1f, p.red());
}

void Maxima(Pen& p) {
  p.Curve(
      1, 15, [](float u) { return 5 + 0.12f * (u - 8) * (u - 8); }, kStroke, p.accent());
  p.Ring(8, 5, 2, 1.1f, p.red());
}

void Minima(Pen& p) {
  p.Curve(
      1, 15, [](float u) { return 11 - 0.12f * (u - 8) * (u - 8); }, kStroke, p.accent());
  p.Ring(8, 11, 2, 1.1f, p.red());
}

void Intersections(Pen& p) {
  p.Curve(
      1, 15, [](float u) { return 13 - 0.75f * (u - 1); }, kStroke, p.accent());
  p.Curve(
      1, 15, [](float u) { return 3 + 0.06f * (u - 1) * (u - 1); }, kStroke, p.green());
  p.Ring(8.15f, 7.6f, 2, 1.1f, p.red());
}

void Add(Pen& p) {
  p.Dot(8, 8, 7, p.green());
  p.Line(4.5f, 8, 11.5f, 8, 2, Solid(Hex(0xFFFFFF)));
  p.Line(8, 4.5f, 8, 11.5f, 2, Solid(Hex(0xFFFFFF)));
}

void Remove(Pen& p) {
  p.Dot(8, 8, 7, p.red());
  p.Line(4.5f, 8, 11.5f, 8, 2, Solid(Hex(0xFFFFFF)));
}

void Close(Pen& p) {
  p.Rect(1, 1, 14, 14, 3, p.red());
  p.Line(5, 5, 11, 11, 1.8f, Solid(Hex(0xFFFFFF)));
  p.Line(5, 11, 11, 5, 1.8f, Solid(Hex(0xFFFFFF)));
}

void Rotate(Pen& p) {
  std::vector<Point> arc;
  for (int i = 0; i <= 20; ++i) {
    const float a = -0.3f + (2 * kPi - 1.4f) * i / 20;
    arc.push_back({8 + 5.5f * std::cos(a), 8 + 5.5f * std::sin(a)});
  }
  p.Path(arc, kStroke, p.ink());
  const Point end = arc.back();
  p.Poly({{end.x - 3.2f, end.y - 1.2f}, {end.x + 2.2f, end.y - 2.6f}, {end.x + 0.6f, end.y + 2.6f}},
         p.ink());
  p.Dot(8, 8, 1.4f, p.accent());
}

void DepthMove(Pen& p) {
  p.Frame(6, 2, 8, 8, 0.5f, 1, p.soft());
  p.Frame(2, 6, 8, 8, 0.5f, 1, p.ink());
  p.Arrow(6, 10, 13.5f, 2.5f, 1.3f, p.accent());
}

// A cube with shaded faces.
void RenderMode(Pen& p) {
  const Point a{8, 1.5f}, b{14, 4.5f}, c{8, 7.5f}, d{2, 4.5f};
  p.Poly({a, b, c, d}, Solid(Mix(p.t.icon_accent, Hex(0xFFFFFF), 0.35f)));
  p.Poly({d, c, {8, 14.5f}, {2, 11.5f}}, p.accent());
  p.Poly({c, b, {14, 11.5f}, {8, 14.5f}}, Solid(Mix(p.t.icon_accent, Hex(0x000000), 0.35f)));
}

void GraphAxis(Pen& p) {
  p.Arrow(6, 10, 6, 1.5f, 1.3f, p.green());
  p.Arrow(6, 10, 15, 10, 1.3f, p.red());
  p.Arrow(6, 10, 1.5f, 14.5f, 1.3f, p.accent());
}

void Parametric(Pen& p) {
  p.Loop(
      [&](float s) {
        return Point{8 + 6 * std::sin(2 * s), 8 + 5.5f * std::sin(3 * s)};
      },
      1.2f, p.accent(), 72);
}

void Polar(Pen& p) {
  p.Line(1, 8, 15, 8, 0.8f, p.soft());
  p.Line(8, 1, 8, 15, 0.8f, p.soft());
  p.Loop(
      [&](float s) {
        const float r = 6.5f * std::cos(2 * s);
        return Point{8 + r * std::cos(s), 8 + r * std::sin(s)};
      },
      1.2f, p.accent(), 96);
}

void Parametric3D(Pen& p) {
  std::vector<Point> helix;
  for (int i = 0; i <= 60; ++i) {
    const float s = 2 * kPi * 2.5f * i / 60;
    helix.push_back({8 + 5.5f * std::cos(s), 14 - i * 0.2f + 1.5f * std::sin(s)});
  }
  p.Path(helix, 1.2f, p.accent());
}

void Spherical(Pen& p) {
  p.Dot(8, 8, 6.5f, Solid(Mix(p.t.icon_accent, p.t.background, 0.65f)));
  p.Ring(8, 8, 6.5f, 1.1f, p.accent());
  p.Loop(
      [](float s) {
        return Point{8 + 6.5f * std::cos(s), 8 + 2.2f * std::sin(s)};
      },
      0.9f, p.accent());
  p.Loop(
      [](float s) {
        return Point{8 + 2.6f * std::cos(s), 8 + 6.5f * std::sin(s)};
      },
      0.9f, p.accent());
}

void Cylindrical(Pen& p) {
  p.Rect(2.5f, 4, 11, 8, 0, Solid(Mix(p.t.icon_accent, p.t.background, 0.65f)));
  p.Loop(
      [](float s) {
        return Point{8 + 5.5f * std::cos(s), 4 + 2 * std::sin(s)};
      },
      1.1f, p.accent());
  p.Curve(
      2.5f, 13.5f,
      [](float u) { return 12 + 2 * std::sqrt(std::max(0.0f, 1 - (u - 8) * (u - 8) / 30.25f)); },
      1.1f, p.accent());
  p.Line(2.5f, 4, 2.5f, 12, 1.1f, p.accent());
  p.Line(13.5f, 4, 13.5f, 12, 1.1f, p.accent());
}

void Scatter(Pen& p) {
  p.Axes();
  const Point dots[] = {{5, 10.5f}, {6.5f, 6},  {8, 9.5f}, {9, 4.5f},
                        {10.5f, 8}, {12, 5.5f}, {13, 10},  {7, 12}};
  for (const Point& d : dots) p.Dot(d.x, d.y, 1.15f, p.accent());
}

void Histogram(Pen& p) {
  p.Line(1, 14.5f, 15, 14.5f, 1, p.soft());
  const float heights[] = {4, 8, 11, 7, 3};
  for (int i = 0; i < 5; ++i) {
    p.Rect(2 + i * 2.5f, 14 - heights[i], 2.5f, heights[i], 0, p.accent());
    p.Frame(2 + i * 2.5f, 14 - heights[i], 2.5f, heights[i], 0, 0.7f, p.ink());
  }
}

void BoxPlot(Pen& p) {
  p.Line(1.5f, 8, 4.5f, 8, 1.1f, p.ink());
  p.Line(11.5f, 8, 14.5f, 8, 1.1f, p.ink());
  p.Line(1.5f, 5.5f, 1.5f, 10.5f, 1.1f, p.ink());
  p.Line(14.5f, 5.5f, 14.5f, 10.5f, 1.1f, p.ink());
  p.Rect(4.5f, 4, 7, 8, 0, Solid(Mix(p.t.icon_accent, p.t.background, 0.55f)));
  p.Frame(4.5f, 4, 7, 8, 0, 1.1f, p.accent());
  p.Line(7.5f, 4, 7.5f, 12, 1.2f, p.ink());
}

void NormalProbability(Pen& p) {
  p.Axes();
  p.Line(3, 13, 14, 2.5f, 1, p.soft());
  const Point dots[] = {{4, 12.5f}, {5.5f, 10},    {7, 9.2f}, {8.5f, 7.6f},
                        {10, 6.4f}, {11.5f, 4.2f}, {13, 3.4f}};
  for (const Point& d : dots) p.Dot(d.x, d.y, 1.1f, p.accent());
}

void Back(Pen& p) {
  p.Line(3.5f, 8, 13.5f, 8, 2, p.ink());
  p.Path({{8, 3}, {3, 8}, {8, 13}}, 2, p.ink());
}

void Next(Pen& p) {
  p.Line(2.5f, 8, 12.5f, 8, 2, p.ink());
  p.Path({{8, 3}, {13, 8}, {8, 13}}, 2, p.ink());
}

using IconArt = void (*)(Pen&);

// In the order of ui::Icon.
constexpr std::array<IconArt, kIconCount> kIconArt{{
    Calculator,
    Settings,
    Grapher2D,
    Grapher3D,
    Notes,
    Screenshots,
    ButtonConfig,
    About,
    CenterView,
    Trace,
    Zoom,
    Move,
    Play,
    Pause,
    Rewind,
    Slower,
    Faster,
    Zeros,
    Maxima,
    Minima,
    Intersections,
    Add,
    Remove,
    Close,
    Rotate,
    DepthMove,
    RenderMode,
    GraphAxis,
    Parametric,
    Polar,
    Parametric3D,
    Spherical,
    Cylindrical,
    Scatter,
    Histogram,
    BoxPlot,
    NormalProbability,
    Back,
    Next,
}};

}  // namespace

draw::DrawResult DrawIconList(const ArtContext& art, draw::Surface* out) {
  // Each icon on its own canvas, so that no stroke reaches into its neighbour.
  std::vector<draw::Surface> frames(kIconCount);
  for (int i = 0; i < kIconCount; ++i) {
    Canvas c(kIconSize, kIconSize, art.scale);
    Pen pen{c, art.theme, 0};
    kIconArt[static_cast<std::size_t>(i)](pen);
    const draw::DrawResult r = Finish(art, c, &frames[static_cast<std::size_t>(i)]);
    if (draw::Failed(r)) return r;
  }
  return JoinFrames(frames, art.key, out);
}

}  // namespace zentrix::skin
