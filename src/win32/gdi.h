// Owning wrappers for GDI objects, device contexts, icons and DIB sections: each is given
// back however its scope is left.
#pragma once

#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <utility>

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

// An icon or pointer made at run time (DestroyIcon; system ones are never destroyed).
class IconHandle {
 public:
  IconHandle() = default;
  explicit IconHandle(HICON h) : h_(h) {}
  ~IconHandle() {
    if (h_) DestroyIcon(h_);
  }
  IconHandle(IconHandle&& o) noexcept : h_(o.h_) { o.h_ = nullptr; }
  IconHandle& operator=(IconHandle&& o) noexcept {
    std::swap(h_, o.h_);
    return *this;
  }
  IconHandle(const IconHandle&) = delete;
  IconHandle& operator=(const IconHandle&) = delete;
  HICON get() const { return h_; }

 private:
  HICON h_ = nullptr;
};

// The header of a 32-bit picture stored top row first, the layout of our surfaces.
inline BITMAPINFO TopDown32(int width, int height) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  return info;
}

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

// The screen's device context (GetDC / ReleaseDC).
class ScreenDc {
 public:
  ScreenDc() : dc_(GetDC(nullptr)) {}
  ~ScreenDc() {
    if (dc_) ReleaseDC(nullptr, dc_);
  }
  ScreenDc(const ScreenDc&) = delete;
  ScreenDc& operator=(const ScreenDc&) = delete;
  HDC get() const { return dc_; }

 private:
  HDC dc_;
};

// A clip region selected into a DC for a scope.
class ClipRegion {
 public:
  // Narrows whatever clip the DC has (a paint's update region) to r, in logical units.
  ClipRegion(HDC dc, const RECT& r) : dc_(dc), saved_(SaveDC(dc)) {
    IntersectClipRect(dc_, r.left, r.top, r.right, r.bottom);
  }
  ~ClipRegion() { RestoreDC(dc_, saved_); }
  ClipRegion(const ClipRegion&) = delete;
  ClipRegion& operator=(const ClipRegion&) = delete;

 private:
  HDC dc_;
  int saved_;
};

// A memory DC with a bitmap selected into it; the bitmap goes with it. Without a bitmap
// it is a DC for the caller to select its own into.
class MemoryDc {
 public:
  MemoryDc() = default;
  MemoryDc(HDC like, HBITMAP bitmap)
      : dc_(CreateCompatibleDC(like)), bitmap_(bitmap), old_(bitmap ? SelectObject(dc_, bitmap) : nullptr) {}
  ~MemoryDc() { Release(); }
  MemoryDc(MemoryDc&& o) noexcept { *this = std::move(o); }
  MemoryDc& operator=(MemoryDc&& o) noexcept {
    if (this != &o) {
      Release();
      std::swap(dc_, o.dc_);
      std::swap(old_, o.old_);
      bitmap_ = std::move(o.bitmap_);
    }
    return *this;
  }
  HDC dc() const { return dc_; }

 private:
  void Release() {
    if (!dc_) return;
    if (old_) SelectObject(dc_, old_);
    DeleteDC(dc_);
    dc_ = nullptr;
    bitmap_.reset();
  }
  HDC dc_ = nullptr;
  GdiObject<HBITMAP> bitmap_;
  HGDIOBJ old_ = nullptr;
};

// A memory DC with a compatible bitmap, for painting without flicker.
class BackBuffer {
 public:
  BackBuffer(HDC target, int width, int height) : memory_(target, CreateCompatibleBitmap(target, width, height)) {}
  HDC dc() const { return memory_.dc(); }

 private:
  MemoryDc memory_;
};

// A top-down 32-bit DIB section in a memory DC: GDI draws into it, and its pixels are
// read directly. Kept between uses of the same size; made anew, and no larger than asked,
// when the size changes (a block at 25 % zoom takes 4 MB, one at 800 % 4 KB).
class DibSection {
 public:
  bool Ensure(int w, int h) {
    if (memory_.dc() && width_ == std::max(w, 1) && height_ == std::max(h, 1)) return true;
    memory_ = MemoryDc();
    ScreenDc screen;
    const BITMAPINFO info = TopDown32(std::max(w, 1), std::max(h, 1));
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!bitmap) return false;
    memory_ = MemoryDc(screen.get(), bitmap);
    bits_ = static_cast<std::uint32_t*>(bits);
    width_ = std::max(w, 1);
    height_ = std::max(h, 1);
    return true;
  }
  HDC dc() const { return memory_.dc(); }
  std::uint32_t& At(int x, int y) { return bits_[static_cast<std::size_t>(y) * width_ + x]; }

 private:
  MemoryDc memory_;
  std::uint32_t* bits_ = nullptr;
  int width_ = 0, height_ = 0;
};

inline COLORREF ToColorRef(int colour) { return static_cast<COLORREF>(colour); }

}  // namespace velkaro
