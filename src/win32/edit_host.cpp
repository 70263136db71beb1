#include "edit_host.h"

#include "control_paint.h"


#include "input.h"
#include "unicode.h"

namespace velkaro {

namespace {
constexpr WPARAM kCtrlC = 3, kCtrlV = 22;  // the characters Ctrl+C and Ctrl+V type
}  // namespace

void EditHost::Create(HWND parent, TextBox& box, int id, const RECT& r) {
  DWORD style = WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL | ES_CENTER;
  if (box.readOnly) style |= ES_READONLY;
  HWND edit = CreateWindowExW(0, L"EDIT", Widen(box.text).c_str(), style, r.left, r.top, r.right - r.left,
                              r.bottom - r.top, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr,
                              nullptr);
  SendMessageW(edit, WM_SETFONT, reinterpret_cast<WPARAM>(fonts_.Get(box.fontPt)), FALSE);
  // The boxes are narrow: the text needs every pixel of them.
  SendMessageW(edit, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELPARAM(1, 1));
  edits_.push_back({&box, edit, box.text, box.backColor, box.foreColor,
                    GdiObject<HBRUSH>(CreateSolidBrush(ToColorRef(box.backColor))), box.selections, nullptr});
}

void EditHost::LayOut(const ControlPainter& painter) {
  for (Edit& e : edits_) {
    const RECT r = painter.ClientRect(*e.box);
    SetWindowPos(e.hwnd, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top, SWP_NOZORDER | SWP_NOACTIVATE);
    SendMessageW(e.hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(fonts_.Get(e.box->fontPt)), TRUE);
    SendMessageW(e.hwnd, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELPARAM(1, 1));
  }
}

// Once the list is complete: it does not move any more. The window procedure is replaced
// directly rather than through the common controls' subclass chain, which Wine keeps in
// window properties: a server round trip on every message, more than doubling the cost
// of each text set and paint.
void EditHost::Subclass() {
  for (Edit& e : edits_) {
    SetWindowLongPtrW(e.hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    e.original = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(e.hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&EditHost::EditProc)));
  }
}

void EditHost::Sync() {
  for (Edit& e : edits_) {
    if (e.box->text != e.shownText) {
      e.shownText = e.box->text;  // first, so the EN_CHANGE this causes is recognised as ours
      const Timed timed(timings_, ViewPart::EditText);
      writing_ = true;
      SetWindowTextW(e.hwnd, Widen(e.box->text).c_str());
      writing_ = false;
    }
    if (e.box->selections != e.selections) {
      e.selections = e.box->selections;
      SendMessageW(e.hwnd, EM_SETSEL, static_cast<WPARAM>(e.box->selStart),
                   static_cast<LPARAM>(e.box->selStart + e.box->selLength));
    }
    if (e.box->backColor != e.back || e.box->foreColor != e.fore) {
      if (e.box->backColor != e.back) e.brush.reset(CreateSolidBrush(ToColorRef(e.box->backColor)));
      e.back = e.box->backColor;
      e.fore = e.box->foreColor;
      InvalidateRect(e.hwnd, nullptr, TRUE);
    }
  }
}

std::optional<LRESULT> EditHost::OnControlColour(HDC dc, HWND child) {
  Edit* e = Find(child);
  if (!e) return std::nullopt;
  SetTextColor(dc, ToColorRef(e->fore));
  SetBkColor(dc, ToColorRef(e->back));
  return reinterpret_cast<LRESULT>(e->brush.get());
}

// Our own writes are recognised and ignored. A change that no key made is a paste, which
// the model checks at once.
void EditHost::OnEditChanged(HWND child) {
  if (writing_) return;  // the text is the box's already
  Edit* e = Find(child);
  if (!e) return;
  const int length = GetWindowTextLengthW(child);
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  GetWindowTextW(child, text.data(), length + 1);
  text.resize(static_cast<size_t>(length));
  const std::string utf8 = Narrow(text);
  if (utf8 == e->shownText) return;
  e->box->text = e->shownText = utf8;
  if (!typing_) {
    form_.TextChanged(*e->box);
    Sync();
  }
}

EditHost::Edit* EditHost::Find(HWND hwnd) {
  for (Edit& e : edits_)
    if (e.hwnd == hwnd) return &e;
  return nullptr;
}

LRESULT CALLBACK EditHost::EditProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  auto* host = reinterpret_cast<EditHost*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (Edit* e = host ? host->Find(hwnd) : nullptr) return host->OnEditMessage(*e, msg, wp, lp);
  return DefWindowProcW(hwnd, msg, wp, lp);
}

LRESULT EditHost::OnEditMessage(Edit& e, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_PAINT: {
      const Timed timed(timings_, ViewPart::EditPaint);
      return CallWindowProcW(e.original, e.hwnd, msg, wp, lp);
    }
    case WM_CHAR:
    case WM_KEYDOWN:
    case WM_KEYUP:
      return OnKey(e, msg, wp, lp);
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
      return OnButtonUp(e, msg, wp, lp);
    case WM_KILLFOCUS: {
      const LRESULT result = CallWindowProcW(e.original, e.hwnd, msg, wp, lp);
      form_.FocusLost(*e.box);
      Sync();
      return result;
    }
    default:
      return CallWindowProcW(e.original, e.hwnd, msg, wp, lp);
  }
}

// Tab moves the focus through the boxes, selecting the whole text of the box it reaches,
// as in any dialog. Ctrl+C and Ctrl+V do what they do in any edit; Ctrl+C in a box that
// only shows a value copies its whole text.
bool EditHost::OnShortcut(Edit& e, WPARAM key) {
  const bool ctrl = GetKeyState(VK_CONTROL) < 0;
  if (key == VK_TAB && !ctrl) {
    if (TextBox* next = form_.NextInTabOrder(*e.box, GetKeyState(VK_SHIFT) < 0)) {
      for (Edit& target : edits_) {
        if (target.box != next) continue;
        SetFocus(target.hwnd);
        SendMessageW(target.hwnd, EM_SETSEL, 0, -1);
        break;
      }
    }
    return true;
  }
  if (!ctrl || (key != 'C' && key != 'V')) return false;
  const auto which = key == 'C' ? Form1::ClipboardKey::Copy : Form1::ClipboardKey::Paste;
  if (form_.ClipboardShortcut(*e.box, which))
    Sync();
  else  // the edit's own; a paste arrives as a change no key made
    SendMessageW(e.hwnd, key == 'C' ? WM_COPY : WM_PASTE, 0, 0);
  return true;
}

// A character the model drops never reaches the edit; a release is handled after the edit
// has taken the key.
LRESULT EditHost::OnKey(Edit& e, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_KEYDOWN && OnShortcut(e, wp)) return 0;
  if (msg == WM_CHAR && (wp == '\t' || wp == kCtrlC || wp == kCtrlV)) return 0;  // taken as shortcuts
  if (msg == WM_KEYUP) {
    const LRESULT result = CallWindowProcW(e.original, e.hwnd, msg, wp, lp);
    form_.KeyUp(*e.box, static_cast<int>(wp), KeyShiftState());
    syncWindow_();
    return result;
  }
  if (msg == WM_CHAR) {
    int key = static_cast<int>(wp);
    form_.KeyPress(*e.box, key);
    if (key == 0) return 0;
    wp = static_cast<WPARAM>(key);
  }
  typing_ = true;
  const LRESULT result = CallWindowProcW(e.original, e.hwnd, msg, wp, lp);
  typing_ = false;
  return result;
}

// The left release ends the edit's own selection first; the right one reaches the model
// before the context menu opens.
LRESULT EditHost::OnButtonUp(Edit& e, UINT msg, WPARAM wp, LPARAM lp) {
  LRESULT result = 0;
  if (msg != WM_RBUTTONUP) result = CallWindowProcW(e.original, e.hwnd, msg, wp, lp);
  const float x = static_cast<short>(LOWORD(lp)), y = static_cast<short>(HIWORD(lp));
  form_.TextMouseUp(*e.box, {ButtonOf(msg), MouseShiftState(wp), x, y});
  Sync();
  if (msg == WM_RBUTTONUP) result = CallWindowProcW(e.original, e.hwnd, msg, wp, lp);
  return result;
}

}  // namespace velkaro
