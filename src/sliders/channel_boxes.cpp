#include "channel_boxes.h"

#include <algorithm>

#include "number_text.h"

namespace velkaro {

namespace {
constexpr int kBackspace = 8;

std::string Trimmed(const std::string& t) {
  const auto first = t.find_first_not_of(" \t");
  if (first == std::string::npos) return {};
  return t.substr(first, t.find_last_not_of(" \t") - first + 1);
}

bool PlainDigits(const std::string& t) {
  return !t.empty() && std::all_of(t.begin(), t.end(), [](char c) { return c >= '0' && c <= '9'; });
}
}  // namespace

// Digits and backspace only; anything else is dropped without a sound.
void ChannelBoxes::Channel_KeyPress(TextBox&, int& KeyAscii) {
  if (KeyAscii != kBackspace && (KeyAscii < '0' || KeyAscii > '9')) KeyAscii = 0;
}

// After every key the box is brought back into 0-255 ("0" and "255" are left selected, and
// copied, so the next digit replaces them) and the window shows the colour.
void ChannelBoxes::Channel_KeyUp(TextBox& box, int, int) {
  const std::string t = Trimmed(box.text);
  const double lead = LeadingNumber(t);
  if (t.empty() || lead <= 0) {
    box.text = "0";
    workspace_.全选(box);
  } else if (lead >= 255) {
    box.text = "255";
    workspace_.全选(box);
  } else if (!PlainDigits(box.text)) {
    // Pasted text such as "12a", "12.7" or " 7" keeps only its number: the box must read
    // 0-255, and the R,G,B row shows the boxes as they stand.
    box.text = DecimalText(RoundTiesToEven(lead));
  }
  workspace_.文本颜色(LeadingWhole(Text_R.text), LeadingWhole(Text_G.text), LeadingWhole(Text_B.text));
  workspace_.RefreshValues();
}

// Text that arrived without a key (a paste from the context menu) passes no key filter:
// it gets the treatment of a key release, so the box ends with a channel value.
void ChannelBoxes::Channel_Change(TextBox& box) { Channel_KeyUp(box, 0, 0); }

}  // namespace velkaro
