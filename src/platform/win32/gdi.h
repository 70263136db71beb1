// Owning wrappers for GDI objects and device contexts.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace velkaro {

template <class Handle>
class GdiObject {
 public:
  GdiObject() = default;
  explicit GdiObject(Handle h) : h_(h) {}
  ~GdiObject() { reset(); }
  GdiObject(GdiObject&& o) noexcept : h_(o.h_) { o.h_ = nullptr; }
  GdiObject& operator=(GdiObject&& o) noexcept {
    if (this != &o) {
      reset();
      h_ = o.h_;
      o.h_ = nullptr;
    }
    return *this;
  }
  GdiObject(const GdiObject&) = delete;
  GdiObject& operator=(const GdiObject&) = delete;
  Handle get() const { return h_; }
  void reset(Handle h = nullptr) {
    if (h_) DeleteObject(h_);
    h_ = h;
  }

 private:
  Handle h_ = nullptr;
};

// Selects an object into a DC for a scope and puts the previous one back.
class Selected {
 public:
  Selected(HDC dc, HGDIOBJ obj) : dc_(dc), old_(SelectObject(dc, obj)) {}
  ~Selected() { SelectObject(dc_, old_); }
  Selected(const Selected&) = delete;
  Selected& operator=(const Selected&) = delete;

 private:
  HDC dc_;
  HGDIOBJ old_;
};

// A memory DC with a compatible bitmap, for painting without flicker.
class BackBuffer {
 public:
  BackBuffer(HDC target, int width, int height)
      : dc_(CreateCompatibleDC(target)),
        bitmap_(CreateCompatibleBitmap(target, width, height)),
        old_(SelectObject(dc_, bitmap_.get())) {}
  ~BackBuffer() {
    SelectObject(dc_, old_);
    DeleteDC(dc_);
  }
  BackBuffer(const BackBuffer&) = delete;
  BackBuffer& operator=(const BackBuffer&) = delete;
  HDC dc() const { return dc_; }

 private:
  HDC dc_;
  GdiObject<HBITMAP> bitmap_;
  HGDIOBJ old_;
};

inline COLORREF ToColorRef(int colour) { return static_cast<COLORREF>(colour); }

inline std::wstring Widen(std::string_view utf8) {
  if (utf8.empty()) return {};
  const int n = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
  std::wstring w(static_cast<size_t>(n), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), w.data(), n);
  return w;
}

inline std::string Narrow(std::wstring_view wide) {
  if (wide.empty()) return {};
  const int n = WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0,
                                    nullptr, nullptr);
  std::string s(static_cast<size_t>(n), '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), s.data(), n, nullptr,
                      nullptr);
  return s;
}

}  // namespace velkaro
