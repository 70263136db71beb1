// Text read as a number the lenient way: up to the first character that cannot continue
// one. "800%" is 800, "007" is 7, "12a" is 12, an empty or non-numeric start is 0.
#pragma once

#include <string_view>

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

}  // namespace velkaro
