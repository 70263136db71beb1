#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "oklab.h"
#include "palette_files.h"
#include "vision.h"

namespace velkaro {
namespace {

ColorValue Hex(std::uint32_t rrggbb) { return ComposeColor(rrggbb >> 16, rrggbb >> 8 & 0xFF, rrggbb & 0xFF); }

// Published OKLab values of the sRGB corners and a few mid-tones.
TEST(OkLab, PublishedValues) {
  struct Case { std::uint32_t rgb; double l, a, b; };
  for (const Case c : {Case{0xFFFFFF, 1, 0, 0}, {0x000000, 0, 0, 0}, {0xFF0000, 0.627955, 0.224863, 0.125846},
                       {0x00FF00, 0.866440, -0.233888, 0.179498}, {0x0000FF, 0.452014, -0.032457, -0.311528},
                       {0x00FFFF, 0.905399, -0.149444, -0.039398}, {0xFF00FF, 0.701674, 0.274566, -0.169156},
                       {0xFFFF00, 0.967983, -0.071369, 0.198570}, {0x808080, 0.599871, 0, 0},
                       {0x663399, 0.440268, 0.088189, -0.133913}}) {
    const OkLab v = OkLabOf(Hex(c.rgb));
    EXPECT_NEAR(v.l, c.l, 1e-4) << std::hex << c.rgb;
    EXPECT_NEAR(v.a, c.a, 1e-4) << std::hex << c.rgb;
    EXPECT_NEAR(v.b, c.b, 1e-4) << std::hex << c.rgb;
  }
  struct Text { std::uint32_t rgb; const char* oklch; const char* oklab; };
  for (const Text t : {Text{0xFF0000, "oklch(62.80% 0.2577 29.23)", "oklab(62.80% 0.2249 0.1258)"},
                       {0x663399, "oklch(44.03% 0.1603 303.37)", "oklab(44.03% 0.0882 -0.1339)"},
                       {0x808080, "oklch(59.99% 0.0000 0.00)", "oklab(59.99% 0.0000 0.0000)"},  // no -0.0000
                       {0x000000, "oklch(0.00% 0.0000 0.00)", "oklab(0.00% 0.0000 0.0000)"}}) {
    EXPECT_EQ(OkLchText(Hex(t.rgb)), t.oklch);
    EXPECT_EQ(OkLabText(Hex(t.rgb)), t.oklab);
  }
}

TEST(OkLab, EveryGreyAndAGridComeBackExactly) {
  for (int v = 0; v < 256; ++v) {
    const ColorValue grey = ComposeColor(v, v, v);
    EXPECT_EQ(FromOkLab(OkLabOf(grey)), grey) << v;
    EXPECT_EQ(FromOkLch(OkLchOf(grey)), grey) << v;
  }
  for (int r = 0; r < 256; r += 15)
    for (int g = 0; g < 256; g += 15)
      for (int b = 0; b < 256; b += 15) {
        const ColorValue c = ComposeColor(r, g, b);
        ASSERT_EQ(FromOkLab(OkLabOf(c)), c) << r << "," << g << "," << b;
        ASSERT_EQ(FromOkLch(OkLchOf(c)), c) << r << "," << g << "," << b;
        // The texts keep four decimals of a, b and C: near the edge of sRGB that is a
        // step of at most one in a channel.
        for (const std::string& text : {OkLchText(c), OkLabText(c)}) {
          std::string why;
          const Rgb back = SplitChannels(ReadOkColour(text, why).value_or(kNoColor)), want = SplitChannels(c);
          ASSERT_LE(std::abs(back.r - want.r) + std::abs(back.g - want.g) + std::abs(back.b - want.b), 1) << text;
        }
      }
}

TEST(OkLab, ReadsWhatCssWrites) {
  struct Case { const char* text; std::uint32_t rgb; };
  for (const Case c : {Case{"oklch(62.80% 0.2577 29.23)", 0xFF0000}, {"oklab(0.628 0.2249 0.1258)", 0xFF0000},
                       {"OKLCH(62.8% 64.425% 29.23DEG)", 0xFF0000},  // 100% of C is 0.4
                       {"oklab(62.8% 56.2% 31.46%)", 0xFF0000}, {"oklch(62.8% 0.2577 29.23 / 50%)", 0xFF0000},
                       {"  oklch( 62.8%   0.2577 0.0812turn )  ", 0xFF0000}, {"oklch(62.8% 0.2577 0.5102rad)", 0xFF0000},
                       {"oklch(62.8% 0.2577 32.48grad)", 0xFF0000}, {"oklch(62.8% 0.2577 389.23)", 0xFF0000},
                       {"oklch(59.99% none none)", 0x808080}, {"oklch(59.99% 0 123)", 0x808080},
                       {"oklch(59.99% -0.1 30)", 0x808080},  // C below 0 counts as 0
                       {"oklch(150% 0 0)", 0xFFFFFF}, {"oklab(-5% 0 0)", 0x000000},  // L clamped to 0..1
                       {"oklab(+0.5 +0 +0)", 0x636363}, {"oklab(50% 100% 0)", 0xF0005A},  // outside sRGB: clamped
                       {"oklch(1e-1 0 0)", 0x030303}}) {
    std::string why;
    const std::optional<ColorValue> got = ReadOkColour(c.text, why);
    ASSERT_TRUE(got) << c.text << ": " << why;
    EXPECT_EQ(*got, Hex(c.rgb)) << c.text;
  }
  for (const char* bad : {"oklch(62.8%, 0.25, 29)", "oklch(50% 0.1)", "oklch(50% 0.1 20 30)", "oklch(50% 0.1 20deg4)",
                          "oklab(50% 0.1 20deg)", "oklch(50% 0.1 20%)", "oklch(50% 0.1px 20)", "oklch(50% 0.1 20",
                          "oklch(nan 0 0)", "oklch(inf 0 0)", "oklch(1e400 0 0)", "oklch(50% 0.1 20 / )",
                          "oklch(50% 0.1 20 / 1 / 1)", "oklch(/ 50% 0.1 20)", "oklch()", "oklab(+-1 0 0)",
                          "oklch(\x01o0 02 3)", "oklch(1 2 3\x1B[31m)"}) {
    std::string why;
    EXPECT_FALSE(ReadOkColour(bad, why)) << bad;
    EXPECT_FALSE(why.empty()) << bad;
    // The reason is printed on a terminal: what it quotes is escaped.
    EXPECT_TRUE(std::none_of(why.begin(), why.end(), [](char c) { return static_cast<unsigned char>(c) < 0x20; })) << why;
  }
}

// Results of the published matrices worked out apart from the program; white and black stay.
TEST(Vision, KnownResults) {
  const std::uint32_t in[] = {0xFF0000, 0x00FF00, 0x0000FF, 0x90C41F, 0xFFFFFF, 0x000000, 0x663399};
  struct Case { Deficiency kind; std::uint32_t out[7]; };
  for (const Case& c :
       {Case{Deficiency::Protanopia, {0x6D5F00, 0xFFE500, 0x0059FF, 0xCFB600, 0xFFFFFF, 0x000000, 0x004C9C}},
        {Deficiency::Deuteranopia, {0xA39000, 0xEFD63A, 0x003DFB, 0xC8B333, 0xFFFFFF, 0x000000, 0x0F4D97}},
        {Deficiency::Tritanopia, {0xFF000F, 0x00F7D9, 0x006B96, 0x96BAA7, 0xFFFFFF, 0x000000, 0x5C4961}},
        {Deficiency::Achromatopsia, {0x7F7F7F, 0xDCDCDC, 0x4C4C4C, 0xB4B4B4, 0xFFFFFF, 0x000000, 0x4D4D4D}}})
    for (int i = 0; i < 7; ++i)
      EXPECT_EQ(SimulateDeficiency(c.kind, Hex(in[i])), Hex(c.out[i]))
          << kDeficiencyNames[static_cast<int>(c.kind)] << " " << std::hex << in[i];
  EXPECT_EQ(DeficiencyNamed("tritanopia"), Deficiency::Tritanopia);
  EXPECT_FALSE(DeficiencyNamed("Tritanopia"));
}

const PaletteEntry kTwo[] = {{"yellowgreen", 0x1FC490}, {"white", kWhite}};

TEST(PaletteFiles, TextFormats) {
  EXPECT_EQ(PaletteFile(PaletteFormat::Gpl, kTwo, "Velkaro"),
            "GIMP Palette\nName: Velkaro\nColumns: 2\n#\n144 196  31\tyellowgreen\n255 255 255\twhite\n");
  EXPECT_EQ(PaletteFile(PaletteFormat::Css, kTwo, "Velkaro"),
            ":root {\n  --velkaro-1: #90C41F; /* yellowgreen */\n  --velkaro-2: #FFFFFF; /* white */\n}\n");
  EXPECT_EQ(PaletteFile(PaletteFormat::Json, kTwo, "Velkaro"),
            "[\n  {\"name\": \"yellowgreen\", \"hex\": \"#90C41F\", \"rgb\": [144, 196, 31]},\n"
            "  {\"name\": \"white\", \"hex\": \"#FFFFFF\", \"rgb\": [255, 255, 255]}\n]\n");
  // Names that would break a row, a comment or a string stay inside them.
  const PaletteEntry odd[] = {{"a\tb\"c*/\n", kBlack}};
  EXPECT_EQ(PaletteFile(PaletteFormat::Gpl, odd, "x"), "GIMP Palette\nName: x\nColumns: 1\n#\n  0   0   0\ta b\"c*/ \n");
  EXPECT_EQ(PaletteFile(PaletteFormat::Css, odd, "x"), ":root {\n  --velkaro-1: #000000; /* a b\"c* /  */\n}\n");
  EXPECT_EQ(PaletteFile(PaletteFormat::Json, odd, "x"),
            "[\n  {\"name\": \"a\\u0009b\\\"c*/\\u000A\", \"hex\": \"#000000\", \"rgb\": [0, 0, 0]}\n]\n");
  EXPECT_EQ(PaletteFile(PaletteFormat::Json, {}, "x"), "[]\n");
  EXPECT_EQ(PaletteFormatNamed("ase"), PaletteFormat::Ase);
  EXPECT_FALSE(PaletteFormatNamed("aco"));
}

// The swatch exchange file read back field by field, big-endian as the format is.
TEST(PaletteFiles, SwatchExchangeLayout) {
  const PaletteEntry entries[] = {{"yellowgreen", 0x1FC490}, {"绿", ComposeColor(0, 255, 0)}};
  const std::string f = PaletteFile(PaletteFormat::Ase, entries, "Velkaro");
  std::size_t at = 0;
  auto u16 = [&] { at += 2; return (static_cast<unsigned char>(f[at - 2]) << 8) | static_cast<unsigned char>(f[at - 1]); };
  auto u32 = [&] { const std::uint32_t hi = u16(); return hi << 16 | u16(); };
  auto f32 = [&] { const std::uint32_t bits = u32(); float v; std::memcpy(&v, &bits, 4); return v; };
  ASSERT_EQ(f.substr(0, 4), "ASEF");
  at = 4;
  EXPECT_EQ(u16(), 1);
  EXPECT_EQ(u16(), 0);
  EXPECT_EQ(u32(), 2u);
  const std::u16string names[] = {u"yellowgreen", u"绿"};
  const float values[2][3] = {{144 / 255.f, 196 / 255.f, 31 / 255.f}, {0, 1, 0}};
  for (int i = 0; i < 2; ++i) {
    EXPECT_EQ(u16(), 0x0001);
    const std::uint32_t length = u32();
    const std::size_t start = at;
    const int units = u16();
    EXPECT_EQ(units, static_cast<int>(names[i].size()) + 1);
    std::u16string name;
    for (int k = 0; k < units; ++k) name += static_cast<char16_t>(u16());
    EXPECT_EQ(name, names[i] + u'\0');
    EXPECT_EQ(f.substr(at, 4), "RGB ");
    at += 4;
    for (float v : values[i]) EXPECT_FLOAT_EQ(f32(), v);
    EXPECT_EQ(u16(), 0);  // global
    EXPECT_EQ(at - start, length);
  }
  EXPECT_EQ(at, f.size());
}

}  // namespace
}  // namespace velkaro
