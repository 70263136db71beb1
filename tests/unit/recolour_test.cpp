#include <gtest/gtest.h>

#include "cls_rgb.h"
#include "fake_platform.h"
#include "form1.h"

namespace velkaro {
namespace {

struct Bgr { int r, g, b; };

Bgr Recoloured(Bgr in, float h, float s, float l) {
  const std::uint8_t px[4] = {static_cast<std::uint8_t>(in.b), static_cast<std::uint8_t>(in.g),
                              static_cast<std::uint8_t>(in.r), 0};
  std::uint8_t out[4] = {};
  EXPECT_TRUE(RecolourPixel(px, out, h, s, l));
  return {out[2], out[1], out[0]};
}

TEST(Recolour, OnePixel) {
  struct Case { const char* what; Bgr in; float h, s, l; Bgr out; };
  const Case cases[] = {
      {"red turned 120 degrees", {255, 0, 0}, 2, 0, 0, {0, 255, 0}},
      {"red turned -120 wraps to blue", {255, 0, 0}, -2, 0, 0, {0, 0, 255}},
      {"magenta turned a full +6 stays at 5", {255, 0, 255}, 6, 0, 0, {255, 0, 255}},
      {"magenta turned -6", {255, 0, 255}, -6, 0, 0, {255, 0, 255}},
      {"red without saturation", {255, 0, 0}, 0, -1, 0, {128, 128, 128}},
      {"red lightened by half", {255, 0, 0}, 0, 0, 0.5f, {255, 255, 255}},
      {"red darkened by half", {255, 0, 0}, 0, 0, -0.5f, {0, 0, 0}},
      {"grey does not turn", {100, 100, 100}, 3, 0, 0, {100, 100, 100}},
      {"grey takes saturation at the hue shift: 3 is cyan", {100, 100, 100}, 3, 1, 0, {0, 200, 200}},
      {"the start colour unshifted", {144, 196, 31}, 0, 0, 0, {144, 196, 31}},
  };
  for (const Case& c : cases) {
    const Bgr got = Recoloured(c.in, c.h, c.s, c.l);
    EXPECT_EQ(got.r, c.out.r) << c.what;
    EXPECT_EQ(got.g, c.out.g) << c.what;
    EXPECT_EQ(got.b, c.out.b) << c.what;
  }
}

// A picture of a few colours in columns, with a top row unlike the others.
Surface Sample() {
  Surface s(7, 5);
  const ColorValue columns[] = {ComposeColor(255, 0, 0), ComposeColor(0, 255, 0), ComposeColor(255, 0, 255),
                                ComposeColor(144, 196, 31), ComposeColor(80, 80, 80), kWhite, kBlack};
  for (int x = 0; x < 7; ++x)
    for (int y = 0; y < 5; ++y) s.Set(x, y, columns[x]);
  s.Set(3, 0, ComposeColor(1, 2, 3));
  return s;
}

TEST(Recolour, BindingReadsThePixelsBottomRowFirst) {
  Surface picture = Sample();
  Recolourer recolour;
  recolour.HdcSrc(&picture);
  EXPECT_EQ(recolour.HdcSrc(), &picture);
  EXPECT_EQ(recolour.PixelWidth(), 7);
  EXPECT_EQ(recolour.BitmapHeader().biHeight, 5);
  EXPECT_EQ(recolour.BitmapHeader().biSizeImage, 4 * 7 * 5);
  const auto& src = recolour.SourcePixels();
  // (1, 2, 3) is on the top row, y = 4 counted from the bottom; blue, green, red order.
  const std::size_t at = 4 * (3 + 7 * 4);
  EXPECT_EQ(src[at], 3);
  EXPECT_EQ(src[at + 1], 2);
  EXPECT_EQ(src[at + 2], 1);
  EXPECT_EQ(src[4 * 3 + 2], 144);
}

TEST(Recolour, ZeroShiftsGiveTheSourceBackWithTheReservedByteZero) {
  Surface picture = Sample();
  Recolourer recolour;
  recolour.HdcSrc(&picture);
  ASSERT_TRUE(recolour.ChangeHSL(0, 0, 0));
  const auto& src = recolour.SourcePixels();
  const auto& out = recolour.ResultPixels();
  for (std::size_t i = 0; i < src.size(); ++i) EXPECT_EQ(out[i], i % 4 == 3 ? 0 : src[i]) << i;
}

TEST(Recolour, ShiftsDoNotAccumulate) {
  Surface picture = Sample();
  const Surface drawn = picture;
  Recolourer recolour;
  recolour.HdcSrc(&picture);
  recolour.ChangeHSL(1, 0, 0);
  const std::vector<std::uint8_t> once = recolour.ResultPixels();
  recolour.ChangeHSL(1, 0, 0);
  EXPECT_EQ(recolour.ResultPixels(), once);
  Surface* dc = nullptr;
  recolour.DibPaint(dc);
  EXPECT_EQ(dc, &picture);  // the caller's variable receives the bound picture
  EXPECT_EQ(picture.Get(0, 2), ComposeColor(255, 255, 0));
  // There and back: the picture as drawn.
  recolour.ChangeHSL(0, 0, 0);
  recolour.DibPaint(dc);
  for (int x = 0; x < 7; ++x)
    for (int y = 0; y < 5; ++y) EXPECT_EQ(picture.Get(x, y), drawn.Get(x, y)) << x << "," << y;
}

TEST(Recolour, AFailedBindingLeavesNothingToRecolour) {
  Surface empty;
  Recolourer recolour;
  recolour.HdcSrc(&empty);
  EXPECT_EQ(recolour.HdcSrc(), &empty);
  EXPECT_FALSE(recolour.ChangeHSL(1, 0, 0));
  Surface* dc = nullptr;
  recolour.DibPaint(dc);  // nothing to write, and no fault
  EXPECT_EQ(dc, &empty);
}

// The cached form against the plain one, on pictures of every 8-bit colour (one 256 x 256
// picture per blue value) and on the two strips over every step of the hue slider.
struct Shifts { float h, s, l; };

void ExpectSameAsLiteral(Surface& picture, std::initializer_list<Shifts> shifts) {
  Recolourer recolour;
  recolour.HdcSrc(&picture);
  const std::vector<std::uint8_t> source = recolour.SourcePixels();
  std::vector<std::uint8_t> literal(source.size());
  for (const Shifts& t : shifts) {
    ASSERT_TRUE(recolour.ChangeHSL(t.h, t.s, t.l));
    ASSERT_TRUE(ChangeHslLiteral(source, literal, recolour.PixelWidth(), recolour.PixelHeight(), t.h, t.s, t.l));
    ASSERT_TRUE(recolour.ResultPixels() == literal) << "shifts " << t.h << ", " << t.s << ", " << t.l;
  }
}

TEST(Recolour, EveryColourAsThePlainForm) {
  Surface picture(256, 256);
  for (int b = 0; b < 256; ++b) {
    for (int g = 0; g < 256; ++g)
      for (int r = 0; r < 256; ++r) picture.Set(r, g, ComposeColor(r, g, b));
    ExpectSameAsLiteral(picture, {{1.37f, -0.25f, 0.1f}, {-6, 1, -1}});
  }
}

TEST(Recolour, StripsAsThePlainFormAtEverySliderStep) {
  FakePlatform platform;
  Form1 form(platform);
  form.Initialise();
  Surface& strip = form.hueStripPanel.strip.surface;
  Surface& track = form.tuningPanel.hue.track.surface;
  const double W = form.tuningPanel.hue.track.place.width;
  // The thumb's places a track pixel apart, at 96 and 120 dpi: 15 and 12 twips.
  for (double step : {15.0, 12.0})
    for (double L = 0; L <= W; L += step) {
      const auto hue = static_cast<float>((L / ((W / 2) / 360 * 100) * 100 - 360) / 60);
      ExpectSameAsLiteral(strip, {{hue, 0, 0}});
      ExpectSameAsLiteral(track, {{hue, 0, 0}});
    }
  const float ends[] = {-1, -0.6f, -0.004016f, 0, 0.3f, 1};
  for (float hue : {-6.0f, -2.5f, 0.0f, 1.0f, 6.0f})
    for (float s : ends)
      ExpectSameAsLiteral(strip, {{hue, s, -0.5f}, {hue, s, -0.2f}, {hue, s, 0}, {hue, s, 0.01f}, {hue, s, 0.5f}});
}

}  // namespace
}  // namespace velkaro
