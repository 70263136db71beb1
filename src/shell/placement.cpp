// Where the window was: saved on every move over a drag surface, restored at start-up,
// and the pixel-to-twip conversion of the sliders.
#include <cmath>
#include <cstdio>

#include "form1.h"

namespace velkaro {

namespace {
const std::string kApp = "Pelmora_Color", kSection = "Soft_Stat";
constexpr float kTwipsPerInch = 1440;
constexpr int kTitleBandRows = 38;
constexpr int kIconCritical = 16;

// A float as its shortest text of up to seven significant digits, whole numbers without
// a decimal part: the form earlier versions wrote.
std::string SingleText(float v) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.7g", static_cast<double>(v));
  return buf;
}

// The stored text as a number; anything else (a hand-edited value) counts as missing.
std::optional<float> StoredNumber(const std::string& text) {
  if (text.empty()) return std::nullopt;
  std::string t = text;
  for (char& c : t)
    if (c == ',') c = '.';  // written under a locale with a decimal comma
  char* end = nullptr;
  const double v = std::strtod(t.c_str(), &end);
  while (end && (*end == ' ' || *end == '\t')) ++end;
  if (!end || *end != '\0' || !std::isfinite(v) || std::fabs(v) > 1e9) return std::nullopt;
  return static_cast<float>(v);
}

bool Overlaps(const ScreenRect& a, const ScreenRect& b) {
  return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height &&
         b.top < a.top + a.height;
}
}  // namespace

TwipRect Form1::FormPlacement() {
  const ScreenRect r = platform_.MainWindowRect();
  auto f = [](int v) { return static_cast<float>(v); };
  return {f(r.left) * twipsPerPixelX_, f(r.top) * twipsPerPixelY_, f(r.width) * twipsPerPixelX_,
          f(r.height) * twipsPerPixelY_};
}

void Form1::SavePlacement() {
  const TwipRect r = FormPlacement();
  for (const auto& [key, value] : {std::pair{"Left", r.left}, {"Top", r.top}, {"Width", r.width},
                                   {"Height", r.height}})
    if (!platform_.SaveSetting(kApp, kSection, key, SingleText(value))) return;
}

void Form1::RestorePlacement() {
  const auto L = StoredNumber(platform_.GetSetting(kApp, kSection, "Left"));
  const auto T = StoredNumber(platform_.GetSetting(kApp, kSection, "Top"));
  const auto W = StoredNumber(platform_.GetSetting(kApp, kSection, "Width"));
  const auto H = StoredNumber(platform_.GetSetting(kApp, kSection, "Height"));
  const TwipRect now = FormPlacement();
  const ScreenRect current = platform_.MainWindowRect();
  bool centre = !L || !T || !W || !H || *W != now.width || *H != now.height;
  ScreenRect stored{};
  if (!centre) {
    stored = {static_cast<int>(std::lround(*L / twipsPerPixelX_)), static_cast<int>(std::lround(*T / twipsPerPixelY_)),
              current.width, current.height};
    // A window none of whose title band is on a monitor (one since unplugged, a value
    // edited by hand) could never be reached again: such a place is not used.
    const ScreenRect band{stored.left, stored.top, stored.width, PixelsY(kTitleBandRows * 15.0f)};
    bool reachable = false;
    for (const ScreenRect& m : platform_.Monitors()) reachable = reachable || Overlaps(band, m);
    centre = !reachable;
  }
  if (centre) {
    const ScreenRect screen = platform_.PrimaryScreen();
    const float left = (static_cast<float>(screen.width) * twipsPerPixelX_ - now.width) / 2;
    const float top = (static_cast<float>(screen.height) * twipsPerPixelY_ - now.height) / 2;
    stored = {screen.left + static_cast<int>(std::lround(left / twipsPerPixelX_)),
              screen.top + static_cast<int>(std::lround(top / twipsPerPixelY_)), current.width, current.height};
  }
  platform_.MoveMainWindow(stored);
}

std::int32_t Form1::PixelsToTwips(float value, float axis) {
  const int dpi = axis == 0.0f ? platform_.DpiX() : platform_.DpiY();
  const auto fail = [this](int number, const char* description) {
    platform_.ShowMessage(description, "Error: " + std::to_string(number), kIconCritical);
    return 0;
  };
  if (dpi == 0) return fail(11, "Division by zero");
  const auto twips = RoundHalfEven<std::int32_t>(static_cast<double>(value) * kTwipsPerInch / dpi);
  if (!twips) return fail(6, "Overflow");
  return *twips;
}

}  // namespace velkaro
