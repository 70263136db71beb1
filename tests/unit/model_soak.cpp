// A soak of the window model: random events on Form1 with the fake platform, as the view
// would deliver them (a pressed control keeps the mouse until its last button is up),
// and after every event the program's own invariants:
//   - the channel boxes hold whole decimal numbers 0-255 once no key is being typed;
//   - every readout equals the conversion of the current colour, while the window shows;
//   - no pointer confinement outlives the buttons that started it.
// Now and then the program starts again at another density, reading the place it stored.
// Usage: model_soak [seed] [events] [dpi]. Prints the seed and the event on a failure.
#include <cstdio>
#include <algorithm>
#include <cstdlib>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "fake_platform.h"
#include "form1.h"

using namespace velkaro;

namespace {

constexpr int kLeft = 1, kRight = 2, kMiddle = 4;

class Soak {
 public:
  Soak(std::uint32_t seed, int dpi) : rng_(seed) {
    platform_.screen = [](Point p) { return ComposeColor(p.x * 7 & 0xFF, p.y * 13 & 0xFF, (p.x ^ p.y) & 0xFF); };
    Start(dpi);
  }

  // One random event; returns what it was, for the report. A window that comes back from
  // minimised gets the view's restore notice, as WM_SIZE brings it.
  std::string Step() {
    const WindowState before = form_->State();
    std::string event = AnyEvent();
    if (form_ && before == WindowState::Minimised && form_->State() == WindowState::Normal)
      form_->Restored();
    // As the window does after each message: the due picture, the due modal window.
    if (form_) {
      form_->TakeDuePicture();
      form_->RunDueModal();
    }
    return event;
  }

  std::string AnyEvent() {
    platform_.calls.clear();
    // A hidden window gets no pointer or keyboard input and opens no dialog.
    const bool showing = form_->Shown() && form_->State() == WindowState::Normal;
    if (Pick(5000) == 0) return Restart();
    if (Pick(40) == 0) return Hotkey();
    switch (showing ? Pick(12) : 6 + Pick(2) * 4) {
      case 0: case 1: case 2: case 3: return Mouse();
      case 4: return Key();
      case 5: return Paste();
      case 6: form_->HoverTick(); return "timer tick";
      case 7: return Pointer();
      case 8: {
        const int zoom = 25 + Pick(976);
        form_->magnifier.SetZoomValue(zoom);
        return "zoom " + std::to_string(zoom);
      }
      case 9: return Dialog();
      case 10: return Command();
      default: return LoseCapture();
    }
  }

  int restarts = 0;

  // Empty when every invariant holds, else what failed.
  std::string Check() const {
    if (restartedOffScreen_) return "the window opened off the screen";
    if (typing_) return "";
    for (const TextBox* box : {&form_->channelPanel.boxes[0], &form_->channelPanel.boxes[1], &form_->channelPanel.boxes[2]})
      if (!IsChannelText(box->text)) return box->name + " holds \"" + box->text + "\"";
    if (held_ == 0 && platform_.clip) return "the pointer stays confined with no button held";
    if (form_->State() != WindowState::Normal) return "";
    const ColorValue c = form_->workspace.CurrentColour();
    const Readouts o = ComputeReadouts(static_cast<std::uint8_t>(c & 0xFF), static_cast<std::uint8_t>(c >> 8 & 0xFF),
                                       static_cast<std::uint8_t>(c >> 16 & 0xFF));
    const std::pair<const TextBox*, std::string> expected[] = {
        {&form_->readoutPanel.hsvHue, DecimalText(o.hsv.h)},  {&form_->readoutPanel.hsvSaturation, DecimalText(o.hsv.s)},
        {&form_->readoutPanel.hsvValue, DecimalText(o.hsv.v)},  {&form_->readoutPanel.hlsHue, DecimalText(o.hsl.h)},
        {&form_->readoutPanel.hlsLightness, DecimalText(o.hsl.l)},  {&form_->readoutPanel.hlsSaturation, DecimalText(o.hsl.s)},
        {&form_->readoutPanel.cyan, DecimalText(o.cmyk.c)}, {&form_->readoutPanel.key, DecimalText(o.cmyk.k)},
        {&form_->readoutPanel.labLightness, DecimalText(o.lab.l)},  {&form_->readoutPanel.labB, DecimalText(o.lab.b)},
        {&form_->stripPanel.inverseBox, o.inverse.str()}};  // the notation rows are edits a user may type into
    for (const auto& [box, text] : expected)
      if (box->text != text) return box->name + " reads \"" + box->text + "\", the colour gives \"" + text + "\"";
    return "";
  }

 private:
  int Pick(int n) { return static_cast<int>(rng_() % static_cast<std::uint32_t>(n)); }

  // Digits only, worth 0-255; leading zeros a user typed stay ("05" is 5).
  static bool IsChannelText(const std::string& t) {
    if (t.empty()) return false;
    long value = 0;
    for (char ch : t) {
      if (ch < '0' || ch > '9') return false;
      value = std::min(value * 10 + (ch - '0'), 1000L);
    }
    return value <= 255;
  }

  Control& AnyControl() {
    const auto& all = form_->Controls();
    return *all[static_cast<std::size_t>(Pick(static_cast<int>(all.size())))];
  }

  std::string Mouse() {
    // A hotkey pick has the mouse: moves pick, a left press ends it, a right press cancels.
    if (form_->eyedropper.HotkeyPicking() && !captured_) {
      switch (Pick(4)) {
        case 0: form_->EndHotkeyPick(true); return "hotkey pick: left press";
        case 1: form_->EndHotkeyPick(false); return "hotkey pick: right press";
        default: {
          Pointer();
          const int shift = Pick(8);
          form_->eyedropper.HotkeyPickMove(shift);
          return "hotkey pick: move, keys " + std::to_string(shift);
        }
      }
    }
    Control& target = captured_ ? *captured_ : AnyControl();
    const ScreenRect r = form_->units.ClientPixels(target);
    const auto x = static_cast<float>(Pick(r.width + 40) - 20), y = static_cast<float>(Pick(r.height + 40) - 20);
    const int button = Pick(3) == 0 ? kRight : Pick(5) == 0 ? kMiddle : kLeft;
    std::string what = target.name + " (" + std::to_string(static_cast<int>(x)) + "," +
                       std::to_string(static_cast<int>(y)) + ")";
    switch (Pick(4)) {
      case 0:
        if (held_ & button) return "nothing";
        if (!captured_) captured_ = &target;
        held_ |= button;
        form_->MouseDown(target, {button, 0, x, y});
        return "down " + std::to_string(button) + " on " + what;
      case 1:
        if (!(held_ & button)) return "nothing";
        held_ &= ~button;
        if (held_ == 0) captured_ = nullptr;
        form_->MouseUp(target, {button, 0, x, y});
        return "up " + std::to_string(button) + " on " + what;
      default:
        form_->MouseMove(target, {held_, 0, x, y});
        return "move " + std::to_string(held_) + " over " + what;
    }
  }

  // A box that takes typing and pasting: the read-only ones refuse both.
  TextBox& AnyBox() {
    std::vector<TextBox*> boxes;
    for (Control* c : form_->Controls())
      if (c->kind == ControlKind::TextBox && !static_cast<TextBox*>(c)->readOnly) boxes.push_back(static_cast<TextBox*>(c));
    return *boxes[static_cast<std::size_t>(Pick(static_cast<int>(boxes.size())))];
  }

  // A key as an edit takes it: the press may be cancelled, then the edit changes its text.
  std::string Key() {
    TextBox* channels[] = {&form_->channelPanel.boxes[0], &form_->channelPanel.boxes[1], &form_->channelPanel.boxes[2]};
    TextBox& box = Pick(2) ? AnyBox() : *channels[Pick(3)];
    static const int keys[] = {'0', '1', '2', '5', '9', 'a', '-', ' ', 8, 8, 3, 22, 13, 27};
    int key = keys[Pick(static_cast<int>(std::size(keys)))];
    const int pressed = key;
    typing_ = true;
    form_->KeyPress(box, key);
    if (key == 8 && !box.text.empty()) {
      box.text.pop_back();
      form_->TextChanged(box);
    } else if (key >= ' ') {
      box.text += static_cast<char>(key);
      form_->TextChanged(box);
    }
    form_->KeyUp(box, pressed >= 'a' && pressed <= 'z' ? pressed - 32 : pressed, 0);
    typing_ = false;
    return "key " + std::to_string(pressed) + " in " + box.name;
  }

  std::string Paste() {
    TextBox& box = AnyBox();
    static const char* texts[] = {"", "0", "255", "256", "99999", "-1", "12a", "abc", "  7", "1e3", "３", "\x1B[2J", "00"};
    box.text = texts[Pick(static_cast<int>(std::size(texts)))];
    form_->TextChanged(box);
    return "paste \"" + box.text + "\" into " + box.name;
  }

  std::string Pointer() {
    const Point p{Pick(3000) - 500, Pick(2000) - 300};
    platform_.cursor = Pick(20) ? std::optional<Point>(p) : std::nullopt;
    platform_.screenReadable = Pick(10) != 0;
    platform_.leftHeld = (held_ & kLeft) != 0;
    return "pointer to " + std::to_string(p.x) + "," + std::to_string(p.y);
  }

  std::string Dialog() {
    platform_.chosenColour =
        Pick(3) ? std::optional<ColorValue>(static_cast<ColorValue>(rng_() & 0xFFFFFF)) : std::nullopt;
    form_->palette.ChooseFromColourDialog();
    return "colour dialog";
  }

  std::string Command() {
    static const char* commands[] = {kCommandMinimise, kCommandShow, kCommandOpenCmd, "显示 ", "", "\xFF\xFE", "?"};
    if (Pick(2)) {
      int cancel = 0;
      const std::string command = commands[Pick(static_cast<int>(std::size(commands)))];
      form_->commands.CommandReceived(command, cancel);
      return "command \"" + command + "\"";
    }
    // Of six mouse messages over the icon, only the left and the right release do anything.
    static const TrayClick clicks[] = {TrayClick::Other, TrayClick::Left, TrayClick::Other,
                                       TrayClick::Other, TrayClick::Right, TrayClick::Other};
    static const char* names[] = {"left press", "left release", "left double click", "right press", "right release", "move"};
    const int which = Pick(static_cast<int>(std::size(clicks)));
    static const TrayMenuItem choices[] = {TrayMenuItem::None,         TrayMenuItem::About,
                                           TrayMenuItem::Recent,       TrayMenuItem::ExportRecent,
                                           TrayMenuItem::ClearRecent,  TrayMenuItem::Topmost,
                                           TrayMenuItem::StartWithWindows, TrayMenuItem::CopyForm};
    platform_.menuChoice = choices[Pick(static_cast<int>(std::size(choices)))];
    platform_.recentChoice = static_cast<std::size_t>(Pick(18));  // sometimes past the list's end
    platform_.formChoice = static_cast<std::size_t>(Pick(12));    // and past the forms' end
    platform_.confirmAnswer = Pick(2) == 0;
    platform_.saveChoice = Pick(3) == 0 ? std::nullopt
                                        : std::optional<DialogServices::SaveChoice>({"C:\\p", static_cast<std::size_t>(Pick(5))});
    platform_.writeFailure = Pick(4) == 0 ? std::optional<std::string>("磁盘已满。") : std::nullopt;
    form_->tray.Clicked(clicks[which]);
    return std::string("tray ") + names[which];
  }

  // The pick hotkey, and what ends a hotkey pick or changes its averaging.
  std::string Hotkey() {
    switch (Pick(4)) {
      case 0: form_->HotkeyPressed(); return "hotkey";
      case 1: form_->EndHotkeyPick(true); return "hotkey pick: left click";
      case 2: form_->EndHotkeyPick(false); return "hotkey pick: Esc";
      default: {
        const int shift = Pick(8);
        form_->eyedropper.ModifiersChanged(shift);
        return "keys held " + std::to_string(shift);
      }
    }
  }

  void Start(int dpi) {
    platform_.dpi = dpi;
    form_ = std::make_unique<Form1>(platform_);
    form_->Initialise();
  }

  // The user changes the screen's density and starts the program again: the new copy lays
  // itself out at the new density and reads the place the old one stored.
  std::string Restart() {
    static const int densities[] = {96, 120, 144, 168, 192};
    const int dpi = densities[Pick(5)];
    ++restarts;
    form_.reset();
    captured_ = nullptr;
    held_ = 0;
    typing_ = false;
    platform_.clip.reset();
    Start(dpi);
    const ScreenRect r = platform_.windowRect, m = platform_.monitors.front();
    restartedOffScreen_ = !(r.left < m.left + m.width && m.left < r.left + r.width && r.top < m.top + m.height &&
                            m.top < r.top + r.height);
    return "restart at " + std::to_string(dpi) + " dpi";
  }

  std::string LoseCapture() {
    if (!captured_) return "nothing";
    Control& holder = *captured_;
    captured_ = nullptr;
    held_ = 0;
    form_->CaptureLost(holder);
    return "capture lost by " + holder.name;
  }

  std::mt19937 rng_;
  FakePlatform platform_;
  std::unique_ptr<Form1> form_;
  bool restartedOffScreen_ = false;
  Control* captured_ = nullptr;
  int held_ = 0;
  bool typing_ = false;
};

}  // namespace

int main(int argc, char** argv) {
  const auto seed = static_cast<std::uint32_t>(argc > 1 ? std::strtoul(argv[1], nullptr, 10) : 1);
  const long events = argc > 2 ? std::strtol(argv[2], nullptr, 10) : 100000;
  const int dpi = argc > 3 ? std::atoi(argv[3]) : 96;
  Soak soak(seed, dpi);
  std::vector<std::string> recent;
  for (long i = 0; i < events; ++i) {
    const std::string event = soak.Step();
    if (recent.size() == 8) recent.erase(recent.begin());
    recent.push_back(event);
    const std::string failed = soak.Check();
    if (!failed.empty()) {
      std::printf("FAILED: seed %u, %d dpi, event %ld: %s\nlast events:\n", seed, dpi, i, failed.c_str());
      for (const std::string& e : recent) std::printf("  %s\n", e.c_str());
      return 1;
    }
  }
  std::printf("seed %u, %d dpi: %ld events (%d restarts at other densities), every invariant held\n", seed, dpi,
              events, soak.restarts);
  return 0;
}
