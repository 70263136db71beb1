#include "colour_history.h"

#include <algorithm>

namespace velkaro {

namespace {
const std::string kApp = "Pelmora_Color", kSection = "Soft_Stat", kKey = "History";

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}
}  // namespace

std::string ColourHistory::Format(const std::vector<ColorValue>& items) {
  std::string text;
  for (const ColorValue c : items) {
    if (!text.empty()) text += ',';
    text += '#' + ColorToHtmlHex(c);
  }
  return text;
}

std::optional<std::vector<ColorValue>> ColourHistory::Parse(const std::string& text) {
  std::vector<ColorValue> items;
  if (text.empty()) return items;
  std::size_t at = 0;
  while (at <= text.size()) {
    const std::size_t end = std::min(text.find(',', at), text.size());
    const std::string_view part(text.data() + at, end - at);
    if (part.size() != 7 || part[0] != '#') return std::nullopt;
    int rgb[3];
    for (int i = 0; i < 3; ++i) {
      const int hi = HexDigit(part[1 + 2 * i]), lo = HexDigit(part[2 + 2 * i]);
      if (hi < 0 || lo < 0) return std::nullopt;
      rgb[i] = hi * 16 + lo;
    }
    const ColorValue c = ComposeColor(rgb[0], rgb[1], rgb[2]);
    if (std::find(items.begin(), items.end(), c) != items.end() || items.size() == kHistoryLength)
      return std::nullopt;
    items.push_back(c);
    at = end + 1;
  }
  return items;
}

void ColourHistory::Load() {
  items_ = Parse(settings_.GetSetting(kApp, kSection, kKey)).value_or(std::vector<ColorValue>{});
}

void ColourHistory::Store() { settings_.SaveSetting(kApp, kSection, kKey, Format(items_)); }

void ColourHistory::Clear() {
  items_.clear();
  Store();
}

void ColourHistory::Add(ColorValue colour) {
  if (colour < 0) return;
  const auto found = std::find(items_.begin(), items_.end(), colour);
  if (found == items_.begin() && !items_.empty()) return;  // already the newest: nothing to store
  if (found != items_.end()) items_.erase(found);
  items_.insert(items_.begin(), colour);
  if (items_.size() > kHistoryLength) items_.resize(kHistoryLength);
  Store();
}

}  // namespace velkaro
