#include <gtest/gtest.h>

#include "fake_platform.h"
#include "form1.h"
#include "rigs.h"

namespace velkaro {
namespace {

constexpr int kLeft = 1, kRight = 2, kMiddle = 4;

struct Frame : testing::Test {
  FakePlatform platform;
  Form1 form{platform};
  void SetUp() override {
    form.Initialise();
    platform.calls.clear();
  }
  std::vector<PictureId> Pictures() const {
    return {form.buttonPanel.about.picture, form.buttonPanel.colourDialog.picture, form.buttonPanel.minimise.picture, form.buttonPanel.close.picture};
  }
};

using P = PictureId;

// The image buttons alone.
struct Buttons : testing::Test {
  FakePlatform platform;
  FrameRig rig{platform};
  std::vector<PictureId> Pictures() const {
    return {rig.buttonPanel.about.picture, rig.buttonPanel.colourDialog.picture, rig.buttonPanel.minimise.picture,
            rig.buttonPanel.close.picture};
  }
  static void Move(Image& button, MouseEvent e) { button.onMouseMove(e); }
};

// One event on one button, from the resting pictures: what every button shows after it.
TEST_F(Buttons, ImageButtonMoves) {
  struct Case {
    const char* what;
    Image ButtonPanel::*button;
    int buttons;
    bool inFront;
    std::vector<PictureId> after;
    std::int16_t aboutState, paletteState;
  };
  const Case cases[] = {
      {"about, no button", &ButtonPanel::about, 0, true, {P::AboutHover, P::DialogRest, P::MinimiseRest, P::CloseRest}, 0, 0},
      {"about, left held", &ButtonPanel::about, kLeft, true, {P::AboutHover, P::DialogRest, P::MinimiseRest, P::CloseRest}, 1, 0},
      {"about, right held", &ButtonPanel::about, kRight, true, {P::AboutPressed, P::DialogRest, P::MinimiseRest, P::CloseRest}, 2, 0},
      {"about, behind", &ButtonPanel::about, kRight, false, {P::AboutRest, P::DialogRest, P::MinimiseRest, P::CloseRest}, 0, 0},
      {"palette, right held", &ButtonPanel::colourDialog, kRight, true, {P::AboutRest, P::DialogPressed, P::MinimiseRest, P::CloseRest}, 0, 2},
      {"palette, middle held", &ButtonPanel::colourDialog, kMiddle, true, {P::AboutRest, P::DialogHover, P::MinimiseRest, P::CloseRest}, 0, 4},
      {"minimise, no button", &ButtonPanel::minimise, 0, true, {P::AboutRest, P::DialogRest, P::MinimiseHover, P::CloseRest}, 0, 0},
      {"minimise, left held", &ButtonPanel::minimise, kLeft, true, {P::AboutRest, P::DialogRest, P::MinimisePressed, P::CloseRest}, 0, 0},
      {"minimise, right held", &ButtonPanel::minimise, kRight, true, {P::AboutRest, P::DialogRest, P::MinimiseHover, P::CloseRest}, 0, 0},
      {"close, left held", &ButtonPanel::close, kLeft, true, {P::AboutRest, P::DialogRest, P::MinimiseRest, P::ClosePressed}, 0, 0},
      {"close, no button", &ButtonPanel::close, 0, true, {P::AboutRest, P::DialogRest, P::MinimiseRest, P::CloseHover}, 0, 0},
      {"close, behind", &ButtonPanel::close, kLeft, false, {P::AboutRest, P::DialogRest, P::MinimiseRest, P::CloseRest}, 0, 0},
  };
  for (const Case& c : cases) {
    FakePlatform p;
    FrameRig f(p);
    p.foreground = c.inFront;
    Move(f.buttonPanel.*c.button, {c.buttons, 0, 5, 5});
    EXPECT_EQ((std::vector<PictureId>{f.buttonPanel.about.picture, f.buttonPanel.colourDialog.picture, f.buttonPanel.minimise.picture, f.buttonPanel.close.picture}),
              c.after)
        << c.what;
    EXPECT_EQ(f.frame.aboutButtonState, c.aboutState) << c.what;
    EXPECT_EQ(f.frame.dialogButtonState, c.paletteState) << c.what;
  }
}

TEST_F(Buttons, HoverMovesFromOneSquareToTheOther) {
  Move(rig.buttonPanel.close, {0, 0, 5, 5});
  Move(rig.buttonPanel.minimise, {0, 0, 5, 5});
  EXPECT_EQ(Pictures(), (std::vector<PictureId>{P::AboutRest, P::DialogRest, P::MinimiseHover, P::CloseRest}));
  Move(rig.buttonPanel.close, {0, 0, 5, 5});
  EXPECT_EQ(Pictures(), (std::vector<PictureId>{P::AboutRest, P::DialogRest, P::MinimiseRest, P::CloseHover}));
}

// The right button's pressed plate stays after the pointer leaves, until a release.
TEST_F(Frame, RightHeldPlateStaysPressedUntilTheRelease) {
  form.MouseMove(form.buttonPanel.about, {kRight, 0, 5, 5});
  form.MouseMove(form.magnifierPanel.view, {kRight, 0, 5, 5});  // a drag surface: RestImageButtons
  EXPECT_EQ(form.buttonPanel.about.picture, P::AboutPressed);
  form.HoverTick();
  EXPECT_EQ(form.buttonPanel.about.picture, P::AboutPressed);
  EXPECT_TRUE(form.frame.HoverPicturesAtRest());
  form.MouseUp(form.buttonPanel.about, {kRight, 0, 500, 5});  // released off the button: still its action
  form.RunDueModal();
  EXPECT_EQ(form.buttonPanel.about.picture, P::AboutRest);
  EXPECT_EQ(form.frame.aboutButtonState, 0);
  EXPECT_EQ(platform.calls.back(), "ShowAboutWindow");
}

TEST_F(Frame, ReleasesRunTheButtonsActions) {
  form.MouseDown(form.buttonPanel.minimise, {kLeft, 0, 5, 5});
  EXPECT_EQ(form.buttonPanel.minimise.picture, P::MinimisePressed);
  form.MouseUp(form.buttonPanel.minimise, {kLeft, 0, 5, 5});
  EXPECT_EQ(form.buttonPanel.minimise.picture, P::MinimiseHover);
  EXPECT_EQ(form.State(), WindowState::Minimised);
  EXPECT_EQ(std::count(platform.calls.begin(), platform.calls.end(), "HideWindow"), 0);

  form.Restored();
  platform.calls.clear();
  form.MouseDown(form.buttonPanel.close, {kMiddle, 0, 5, 5});
  form.MouseUp(form.buttonPanel.close, {kMiddle, 0, 5, 5});
  EXPECT_EQ(platform.calls,
            (std::vector<std::string>{"MinimiseWindow", "HideWindow", "ModifyTrayIcon Velkaro Ver2.2.1"}));
  EXPECT_EQ(form.buttonPanel.close.picture, P::CloseHover);
  EXPECT_FALSE(form.Shown());

  platform.calls.clear();
  form.MouseDown(form.buttonPanel.about, {kLeft, 0, 5, 5});
  EXPECT_EQ(form.buttonPanel.about.picture, P::AboutPressed);
  EXPECT_EQ(form.frame.aboutButtonState, 1);
  form.MouseUp(form.buttonPanel.about, {kLeft, 0, 5, 5});
  form.RunDueModal();
  EXPECT_EQ(platform.calls, std::vector<std::string>{"ShowAboutWindow"});  // no site from the button
}

TEST_F(Buttons, TickPutsHoverBackWhenThePointerLeavesOrTheWindowIsBehind) {
  platform.windowRect = {313, 264, 654, 495};
  rig.frame.RememberWindowRect();
  struct Case { Point pointer; bool inFront; PictureId close; };
  for (const Case c : {Case{{400, 300}, true, P::CloseHover}, {{100, 100}, true, P::CloseRest}, {{400, 300}, false, P::CloseRest}}) {
    Move(rig.buttonPanel.close, {0, 0, 5, 5});
    ASSERT_EQ(rig.buttonPanel.close.picture, P::CloseHover);
    platform.cursor = c.pointer;
    platform.foreground = c.inFront;
    rig.frame.HoverTick();
    EXPECT_EQ(rig.buttonPanel.close.picture, c.close) << c.pointer.x << " " << c.inFront;
    platform.foreground = true;
  }
}

TEST_F(Frame, DragSurfacesMoveTheWindowAndLabelsDoNot) {
  for (Control* c : std::initializer_list<Control*>{&form.eyedropperPanel.frame, &form.channelPanel.frame, &form.magnifierPanel.frame, &form.readoutPanel.hsvFrame,
                                                   &form.readoutPanel.hlsFrame, &form.readoutPanel.cmykFrame, &form.readoutPanel.labFrame, &form.stripPanel.tintStrip,
                                                   &form.stripPanel.inverseStrip, &form.stripPanel.shadeStrip, &form.magnifierPanel.view, &form.magnifierPanel.pointer}) {
    platform.calls.clear();
    form.MouseMove(*c, {kLeft, 0, 3, 3});
    EXPECT_EQ(platform.calls, std::vector<std::string>{"DragMainWindow"}) << c->name;
  }
  platform.calls.clear();
  form.BackgroundMouseMove();
  EXPECT_EQ(platform.calls, std::vector<std::string>{"DragMainWindow"});
  for (Control* c : std::initializer_list<Control*>{&form.channelPanel.labels[0], &form.tuningPanel.hue.label, &form.readoutPanel.hsvUnits[0], &form.notationPanel.frame,
                                                   &form.tuningPanel.frame}) {
    platform.calls.clear();
    form.MouseMove(*c, {kLeft, 0, 3, 3});
    EXPECT_TRUE(platform.calls.empty()) << c->name;
  }
}

// Every move saves the place, but only what changed reaches the store.
// Only the primary button drags the window: with it up (a hover, or the secondary button
// held, the left one when the user swapped them) the window stays.
TEST_F(Frame, OnlyThePrimaryButtonDrags) {
  for (const bool held : {true, false}) {
    platform.leftHeld = held;
    platform.calls.clear();
    form.MouseMove(form.magnifierPanel.view, {kLeft, 0, 3, 3});
    EXPECT_EQ(std::count(platform.calls.begin(), platform.calls.end(), "DragMainWindow"), held ? 1 : 0) << held;
  }
}

TEST_F(Frame, DragSavesOnlyChangedValues) {
  struct CountingSettings : FakePlatform {
    int writes = 0;
    bool SaveSetting(const std::string& a, const std::string& s, const std::string& k, const std::string& v) override {
      ++writes;
      return FakePlatform::SaveSetting(a, s, k, v);
    }
  } counting;
  Form1 f(counting);
  f.Initialise();
  f.MouseMove(f.magnifierPanel.view, {0, 0, 3, 3});
  EXPECT_EQ(counting.writes, 4);
  for (int i = 0; i < 10; ++i) f.MouseMove(f.magnifierPanel.view, {0, 0, 3, 3});
  EXPECT_EQ(counting.writes, 4);
  counting.windowRect.left += 10;
  f.MouseMove(f.magnifierPanel.view, {0, 0, 3, 3});
  EXPECT_EQ(counting.writes, 5);
  EXPECT_EQ(counting.GetSetting("Pelmora_Color", "Soft_Stat", "Left"), "4845");
}

TEST_F(Frame, SystemCloseExactlyBecomesACloseRequest) {
  form.frame.FrameSystemCommand(SystemCommand::Other);  // move, minimise, restore
  EXPECT_TRUE(platform.calls.empty());
  form.frame.FrameSystemCommand(SystemCommand::Close);
  EXPECT_EQ(platform.calls,
            (std::vector<std::string>{"MinimiseWindow", "HideWindow", "ModifyTrayIcon Velkaro Ver2.2.1"}));
}

TEST_F(Frame, ColourDialog) {
  platform.chosenColour = ComposeColor(18, 52, 86);
  form.MouseDown(form.buttonPanel.colourDialog, {kLeft, 0, 5, 5});
  platform.calls.clear();
  form.MouseUp(form.buttonPanel.colourDialog, {kLeft, 0, 5, 5});
  // The button is back at rest before the dialog runs: the window shows it so meanwhile.
  EXPECT_TRUE(form.ModalDue());
  EXPECT_EQ(form.buttonPanel.colourDialog.picture, P::DialogRest);
  EXPECT_TRUE(platform.calls.empty());
  form.RunDueModal();
  EXPECT_FALSE(form.ModalDue());
  EXPECT_EQ(platform.calls, std::vector<std::string>{"ChooseColour"});
  EXPECT_EQ(form.channelPanel.boxes[0].text + "," + form.channelPanel.boxes[1].text + "," + form.channelPanel.boxes[2].text, "18,52,86");
  EXPECT_EQ(form.readoutPanel.hsvHue.text, DecimalText(RgbToHsv(18, 52, 86).h));
  EXPECT_EQ(form.notationPanel.rows[3].text, "5649426");
  EXPECT_EQ(form.buttonPanel.colourDialog.picture, P::DialogRest);
  // The strips only ShowColour draws keep the start colour.
  EXPECT_EQ(form.tuningPanel.lightness.track.surface.Get(form.tuningPanel.lightness.track.surface.Width() - 1, 1), ComposeColor(144, 196, 31));
  platform.chosenColour = kBlack;  // black is a colour too
  form.palette.ChooseFromColourDialog();
  EXPECT_EQ(form.channelPanel.boxes[0].text + "," + form.channelPanel.boxes[1].text + "," + form.channelPanel.boxes[2].text, "0,0,0");
  platform.chosenColour.reset();  // cancel
  form.palette.ChooseFromColourDialog();
  EXPECT_EQ(form.channelPanel.boxes[0].text + "," + form.channelPanel.boxes[1].text + "," + form.channelPanel.boxes[2].text, "0,0,0");
  EXPECT_EQ(form.notationPanel.rows[5].text, "0,0,0");
}

// Asked again while it is open (the tray's menu still answers): the open window comes
// forward; no second one opens inside the first.
TEST(About, OneWindowAtATime) {
  FakePlatform platform;
  Form1 form(platform);
  form.Initialise();
  platform.whileAboutOpen = [&](AboutBox&) {
    platform.menuChoice = TrayMenuItem::About;
    form.TrayClicked(TrayClick::Right);  // the tray's "关于软件" while it is open
    form.RunDueModal();                  // as the window runs it, from the About window's loop
  };
  platform.calls.clear();
  form.MouseDown(form.buttonPanel.about, {kLeft, 0, 5, 5});
  form.MouseUp(form.buttonPanel.about, {kLeft, 0, 5, 5});
  form.RunDueModal();
  EXPECT_EQ(platform.calls, (std::vector<std::string>{"ShowAboutWindow", "BringMainWindowToFront", "PopUpTrayMenu",
                                                       "BringAboutWindowToFront"}));
  platform.whileAboutOpen = [](AboutBox&) {};
  platform.calls.clear();
  form.MouseUp(form.buttonPanel.about, {kLeft, 0, 5, 5});  // closed: the next request opens it again
  form.RunDueModal();
  EXPECT_EQ(platform.calls, std::vector<std::string>{"ShowAboutWindow"});
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
    a.Opened();
    EXPECT_EQ(a.headlineColour, ComposeColor(255, 0, 0));
    for (int i = 0; i < 5000; ++i) {
      a.HeadlineTick();
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
