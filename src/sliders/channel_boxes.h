// The channel entry boxes: digits only while typing, and after every key or paste the box
// is brought back into 0-255 and the window shows the colour.
#pragma once

#include <array>
#include <functional>

#include "controls.h"
#include "workspace.h"

namespace velkaro {

class ChannelBoxes {
 public:
  ChannelBoxes(std::array<TextBox, 3>& boxes, Workspace& workspace);

  bool IsChannelBox(const TextBox& box) const;
  static void ChannelKeyPress(int& keyAscii);
  void ChannelKeyUp(TextBox& box, int keyCode);
  void ChannelTextChanged(TextBox& box);  // a change that no key made: a paste
  // Enter confirmed a typed value.
  std::function<void()> valueConfirmed;

 private:
  std::array<TextBox, 3>& boxes_;
  Workspace& workspace_;
};

}  // namespace velkaro
