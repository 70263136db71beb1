// Any text in the zoom box, left by the focus: the zoom ends inside its scroll bar's range
// and the box says it.
#include "fuzz_common.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace velkaro;
  static fuzz::Started started;
  Form1& form = started.form;
  form.magnifier.ZoomBoxFocused();
  form.zoomPanel.box.text.assign(reinterpret_cast<const char*>(data), size);
  form.magnifier.ZoomBoxLeft();
  const ScrollBar& bar = form.zoomPanel.bar;
  fuzz::Require(bar.value >= bar.min && bar.value <= bar.max, "the zoom stays in range");
  fuzz::Require(form.zoomPanel.box.text == DecimalText(bar.value) + "%", "the box shows the zoom: " + form.zoomPanel.box.text);
  return 0;
}
