// The colours the user settled on lately: the end of a pick, a colour dialog's choice, a
// value typed into a channel box and confirmed with Enter. Newest first, no repeats, at
// most 16; kept across runs as one text value beside the window's placement.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "colour.h"
#include "platform.h"

namespace velkaro {

inline constexpr std::size_t kHistoryLength = 16;

class ColourHistory {
 public:
  explicit ColourHistory(SettingsStore& settings) : settings_(settings) {}
  void Load();                 // a damaged stored value counts as empty
  void Add(ColorValue colour); // moved to the front if already there; stored at once
  void Clear();                // stored at once
  const std::vector<ColorValue>& Items() const { return items_; }

  // The stored form: "#RRGGBB" texts separated by commas, newest first.
  static std::string Format(const std::vector<ColorValue>& items);
  // The colours of a stored value, or nothing when any part of it is damaged.
  static std::optional<std::vector<ColorValue>> Parse(const std::string& text);

 private:
  void Store();
  SettingsStore& settings_;
  std::vector<ColorValue> items_;
};

}  // namespace velkaro
