// Any text in the zoom box, left by the focus: the zoom ends inside its scroll bar's range
// and the box says it.
#include "fuzz_common.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace velkaro;
  static fuzz::Started started;
  Form1& form = started.form;
  form.magnifier.txtZoom_GotFocus();
  form.txtZoom.text.assign(reinterpret_cast<const char*>(data), size);
  form.magnifier.txtZoom_LostFocus();
  const ScrollBar& bar = form.hsbZoom;
  fuzz::Require(bar.value >= bar.min && bar.value <= bar.max, "the zoom stays in range");
  fuzz::Require(form.txtZoom.text == DecimalText(bar.value) + "%", "the box shows the zoom: " + form.txtZoom.text);
  return 0;
}
