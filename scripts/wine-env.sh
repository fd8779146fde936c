# Sourced by scripts that run Windows programs under Wine: the project's own
# prefix, a display (a private Xvfb when there is none) and a persistent
# wineserver, so that each later launch takes a fraction of a second.

lumora_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export WINEPREFIX=${LUMORA_WINEPREFIX:-$lumora_root/build/wine}
export WINEDEBUG=${WINEDEBUG:--all}
# No .NET or HTML engine to look for; no help engine that blocks on a dialog.
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-"mscoree,mshtml=;winhlp32.exe=d"}
export WINEARCH=win64

lumora_display_answers() {
    [ -n "${1:-}" ] && xdpyinfo -display "$1" >/dev/null 2>&1
}

# A private Xvfb for this build tree, started once and found again by the
# display number it chose, which is kept in build/xvfb.display.
lumora_private_display() {
    local file=$lumora_root/build/xvfb.display n
    mkdir -p "$lumora_root/build"
    exec 7>"$file.lock"
    flock 7
    n=$(cat "$file" 2>/dev/null || true)
    if ! lumora_display_answers ":$n"; then
        rm -f "$file"
        Xvfb -displayfd 6 -screen 0 1280x1024x24 -nolisten tcp 6>"$file" \
            7>&- >/dev/null 2>&1 &
        for _ in $(seq 100); do
            n=$(cat "$file" 2>/dev/null || true)
            lumora_display_answers ":$n" && break
            sleep 0.1
        done
    fi
    flock -u 7
    exec 7>&-
    lumora_display_answers ":$n" || { echo "wine-env: no X display could be started" >&2; return 1; }
    export DISPLAY=":$n"
}

# The player's display when it answers, else a private one. Tests ask for
# a private one (LUMORA_PRIVATE_DISPLAY=1): they capture the screen's pixels
# and must not meet other windows. A DISPLAY that names no running server
# is treated as no display at all.
lumora_ensure_display() {
    if [ "${LUMORA_PRIVATE_DISPLAY:-0}" != 1 ] && lumora_display_answers "${DISPLAY:-}"; then
        return
    fi
    lumora_private_display
}

# The prefix is made once. Managed=N keeps every closing window or message
# box from costing two seconds under Xvfb.
lumora_make_prefix() {
    mkdir -p "$(dirname "$WINEPREFIX")"
    (
        flock 9
        if [ ! -f "$WINEPREFIX/.lumora-ready" ]; then
            wineboot -i >/dev/null 2>&1 || true
            wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
            wineserver -w
            touch "$WINEPREFIX/.lumora-ready"
        fi
    ) 9>"$WINEPREFIX.lock"
    lumora_add_wine_fonts
}

# Debian's Wine looks for its own fonts in a folder it does not install them
# in; without Marlett the caption buttons show letters. The prefix's Fonts
# folder is always searched.
lumora_add_wine_fonts() {
    local fonts=$WINEPREFIX/drive_c/windows/Fonts
    [ -d "$fonts" ] || return 0
    for f in /usr/share/wine/fonts/*.ttf; do
        [ -e "$f" ] && [ ! -e "$fonts/$(basename "$f")" ] && cp "$f" "$fonts/"
    done
    return 0
}

# Wine's desktop process keeps the display it started on: a server that
# runs for another display is stopped first.
lumora_start_server() {
    local mark=$WINEPREFIX/.lumora-display
    if [ "$(cat "$mark" 2>/dev/null || true)" != "$DISPLAY" ]; then
        wineserver -k >/dev/null 2>&1 || true
        echo "$DISPLAY" >"$mark"
    fi
    wineserver -p >/dev/null 2>&1 || true
}

lumora_wine_ready() {
    lumora_ensure_display
    lumora_make_prefix
    lumora_start_server
}

# Runs a program under Wine and prints its output once it has ended. Wine's
# background services, when this program is the one that starts them, keep
# the output they inherited open; given only a file, they never hold up
# whoever reads this script's output (a test runner waits for that to close).
lumora_wine_detached() {
    local out status
    out=$(mktemp "${TMPDIR:-/tmp}/lumora-wine-out.XXXXXX")
    status=0
    wine "$@" >"$out" 2>&1 </dev/null || status=$?
    cat "$out"
    rm -f "$out"
    return $status
}

# Removes the registry keys the program writes (its settings and the ".tsg"
# association, the user's and the machine's, where older versions wrote
# them), so that every test starts as a first run. The .reg file is written
# into the given folder.
lumora_clean_registry() {
    cat > "$1/clean.reg" <<'REG'
REGEDIT4

[-HKEY_CURRENT_USER\Software\Quillory]
[-HKEY_CURRENT_USER\Software\Classes\.tsg]
[-HKEY_CURRENT_USER\Software\Classes\LumoraSolitaire]
[-HKEY_LOCAL_MACHINE\SOFTWARE\Quillory]
[-HKEY_CLASSES_ROOT\.tsg]
[-HKEY_CLASSES_ROOT\LumoraSolitaire]
REG
    wine regedit /s "$(winepath -w "$1/clean.reg" 2>/dev/null 8>&-)" >/dev/null 2>&1 8>&- || true
}
