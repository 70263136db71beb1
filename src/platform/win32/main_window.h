// The Win32 view of Form1: one borderless top-level window, a real EDIT control for every
// text box, everything else painted from the model. It turns messages into the model's
// handlers and pushes the model's changes back to the screen; it decides nothing.
#pragma once

#include <windows.h>

#include <map>
#include <vector>

#include "form1.h"
#include "gdi.h"

namespace velkaro {

inline constexpr int kFirstControlId = 1000;  // control id = this + index in Form1::Controls()
inline constexpr wchar_t kMainWindowClass[] = L"VelkaroMainWindow";
inline constexpr wchar_t kMainWindowCaption[] = L"Velkaro";
// Answered with the magnifier's own timing: pictures taken in the high 32 bits, the mean
// time of one picture in tenths of a microsecond in the low 32 bits.
inline constexpr wchar_t kMagnifierTimingsMessage[] = L"Velkaro.MagnifierTimings";

class MainWindow {
 public:
  MainWindow(Form1& form, HINSTANCE instance);
  ~MainWindow();
  MainWindow(const MainWindow&) = delete;
  MainWindow& operator=(const MainWindow&) = delete;

  HWND Handle() const { return hwnd_; }
  // Brings the screen up to date with the model.
  void Sync();
  // Paints what changed at once, for a picture that must follow every pointer move.
  void RepaintNow();
  // Keys the window takes before any control does; true when it took this one.
  bool PreTranslate(const MSG& msg);

 private:
  struct Edit {
    TextBox* box;
    HWND hwnd;
    std::string shownText;
    ColorValue back, fore;
    GdiObject<HBRUSH> brush;
    int selections = 0;  // the program's selections applied so far
  };
  static LRESULT CALLBACK EditProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR self);
  LRESULT OnEditMessage(Edit& e, UINT msg, WPARAM wp, LPARAM lp);
  Edit* FindEdit(HWND hwnd);

  static LRESULT CALLBACK WndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
  LRESULT OnMessage(UINT msg, WPARAM wp, LPARAM lp);
  void OnCreate();
  void OnPaint();
  void OnClose();
  void OnSize(WPARAM kind);
  LRESULT OnControlColour(HDC dc, HWND child);
  void OnEditChanged(HWND child);
  void OnMouse(UINT msg, WPARAM wp, LPARAM lp);
  bool OnSetCursor();
  void ShowCapturedPointer();
  float LocalX(const Control& c, int clientX) const;
  float LocalY(const Control& c, int clientY) const;
  void Paint(HDC dc, const RECT& area);
  void PaintTitleBand(HDC dc);
  void PaintControl(HDC dc, const Control& c);
  HFONT FontFor(float points);
  RECT ClientRect(const Control& c) const;
  std::uint64_t Signature(const Control& c) const;
  RECT DirtyRect(const Control& c) const;

  struct Caption {  // a frame's caption as the text of a hidden static child
    Frame* frame;
    HWND hwnd;
    std::string shown;
  };

  Form1& form_;
  HWND hwnd_ = nullptr;
  std::vector<Edit> edits_;
  std::map<int, GdiObject<HFONT>> fonts_;  // by tenths of a point
  GdiObject<HFONT> titleFont_, sloganFont_;
  std::vector<std::uint64_t> signatures_;  // per control, as last painted
  std::vector<RECT> paintedRects_;         // per control, where it was last painted
  bool typing_ = false;                    // a key is being handled by a text box
  std::vector<Caption> captions_;
  std::map<PictureId, HICON> pictures_;
  Control* captured_ = nullptr;  // the control that has the mouse until the release
  UINT timingsMessage_ = 0;
};

}  // namespace velkaro
