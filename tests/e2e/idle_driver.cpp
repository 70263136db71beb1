// Velkaro at rest costs what a bare window costs: over 20 s hidden in the tray and 20 s
// shown with the pointer elsewhere, its own count of hover ticks, the processor time of
// its process and of the Wine server (which every wake-up of any program costs too), each
// beside a bare window measured the same way in the same run.
#include <cstdio>
#include <memory>
#include <sstream>
#include <string>

#include "driver.h"

using namespace velkaro;
using namespace velkaro::e2e;

namespace {

constexpr DWORD kPhaseMs = 20000;

double CpuSeconds(HANDLE process) {
  FILETIME created, ended, kernel, user;
  GetProcessTimes(process, &created, &ended, &kernel, &user);
  auto seconds = [](FILETIME t) { return (static_cast<double>(t.dwHighDateTime) * 4294967296.0 + t.dwLowDateTime) / 1e7; };
  return seconds(kernel) + seconds(user);
}

// Read to the end: the host's /proc files tell no size.
std::string ReadWhole(const std::wstring& path) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0,
                            nullptr);
  if (file == INVALID_HANDLE_VALUE) return "";
  std::string text;
  char chunk[4096];
  DWORD got = 0;
  while (ReadFile(file, chunk, sizeof chunk, &got, nullptr) && got > 0) text.append(chunk, got);
  CloseHandle(file);
  return text;
}

// The Wine server of this prefix, found through the host's /proc (drive Z: is the host's
// root): its id, or an empty string.
std::wstring FindWineServer() {
  char prefix[MAX_PATH] = {};
  GetEnvironmentVariableA("WINEPREFIX", prefix, MAX_PATH);
  const std::string wanted = std::string("WINEPREFIX=") + prefix + '\0';
  WIN32_FIND_DATAW found;
  HANDLE find = FindFirstFileW(L"Z:\\proc\\*", &found);
  if (find == INVALID_HANDLE_VALUE) return L"";
  std::wstring server;
  do {
    const std::wstring id = found.cFileName;
    if (id.empty() || id.find_first_not_of(L"0123456789") != std::wstring::npos) continue;
    if (ReadWhole(L"Z:\\proc\\" + id + L"\\comm").rfind("wineserver", 0) != 0) continue;  // wineserver64 too
    if (prefix[0] && ReadWhole(L"Z:\\proc\\" + id + L"\\environ").find(wanted) == std::string::npos) continue;
    server = id;
    break;
  } while (FindNextFileW(find, &found));
  FindClose(find);
  return server;
}

// The server's processor time in seconds (user and system, fields 14 and 15 of its stat).
double ServerSeconds(const std::wstring& id) {
  if (id.empty()) return 0;
  const std::string stat = ReadWhole(L"Z:\\proc\\" + id + L"\\stat");
  std::istringstream fields(stat.substr(stat.rfind(')') + 2));
  std::string field;
  unsigned long long user = 0, system = 0;
  for (int i = 3; i <= 15 && fields >> field; ++i) {
    if (i == 14) user = std::stoull(field);
    if (i == 15) system = std::stoull(field);
  }
  return static_cast<double>(user + system) / 100.0;  // the host's clock ticks
}

std::uint64_t Ticks(const Session& s) {
  return static_cast<std::uint64_t>(SendMessageW(s.hwnd, RegisterWindowMessageW(kHoverTicksMessage), 0, 0));
}

struct Load {
  double process = 0, server = 0;  // percent of a core
};

// One phase: the program's and the server's processor time over kPhaseMs.
Load Measure(HANDLE process, const std::wstring& server) {
  const double p0 = CpuSeconds(process), s0 = ServerSeconds(server);
  Pump(kPhaseMs);
  const double scale = 100.0 * 1000 / kPhaseMs;
  return {(CpuSeconds(process) - p0) * scale, (ServerSeconds(server) - s0) * scale};
}

struct Run {
  std::wstring server;
};

void ShownAndIdle(Session& s, Run& run) {
  run.server = FindWineServer();
  s.checks.Expect(!run.server.empty(), "the Wine server found in /proc");
  PointerTo({5, 5});
  Pump(2000);
  const std::uint64_t before = Ticks(s) & ~(std::uint64_t{1} << 63);
  const Load velkaro = Measure(s.program->Process(), run.server);
  const std::uint64_t ticks = (Ticks(s) & ~(std::uint64_t{1} << 63)) - before;
  auto bare = std::make_unique<Program>(s.Extra(0));
  Pump(2000);
  const Load reference = Measure(bare->Process(), run.server);
  bare.reset();
  const double perSecond = static_cast<double>(ticks) * 1000 / kPhaseMs;
  std::printf("shown and idle, 20 s: %.2f ticks/s; Velkaro %.2f %% of a core, Wine server %.2f %%; "
              "a bare shown window %.2f %%, Wine server %.2f %%\n",
              perSecond, velkaro.process, velkaro.server, reference.process, reference.server);
  s.checks.Expect(perSecond <= 1, "shown and idle: at most one tick a second");
  // Wine itself wakes every process now and then: a few tenths either way are its noise.
  s.checks.Expect(velkaro.process <= reference.process + 0.5, "shown and idle: the process costs what a bare window costs");
  s.checks.Expect(velkaro.server <= reference.server + 0.5, "shown and idle: so does its share of the Wine server");
}

void HiddenInTheTray(Session& s, Run& run) {
  PostMessageW(s.hwnd, kTrayCallbackMessage, 0, WM_LBUTTONUP);
  s.checks.Expect(WaitUntil([&] { return !IsWindowVisible(s.hwnd); }, 3000), "the window is hidden in the tray");
  Pump(2000);
  const std::uint64_t before = Ticks(s);
  const Load velkaro = Measure(s.program->Process(), run.server);
  const std::uint64_t after = Ticks(s);
  s.checks.Expect((after >> 63) == 0, "hidden: the hover timer is stopped");
  auto bare = std::make_unique<Program>(s.Extra(0), L"hidden");
  Pump(2000);
  const Load reference = Measure(bare->Process(), run.server);
  bare.reset();
  std::printf("hidden in the tray, 20 s: %llu ticks; Velkaro %.2f %% of a core, Wine server %.2f %%; "
              "a bare hidden window %.2f %%, Wine server %.2f %%\n",
              static_cast<unsigned long long>(after - before), velkaro.process, velkaro.server, reference.process,
              reference.server);
  s.checks.Expect(after == before, "hidden: no tick at all");
  s.checks.Expect(velkaro.process <= reference.process + 0.3, "hidden: the process costs what a bare window costs");
  s.checks.Expect(velkaro.server <= reference.server + 0.3, "hidden: so does its share of the Wine server");
}

// Back from the tray, a drag still picks: the timer comes back with the work.
void BackAndPicking(Session& s) {
  PostMessageW(s.hwnd, kTrayCallbackMessage, 0, WM_LBUTTONUP);
  s.checks.Expect(WaitUntil([&] { return IsWindowVisible(s.hwnd) != FALSE; }, 3000), "the window is back");
  Pump(500);
  PointerTo(s.At("Picture2", 16, 16));
  Pump(200);
  Button(true, true);
  Pump(300);
  s.checks.Expect((Ticks(s) >> 63) != 0, "during a drag the hover timer runs");
  Button(true, false);
  Pump(300);
  s.checks.Expect((Ticks(s) >> 63) == 0, "after it the timer stops again");
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  Run run;
  return RunDriver(argc, argv,
                   {{"shown and idle", [&run](Session& s) { ShownAndIdle(s, run); }},
                    {"hidden in the tray", [&run](Session& s) { HiddenInTheTray(s, run); }},
                    {"back and picking", BackAndPicking},
                    {"the end of the session", [](Session& s) { s.checks.Expect(s.EndSession() == 0, "ends with 0"); }}});
}
