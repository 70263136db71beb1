# Shared set-up for the build, test and run scripts: packages, a virtual display and a
# quiet Wine prefix. Sourced, not run.

VELKARO_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

VELKARO_PACKAGES=(
  cmake ninja-build g++ googletest libgtest-dev libbenchmark-dev liblcms2-dev libmagick++-dev
  g++-mingw-w64-x86-64-posix wine wine64 xvfb xdotool x11-xserver-utils imagemagick xclip
  fonts-wqy-microhei locales qrencode zbar-tools clang libclang-rt-14-dev icoutils zip unzip nsis
)

# Installs whatever of the list is missing; silent when everything is there. Also makes
# the Chinese locale, under which Wine's code page carries Chinese command strings between
# two copies of the program.
velkaro_install_packages() {
  local missing=()
  local p
  for p in "${VELKARO_PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  # Node and npm, for a palette reader the program did not write; a machine that has them
  # from elsewhere keeps its own.
  command -v npm >/dev/null || missing+=(nodejs npm)
  if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
  fi
  locale -a 2>/dev/null | grep -qx 'zh_CN.utf8' || localedef -i zh_CN -f UTF-8 zh_CN.UTF-8
}

# The npm packages the tests read with, in build/npm (pinned).
velkaro_install_npm_modules() {
  [ -d "$VELKARO_ROOT/build/npm/node_modules/ase-utils" ] && return 0
  npm install --no-audit --no-fund --silent --prefix "$VELKARO_ROOT/build/npm" ase-utils@0.1.1 >/dev/null
}

# Starts a private Xvfb on a free display number and exports DISPLAY.
velkaro_start_display() {
  local n=${VELKARO_DISPLAY_BASE:-91}
  while [ -e "/tmp/.X${n}-lock" ] || [ -e "/tmp/.X11-unix/X${n}" ]; do n=$((n + 1)); done
  Xvfb ":$n" -screen 0 "${VELKARO_SCREEN:-1280x1024x24}" -nolisten tcp >/dev/null 2>&1 &
  VELKARO_XVFB_PID=$!
  export DISPLAY=":$n"
  local i
  for i in $(seq 50); do
    xsetroot -solid '#3a6ea5' 2>/dev/null && return 0
    sleep 0.1
  done
  echo "Xvfb did not start on $DISPLAY" >&2
  return 1
}

velkaro_wine_env() {
  export WINEPREFIX=${WINEPREFIX:-$VELKARO_ROOT/build/wineprefix}
  export WINEDEBUG=-all
  export WINEDLLOVERRIDES="mscoree,mshtml="
  export LANG=${VELKARO_LANG:-C.UTF-8}
}

# A fresh prefix for a test run.
velkaro_fresh_prefix() {
  velkaro_wine_env
  velkaro_end_server
  rm -rf "$WINEPREFIX"
  velkaro_prepare_prefix
}

# Ends the prefix's server and waits until it has gone: a prefix removed and made again at
# once can get the same inode, and so the same server socket, as the one a dying server
# still answers on.
velkaro_end_server() {
  wineserver -k >/dev/null 2>&1 || true
  wineserver -w >/dev/null 2>&1 || true
}

# Creates the prefix if it is missing, with the settings that make Wine fast and quiet
# without a window manager and Chinese text render; then starts a persistent server
# with its services.
velkaro_prepare_prefix() {
  velkaro_wine_env
  if [ -f "$WINEPREFIX/.velkaro-ready" ]; then
    wineserver -p >/dev/null 2>&1
    wine wineboot >/dev/null 2>&1
    return 0
  fi
  local attempt
  for attempt in 1 2 3; do
    mkdir -p "$WINEPREFIX"
    wineboot -i >/dev/null 2>&1
    wineserver -w
    # A prefix whose first start failed half way has no system files; start it again.
    [ -f "$WINEPREFIX/drive_c/windows/system32/kernel32.dll" ] && break
    echo "Wine prefix $WINEPREFIX incomplete, making it again" >&2
    velkaro_end_server
    rm -rf "$WINEPREFIX"
  done
  local reg="$WINEPREFIX/velkaro.reg"
  {
    printf 'REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\Wine\\X11 Driver]\n'
    printf '"Managed"="N"\n"ShowSystray"="N"\n\n'
    printf '[HKEY_CURRENT_USER\\Software\\Wine\\Fonts\\Replacements]\n'
    local face
    for face in "Microsoft YaHei" "微软雅黑" "SimSun" "宋体" "SimHei" "黑体"; do
      printf '"%s"="WenQuanYi Micro Hei"\n' "$face"
    done
    printf '\n[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows NT\\CurrentVersion\\FontLink\\SystemLink]\n'
    for face in "Tahoma" "MS Shell Dlg" "MS Shell Dlg 2" "Microsoft Sans Serif" "Segoe UI" "Arial"; do
      # REG_MULTI_SZ "wqy-microhei.ttc,WenQuanYi Micro Hei"
      printf '"%s"=hex(7):%s\n' "$face" "$(printf 'wqy-microhei.ttc,WenQuanYi Micro Hei\0\0' |
        iconv -f UTF-8 -t UTF-16LE | od -An -v -tx1 | tr -s ' \n' ',' | sed 's/^,//; s/,$//')"
    done
  } | iconv -f UTF-8 -t UTF-16LE | { printf '\xff\xfe'; cat; } >"$reg"
  wine regedit /S "$reg" >/dev/null 2>&1
  wineserver -w
  # A persistent server with its services: each test program then starts quickly, and
  # no service inherits ctest's output pipe.
  wineserver -p >/dev/null 2>&1
  wine wineboot >/dev/null 2>&1
  touch "$WINEPREFIX/.velkaro-ready"
}

# A fresh prefix (WINEPREFIX) told a screen density before any program starts.
velkaro_density_prefix() {
  local dpi=$1 key
  velkaro_end_server
  rm -rf "$WINEPREFIX"
  velkaro_prepare_prefix </dev/null >/dev/null 2>&1
  for key in 'HKCU\Control Panel\Desktop' 'HKLM\System\CurrentControlSet\Hardware Profiles\Current\Software\Fonts'; do
    wine reg add "$key" /v LogPixels /t REG_DWORD /d "$dpi" /f </dev/null >/dev/null 2>&1
  done
  velkaro_end_server
  velkaro_prepare_prefix </dev/null >/dev/null 2>&1
}

velkaro_stop_wine() {
  [ -n "${WINEPREFIX:-}" ] && wineserver -k >/dev/null 2>&1 || true
  [ -n "${VELKARO_XVFB_PID:-}" ] && kill "$VELKARO_XVFB_PID" 2>/dev/null || true
}
