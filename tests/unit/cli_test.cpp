#include <gtest/gtest.h>

#include <sstream>

#include "cli_run.h"
#include "colour_cli.h"

namespace velkaro::cli {
namespace {

TEST(ParseColour, EveryReadableNotation) {
  struct Case { const char* text; ColorValue expected; };
  for (const Case c : {Case{"144,196,31", 0x1FC490}, {" 144 , 196 ,31 ", 0x1FC490},
                       {"#90C41F", 0x1FC490}, {"#90c41f", 0x1FC490}, {"#c90C41F", 0x1FC490},
                       {"#C90C41F", 0x1FC490}, {"&H1FC490&", 0x1FC490}, {"&h80ff", 0x80FF},
                       {"&H0&", 0}, {"2081936", 0x1FC490}, {"0", 0}, {"16777215", kWhite},
                       {"255,255,255\r", kWhite}}) {
    std::string why;
    EXPECT_EQ(ParseColour(c.text, why), c.expected) << c.text << ": " << why;
  }
}

TEST(ParseColour, BadInputSaysWhy) {
  struct Case { const char* text; const char* reason; };
  for (const Case c : {Case{"", "empty"}, {"   ", "empty"}, {"12,300,4", "channel 300 is above 255"},
                       {"1,2", "three channels"}, {"1,2,3,4", "three channels"},
                       {"1,-2,3", "not a whole number"}, {"1,,3", "not a whole number"},
                       {"#12345", "six hexadecimal"}, {"#12345G", "six hexadecimal"},
                       {"&H1234567&", "hexadecimal digits between"}, {"&H&", "hexadecimal"},
                       {"16777216", "above 16777215"}, {"99999999999999999999", "above 16777215"},
                       {"1FC490", "not a colour notation"}, {"redd", "not a colour notation or a CSS colour name"},
                       {"rgb(1,2)", "three whole numbers"}, {"rgb(1 2 300)", "above 255"},
                       {"rgb(1,2,3", "closing )"}, {"#12", "six hexadecimal"}, {"#GGG", "six hexadecimal"}}) {
    std::string why;
    EXPECT_FALSE(ParseColour(c.text, why).has_value()) << c.text;
    EXPECT_NE(why.find(c.reason), std::string::npos) << c.text << ": " << why;
  }
}

TEST(Run, ReadableOutputShowsWhatTheWindowShows) {
  const RunResult r = RunCli({"144,196,31"});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out,
            "144,196,31\n"
            "  R, G, B:   144, 196, 31\n"
            "  HSV:       H 79°  S 84%  V 77%\n"
            "  HLS:       H 79°  L 45%  S 73%\n"
            "  CMYK:      C 20%  M 0%  Y 65%  K 23%\n"
            "  LAB:       L 73  A -39  B 69\n"
            "  VB:        &H1FC490&\n"
            "  Delphi:    #90C41F\n"
            "  BASIC:     2081936\n"
            "  Hex:       1FC490\n"
            "  Html、PS:  #90C41F\n"
            "  其他:      #c90C41F\n"
            "  R,G,B:     144,196,31\n"
            "  反色:      111,59,224\n");
  EXPECT_EQ(r.err, "");
}

TEST(Run, TsvHasAHeaderAndOneLinePerColour) {
  const RunResult r = RunCli({"--tsv"}, "#FF8000\n1,2,3\n");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out,
            "input\tR\tG\tB\tHSV_H\tHSV_S\tHSV_V\tHLS_H\tHLS_L\tHLS_S\tC\tM\tY\tK\tLab_L\tLab_A"
            "\tLab_B\tVB\tHtml\tDelphi\tBASIC\tOther\tRGB\tHex\tInverse\n"
            "#FF8000\t255\t128\t0\t30\t100\t100\t30\t50\t100\t0\t50\t100\t0\t67\t43\t74"
            "\t&H80FF&\t#FF8000\t#FF8000\t33023\t#cFF8000\t255,128,0\t80FF\t0,127,255\n"
            "1,2,3\t1\t2\t3\t210\t67\t1\t210\t1\t50\t1\t0\t0\t99\t1\t0\t0"
            "\t&H30201&\t#010203\t#010203\t197121\t#c010203\t1,2,3\t30201\t254,253,252\n");
}

TEST(Run, BadLinesAreReportedAndTheRestStillConverted) {
  const RunResult r = RunCli({"--tsv"}, "0\n12,300,4\n\n255\n");
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("line 2: \"12,300,4\": channel 300 is above 255"), std::string::npos);
  EXPECT_EQ(r.err.find("line 3"), std::string::npos);  // a blank line is skipped, not an error
  EXPECT_NE(r.err.find("Accepted forms: r,g,b"), std::string::npos);
  EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 3);  // header, 0 and 255
  EXPECT_NE(r.out.find("\n255\t255\t0\t0\t"), std::string::npos);
}

// A file from a Windows editor (byte-order mark, CR LF, blank lines) reads cleanly; "--"
// ends the options, so a word that looks like one is read as a colour.
TEST(Run, InputAsWindowsEditorsWriteItAndTheEndOfOptions) {
  const RunResult bom = RunCli({"--format", "html"}, "\xEF\xBB\xBF" "144,196,31\r\n\r\n  \n#FF0000\r\n\n");
  EXPECT_EQ(bom.status, 0);
  EXPECT_EQ(bom.out, "#90C41F\n#FF0000\n");
  EXPECT_EQ(bom.err, "");
  const RunResult ended = RunCli({"--format", "html", "--", "1,2,3"});
  EXPECT_EQ(ended.status, 0);
  EXPECT_EQ(ended.out, "#010203\n");
  const RunResult word = RunCli({"--", "--tsv"});  // after "--" not an option: a bad colour
  EXPECT_EQ(word.status, 1);
  EXPECT_NE(word.err.find("argument 1: \"--tsv\""), std::string::npos);
  EXPECT_EQ(word.err.find("unknown option"), std::string::npos);
}

TEST(Run, ArgumentsAreNumberedInMessages) {
  const RunResult r = RunCli({"1,2,3", "#xyz"});
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("argument 2: \"#xyz\""), std::string::npos);
  EXPECT_EQ(r.out.rfind("1,2,3\n", 0), 0u);
}

TEST(Run, HelpAndUsageErrors) {
  const RunResult help = RunCli({"--help"});
  EXPECT_EQ(help.status, 0);
  EXPECT_NE(help.out.find("Usage: velkaro-color"), std::string::npos);
  const RunResult bad = RunCli({"--frobnicate"});
  EXPECT_EQ(bad.status, 2);
  EXPECT_NE(bad.err.find("unknown option \"--frobnicate\""), std::string::npos);
}

}  // namespace
}  // namespace velkaro::cli
