#include <gtest/gtest.h>

#include "fake_platform.h"
#include "form1.h"

namespace velkaro {
namespace {

constexpr int kLeft = 1, kRight = 2, kMiddle = 4;

struct Frame : testing::Test {
  FakePlatform platform;
  Form1 form{platform};
  void SetUp() override {
    form.Form_Initialize();
    platform.calls.clear();
  }
  std::vector<PictureId> Pictures() const {
    return {form.关于我们0.picture, form.系统调色板0.picture, form.最小0.picture, form.关闭0.picture};
  }
};

using P = PictureId;

// One event on one button, from the resting pictures: what every button shows after it.
TEST_F(Frame, ImageButtonMoves) {
  struct Case {
    const char* what;
    Image Form1::*button;
    int buttons;
    bool inFront;
    std::vector<PictureId> after;
    std::int16_t aboutState, paletteState;
  };
  const Case cases[] = {
      {"about, no button", &Form1::关于我们0, 0, true, {P::关于我们2, P::系统调色板1, P::最小1, P::关闭1}, 0, 0},
      {"about, left held", &Form1::关于我们0, kLeft, true, {P::关于我们2, P::系统调色板1, P::最小1, P::关闭1}, 1, 0},
      {"about, right held", &Form1::关于我们0, kRight, true, {P::关于我们3, P::系统调色板1, P::最小1, P::关闭1}, 2, 0},
      {"about, behind", &Form1::关于我们0, kRight, false, {P::关于我们1, P::系统调色板1, P::最小1, P::关闭1}, 0, 0},
      {"palette, right held", &Form1::系统调色板0, kRight, true, {P::关于我们1, P::系统调色板3, P::最小1, P::关闭1}, 0, 2},
      {"palette, middle held", &Form1::系统调色板0, kMiddle, true, {P::关于我们1, P::系统调色板2, P::最小1, P::关闭1}, 0, 4},
      {"minimise, no button", &Form1::最小0, 0, true, {P::关于我们1, P::系统调色板1, P::最小2, P::关闭1}, 0, 0},
      {"minimise, left held", &Form1::最小0, kLeft, true, {P::关于我们1, P::系统调色板1, P::最小3, P::关闭1}, 0, 0},
      {"minimise, right held", &Form1::最小0, kRight, true, {P::关于我们1, P::系统调色板1, P::最小2, P::关闭1}, 0, 0},
      {"close, left held", &Form1::关闭0, kLeft, true, {P::关于我们1, P::系统调色板1, P::最小1, P::关闭3}, 0, 0},
      {"close, no button", &Form1::关闭0, 0, true, {P::关于我们1, P::系统调色板1, P::最小1, P::关闭2}, 0, 0},
      {"close, behind", &Form1::关闭0, kLeft, false, {P::关于我们1, P::系统调色板1, P::最小1, P::关闭1}, 0, 0},
  };
  for (const Case& c : cases) {
    FakePlatform p;
    Form1 f(p);
    f.Form_Initialize();
    p.foreground = c.inFront;
    f.MouseMove(f.*c.button, c.buttons, 0, 5, 5);
    EXPECT_EQ((std::vector<PictureId>{f.关于我们0.picture, f.系统调色板0.picture, f.最小0.picture, f.关闭0.picture}),
              c.after)
        << c.what;
    EXPECT_EQ(f.frame.AboutButtonState, c.aboutState) << c.what;
    EXPECT_EQ(f.frame.PaletteButtonState, c.paletteState) << c.what;
  }
}

TEST_F(Frame, HoverMovesFromOneSquareToTheOther) {
  form.MouseMove(form.关闭0, 0, 0, 5, 5);
  form.MouseMove(form.最小0, 0, 0, 5, 5);
  EXPECT_EQ(Pictures(), (std::vector<PictureId>{P::关于我们1, P::系统调色板1, P::最小2, P::关闭1}));
  form.MouseMove(form.关闭0, 0, 0, 5, 5);
  EXPECT_EQ(Pictures(), (std::vector<PictureId>{P::关于我们1, P::系统调色板1, P::最小1, P::关闭2}));
}

// The right button's pressed plate stays after the pointer leaves, until a release.
TEST_F(Frame, RightHeldPlateStaysPressedUntilTheRelease) {
  form.MouseMove(form.关于我们0, kRight, 0, 5, 5);
  form.MouseMove(form.picZoom, kRight, 0, 5, 5);  // a drag surface: PicEn
  EXPECT_EQ(form.关于我们0.picture, P::关于我们3);
  form.HoverTimerProc();
  EXPECT_EQ(form.关于我们0.picture, P::关于我们3);
  EXPECT_TRUE(form.frame.HoverPicturesAtRest());
  form.MouseUp(form.关于我们0, kRight, 0, 500, 5);  // released off the button: still its action
  EXPECT_EQ(form.关于我们0.picture, P::关于我们1);
  EXPECT_EQ(form.frame.AboutButtonState, 0);
  EXPECT_EQ(platform.calls.back(), "ShowAboutWindow");
}

TEST_F(Frame, ReleasesRunTheButtonsActions) {
  form.MouseDown(form.最小0, kLeft, 0, 5, 5);
  EXPECT_EQ(form.最小0.picture, P::最小3);
  form.MouseUp(form.最小0, kLeft, 0, 5, 5);
  EXPECT_EQ(form.最小0.picture, P::最小2);
  EXPECT_EQ(form.windowState, WindowState::Minimised);
  EXPECT_EQ(std::count(platform.calls.begin(), platform.calls.end(), "HideWindow"), 0);

  form.windowState = WindowState::Normal;
  platform.calls.clear();
  form.MouseDown(form.关闭0, kMiddle, 0, 5, 5);
  form.MouseUp(form.关闭0, kMiddle, 0, 5, 5);
  EXPECT_EQ(platform.calls,
            (std::vector<std::string>{"MinimiseWindow", "HideWindow", "ModifyTrayIcon Velkaro Ver2.2.1"}));
  EXPECT_EQ(form.关闭0.picture, P::关闭2);
  EXPECT_FALSE(form.shown);

  platform.calls.clear();
  form.MouseDown(form.关于我们0, kLeft, 0, 5, 5);
  EXPECT_EQ(form.关于我们0.picture, P::关于我们3);
  EXPECT_EQ(form.frame.AboutButtonState, 1);
  form.MouseUp(form.关于我们0, kLeft, 0, 5, 5);
  EXPECT_EQ(platform.calls, std::vector<std::string>{"ShowAboutWindow"});  // no site from the button
}

TEST_F(Frame, TickPutsHoverBackWhenThePointerLeavesOrTheWindowIsBehind) {
  platform.windowRect = {313, 264, 654, 495};
  form.frame.获取鼠标坐标();
  struct Case { Point pointer; bool inFront; PictureId close; };
  for (const Case c : {Case{{400, 300}, true, P::关闭2}, {{100, 100}, true, P::关闭1}, {{400, 300}, false, P::关闭1}}) {
    form.MouseMove(form.关闭0, 0, 0, 5, 5);
    ASSERT_EQ(form.关闭0.picture, P::关闭2);
    platform.cursor = c.pointer;
    platform.foreground = c.inFront;
    form.HoverTimerProc();
    EXPECT_EQ(form.关闭0.picture, c.close) << c.pointer.x << " " << c.inFront;
    platform.foreground = true;
  }
}

TEST_F(Frame, DragSurfacesMoveTheWindowAndLabelsDoNot) {
  for (Control* c : std::initializer_list<Control*>{&form.Frame2, &form.Frame4, &form.Frame5, &form.Frame7,
                                                   &form.Frame8, &form.Frame9, &form.Frame10, &form.Picture5,
                                                   &form.Picture14, &form.Picture15, &form.picZoom, &form.Image8}) {
    platform.calls.clear();
    form.MouseMove(*c, kLeft, 0, 3, 3);
    EXPECT_EQ(platform.calls, std::vector<std::string>{"DragMainWindow"}) << c->name;
  }
  platform.calls.clear();
  form.Form_MouseMove(0, 0, 3, 3);
  EXPECT_EQ(platform.calls, std::vector<std::string>{"DragMainWindow"});
  for (Control* c : std::initializer_list<Control*>{&form.Label_R, &form.Label32, &form.Unit_HSV_H, &form.Frame6,
                                                   &form.Frame11}) {
    platform.calls.clear();
    form.MouseMove(*c, kLeft, 0, 3, 3);
    EXPECT_TRUE(platform.calls.empty()) << c->name;
  }
}

// Every move saves the place, but only what changed reaches the store.
TEST_F(Frame, DragSavesOnlyChangedValues) {
  struct CountingSettings : FakePlatform {
    int writes = 0;
    bool SaveSetting(const std::string& a, const std::string& s, const std::string& k, const std::string& v) override {
      ++writes;
      return FakePlatform::SaveSetting(a, s, k, v);
    }
  } counting;
  Form1 f(counting);
  f.Form_Initialize();
  f.MouseMove(f.picZoom, 0, 0, 3, 3);
  EXPECT_EQ(counting.writes, 4);
  for (int i = 0; i < 10; ++i) f.MouseMove(f.picZoom, 0, 0, 3, 3);
  EXPECT_EQ(counting.writes, 4);
  counting.windowRect.left += 10;
  f.MouseMove(f.picZoom, 0, 0, 3, 3);
  EXPECT_EQ(counting.writes, 5);
  EXPECT_EQ(counting.GetSetting("Pelmora_Color", "Soft_Stat", "Left"), "4845");
}

TEST_F(Frame, SystemCloseExactlyBecomesACloseRequest) {
  for (unsigned command : {0xF061u, 0xF020u, 0xF120u}) form.frame.FrameSystemCommand(command);
  EXPECT_TRUE(platform.calls.empty());
  form.frame.FrameSystemCommand(0xF060);
  EXPECT_EQ(platform.calls,
            (std::vector<std::string>{"MinimiseWindow", "HideWindow", "ModifyTrayIcon Velkaro Ver2.2.1"}));
}

TEST_F(Frame, ColourDialog) {
  platform.chosenColour = ComposeColor(18, 52, 86);
  form.MouseDown(form.系统调色板0, kLeft, 0, 5, 5);
  form.MouseUp(form.系统调色板0, kLeft, 0, 5, 5);
  EXPECT_EQ(form.Text_R.text + "," + form.Text_G.text + "," + form.Text_B.text, "18,52,86");
  EXPECT_EQ(form.Text_HSV_H.text, DecimalText(RgbToHsv(18, 52, 86).h));
  EXPECT_EQ(form.Color_TextBox[3].text, "5649426");
  EXPECT_EQ(form.系统调色板0.picture, P::系统调色板1);
  // The strips only zhuan draws keep the start colour.
  EXPECT_EQ(form.Picture8.surface.Get(form.Picture8.surface.Width() - 1, 1), ComposeColor(144, 196, 31));
  platform.chosenColour = kBlack;  // black is a colour too
  form.palette.调用系统调色板();
  EXPECT_EQ(form.Text_R.text + "," + form.Text_G.text + "," + form.Text_B.text, "0,0,0");
  platform.chosenColour.reset();  // cancel
  form.palette.调用系统调色板();
  EXPECT_EQ(form.Text_R.text + "," + form.Text_G.text + "," + form.Text_B.text, "0,0,0");
  EXPECT_EQ(form.Color_TextBox[5].text, "0,0,0");
}

TEST(About, TextHasNineLines) {
  const std::string text = AboutBox::AboutText();
  EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 9);
  EXPECT_EQ(text.substr(text.size() - 2), "\r\n");
  EXPECT_NE(text.find("\r\n\r\n我们的唯一域名:https://velkaro.example/\r\n"), std::string::npos);
  EXPECT_EQ(text.find("扫码给我们反馈问题，提出您的宝贵意见.\r\n"), text.size() - std::string("扫码给我们反馈问题，提出您的宝贵意见.\r\n").size());
}

// Red at every opening; then a sequence that is the same on every run, goes on across
// openings and never reaches 255 in any channel.
TEST(About, HeadlineColours) {
  FakeDialogs dialogs;
  AboutBox about(dialogs), again(dialogs);
  std::vector<ColorValue> first;
  dialogs.whileAboutOpen = [&](AboutBox& a) {
    a.Form_Load();
    EXPECT_EQ(a.headlineColour, ComposeColor(255, 0, 0));
    for (int i = 0; i < 5000; ++i) {
      a.Timer1_Timer();
      const Rgb c = SplitChannels(a.headlineColour);
      ASSERT_TRUE(c.r < 255 && c.g < 255 && c.b < 255);
      first.push_back(a.headlineColour);
    }
  };
  about.Show(false);
  std::vector<ColorValue> afterFirst = first;
  about.Show(false);  // continues
  EXPECT_NE(std::vector<ColorValue>(first.begin() + 5000, first.end()), afterFirst);
  first.clear();
  again.Show(false);  // a new run starts the same way
  EXPECT_EQ(first, afterFirst);
}

}  // namespace
}  // namespace velkaro
