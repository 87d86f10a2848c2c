// The heap of presents, seen through a camera a little above it: each box
// is a turned block on the floor (or on another box), its faces painted in
// gold foil and ribbon, and the boxes are painted from the back forwards.
#include "presents.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "paint.h"

namespace assets::art {

namespace {

struct Vec3 {
  double x, y, z;  // x to the right, y up, z towards the viewer
};

struct Point {
  double x, y;
};

Vec3 operator-(Vec3 a, Vec3 b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
double Dot(Vec3 a, Vec3 b) { return a.x * b.x + a.y * b.y + a.z * b.z; }

// The camera: above the floor in front of the heap, looking down a little.
constexpr Vec3 kCamera{505, 1050, 2300};
constexpr double kPitch = 0.43;
// The floor's point under the heap's middle and where it lands.
constexpr Vec3 kMiddle{505, 0, 0};
constexpr double kMiddleY = 1204;

Point Project(Vec3 p) {
  const double s = std::sin(kPitch), c = std::cos(kPitch);
  auto view = [&](Vec3 q, double& up, double& depth) {
    const Vec3 d = q - kCamera;
    up = d.y * c - d.z * s;
    depth = -d.y * s - d.z * c;
  };
  double up0, depth0, up, depth;
  view(kMiddle, up0, depth0);
  view(p, up, depth);
  const double f = depth0;  // one world unit is one pixel at the middle
  return {kMiddle.x + f * (p.x - kCamera.x) / depth - f * (kMiddle.x - kCamera.x) / depth0,
          kMiddleY + up0 - f * up / depth};
}

struct Box {
  double x, z;     // middle of its foot
  double base;     // height of its foot: 0 on the floor, else on a box
  double w, d, h;  // width across, depth, height
  double yaw;      // turned about the upright, radians
  double tone;     // brightness of its paper
};

// Light from the upper left, in front.
constexpr Vec3 kLight{-0.48, 0.74, 0.47};

// Where (s, t) of a face's unit square lands on the screen; corners in the
// order (0,0), (1,0), (1,1), (0,1).
struct Quad {
  std::array<Point, 4> p;
  Point at(double s, double t) const {
    const double a = (1 - s) * (1 - t), b = s * (1 - t), c = s * t, d = (1 - s) * t;
    return {a * p[0].x + b * p[1].x + c * p[2].x + d * p[3].x, a * p[0].y + b * p[1].y + c * p[2].y + d * p[3].y};
  }
  void path(cairo_t* cr, double s0, double t0, double s1, double t1) const {
    cairo_new_path(cr);
    const Point a = at(s0, t0), b = at(s1, t0), c = at(s1, t1), d = at(s0, t1);
    cairo_move_to(cr, a.x, a.y);
    cairo_line_to(cr, b.x, b.y);
    cairo_line_to(cr, c.x, c.y);
    cairo_line_to(cr, d.x, d.y);
    cairo_close_path(cr);
  }
};

double Span(const Quad& q) {
  return std::max(std::hypot(q.p[1].x - q.p[0].x, q.p[1].y - q.p[0].y), std::hypot(q.p[3].x - q.p[0].x, q.p[3].y - q.p[0].y));
}

const Tone kGold{228, 170, 44};
const Tone kPale{255, 246, 200};

// Gold foil over a face: a sheen of light bands, crumpled facets that each
// catch the light a little differently, and glitter.
void Foil(cairo_t* cr, Prng& rng, const Quad& q, Tone gold, double sheen) {
  q.path(cr, 0, 0, 1, 1);
  const Point a = q.at(0, 0), b = q.at(1, 1);
  const double o = rng.Range(-0.1, 0.1);
  SetGradient(cr, cairo_pattern_create_linear(a.x, a.y, b.x, b.y),
              {{0.0, Scaled(gold, 0.95)},
               {0.22 + o, Mix(gold, kPale, 0.6 * sheen)},
               {0.42 + o, Scaled(gold, 0.8)},
               {0.66 + o, Mix(gold, kPale, 0.35 * sheen)},
               {1.0, Scaled(gold, 0.6)}});
  cairo_fill(cr);
  cairo_save(cr);
  q.path(cr, 0, 0, 1, 1);
  cairo_clip(cr);
  const double span = Span(q);
  const int n = std::clamp(static_cast<int>(span / 15), 2, 24);
  const int m = n + 1;
  std::vector<Point> grid(static_cast<std::size_t>(m * m));
  for (int j = 0; j < m; ++j)
    for (int i = 0; i < m; ++i) {
      const double s = (i + (i > 0 && i < n ? rng.Range(-0.35, 0.35) : 0)) / n;
      const double t = (j + (j > 0 && j < n ? rng.Range(-0.35, 0.35) : 0)) / n;
      grid[static_cast<std::size_t>(j * m + i)] = q.at(s, t);
    }
  for (int j = 0; j < n; ++j)
    for (int i = 0; i < n; ++i)
      for (int half = 0; half < 2; ++half) {
        const Point& p0 = grid[static_cast<std::size_t>(j * m + i)];
        const Point& p1 = grid[static_cast<std::size_t>(j * m + i + 1)];
        const Point& p2 = grid[static_cast<std::size_t>((j + 1) * m + i + 1)];
        const Point& p3 = grid[static_cast<std::size_t>((j + 1) * m + i)];
        cairo_move_to(cr, p0.x, p0.y);
        if (half == 0) { cairo_line_to(cr, p1.x, p1.y); cairo_line_to(cr, p2.x, p2.y); }
        else { cairo_line_to(cr, p2.x, p2.y); cairo_line_to(cr, p3.x, p3.y); }
        cairo_close_path(cr);
        const double v = rng.Unit();
        if (v < 0.45) SetColor(cr, kPale, rng.Range(0.1, 0.45));
        else if (v < 0.9) SetColor(cr, Scaled(gold, 0.55), rng.Range(0.1, 0.4));
        else SetColor(cr, {255, 255, 240}, rng.Range(0.5, 0.8));
        cairo_fill(cr);
      }
  // A soft gleam where the paper faces the light best.
  const Point hot = q.at(rng.Range(0.2, 0.45), rng.Range(0.15, 0.4));
  SetGradient(cr, cairo_pattern_create_radial(hot.x, hot.y, 0, hot.x, hot.y, span * 0.45),
              {{0, {255, 250, 220}, 0.55 * std::min(1.0, sheen)}, {1, {255, 250, 220}, 0}});
  cairo_paint(cr);
  const int specks = static_cast<int>(span * span / 300);
  for (int i = 0; i < specks; ++i) {
    const Point p = q.at(rng.Unit(), rng.Unit());
    const double size = rng.Range(0.8, 2.4);
    const double pick = rng.Unit();
    if (pick < 0.5) SetColor(cr, {255, 250, 220}, rng.Range(0.6, 1.0));
    else if (pick < 0.62) SetColor(cr, {255, 255, 255});
    else SetColor(cr, Scaled(gold, 0.45), rng.Range(0.5, 0.9));
    cairo_rectangle(cr, p.x - size / 2, p.y - size / 2, size, size);
    cairo_fill(cr);
  }
  cairo_restore(cr);
}

// A band of red ribbon over a face, from (s0, t0) to (s1, t1), shaded
// across its width (along s when across_s, else along t).
void Ribbon(cairo_t* cr, Prng& rng, const Quad& q, double s0, double t0, double s1, double t1, bool across_s,
            double light) {
  const Point a = across_s ? q.at(s0, (t0 + t1) / 2) : q.at((s0 + s1) / 2, t0);
  const Point b = across_s ? q.at(s1, (t0 + t1) / 2) : q.at((s0 + s1) / 2, t1);
  q.path(cr, s0, t0, s1, t1);
  SetGradient(cr, cairo_pattern_create_linear(a.x, a.y, b.x, b.y),
              {{0.0, Scaled({120, 0, 10}, light)},
               {0.35, Scaled({226, 30, 40}, light)},
               {0.55, Mix(Scaled({236, 60, 70}, light), {255, 170, 170}, 0.35)},
               {1.0, Scaled({110, 0, 10}, light)}});
  cairo_fill_preserve(cr);
  cairo_save(cr);
  cairo_clip(cr);
  const Point c0 = q.at(s0, t0), c1 = q.at(s1, t1);
  const int specks = static_cast<int>(std::hypot(c1.x - c0.x, c1.y - c0.y) / 3);
  for (int i = 0; i < specks; ++i) {
    const Point p = q.at(rng.Range(s0, s1), rng.Range(t0, t1));
    SetColor(cr, rng.Unit() < 0.6 ? Tone{255, 150, 160} : Tone{90, 0, 8}, rng.Range(0.5, 0.9));
    cairo_rectangle(cr, p.x - 0.8, p.y - 0.8, 1.6, 1.6);
    cairo_fill(cr);
  }
  cairo_restore(cr);
}

// The bow: two loops, two tails and a knot, turned to follow the ribbon.
void Bow(cairo_t* cr, Prng& rng, Point k, double s, double turn) {
  cairo_save(cr);
  cairo_translate(cr, k.x, k.y);
  cairo_rotate(cr, turn);
  for (int side = -1; side <= 1; side += 2) {
    cairo_move_to(cr, 0, 0);
    cairo_line_to(cr, side * s * 0.7, s * 0.9);
    cairo_line_to(cr, side * s * 0.35, s * 0.95);
    cairo_close_path(cr);
    SetColor(cr, {170, 8, 20});
    cairo_fill(cr);
  }
  for (int side = -1; side <= 1; side += 2) {
    cairo_move_to(cr, 0, 0);
    cairo_curve_to(cr, side * s * 0.4, -s * 1.1, side * s * 1.3, -s * 0.8, side * s * 1.1, -s * 0.1);
    cairo_curve_to(cr, side * s, s * 0.25, side * s * 0.4, s * 0.2, 0, 0);
    cairo_close_path(cr);
    SetGradient(cr, cairo_pattern_create_radial(side * s * 0.6, -s * 0.6, 1, side * s * 0.6, -s * 0.4, s),
                {{0, {255, 120, 120}}, {0.45, {214, 20, 32}}, {1, {90, 0, 8}}});
    cairo_fill_preserve(cr);
    SetColor(cr, {70, 0, 6}, 0.9);
    cairo_set_line_width(cr, 1.4);
    cairo_stroke(cr);
    EllipsePath(cr, side * s * 0.62, -s * 0.38, s * 0.26, s * 0.15, side * -0.6);
    SetColor(cr, {96, 0, 10});
    cairo_fill(cr);
  }
  Glitter(cr, rng, 0, -s * 0.35, s * 1.1, s * 0.5, static_cast<int>(s * 2), {255, 160, 170}, {90, 0, 8}, 1.4);
  Sphere(cr, 0, 0, s * 0.22, {200, 16, 28}, rng, 0);
  cairo_restore(cr);
}

// Convex hull of the given points (monotone chain), for the box's shadow.
std::vector<Point> Hull(std::vector<Point> pts) {
  std::sort(pts.begin(), pts.end(), [](Point a, Point b) { return a.x < b.x || (a.x == b.x && a.y < b.y); });
  auto cross = [](Point o, Point a, Point b) { return (a.x - o.x) * (b.y - o.y) - (a.y - o.y) * (b.x - o.x); };
  std::vector<Point> h(2 * pts.size());
  std::size_t k = 0;
  for (std::size_t i = 0; i < pts.size(); ++i) {
    while (k >= 2 && cross(h[k - 2], h[k - 1], pts[i]) <= 0) --k;
    h[k++] = pts[i];
  }
  for (std::size_t i = pts.size() - 1, t = k + 1; i > 0; --i) {
    while (k >= t && cross(h[k - 2], h[k - 1], pts[i - 1]) <= 0) --k;
    h[k++] = pts[i - 1];
  }
  h.resize(k - 1);
  return h;
}

void DrawBox(cairo_t* cr, Prng& rng, const Box& b) {
  // Corners of the foot, counter-clockwise seen from above.
  const double c = std::cos(b.yaw), s = std::sin(b.yaw);
  const double lx[4] = {-b.w / 2, b.w / 2, b.w / 2, -b.w / 2};
  const double lz[4] = {b.d / 2, b.d / 2, -b.d / 2, -b.d / 2};
  Vec3 foot[4], head[4];
  for (int i = 0; i < 4; ++i) {
    foot[i] = {b.x + lx[i] * c + lz[i] * s, b.base, b.z - lx[i] * s + lz[i] * c};
    head[i] = {foot[i].x, b.base + b.h, foot[i].z};
  }
  Point pf[4], ph[4];
  std::vector<Point> all;
  for (int i = 0; i < 4; ++i) {
    pf[i] = Project(foot[i]);
    ph[i] = Project(head[i]);
    all.push_back(pf[i]);
    all.push_back(ph[i]);
  }
  // Its shadow on what lies behind it.
  const std::vector<Point> hull = Hull(all);
  cairo_save(cr);
  cairo_set_operator(cr, CAIRO_OPERATOR_ATOP);
  for (int pass = 0; pass < 3; ++pass) {
    const double off = 4.0 + 5.0 * pass;
    cairo_new_path(cr);
    for (const Point& p : hull) cairo_line_to(cr, p.x + off, p.y + off * 0.35);
    cairo_close_path(cr);
    SetColor(cr, {0, 0, 0}, 0.4 - 0.1 * pass);
    cairo_fill(cr);
  }
  cairo_restore(cr);
  // Pixels per world unit at the box, for the size of its bow.
  const double scale = Span({{pf[0], pf[1], pf[2], pf[3]}}) / std::max(b.w, b.d);
  const double rw = std::clamp(0.11 * std::min(b.w, b.d), 13.0, 24.0);
  const Tone gold = Scaled(kGold, b.tone);
  // The side faces that look towards the camera.
  for (int i = 0; i < 4; ++i) {
    const int j = (i + 1) % 4;
    const Vec3 mid{(foot[i].x + foot[j].x) / 2, b.base + b.h / 2, (foot[i].z + foot[j].z) / 2};
    const Vec3 normal{(foot[i].z - foot[j].z), 0, (foot[j].x - foot[i].x)};
    if (Dot(normal, kCamera - mid) <= 0) continue;
    const double len = std::hypot(normal.x, normal.z);
    const double lambert = std::max(0.0, Dot({normal.x / len, 0, normal.z / len}, kLight));
    const double light = 0.5 + 0.62 * lambert;
    const Quad q{{ph[i], ph[j], pf[j], pf[i]}};
    Foil(cr, rng, q, Scaled(gold, light), 0.6 + 0.5 * lambert);
    const double edge = (i % 2 == 0) ? b.w : b.d;
    Ribbon(cr, rng, q, 0.5 - rw / 2 / edge, 0, 0.5 + rw / 2 / edge, 1, true, 0.55 + 0.5 * lambert);
    // Deeper shade near the foot.
    const Point top = q.at(0.5, 0.6), bottom = q.at(0.5, 1);
    q.path(cr, 0, 0, 1, 1);
    SetGradient(cr, cairo_pattern_create_linear(top.x, top.y, bottom.x, bottom.y),
                {{0, {0, 0, 0}, 0}, {1, {0, 0, 0}, 0.45}});
    cairo_fill(cr);
    // The upright edges, and the top edge catching the light.
    cairo_move_to(cr, pf[i].x, pf[i].y);
    cairo_line_to(cr, ph[i].x, ph[i].y);
    cairo_line_to(cr, ph[j].x, ph[j].y);
    cairo_line_to(cr, pf[j].x, pf[j].y);
    SetColor(cr, {70, 42, 6}, 0.7);
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
    cairo_move_to(cr, ph[i].x, ph[i].y);
    cairo_line_to(cr, ph[j].x, ph[j].y);
    SetColor(cr, {255, 240, 180}, 0.85);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
  }
  // The top, lit most, with the ribbon crossing on it.
  const Quad top{{ph[3], ph[2], ph[1], ph[0]}};
  Foil(cr, rng, top, Mix(Scaled(gold, 1.12), kPale, 0.3), 1.3);
  Ribbon(cr, rng, top, 0.5 - rw / 2 / b.w, 0, 0.5 + rw / 2 / b.w, 1, true, 1.0);
  Ribbon(cr, rng, top, 0, 0.5 - rw / 2 / b.d, 1, 0.5 + rw / 2 / b.d, false, 1.0);
  const Point k = top.at(0.5, 0.5);
  const Point ax = top.at(1, 0.5), bx = top.at(0, 0.5);
  const double turn = std::clamp(std::atan2(ax.y - bx.y, ax.x - bx.x), -0.45, 0.45);
  const double size = std::clamp(0.25 * std::min(b.w, b.d) * scale, 20.0, 44.0);
  Bow(cr, rng, k, size, std::fabs(turn) > 1.2 ? 0.0 : turn * 0.6);
}

}  // namespace

void DrawPresents(cairo_t* cr, Prng& rng) {
  // The floor under the heap, in the boxes' shade towards the back.
  cairo_new_path(cr);
  for (double x = 50; x <= 960; x += 14) cairo_line_to(cr, x, 1150 + rng.Range(-8, 8) + 0.0004 * (x - 505) * (x - 505));
  cairo_line_to(cr, 960, 1280);
  cairo_line_to(cr, 50, 1280);
  cairo_close_path(cr);
  SetGradient(cr, cairo_pattern_create_linear(0, 1150, 0, 1280),
              {{0, {36, 26, 14}}, {0.6, {120, 108, 90}}, {1, {220, 214, 202}}});
  cairo_fill(cr);
  // From the back of the heap to its front.
  const Box boxes[] = {
      {300, -230, 0, 210, 160, 240, 0.25, 0.95},
      {720, -240, 0, 230, 170, 250, -0.3, 1.05},
      {166, -90, 0, 210, 170, 212, -0.45, 1.0},
      {505, -110, 0, 250, 180, 190, 0.08, 0.92},
      {853, -80, 0, 200, 160, 204, 0.5, 1.08},
      {480, -100, 190, 120, 100, 80, 0.7, 1.1},
      {133, 60, 0, 130, 115, 150, 0.62, 1.05},
      {345, 78, 0, 240, 150, 95, -0.12, 0.97},
      {600, 60, 0, 130, 130, 175, 0.6, 1.02},
      {800, 80, 0, 170, 120, 110, -0.35, 0.94},
      {885, 105, 0, 90, 80, 70, 0.3, 1.1},
  };
  for (const Box& b : boxes) DrawBox(cr, rng, b);
}

}  // namespace assets::art
