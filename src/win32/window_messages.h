// The window messages, identifiers and class of the program's own, in one place: the view
// posts and answers them, a second copy finds the first by them, and the end-to-end
// drivers send them as the shell or a second copy would.
#pragma once

#include <windows.h>

namespace velkaro {

inline constexpr wchar_t kMainWindowClass[] = L"VelkaroMainWindow";

// The tray icon reports the mouse over it with this message, the mouse message in lParam.
inline constexpr UINT kTrayCallbackMessage = WM_USER + 0x100;
// Posted to the main window for every command string that arrives, with the text as a
// heap std::string (UTF-8) in lParam that the window takes over.
inline constexpr UINT kCommandArrivedMessage = WM_APP + 1;
inline constexpr UINT kHotkeyPickMoveMessage = WM_APP + 2;  // the pointer moved during a hotkey pick
inline constexpr UINT kPictureDueMessage = WM_APP + 3;     // the magnifier's picture is to be taken
inline constexpr UINT kModalDueMessage = WM_APP + 4;       // a modal window is to be opened
inline constexpr int kPickHotkeyId = 1;  // Ctrl+Alt+C, registered for the main window

// Registered messages the main window answers with its own measurements, for the tests.
// The magnifier's timing: pictures taken in the high 32 bits, the mean time of one picture
// in tenths of a microsecond in the low 32 bits.
inline constexpr wchar_t kMagnifierTimingsMessage[] = L"Velkaro.MagnifierTimings";
// The fine-tuning's timing: steps in the high 32 bits, the mean time in tenths of a
// microsecond in the low 32 bits; of the recolouring of both pictures with wParam 0, of
// the whole step (the colour taken and shown too) with wParam 1.
inline constexpr wchar_t kFineTuneTimingsMessage[] = L"Velkaro.FineTuneTimings";
// The program's memory: private bytes in KiB in the high 32 bits, the working set in KiB
// in the low 32 bits.
inline constexpr wchar_t kMemoryUsageMessage[] = L"Velkaro.MemoryUsage";
// For the tests: what WM_DPICHANGED does for the density in wParam, the window's corner
// kept (a test cannot send that message from another process with its rectangle).
inline constexpr wchar_t kChangeDensityMessage[] = L"Velkaro.ChangeDensity";
// The hover ticks since the start, and in bit 63 whether the hover timer runs now.
inline constexpr wchar_t kHoverTicksMessage[] = L"Velkaro.HoverTicks";

}  // namespace velkaro
