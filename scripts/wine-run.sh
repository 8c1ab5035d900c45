#!/usr/bin/env bash
# Runs a Windows program under Wine in the project's own Wine prefix:
#   scripts/wine-run.sh program.exe [arguments...]
#   scripts/wine-run.sh --prepare        (only set the prefix up)
# CTest calls it for every cross-built test (the toolchain's emulator). The prefix is
# $WINEPREFIX when set, else build-mingw/wineprefix in the repository; it is set up once,
# under a lock, so tests started side by side never initialise it twice. The display is
# whatever DISPLAY says (scripts/test-windows.sh starts Xvfb for it).
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

export WINEPREFIX="${WINEPREFIX:-$root/build-mingw/wineprefix}"
export WINEDEBUG=-all
# No Mono or Gecko installer dialog: the program needs neither.
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEARCH=win64

wine=wine
[ -x /usr/lib/wine/wine64 ] && wine=/usr/lib/wine/wine64
export WINELOADER="${WINELOADER:-$(command -v "$wine")}"

prepare_prefix() {
  local marker="$WINEPREFIX/.voralind-ready"
  [ -f "$marker" ] && return 0
  mkdir -p "$(dirname "$WINEPREFIX")"
  (
    flock -w 300 9
    [ -f "$marker" ] && exit 0
    timeout 180 "$wine" wineboot --init >/dev/null 2>&1
    # Wine's GDI does not read fontconfig aliases: tell it which installed face stands for
    # the Kai faces the window asks for. The file is UTF-16 so the Chinese name survives
    # whatever locale this runs in.
    local reg="$WINEPREFIX/voralind-fonts.reg"
    printf '%s\r\n' 'Windows Registry Editor Version 5.00' '' \
      '[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]' \
      '"楷体"="AR PL UKai CN"' '"KaiTi"="AR PL UKai CN"' '"楷体_GB2312"="AR PL UKai CN"' \
      '"KaiTi_GB2312"="AR PL UKai CN"' '' | iconv -f UTF-8 -t UTF-16 >"$reg"
    timeout 60 "$wine" regedit /S "$reg" >/dev/null 2>&1
    timeout 60 "$(dirname "$WINELOADER")/wineserver" -w || true
    touch "$marker"
  ) 9>"$WINEPREFIX.lock"
}

prepare_prefix
if [ "${1:-}" = "--prepare" ]; then
  exit 0
fi
exec "$wine" "$@"
