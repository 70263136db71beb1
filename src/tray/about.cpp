#include "about.h"

#include <cmath>

namespace velkaro {

// One window at a time: the tray's menu still answers while it is open (its messages
// reach the disabled main window), and a second request brings the open one forward.
void AboutBox::Show(bool fromTray) {
  if (open_) {
    dialogs_.BringAboutWindowToFront();
    return;
  }
  open_ = true;
  dialogs_.ShowAboutWindow(*this);
  open_ = false;
  if (fromTray) dialogs_.OpenUrl(kMakerSite);
}

double AboutBox::Random() {
  const auto span = static_cast<double>(std::minstd_rand::max() - std::minstd_rand::min()) + 1;
  return static_cast<double>(generator_() - std::minstd_rand::min()) / span;
}

// floor(random x 255): 0 to 254, so no channel ever reaches 255. Drawn red, green, blue.
void AboutBox::HeadlineTick() {
  const auto r = static_cast<std::int32_t>(std::floor(Random() * 255));
  const auto g = static_cast<std::int32_t>(std::floor(Random() * 255));
  const auto b = static_cast<std::int32_t>(std::floor(Random() * 255));
  headlineColour = ComposeColor(r, g, b);
}

std::string AboutBox::AboutText() {
  const char* lines[] = {
      "首先我们最重要的是感谢您在茫茫软件海洋里选择了我们!",
      "衷心的感谢您的支持与厚爱!",
      "我们将一步一步做的更好，做出最实用的良心产品!",
      "我们会一直努力下去......",
      "by Velkaro",
      "",
      "我们的唯一域名:https://velkaro.example/",
      "QQ：暂无 ",
      "扫码给我们反馈问题，提出您的宝贵意见.",
  };
  std::string text;
  for (const char* line : lines) text += std::string(line) + "\r\n";
  return text;
}

}  // namespace velkaro
