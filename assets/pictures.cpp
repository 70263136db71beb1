#include "pictures.h"

#include <cstring>

#include "feedback_qr.h"

#include <algorithm>
#include <cmath>
#include <functional>

namespace velkaro {

namespace {

constexpr int kSamples = 4;  // 4 x 4 samples a pixel: smooth edges

struct Rgba {
  double r, g, b, a;
};

class Canvas {
 public:
  explicit Canvas(int size) : Canvas(size, size) {}
  Canvas(int width, int height)
      : size_(width), height_(height), px_(static_cast<std::size_t>(width) * height, Rgba{0, 0, 0, 0}) {}

  // Paints `colour` over every pixel by the share of its samples inside `shape`.
  void Paint(const std::function<bool(double, double)>& shape, Rgba colour) {
    for (int y = 0; y < height_; ++y)
      for (int x = 0; x < size_; ++x) {
        int inside = 0;
        for (int sy = 0; sy < kSamples; ++sy)
          for (int sx = 0; sx < kSamples; ++sx)
            inside += shape(x + (sx + 0.5) / kSamples, y + (sy + 0.5) / kSamples) ? 1 : 0;
        if (inside == 0) continue;
        const double cover = colour.a * inside / (kSamples * kSamples);
        Rgba& p = px_[static_cast<std::size_t>(y) * size_ + x];
        const double a = cover + p.a * (1 - cover);  // "over", straight alpha
        if (a <= 0) continue;
        p.r = (colour.r * cover + p.r * p.a * (1 - cover)) / a;
        p.g = (colour.g * cover + p.g * p.a * (1 - cover)) / a;
        p.b = (colour.b * cover + p.b * p.a * (1 - cover)) / a;
        p.a = a;
      }
  }

  ArgbPicture Finish(int hot) const {
    ArgbPicture pic{size_, height_, hot, hot, {}};
    pic.pixels.reserve(px_.size());
    auto byte = [](double v) { return static_cast<std::uint32_t>(std::lround(std::clamp(v, 0.0, 1.0) * 255)); };
    for (const Rgba& p : px_)
      pic.pixels.push_back(byte(p.a) << 24 | byte(p.r) << 16 | byte(p.g) << 8 | byte(p.b));
    return pic;
  }

 private:
  int size_, height_;
  std::vector<Rgba> px_;
};

std::function<bool(double, double)> Ring(double cx, double cy, double radius, double width) {
  return [=](double x, double y) { return std::fabs(std::hypot(x - cx, y - cy) - radius) <= width / 2; };
}
std::function<bool(double, double)> Disc(double cx, double cy, double radius) {
  return [=](double x, double y) { return std::hypot(x - cx, y - cy) <= radius; };
}
std::function<bool(double, double)> Box(double x0, double y0, double x1, double y1) {
  return [=](double x, double y) { return x >= x0 && x <= x1 && y >= y0 && y <= y1; };
}

// The four arms of a cross hair through the pixel (c, c), leaving a gap around it.
std::function<bool(double, double)> Arms(double c, double from, double gap, double to, double grow) {
  const double lo = c - grow, hi = c + 1 + grow;
  auto h1 = Box(from - grow, lo, c - gap + grow, hi), h2 = Box(c + 1 + gap - grow, lo, to + grow, hi);
  auto v1 = Box(lo, from - grow, hi, c - gap + grow), v2 = Box(lo, c + 1 + gap - grow, hi, to + grow);
  return [=](double x, double y) { return h1(x, y) || h2(x, y) || v1(x, y) || v2(x, y); };
}

constexpr Rgba kWhiteInk{1, 1, 1, 1}, kBlackInk{0, 0, 0, 1}, kDarkGrey{0.22, 0.22, 0.25, 1};
constexpr Rgba kRed{0.86, 0.12, 0.12, 1};

}  // namespace

ArgbPicture DrawTargetIcon(int size) {
  Canvas canvas(size);
  const double c = size / 2.0, unit = size / 32.0;
  canvas.Paint(Disc(c, c, 15 * unit), kDarkGrey);
  canvas.Paint(Disc(c, c, 13.6 * unit), kWhiteInk);
  canvas.Paint(Ring(c, c, 9 * unit, 1.4 * unit), kDarkGrey);
  canvas.Paint(Arms(std::floor(c), 3 * unit, 2 * unit, size - 3 * unit, 0), kDarkGrey);
  canvas.Paint(Disc(c, c, 2.2 * unit), kRed);
  return canvas.Finish(size / 2);
}

namespace {
std::function<bool(double, double)> RoundedBox(double x0, double y0, double x1, double y1, double r) {
  return [=](double x, double y) {
    if (x < x0 || x > x1 || y < y0 || y > y1) return false;
    const double cx = std::clamp(x, x0 + r, x1 - r), cy = std::clamp(y, y0 + r, y1 - r);
    return std::hypot(x - cx, y - cy) <= r;
  };
}
}  // namespace

ArgbPicture DrawAppIcon(int size) {
  Canvas canvas(size);
  const double s = size, edge = s / 32.0;
  canvas.Paint(RoundedBox(edge, edge, s - edge, s - edge, s * 0.2), Rgba{45 / 255.0, 125 / 255.0, 215 / 255.0, 1});
  // The target as the window shows it, a little smaller than the plate.
  const double c = s / 2, unit = s / 38.0;
  canvas.Paint(Disc(c, c, 14.2 * unit), kDarkGrey);
  canvas.Paint(Disc(c, c, 13 * unit), kWhiteInk);
  canvas.Paint(Ring(c, c, 8.6 * unit, std::max(1.0, 1.5 * unit)), kDarkGrey);
  canvas.Paint(Arms(std::floor(c), c - 11.5 * unit, 2 * unit, c + 11.5 * unit, std::max(0.0, unit - 1) / 2), kDarkGrey);
  canvas.Paint(Disc(c, c, std::max(1.2, 2.3 * unit)), kRed);
  return canvas.Finish(size / 2);
}

ArgbPicture DrawCrossHairPointer(int size, bool light) {
  Canvas canvas(size);
  const int hot = size / 2;
  const double c = hot, unit = size / 32.0;
  const double centre = c + 0.5;  // the middle of the hot-spot pixel
  const Rgba ink = light ? kWhiteInk : kBlackInk, outline = light ? kBlackInk : kWhiteInk;
  const double radius = 10 * unit, stroke = 1.6 * unit;
  // The outline first, one pixel wider all round, then the strokes.
  canvas.Paint(Ring(centre, centre, radius, stroke + 2), outline);
  canvas.Paint(Arms(c, 1, 3 * unit, size - 1, 1), outline);
  canvas.Paint(Ring(centre, centre, radius, stroke), ink);
  canvas.Paint(Arms(c, 1, 3 * unit, size - 1, 0), ink);
  return canvas.Finish(hot);
}

ArgbPicture DrawSliderThumb(int width, int height) {
  Canvas canvas(width, height);
  const double w = width, h = height;
  // Inside the triangle with its apex at the top middle and its base along the bottom.
  auto arrow = [w, h](double inset) {
    return [=](double x, double y) {
      const double top = inset * 1.6, bottom = h - inset;
      if (y < top || y > bottom) return false;
      const double half = (y - top) / (bottom - top) * (w / 2 - inset);
      return std::fabs(x - w / 2) <= half;
    };
  };
  canvas.Paint(arrow(0), Rgba{0.30, 0.30, 0.33, 1});
  canvas.Paint(arrow(1.3), Rgba{0.62, 0.62, 0.66, 1});
  return canvas.Finish(0);
}

namespace {

// A heart filling most of a w x h box: two lobes and a point.
std::function<bool(double, double)> Heart(double w, double h) {
  const double u = std::min(w, h * 15 / 13) / 15.0, cx = w / 2, cy = h / 2 - 0.3 * u;
  return [=](double x, double y) {
    const double hx = (x - cx) / (6 * u), hy = (cy - y) / (6 * u);
    const double a = hx * hx + hy * hy - 1;
    return a * a * a - hx * hx * hy * hy * hy <= 0;
  };
}

}  // namespace

// The tray menu's pictures, 15 x 13. About: a small heart, as on the About button.
ArgbPicture DrawMenuAbout(int width, int height) {
  Canvas canvas(width, height);
  canvas.Paint(Heart(width, height), Rgba{0.85, 0.16, 0.28, 1});
  return canvas.Finish(0);
}

ArgbPicture DrawButtonHeart(int size) {
  Canvas canvas(size);
  canvas.Paint(Heart(size, size), kWhiteInk);
  return canvas.Finish(0);
}

// Four small squares, red, yellow, green and blue, each with a white edge.
ArgbPicture DrawButtonColourSquares(int size) {
  Canvas canvas(size);
  const double s = size, gap = s / 10, half = (s - gap) / 2;
  const Rgba colours[] = {{0.92, 0.25, 0.2, 1}, {0.98, 0.8, 0.15, 1}, {0.25, 0.75, 0.3, 1}, {0.2, 0.55, 0.95, 1}};
  for (int i = 0; i < 4; ++i) {
    const double x0 = (i % 2) * (half + gap), y0 = (i / 2) * (half + gap);
    canvas.Paint(Box(x0, y0, x0 + half, y0 + half), kWhiteInk);
    canvas.Paint(Box(x0 + s / 16, y0 + s / 16, x0 + half - s / 16, y0 + half - s / 16), colours[i]);
  }
  return canvas.Finish(0);
}

// The minimise and close marks: a white bar and a white cross, strokes of about 1/9 of the box.
ArgbPicture DrawButtonBar(int size) {
  Canvas canvas(size);
  const double s = size, t = std::max(1.5, s / 9);
  canvas.Paint(Box(s * 0.2, s / 2 - t / 2, s * 0.8, s / 2 + t / 2), kWhiteInk);
  return canvas.Finish(0);
}

ArgbPicture DrawButtonCross(int size) {
  Canvas canvas(size);
  const double s = size, t = std::max(1.5, s / 9), lo = s * 0.22, hi = s * 0.78;
  canvas.Paint(
      [=](double x, double y) {
        if (x < lo || x > hi || y < lo || y > hi) return false;
        return std::fabs(x - y) <= t / std::sqrt(2.0) || std::fabs(x + y - s) <= t / std::sqrt(2.0);
      },
      kWhiteInk);
  return canvas.Finish(0);
}

// Exit: a power sign, a ring open at the top with a bar through the gap.
ArgbPicture DrawMenuExit(int width, int height) {
  Canvas canvas(width, height);
  const double u = height / 13.0, cx = width / 2.0, cy = 7 * u;
  const auto ring = Ring(cx, cy, 4.6 * u, 1.6 * u);
  auto openRing = [=](double x, double y) { return ring(x, y) && !(y < cy && std::fabs(x - cx) < 2.2 * u); };
  canvas.Paint(openRing, kDarkGrey);
  canvas.Paint(Box(cx - 0.8 * u, 0.8 * u, cx + 0.8 * u, cy), kDarkGrey);
  return canvas.Finish(0);
}

ArgbPicture DrawFeedbackQr(int quietModules) {
  const int n = static_cast<int>(std::strlen(kFeedbackQrRows[0]));
  const int size = n + 2 * quietModules;
  ArgbPicture pic{size, size, 0, 0, std::vector<std::uint32_t>(static_cast<std::size_t>(size) * size, 0xFFFFFFFF)};
  for (int y = 0; y < n; ++y)
    for (int x = 0; x < n; ++x)
      if (kFeedbackQrRows[y][x] == '1')
        pic.pixels[static_cast<std::size_t>(y + quietModules) * size + x + quietModules] = 0xFF000000;
  return pic;
}

const char* FeedbackQrText() { return kFeedbackQrText; }

}  // namespace velkaro
