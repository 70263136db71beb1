// The Win32 view of Form1: one borderless top-level window, a real EDIT control for every
// text box, everything else painted from the model. It turns messages into the model's
// events and pushes the model's changes back to the screen; it decides nothing.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <functional>
#include <vector>

#include "base_window.h"
#include "control_paint.h"
#include "edit_host.h"
#include "fonts.h"
#include "form1.h"
#include "gdi.h"
#include "view_timings.h"
#include "window_messages.h"

namespace velkaro {

inline constexpr int kFirstControlId = 1000;  // control id = this + index in Form1::Controls()
inline constexpr wchar_t kMainWindowCaption[] = L"Velkaro";
class MainWindow : public BaseWindow<MainWindow> {
 public:
  MainWindow(Form1& form, HINSTANCE instance);
  ~MainWindow() { DestroyWindowNow(); }
  MainWindow(const MainWindow&) = delete;
  MainWindow& operator=(const MainWindow&) = delete;

  // Brings the windows up to date with the model: texts and captions set, and what
  // changed invalidated. The paint follows in WM_PAINT as soon as no input waits, once
  // however many handlers changed the model in between: a move that shows three
  // refreshes paints one picture.
  void Sync();
  // Told where each left press happens, in screen pixels.
  void SetPressListener(std::function<void(POINT)> listener) { pressListener_ = std::move(listener); }
  // Told the new density when the window's changes (the dialogs follow it).
  void SetDensityListener(std::function<void(int)> listener) { densityListener_ = std::move(listener); }
  // Keys the window takes before any control does; true when it took this one.
  bool PreTranslate(const MSG& msg);
  ViewTimings& Timings() { return timings_; }

 private:
  friend class BaseWindow<MainWindow>;
  LRESULT OnMessage(UINT msg, WPARAM wp, LPARAM lp);
  void OnCreate();
  void OnPaint();
  void OnClose();
  void OnSize(WPARAM kind);
  void OnMouse(UINT msg, WPARAM wp, LPARAM lp);
  bool OnSetCursor();
  LRESULT OnTimingsQuery() const;
  LRESULT OnFineTuneTimingsQuery(WPARAM which) const;
  LRESULT OnMoveTimingsQuery(WPARAM part) const;
  static LRESULT OnMemoryQuery();
  void OnCommandArrived(LPARAM text);
  // The hotkey pick: the mouse is watched by a low-level hook, so that the click that ends
  // it, wherever it lands, reaches no other window; the keys come through PreTranslate.
  void OnHotkey();
  bool OnHotkeyPickMouse(WPARAM msg);  // true when the event is the pick's and goes no further
  void EndHotkeyPick(bool keep);
  void StopWatchingMouse();
  static LRESULT CALLBACK MouseHook(int code, WPARAM wp, LPARAM lp);
  void AddToolTips();
  void SetIcons();
  void PrepareForDensity();
  std::vector<const Image*> TippedImages() const;  // none without the tip window
  TTTOOLINFOW ToolOf(const Image& image) const;
  void OnDpiChanged(int dpi, const RECT& suggested);
  void ShowCapturedPointer();
  float LocalX(const Control& c, int clientX) const;
  float LocalY(const Control& c, int clientY) const;
  void Paint(HDC dc, const RECT& area);
  void PaintTitleBand(HDC dc);
  RECT TitleBand() const;

  struct Caption {  // a frame's caption as the text of a hidden static child
    Frame* frame;
    HWND hwnd;
    std::string shown;
  };

  Form1& form_;
  ViewTimings timings_;
  FontCache fonts_;
  ControlPainter painter_;
  EditHost edits_;
  std::vector<std::uint64_t> signatures_;  // per control, as last painted
  std::vector<RECT> paintedRects_;         // per control, where it was last painted
  std::vector<Caption> captions_;
  Control* captured_ = nullptr;  // the control that has the mouse until the release
  UINT timingsMessage_ = 0;
  UINT fineTuneTimingsMessage_ = 0;
  UINT moveTimingsMessage_ = 0;
  UINT hoverTicksMessage_ = 0;
  UINT changeDensityMessage_ = 0;
  UINT memoryMessage_ = 0;
  UINT taskbarCreatedMessage_ = 0;
  HWND toolTips_ = nullptr;
  GdiObject<HBRUSH> bodyBrush_, titleBrush_;
  std::function<void(POINT)> pressListener_;
  std::function<void(int)> densityListener_;
  HHOOK mouseHook_ = nullptr;
  UINT swallowRelease_ = 0;  // the release of the click that ended a hotkey pick
  bool movePosted_ = false;  // a hotkey pick's move waits in the queue
  bool picturePosted_ = false;  // the magnifier's due picture waits in the queue
  bool modalPosted_ = false;    // a due modal window waits in the queue
};

}  // namespace velkaro
