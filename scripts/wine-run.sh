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
    # The system's own faces (the caption's, the message box's) have no Chinese glyphs:
    # link the Kai face behind them, as a Chinese system does with its own fonts.
    local reg="$WINEPREFIX/voralind-fonts.reg" link face
    link="hex(7):$(printf 'ukai.ttc,AR PL UKai CN\0\0' | iconv -f UTF-8 -t UTF-16LE |
      od -An -v -tx1 | tr -s ' \n' ',' | sed 's/^,//; s/,$//')"
    {
      printf '%s\r\n' 'Windows Registry Editor Version 5.00' '' \
        '[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]' \
        '"楷体"="AR PL UKai CN"' '"KaiTi"="AR PL UKai CN"' '"楷体_GB2312"="AR PL UKai CN"' \
        '"KaiTi_GB2312"="AR PL UKai CN"' '' \
        '[HKEY_LOCAL_MACHINE\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink]'
      for face in "Tahoma" "Tahoma Bold" "MS Shell Dlg" "MS Shell Dlg 2" "Microsoft Sans Serif" \
        "MS Sans Serif" "Segoe UI"; do
        printf '"%s"=%s\r\n' "$face" "$link"
      done
      printf '\r\n'
    } | iconv -f UTF-8 -t UTF-16 >"$reg"
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
