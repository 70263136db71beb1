#include <gtest/gtest.h>

#include <functional>

#include "fake_platform.h"
#include "form1.h"

namespace velkaro {
namespace {

struct Placement : testing::Test {
  FakePlatform platform;
  void Store(const char* key, const char* value) { platform.settings[std::string("Pelmora_Color\\Soft_Stat\\") + key] = value; }
  void StoreAll(const char* left, const char* top, const char* width = "9810", const char* height = "7425") {
    Store("Left", left);
    Store("Top", top);
    Store("Width", width);
    Store("Height", height);
  }
  ScreenRect Start() {
    Form1 form(platform);
    form.Initialise();
    return platform.windowRect;
  }
};

TEST_F(Placement, WhereTheWindowStarts) {
  struct Case { const char* name; std::function<void(Placement&)> stored; int left, top; };
  const Case cases[] = {
      {"first run", [](Placement&) {}, 313, 265},
      {"only Left", [](Placement& p) { p.Store("Left", "1500"); }, 313, 265},
      {"another size", [](Placement& p) { p.StoreAll("1500", "1200", "9000"); }, 313, 265},
      {"not a number", [](Placement& p) { p.StoreAll("abc", "1200"); }, 313, 265},
      {"off every screen", [](Placement& p) { p.StoreAll("-90000", "1200"); }, 313, 265},
      {"stored", [](Placement& p) { p.StoreAll("1500", "1200"); }, 100, 80},
      {"second monitor", [](Placement& p) { p.StoreAll("21000", "150"); }, 1400, 10},
      {"monitor left of the primary", [](Placement& p) { p.StoreAll("-15000", "300"); }, -1000, 20},
      {"half off the screen, title band on it", [](Placement& p) { p.StoreAll("-6000", "-300"); }, -400, -20},
      {"title band above every screen", [](Placement& p) { p.StoreAll("1500", "-900"); }, 313, 265},
  };
  for (const Case& c : cases) {
    platform.settings.clear();
    platform.monitors = {{0, 0, 1280, 1024}, {1280, 0, 1920, 1080}, {-1920, 0, 1920, 1080}};
    c.stored(*this);
    const ScreenRect r = Start();
    EXPECT_EQ(r.left, c.left) << c.name;
    EXPECT_EQ(r.top, c.top) << c.name;
  }
}

// Saved at one start, restored at the next, at every density from 96 to 288 dpi; a size
// a pixel off still centres.
TEST(PlacementRoundTrip, EveryDensity) {
  for (int dpi = 96; dpi <= 288; ++dpi) {
    FakePlatform platform;
    platform.dpi = dpi;
    const Units units(dpi, dpi);
    platform.monitors = {{0, 0, 4000, 3000}};
    platform.windowRect = {0, 0, units.ScaledX(kClientWidthPx), units.ScaledY(kClientHeightPx)};
    {
      Form1 form(platform);
      form.Initialise();
      platform.windowRect.left = 123;
      platform.windowRect.top = 45;
      form.MouseMove(form.magnifierPanel.view, {0, 0, 1, 1});  // saves
    }
    for (const int wider : {0, 1}) {
      platform.windowRect = {0, 0, units.ScaledX(kClientWidthPx) + wider, units.ScaledY(kClientHeightPx)};
      Form1 form(platform);
      form.Initialise();
      const bool restored = platform.windowRect.left == 123 && platform.windowRect.top == 45;
      ASSERT_EQ(restored, wider == 0) << dpi << " dpi, " << wider << " px wider";
    }
  }
}

TEST_F(Placement, MovesOverADragSurfaceStoreTheWindow) {
  Form1 form(platform);
  form.Initialise();
  platform.windowRect = {100, 80, 654, 495};
  form.MouseMove(form.magnifierPanel.view, {0, 0, 5, 5});
  EXPECT_EQ(platform.GetSetting("Pelmora_Color", "Soft_Stat", "Left"), "1500");
  EXPECT_EQ(platform.GetSetting("Pelmora_Color", "Soft_Stat", "Top"), "1200");
  EXPECT_EQ(platform.GetSetting("Pelmora_Color", "Soft_Stat", "Width"), "9810");
  EXPECT_EQ(platform.GetSetting("Pelmora_Color", "Soft_Stat", "Height"), "7425");
  // Not while minimised.
  bool cancel;
  form.Unload(cancel);
  platform.windowRect = {0, 0, 654, 495};
  form.MouseMove(form.magnifierPanel.view, {0, 0, 5, 5});
  EXPECT_EQ(platform.GetSetting("Pelmora_Color", "Soft_Stat", "Left"), "1500");
}

}  // namespace
}  // namespace velkaro
