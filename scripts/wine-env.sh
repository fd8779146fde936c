# Sourced by scripts that run Windows programs under Wine: the project's own
# prefix, a display (a private Xvfb when there is none) and a persistent
# wineserver, so that each later launch takes a fraction of a second.

lumora_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export WINEPREFIX=${LUMORA_WINEPREFIX:-$lumora_root/build/wine}
export WINEDEBUG=${WINEDEBUG:--all}
# No .NET or HTML engine to look for; no help engine that blocks on a dialog.
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-"mscoree,mshtml=;winhlp32.exe=d"}
export WINEARCH=win64

lumora_ensure_display() {
    [ -n "${DISPLAY:-}" ] && return
    local n=${LUMORA_XVFB_DISPLAY:-97}
    if ! [ -e "/tmp/.X11-unix/X$n" ]; then
        Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
        for _ in $(seq 100); do [ -e "/tmp/.X11-unix/X$n" ] && break; sleep 0.1; done
    fi
    export DISPLAY=":$n"
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
}

lumora_start_server() {
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
