// The channel entry boxes: digits only while typing, and after every key or paste the box
// is brought back into 0-255 and the window shows the colour.
#pragma once

#include "controls.h"
#include "workspace.h"

namespace velkaro {

class ChannelBoxes {
 public:
  ChannelBoxes(TextBox& red, TextBox& green, TextBox& blue, Workspace& workspace)
      : Text_R(red), Text_G(green), Text_B(blue), workspace_(workspace) {}

  bool IsChannelBox(const TextBox& box) const { return &box == &Text_R || &box == &Text_G || &box == &Text_B; }
  void Channel_KeyPress(TextBox& box, int& KeyAscii);
  void Channel_KeyUp(TextBox& box, int KeyCode, int Shift);
  void Channel_Change(TextBox& box);  // a change that no key made: a paste

 private:
  TextBox &Text_R, &Text_G, &Text_B;
  Workspace& workspace_;
};

}  // namespace velkaro
