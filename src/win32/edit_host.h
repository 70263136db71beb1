// A real EDIT control for every text box of the model (caret, selection, paste and
// accessibility come with it): created, kept in step with the model's text, colours and
// selection, and its keys, clicks and changes passed to the model.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "fonts.h"
#include "form1.h"
#include "gdi.h"
#include "view_timings.h"

namespace velkaro {

class ControlPainter;

class EditHost {
 public:
  // `syncWindow` brings the whole window up to date, after a key was handled.
  // Each edit to its place and font at the density now (after a change of density).
  void LayOut(const ControlPainter& painter);
  EditHost(Form1& form, FontCache& fonts, ViewTimings& timings, std::function<void()> syncWindow)
      : form_(form), fonts_(fonts), timings_(timings), syncWindow_(std::move(syncWindow)) {}
  EditHost(const EditHost&) = delete;
  EditHost& operator=(const EditHost&) = delete;

  void Create(HWND parent, TextBox& box, int id, const RECT& r);
  // Starts passing the edits' messages to the model, once every edit is created.
  void Subclass();
  // Brings every edit up to date with its box.
  void Sync();
  // WM_CTLCOLOREDIT / WM_CTLCOLORSTATIC: the brush for one of ours, or nothing.
  std::optional<LRESULT> OnControlColour(HDC dc, HWND child);
  // EN_CHANGE: typing and pasting reach the model's text.
  void OnEditChanged(HWND child);

 private:
  struct Edit {
    TextBox* box;
    HWND hwnd;
    std::string shownText;
    ColorValue back, fore;
    GdiObject<HBRUSH> brush;
    int selections = 0;  // the program's selections applied so far
    WNDPROC original = nullptr;  // the edit's own window procedure
  };
  static LRESULT CALLBACK EditProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
  LRESULT OnEditMessage(Edit& e, UINT msg, WPARAM wp, LPARAM lp);
  LRESULT OnKey(Edit& e, UINT msg, WPARAM wp, LPARAM lp);
  bool OnShortcut(Edit& e, WPARAM key);
  LRESULT OnButtonUp(Edit& e, UINT msg, WPARAM wp, LPARAM lp);
  Edit* Find(HWND hwnd);

  Form1& form_;
  FontCache& fonts_;
  ViewTimings& timings_;
  std::function<void()> syncWindow_;
  bool writing_ = false;  // the edits' texts are being set from the model
  std::vector<Edit> edits_;
  bool typing_ = false;  // a key is being handled by an edit
};

}  // namespace velkaro
