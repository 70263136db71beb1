// Text read as a number the lenient way, as every box of the window reads its text: up to
// the first character that cannot continue a number. "800%" is 800, "007" is 7, "12a" is
// 12, "12.7" is 12.7, an empty or non-numeric start is 0.
#pragma once

#include <algorithm>
#include <cstdint>
#include <string_view>

#include "colour.h"

namespace velkaro {

inline double LeadingNumber(std::string_view t) {
  std::size_t i = 0;
  while (i < t.size() && (t[i] == ' ' || t[i] == '\t')) ++i;
  double sign = 1;
  if (i < t.size() && (t[i] == '-' || t[i] == '+')) sign = t[i++] == '-' ? -1 : 1;
  double value = 0;
  for (; i < t.size() && t[i] >= '0' && t[i] <= '9'; ++i) value = value * 10 + (t[i] - '0');
  if (i < t.size() && t[i] == '.') {
    double scale = 0.1;
    for (++i; i < t.size() && t[i] >= '0' && t[i] <= '9'; ++i, scale /= 10) value += (t[i] - '0') * scale;
  }
  return sign * value;
}

// The leading number rounded to a whole one (ties to even), held within +-1e9.
inline std::int32_t LeadingWhole(std::string_view t) {
  return static_cast<std::int32_t>(RoundTiesToEven(std::clamp(LeadingNumber(t), -1e9, 1e9)));
}

// A channel as a box holds it: the whole part of its leading number, within 0-255. Pasted
// junk thus still counts as a colour.
inline std::int32_t LeadingChannel(std::string_view t) {
  return static_cast<std::int32_t>(std::clamp(LeadingNumber(t), 0.0, 255.0));
}

}  // namespace velkaro
