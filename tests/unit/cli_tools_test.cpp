#include <gtest/gtest.h>

#include <sstream>

#include "cli_run.h"
#include "colour_cli.h"
#include "colour_tools.h"
#include "fake_platform.h"
#include "form1.h"
#include "formats.h"

namespace velkaro::cli {
namespace {

ColorValue Parsed(const char* text) {
  std::string why;
  return ParseColour(text, why).value_or(kNoColor);
}


TEST(ToolkitInput, CssForms) {
  struct Case { const char* text; ColorValue expected; };
  for (const Case c : {Case{"rgb(144, 196, 31)", 0x1FC490}, {"rgb(144 196 31)", 0x1FC490}, {"RGB( 144,196 ,31 )", 0x1FC490},
                       {"rgb(  144   196 31  )", 0x1FC490}, {"#9C2", ComposeColor(0x99, 0xCC, 0x22)},
                       {"#fff", kWhite}, {"YellowGreen", ComposeColor(0x9A, 0xCD, 0x32)}, {"grey", 0x808080},
                       {"REBECCAPURPLE", ComposeColor(0x66, 0x33, 0x99)}, {"cab", kNoColor}}) {
    EXPECT_EQ(Parsed(c.text), c.expected) << c.text;
  }
}

// The table against CSS Color 4: its count and a sample of its values.
TEST(ToolkitNames, TheCssTable) {
  EXPECT_EQ(CssColours().size(), 148u);
  struct Case { const char* name; std::uint32_t rrggbb; };
  for (const Case c : {Case{"aliceblue", 0xF0F8FF}, {"cornflowerblue", 0x6495ED}, {"darkgoldenrod", 0xB8860B},
                       {"lightgoldenrodyellow", 0xFAFAD2}, {"mediumpurple", 0x9370DB}, {"mediumspringgreen", 0x00FA9A},
                       {"papayawhip", 0xFFEFD5}, {"rebeccapurple", 0x663399}, {"yellowgreen", 0x9ACD32},
                       {"darkslategrey", 0x2F4F4F}}) {
    EXPECT_EQ(CssColourNamed(c.name), ComposeColor(c.rrggbb >> 16, c.rrggbb >> 8 & 0xFF, c.rrggbb & 0xFF)) << c.name;
  }
}

TEST(ToolkitNames, EveryNameFindsItselfAndNearMissesFindTheirs) {
  for (const NamedColour& n : CssColours()) {
    const Nearest found = NearestCssColour(n.colour);
    EXPECT_EQ(found.difference, 0) << n.name;
    EXPECT_EQ(found.named->colour, n.colour) << n.name;  // aqua and cyan are one colour
  }
  struct Case { const char* colour; const char* name; };
  for (const Case c : {Case{"#FE0000", "red"}, {"144,196,31", "yellowgreen"}, {"#010101", "black"},
                       {"#FEFEFE", "white"}, {"#663398", "rebeccapurple"}}) {
    const Nearest found = NearestCssColour(Parsed(c.colour));
    EXPECT_EQ(found.named->name, c.name) << c.colour;
    EXPECT_GT(found.difference, 0) << c.colour;
  }
  EXPECT_EQ(RunCli({"name", "--exact", "red"}).out, "red\n");
  const RunResult miss = RunCli({"name", "--exact", "#FE0000"});
  EXPECT_EQ(miss.status, 1);
  EXPECT_NE(miss.err.find("nearest: red"), std::string::npos);
}

// Sharma, Wu and Dalal (2005), table 1: all 34 pairs, to four decimals.
TEST(ToolkitDifference, Ciede2000PublishedPairs) {
  struct Pair { double l1, a1, b1, l2, a2, b2, expected; };
  const Pair pairs[] = {
      {50.0000, 2.6772, -79.7751, 50.0000, 0.0000, -82.7485, 2.0425},
      {50.0000, 3.1571, -77.2803, 50.0000, 0.0000, -82.7485, 2.8615},
      {50.0000, 2.8361, -74.0200, 50.0000, 0.0000, -82.7485, 3.4412},
      {50.0000, -1.3802, -84.2814, 50.0000, 0.0000, -82.7485, 1.0000},
      {50.0000, -1.1848, -84.8006, 50.0000, 0.0000, -82.7485, 1.0000},
      {50.0000, -0.9009, -85.5211, 50.0000, 0.0000, -82.7485, 1.0000},
      {50.0000, 0.0000, 0.0000, 50.0000, -1.0000, 2.0000, 2.3669},
      {50.0000, -1.0000, 2.0000, 50.0000, 0.0000, 0.0000, 2.3669},
      {50.0000, 2.4900, -0.0010, 50.0000, -2.4900, 0.0009, 7.1792},
      {50.0000, 2.4900, -0.0010, 50.0000, -2.4900, 0.0010, 7.1792},
      {50.0000, 2.4900, -0.0010, 50.0000, -2.4900, 0.0011, 7.2195},
      {50.0000, 2.4900, -0.0010, 50.0000, -2.4900, 0.0012, 7.2195},
      {50.0000, -0.0010, 2.4900, 50.0000, 0.0009, -2.4900, 4.8045},
      {50.0000, -0.0010, 2.4900, 50.0000, 0.0010, -2.4900, 4.8045},
      {50.0000, -0.0010, 2.4900, 50.0000, 0.0011, -2.4900, 4.7461},
      {50.0000, 2.5000, 0.0000, 50.0000, 0.0000, -2.5000, 4.3065},
      {50.0000, 2.5000, 0.0000, 73.0000, 25.0000, -18.0000, 27.1492},
      {50.0000, 2.5000, 0.0000, 61.0000, -5.0000, 29.0000, 22.8977},
      {50.0000, 2.5000, 0.0000, 56.0000, -27.0000, -3.0000, 31.9030},
      {50.0000, 2.5000, 0.0000, 58.0000, 24.0000, 15.0000, 19.4535},
      {50.0000, 2.5000, 0.0000, 50.0000, 3.1736, 0.5854, 1.0000},
      {50.0000, 2.5000, 0.0000, 50.0000, 3.2972, 0.0000, 1.0000},
      {50.0000, 2.5000, 0.0000, 50.0000, 1.8634, 0.5757, 1.0000},
      {50.0000, 2.5000, 0.0000, 50.0000, 3.2592, 0.3350, 1.0000},
      {60.2574, -34.0099, 36.2677, 60.4626, -34.1751, 39.4387, 1.2644},
      {63.0109, -31.0961, -5.8663, 62.8187, -29.7946, -4.0864, 1.2630},
      {61.2901, 3.7196, -5.3901, 61.4292, 2.2480, -4.9620, 1.8731},
      {35.0831, -44.1164, 3.7933, 35.0232, -40.0716, 1.5901, 1.8645},
      {22.7233, 20.0904, -46.6940, 23.0331, 14.9730, -42.5619, 2.0373},
      {36.4612, 47.8580, 18.3852, 36.2715, 50.5065, 21.2231, 1.4146},
      {90.8027, -2.0831, 1.4410, 91.1528, -1.6435, 0.0447, 1.4441},
      {90.9257, -0.5406, -0.9208, 88.6381, -0.8985, -0.7239, 1.5381},
      {6.7747, -0.2908, -2.4247, 5.8714, -0.0985, -2.2286, 0.6377},
      {2.0776, 0.0795, -1.1350, 0.9033, -0.0636, -0.5514, 0.9082},
  };
  int number = 1;
  for (const Pair& p : pairs) {
    const LabValues x{p.l1, p.a1, p.b1}, y{p.l2, p.a2, p.b2};
    EXPECT_NEAR(Ciede2000(x, y), p.expected, 0.00005) << "pair " << number;
    EXPECT_NEAR(Ciede2000(y, x), p.expected, 0.00005) << "pair " << number << ", swapped";
    ++number;
  }
}

// Ratios as printed, and verdicts judged before rounding: #959595 prints 3.00 and fails.
TEST(ToolkitContrast, KnownPairsAndThresholds) {
  struct Case { const char* a; const char* b; const char* ratio; bool largeAA, normalAA, normalAAA; };
  for (const Case c : {Case{"black", "white", "21.00:1", true, true, true}, {"white", "white", "1.00:1", false, false, false},
                       {"#777777", "white", "4.48:1", true, false, false}, {"#767676", "white", "4.54:1", true, true, false},
                       {"#949494", "white", "3.03:1", true, false, false}, {"#959595", "white", "3.00:1", false, false, false},
                       {"#595959", "white", "7.00:1", true, true, true}, {"#5A5A5A", "white", "6.90:1", true, true, false},
                       {"white", "#777777", "4.48:1", true, false, false}}) {
    const RunResult r = RunCli({"contrast", c.a, c.b});
    ASSERT_EQ(r.status, 0) << r.err;
    const std::string expected = std::string(c.ratio) + "\nAA normal text:  " + (c.normalAA ? "pass" : "fail") +
                                 " (needs 4.5)\nAA large text:   " + (c.largeAA ? "pass" : "fail") +
                                 " (needs 3)\nAAA normal text: " + (c.normalAAA ? "pass" : "fail") +
                                 " (needs 7)\nAAA large text:  " + (c.normalAA ? "pass" : "fail") + " (needs 4.5)\n";
    EXPECT_EQ(r.out, expected) << c.a << " on " << c.b;
  }
  EXPECT_EQ(RunCli({"contrast", "--best", "#90C41F"}).out, "black 10.10:1\n");
  EXPECT_EQ(RunCli({"contrast", "--best", "navy"}).out, "white 16.01:1\n");
  EXPECT_EQ(RunCli({"contrast", "red"}).status, 2);
  EXPECT_EQ(RunCli({"contrast", "red", "1,2,300"}).status, 1);
}

TEST(ToolkitFormats, EveryFormatAndTemplate) {
  struct Case { std::vector<std::string> args; const char* out; };
  const Case cases[] = {
      {{"--format", "vb", "144,196,31"}, "&H1FC490&\n"},
      {{"--format", "html", "144,196,31"}, "#90C41F\n"},
      {{"--format", "delphi", "144,196,31"}, "#90C41F\n"},
      {{"--format", "basic", "144,196,31"}, "2081936\n"},
      {{"--format", "hex", "144,196,31"}, "1FC490\n"},
      {{"--format", "c", "144,196,31"}, "#c90C41F\n"},
      {{"--format", "rgb", "#90C41F"}, "144,196,31\n"},
      {{"--format", "hsv", "144,196,31"}, "79,84,77\n"},
      {{"--format", "hls", "144,196,31"}, "79,45,73\n"},
      {{"--format", "cmyk", "144,196,31"}, "20,0,65,23\n"},
      {{"--format", "lab", "144,196,31"}, "73,-39,69\n"},
      {{"--format", "css-rgb", "teal"}, "rgb(0, 128, 128)\n"},
      {{"--format", "css-hsl", "144,196,31"}, "hsl(79, 73%, 45%)\n"},
      {{"--format", "html", "red", "#00F"}, "#FF0000\n#0000FF\n"},
      {{"--format", "oklch", "red"}, "oklch(62.80% 0.2577 29.23)\n"},
      {{"--format", "oklab", "144,196,31"}, "oklab(75.62% -0.1120 0.1491)\n"},
      {{"--format", "html", "oklch(62.8% 0.2577 29.23)", "OKLAB(0.4403 0.0882 -0.1339 / 0.5)"}, "#FF0000\n#663399\n"},
      {{"--template", "{oklch} {oklab}", "#808080"}, "oklch(59.99% 0.0000 0.00) oklab(59.99% 0.0000 0.0000)\n"},
      {{"--template", "{r} {g} {b} {rrggbb} {h}/{s}/{v} {hls-h}/{hls-l}/{hls-s}", "144,196,31"},
       "144 196 31 90C41F 79/84/77 79/45/73\n"},
      {{"--template", "{cmyk-c} {cmyk-m} {cmyk-y} {cmyk-k} {lab-l} {lab-a} {lab-b} {inverse}", "144,196,31"},
       "20 0 65 23 73 -39 69 111,59,224\n"},
      {{"--template", "--c: {html}; /* {input} */\\t{{}}\\n", " yellowgreen "}, "--c: #9ACD32; /* yellowgreen */\t{}\n\n"},
  };
  for (const Case& c : cases) {
    const RunResult r = RunCli(c.args);
    EXPECT_EQ(r.status, 0) << c.args[1] << ": " << r.err;
    EXPECT_EQ(r.out, c.out) << c.args[1];
  }
  for (const std::vector<std::string>& bad :
       {std::vector<std::string>{"--format", "bogus", "red"}, {"--template", "{nope}", "red"}, {"--template", "{r", "red"},
        {"--template", "r}", "red"}, {"--format"}, {"--tsv", "--format", "html", "red"}}) {
    EXPECT_EQ(RunCli(bad).status, 2) << bad[0];
  }
  // Standard input, one colour a line; a bad line is reported and the rest still printed.
  const RunResult lines = RunCli({"--format", "hex"}, "red\nnope\n0,0,255\n");
  EXPECT_EQ(lines.status, 1);
  EXPECT_EQ(lines.out, "FF\nFF0000\n");
  EXPECT_NE(lines.err.find("line 2: \"nope\""), std::string::npos);
}

TEST(ToolkitSimulate, EachDeficiencyInEachForm) {
  EXPECT_EQ(RunCli({"simulate", "deuteranopia", "#FF0000", "blue"}).out, "#A39000\n#003DFB\n");
  EXPECT_EQ(RunCli({"simulate", "--format", "css-rgb", "achromatopsia", "red"}).out, "rgb(127, 127, 127)\n");
  EXPECT_EQ(RunCli({"simulate", "--template", "{input} -> {html}", "protanopia", "144,196,31"}).out,
            "144,196,31 -> #CFB600\n");
  EXPECT_EQ(RunCli({"simulate", "tritanopia"}, "red\n\nwhite\n").out, "#FF000F\n#FFFFFF\n");
  const RunResult unknown = RunCli({"simulate", "daltonism", "red"});
  EXPECT_EQ(unknown.status, 2);
  EXPECT_NE(unknown.err.find("unknown deficiency \"daltonism\""), std::string::npos);
  EXPECT_EQ(RunCli({"simulate"}).status, 2);
  EXPECT_EQ(RunCli({"simulate", "protanopia", "red", "1,2,300"}).status, 1);
}

// Each colour named by its nearest CSS colour; a bad colour writes no file at all.
TEST(ToolkitPalette, FilesOnStandardOutput) {
  EXPECT_EQ(RunCli({"palette", "--format", "css", "144,196,31", "#FFF"}).out,
            ":root {\n  --velkaro-1: #90C41F; /* yellowgreen */\n  --velkaro-2: #FFFFFF; /* white */\n}\n");
  EXPECT_EQ(RunCli({"palette", "--format", "gpl"}, "red\n").out, "GIMP Palette\nName: Velkaro\nColumns: 1\n#\n255   0   0\tred\n");
  EXPECT_EQ(RunCli({"--format", "json", "palette", "#FE0000"}).out,
            "[\n  {\"name\": \"red\", \"hex\": \"#FE0000\", \"rgb\": [254, 0, 0]}\n]\n");
  const RunResult ase = RunCli({"palette", "--format", "ase", "red"});
  EXPECT_EQ(ase.status, 0);
  EXPECT_EQ(ase.out.substr(0, 4), "ASEF");
  const RunResult bad = RunCli({"palette", "--format", "gpl", "red", "nope"});
  EXPECT_EQ(bad.status, 1);
  EXPECT_EQ(bad.out, "");
  // The binary file is not poured onto a terminal.
  const RunResult terminal = RunCli({"palette", "--format", "ase", "red"}, "", true);
  EXPECT_EQ(terminal.status, 2);
  EXPECT_EQ(terminal.out, "");
  EXPECT_NE(terminal.err.find("binary"), std::string::npos);
  EXPECT_EQ(RunCli({"palette", "--format", "gpl", "red"}, "", true).status, 0);
  for (const std::vector<std::string>& usage :
       {std::vector<std::string>{"palette", "red"}, {"palette", "--format", "html", "red"},
        {"--format", "gpl", "red"}, {"palette", "--template", "{html}", "red"}}) {
    EXPECT_EQ(RunCli(usage).status, 2) << usage[1];
  }
}

// The steps are the window's own strips: tintStrip runs from white to the current colour.
TEST(ToolkitGradient, StepsAreTheWindowsStrip) {
  FakePlatform platform;
  Form1 form(platform);
  form.Initialise();
  const Surface& strip = form.stripPanel.tintStrip.surface;
  const std::vector<ColorValue> steps = GradientSteps(kWhite, form.workspace.CurrentColour(), strip.Width());
  ASSERT_EQ(static_cast<int>(steps.size()), strip.Width());
  for (int x : {0, strip.Width() / 2, strip.Width() - 1}) EXPECT_EQ(steps[x], strip.Get(x, 0)) << x;
  EXPECT_EQ(RunCli({"gradient", "white", "#90C41F", "5"}).out, "#E9F3D2\n#D3E7A5\n#BCDC79\n#A6D04C\n#90C41F\n");
  EXPECT_EQ(RunCli({"gradient", "--format", "rgb", "black", "white", "2"}).out, "128,128,128\n255,255,255\n");
  EXPECT_EQ(RunCli({"gradient", "black", "white", "0"}).status, 2);
  EXPECT_EQ(RunCli({"gradient", "black", "white"}).status, 2);
}

}  // namespace
}  // namespace velkaro::cli

namespace velkaro::cli {
namespace {

// Error messages quote what they were given so that a terminal shows it and obeys none of it.
TEST(ToolkitMessages, InputIsQuotedSafely) {
  struct Case { std::string_view in; const char* out; };
  for (const Case c : {Case{"1,2,3", "\"1,2,3\""}, {"\x1B[31mred", "\"\\x1B[31mred\""}, {"a\tb\r", "\"a\\x09b\\x0D\""},
                       {"\xFF\xFE", "\"\\xFF\\xFE\""}, {"\xE4\xBD\xA0\xE5\xA5\xBD", "\"\xE4\xBD\xA0\xE5\xA5\xBD\""},
                       {"\xC0\xAF", "\"\\xC0\\xAF\""},  // an overlong slash
                       {"\xED\xA0\x80", "\"\\xED\\xA0\\x80\""},  // a surrogate
                       {"\xE4\xBD", "\"\\xE4\\xBD\""},  // cut short
                       {"say \"hi\" \\", "\"say \\\"hi\\\" \\\\\""}, {std::string_view("\0x", 2), "\"\\x00x\""}}) {
    EXPECT_EQ(QuotedForTerminal(c.in), c.out);
  }
  const RunResult r = RunCli({}, "1,2,\x1B]0;title\x07\n");
  EXPECT_EQ(r.err.find('\x1B'), std::string::npos);
  EXPECT_EQ(r.err.find('\x07'), std::string::npos);
  EXPECT_NE(r.err.find("\\x1B]0;title\\x07"), std::string::npos);
}

}  // namespace
}  // namespace velkaro::cli
