#include "channel_boxes.h"

#include <algorithm>

#include "number_text.h"

namespace velkaro {

namespace {
constexpr int kBackspace = 8;
constexpr int kEnterKey = 13;
constexpr int kShift = 1, kCtrl = 2;

// The keys whose release may follow a change of the text: digits (top row and keypad),
// Backspace and Delete, Enter, and the keyboard's paste and cut. Navigation and modifier
// keys (Tab arriving, arrows, Home, End, Shift, Ctrl, Ctrl+A) change nothing, and
// normalising on them would select and copy the box, losing the user's clipboard.
bool MayHaveChangedTheText(int keyCode, int shift) {
  constexpr int kDelete = 0x2E, kInsert = 0x2D, kNumpad0 = 0x60, kNumpad9 = 0x69;
  if ((keyCode >= '0' && keyCode <= '9') || (keyCode >= kNumpad0 && keyCode <= kNumpad9)) return true;
  if (keyCode == kBackspace || keyCode == kDelete || keyCode == kEnterKey) return true;
  if ((shift & kCtrl) != 0 && (keyCode == 'V' || keyCode == 'X')) return true;
  return (shift & kShift) != 0 && keyCode == kInsert;
}

std::string Trimmed(const std::string& t) {
  const auto first = t.find_first_not_of(" \t");
  if (first == std::string::npos) return {};
  return t.substr(first, t.find_last_not_of(" \t") - first + 1);
}

bool PlainDigits(const std::string& t) {
  return !t.empty() && std::all_of(t.begin(), t.end(), [](char c) { return c >= '0' && c <= '9'; });
}
}  // namespace

ChannelBoxes::ChannelBoxes(std::array<TextBox, 3>& boxes, Workspace& workspace)
    : boxes_(boxes), workspace_(workspace) {
  for (TextBox& box : boxes_) {
    box.onKeyPress = [](int& keyAscii) { ChannelKeyPress(keyAscii); };
    box.onKeyUp = [this, &box](int keyCode, int shift) {
      if (!MayHaveChangedTheText(keyCode, shift)) return;
      ChannelKeyUp(box, keyCode);
      if (keyCode == kEnterKey && valueConfirmed) valueConfirmed();
    };
    box.onTextChanged = [this, &box] { ChannelTextChanged(box); };
  }
}

bool ChannelBoxes::IsChannelBox(const TextBox& box) const {
  for (const TextBox& b : boxes_)
    if (&b == &box) return true;
  return false;
}

// Digits and backspace only; anything else is dropped without a sound.
void ChannelBoxes::ChannelKeyPress(int& keyAscii) {
  if (keyAscii != kBackspace && (keyAscii < '0' || keyAscii > '9')) keyAscii = 0;
}

// After every key the box is brought back into 0-255 ("0" and "255" are left selected, and
// copied, so the next digit replaces them) and the window shows the colour.
void ChannelBoxes::ChannelKeyUp(TextBox& box, int) {
  const std::string t = Trimmed(box.text);
  const double lead = LeadingNumber(t);
  if (t.empty() || lead <= 0) {
    box.text = "0";
    workspace_.SelectAllAndCopy(box);
  } else if (lead >= 255) {
    box.text = "255";
    workspace_.SelectAllAndCopy(box);
  } else if (!PlainDigits(box.text)) {
    // Pasted text such as "12a", "12.7" or " 7" keeps only its number: the box must read
    // 0-255, and the R,G,B row shows the boxes as they stand.
    box.text = DecimalText(RoundTiesToEven(lead));
  }
  workspace_.TintAndRefresh(LeadingWhole(boxes_[0].text), LeadingWhole(boxes_[1].text), LeadingWhole(boxes_[2].text));
}

// Text that arrived without a key (a paste from the context menu) passes no key filter:
// it gets the treatment of a key release, so the box ends with a channel value.
void ChannelBoxes::ChannelTextChanged(TextBox& box) { ChannelKeyUp(box, 0); }

}  // namespace velkaro
