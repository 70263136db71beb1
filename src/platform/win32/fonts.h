// The window's fonts, made once per size at the screen's density.
#pragma once

#include <windows.h>

#include <cmath>
#include <map>

#include "gdi.h"

namespace velkaro {

class FontCache {
 public:
  explicit FontCache(int dpi) : dpi_(dpi) {}
  HFONT Get(float points, bool bold = false) {
    const int tenths = static_cast<int>(std::lround(points * 10));
    const int key = tenths * 2 + (bold ? 1 : 0);
    auto it = fonts_.find(key);
    if (it == fonts_.end()) {
      HFONT f = CreateFontW(-MulDiv(tenths, dpi_, 720), 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, 0, 0, 0,
                            DEFAULT_CHARSET, 0, 0, CLEARTYPE_QUALITY, 0, kFace);
      it = fonts_.emplace(key, GdiObject<HFONT>(f)).first;
    }
    return it->second.get();
  }

 private:
  static constexpr wchar_t kFace[] = L"微软雅黑";
  int dpi_;
  std::map<int, GdiObject<HFONT>> fonts_;
};

}  // namespace velkaro
