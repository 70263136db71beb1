#include "placement.h"

#include <cmath>
#include <cstdio>

namespace velkaro {

namespace {
const std::string kApp = "Pelmora_Color", kSection = "Soft_Stat";

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

TwipRect Placement::FormPlacement() {
  const float tx = units_.TwipsPerPixelX(), ty = units_.TwipsPerPixelY();
  const ScreenRect r = window_.MainWindowRect();
  auto f = [](int v) { return static_cast<float>(v); };
  return {f(r.left) * tx, f(r.top) * ty, f(r.width) * tx,
          f(r.height) * ty};
}

void Placement::SavePlacement() {
  const TwipRect r = FormPlacement();
  const std::pair<const char*, float> values[] = {{"Left", r.left}, {"Top", r.top}, {"Width", r.width},
                                                  {"Height", r.height}};
  for (std::size_t i = 0; i < saved_.size(); ++i) {
    std::string text = SingleText(values[i].second);
    if (text == saved_[i]) continue;
    if (!settings_.SaveSetting(kApp, kSection, values[i].first, text)) return;
    saved_[i] = std::move(text);
  }
}

void Placement::RestorePlacement() {
  const auto L = StoredNumber(settings_.GetSetting(kApp, kSection, "Left"));
  const auto T = StoredNumber(settings_.GetSetting(kApp, kSection, "Top"));
  const auto W = StoredNumber(settings_.GetSetting(kApp, kSection, "Width"));
  const auto H = StoredNumber(settings_.GetSetting(kApp, kSection, "Height"));
  const float tx = units_.TwipsPerPixelX(), ty = units_.TwipsPerPixelY();
  const TwipRect now = FormPlacement();
  const ScreenRect current = window_.MainWindowRect();
  // The stored size is this window's when it gives the same pixels at this density: where a
  // pixel is not a whole number of twips the seven-digit text of the size does not read
  // back as the same float, and the place would never be restored.
  bool centre = !L || !T || !W || !H || units_.PixelsX(*W) != current.width || units_.PixelsY(*H) != current.height;
  ScreenRect stored{};
  if (!centre) {
    stored = {static_cast<int>(std::lround(*L / tx)), static_cast<int>(std::lround(*T / ty)),
              current.width, current.height};
    // A window none of whose title band is on a monitor (one since unplugged, a value
    // edited by hand) could never be reached again: such a place is not used.
    const ScreenRect band{stored.left, stored.top, stored.width, units_.ScaledY(kTitleBandRows)};
    bool reachable = false;
    for (const ScreenRect& m : screen_.Monitors()) reachable = reachable || Overlaps(band, m);
    centre = !reachable;
  }
  if (centre) {
    const ScreenRect screen = screen_.PrimaryScreen();
    const float left = (static_cast<float>(screen.width) * tx - now.width) / 2;
    const float top = (static_cast<float>(screen.height) * ty - now.height) / 2;
    stored = {screen.left + static_cast<int>(std::lround(left / tx)),
              screen.top + static_cast<int>(std::lround(top / ty)), current.width, current.height};
  }
  window_.MoveMainWindow(stored);
}

}  // namespace velkaro
