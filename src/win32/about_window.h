// The About window: modal, with the feedback QR code, the headline that changes colour on
// its own timer, and the About text in a read-only edit.
#pragma once

#include <windows.h>

#include "about.h"
#include "base_window.h"
#include "fonts.h"
#include "gdi.h"

namespace velkaro {

inline constexpr wchar_t kAboutWindowClass[] = L"VelkaroAboutWindow";

class AboutWindow : public BaseWindow<AboutWindow> {
 public:
  AboutWindow(AboutBox& about, int dpi) : about_(about), dpi_(dpi), fonts_(dpi) {}
  ~AboutWindow() { DestroyWindowNow(); }
  AboutWindow(const AboutWindow&) = delete;
  AboutWindow& operator=(const AboutWindow&) = delete;
  // Shows the window over `owner`, which takes no input meanwhile, and returns once the
  // user has closed it.
  void RunModal(HINSTANCE instance, HWND owner, HICON icon);

 private:
  friend class BaseWindow<AboutWindow>;
  LRESULT OnMessage(UINT msg, WPARAM wp, LPARAM lp);
  void OnCreate();
  void OnPaint();
  int Px(int px96) const { return MulDiv(px96, dpi_, 96); }
  RECT HeadlineRect() const;

  AboutBox& about_;
  int dpi_;
  FontCache fonts_;
  HWND text_ = nullptr;
  GdiObject<HBITMAP> qr_;
  int qrSize_ = 0;
  bool closed_ = false;
};

}  // namespace velkaro
