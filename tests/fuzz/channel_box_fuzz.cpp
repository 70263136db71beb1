// Any text in a channel box, arriving by a key release or by a paste: the box ends as a
// decimal 0-255 and every readout shows the colour of the three boxes.
#include "fuzz_common.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace velkaro;
  static fuzz::Started started;
  Form1& form = started.form;
  if (size == 0) return 0;
  TextBox* boxes[] = {&form.channelPanel.boxes[0], &form.channelPanel.boxes[1], &form.channelPanel.boxes[2]};
  TextBox& box = *boxes[data[0] % 3];
  const bool paste = data[0] & 4;
  box.text.assign(reinterpret_cast<const char*>(data + 1), size - 1);
  if (paste)
    form.TextChanged(box);
  else  // the text arrived by typing: the release of a key that edits (a digit, Backspace, Delete)
    form.KeyUp(box, (data[0] >> 3) % 12 < 10 ? '0' + (data[0] >> 3) % 12 : (data[0] >> 3) % 12 == 10 ? 8 : 0x2E, 0);
  for (const TextBox* b : boxes) fuzz::Require(fuzz::IsChannelText(b->text), b->name + " holds a channel value");
  fuzz::RequireReadoutsOfCurrentColour(form);
  return 0;
}
