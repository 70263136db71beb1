// The pattern every window of the program follows: the object is stored with its window
// when the window is created, and every message from then on reaches the object's
// OnMessage. A derived window destroys its window in its own destructor, while the members
// its messages use still live.
#pragma once

#include <windows.h>

namespace velkaro {

// Owns a window: destroys it unless it is already gone.
class WindowHandle {
 public:
  WindowHandle() = default;
  ~WindowHandle() { Destroy(); }
  WindowHandle(const WindowHandle&) = delete;
  WindowHandle& operator=(const WindowHandle&) = delete;
  HWND get() const { return hwnd_; }
  void Attach(HWND hwnd) { hwnd_ = hwnd; }
  void Forget() { hwnd_ = nullptr; }  // the window was destroyed by other means
  void Destroy() {
    if (hwnd_) DestroyWindow(hwnd_);
    hwnd_ = nullptr;
  }

 private:
  HWND hwnd_ = nullptr;
};

struct WindowClass {
  const wchar_t* name;
  HICON icon = nullptr;
  HCURSOR cursor = nullptr;
  HICON smallIcon = nullptr;  // the title bar's and the taskbar's; the system shrinks `icon` without it
};

struct WindowPlace {
  int left = CW_USEDEFAULT, top = CW_USEDEFAULT, width = CW_USEDEFAULT, height = CW_USEDEFAULT;
};

template <class T>
class BaseWindow {
 public:
  HWND Handle() const { return window_.get(); }

 protected:
  BaseWindow() = default;
  ~BaseWindow() = default;
  BaseWindow(const BaseWindow&) = delete;
  BaseWindow& operator=(const BaseWindow&) = delete;

  // Registers the class (once per process; a second registration fails harmlessly) and
  // creates the window. False when the window could not be made.
  bool Create(HINSTANCE instance, const WindowClass& cls, DWORD exStyle, const wchar_t* caption, DWORD style,
              const WindowPlace& place, HWND parent = nullptr) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = &BaseWindow::WndProc;
    wc.hInstance = instance;
    wc.hIcon = cls.icon;
    wc.hIconSm = cls.smallIcon;
    wc.hCursor = cls.cursor ? cls.cursor : LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    wc.lpszClassName = cls.name;
    RegisterClassExW(&wc);
    CreateWindowExW(exStyle, cls.name, caption, style, place.left, place.top, place.width, place.height, parent,
                    nullptr, instance, static_cast<T*>(this));
    return Handle() != nullptr;
  }

  LRESULT Default(UINT msg, WPARAM wp, LPARAM lp) { return DefWindowProcW(Handle(), msg, wp, lp); }
  void DestroyWindowNow() { window_.Destroy(); }

 private:
  static LRESULT CALLBACK WndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_NCCREATE) {
      auto* self = static_cast<T*>(reinterpret_cast<CREATESTRUCTW*>(lp)->lpCreateParams);
      self->window_.Attach(hwnd);
      SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<T*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!self) return DefWindowProcW(hwnd, msg, wp, lp);
    if (msg == WM_NCDESTROY) {
      // The last message: the object no longer has a window.
      SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
      self->window_.Forget();
      return DefWindowProcW(hwnd, msg, wp, lp);
    }
    return self->OnMessage(msg, wp, lp);
  }

  WindowHandle window_;
};

}  // namespace velkaro

