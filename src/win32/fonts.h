// The window's fonts, made once per size at the screen's density.
#pragma once

#include <windows.h>

#include <cmath>
#include <map>
#include <string>
#include <tuple>
#include <utility>

#include "gdi.h"

namespace velkaro {

class FontCache {
 public:
  explicit FontCache(int dpi) : dpi_(dpi) {}
  HFONT Get(float points, bool bold = false, const wchar_t* face = kWindowFace) {
    const int tenths = static_cast<int>(std::lround(points * 10));
    const auto key = std::make_tuple(tenths, bold, std::wstring(face));
    auto it = fonts_.find(key);
    if (it == fonts_.end()) {
      HFONT f = CreateFontW(-MulDiv(tenths, dpi_, 720), 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, 0, 0, 0,
                            DEFAULT_CHARSET, 0, 0, CLEARTYPE_QUALITY, 0, face);
      it = fonts_.emplace(key, GdiObject<HFONT>(f)).first;
    }
    return it->second.get();
  }

  // Fonts at another density from now on. The old ones are handed back: whoever holds one
  // (an edit) takes a new one before they go.
  std::map<std::tuple<int, bool, std::wstring>, GdiObject<HFONT>> SetDpi(int dpi) {
    dpi_ = dpi;
    return std::exchange(fonts_, {});
  }

  static constexpr wchar_t kWindowFace[] = L"微软雅黑";

 private:
  int dpi_;
  std::map<std::tuple<int, bool, std::wstring>, GdiObject<HFONT>> fonts_;
};

}  // namespace velkaro
