#!/usr/bin/env bash
# Creates a Wine prefix ready for Hushcloak on a display without a window manager.
#   wine_prefix.sh PREFIX [DPI]     (DISPLAY must name the display to use; DPI defaults to 96)
set -euo pipefail

export WINEPREFIX=${1:?prefix folder}
dpi=${2:-96}
export WINEDEBUG=-all
# No Mono or Gecko installer prompts, and no menu entries on the host for the shortcuts that
# the installer's tests make.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"

mkdir -p "$WINEPREFIX"
wineboot -i </dev/null
# With no window manager, Wine draws captions and borders itself only for unmanaged windows.
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f </dev/null
# Wine finds Debian's Marlett only in the prefix; without it the caption buttons show letters.
cp /usr/share/wine/fonts/marlett.ttf "$WINEPREFIX/drive_c/windows/Fonts/"
if [ "$dpi" != 96 ]; then
    wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f </dev/null
fi
