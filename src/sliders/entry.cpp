// The channel entry boxes and the click-to-copy notation rows.
#include <algorithm>

#include "form1.h"
#include "leading_number.h"

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

std::int32_t LeadingChannel(const TextBox& box) {
  return static_cast<std::int32_t>(RoundTiesToEven(std::clamp(LeadingNumber(Trimmed(box.text)), -1e9, 1e9)));
}

// Characters as the box counts them: UTF-8 lead bytes.
int CharacterCount(const std::string& t) {
  return static_cast<int>(std::count_if(t.begin(), t.end(), [](char c) { return (c & 0xC0) != 0x80; }));
}
}  // namespace

// Digits and backspace only; anything else is dropped without a sound.
void Form1::Channel_KeyPress(TextBox&, int& KeyAscii) {
  if (KeyAscii != kBackspace && (KeyAscii < '0' || KeyAscii > '9')) KeyAscii = 0;
}

// After every key the box is brought back into 0-255 ("0" and "255" are left selected, and
// copied, so the next digit replaces them) and the window shows the colour.
void Form1::Channel_KeyUp(TextBox& box, int, int) {
  const std::string t = Trimmed(box.text);
  const double lead = LeadingNumber(t);
  if (t.empty() || lead <= 0) {
    box.text = "0";
    全选(box);
  } else if (lead >= 255) {
    box.text = "255";
    全选(box);
  } else if (!PlainDigits(t)) {
    // Pasted text such as "12a" or "12.7" keeps only its number: the box must read 0-255.
    box.text = DecimalText(RoundTiesToEven(lead));
  }
  文本颜色(LeadingChannel(Text_R), LeadingChannel(Text_G), LeadingChannel(Text_B));
  RefreshValues();
}

// Text that arrived without a key (a paste from the context menu) passes no key filter:
// it gets the treatment of a key release, so the box ends with a channel value.
void Form1::Channel_Change(TextBox& box) { Channel_KeyUp(box, 0, 0); }

void Form1::Color_TextBox_MouseUp(int Index, int, int, float, float) { 全选(Color_TextBox[Index]); }

void Form1::全选(TextBox& box) {
  box.selStart = 0;
  box.selLength = CharacterCount(box.text);
  ++box.selections;
  platform_.SetClipboardText(box.text);
}

}  // namespace velkaro
