# Shared settings of the project's scripts (sourced, not run).
ZR8_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
ZR8_WINEPREFIX="${ZR8_WINEPREFIX:-/opt/zr8wlib-wine}"
ZR8_DEPS_PREFIX="${ZR8_DEPS_PREFIX:-/opt/zr8wlib-deps/current}"

# Generates ja_JP.UTF-8 when it is missing (as root, with the locales
# package). It must exist before any shell sets LC_ALL to it, or bash warns
# "setlocale: LC_ALL: cannot change locale" and Wine falls back to code page 1252.
zr8_generate_locale() {
    locale -a 2>/dev/null | grep -qi '^ja_JP\.utf-\?8$' && return 0
    if [ "$(id -u)" -ne 0 ] || [ ! -f /etc/locale.gen ] || ! command -v locale-gen >/dev/null; then
        echo "ja_JP.UTF-8 is missing: run scripts/setup as root" >&2
        return 1
    fi
    echo "setup: generating ja_JP.UTF-8"
    sed -i 's/^# *ja_JP.UTF-8/ja_JP.UTF-8/' /etc/locale.gen
    grep -q '^ja_JP.UTF-8' /etc/locale.gen || echo 'ja_JP.UTF-8 UTF-8' >> /etc/locale.gen
    locale-gen >/dev/null
}

# Wine with the project's prefix, a Japanese ANSI code page and no debug noise.
zr8_wine_env() {
    zr8_generate_locale || return 1
    export WINEPREFIX="$ZR8_WINEPREFIX"
    export WINEDEBUG=-all
    export WINEARCH=win64
    export LANG=ja_JP.UTF-8
    export LC_ALL=ja_JP.UTF-8
    # Keep Wine from offering to install Mono/Gecko.
    export WINEDLLOVERRIDES="mscoree,mshtml="
}

# Starts Xvfb on a free display and exports DISPLAY; sets ZR8_XVFB_PID.
zr8_start_xvfb() {
    local n
    for n in $(seq 90 190); do
        if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then
            Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp </dev/null >/dev/null 2>&1 &
            ZR8_XVFB_PID=$!
            local i
            for i in $(seq 1 100); do
                [ -e "/tmp/.X11-unix/X$n" ] && break
                sleep 0.05
            done
            export DISPLAY=":$n"
            return 0
        fi
    done
    echo "no free X display" >&2
    return 1
}

# The same for the Python scripts (scripts/lib/runner.py): prints the display
# and the server's process id.
zr8_start_xvfb_report() {
    zr8_start_xvfb || return 1
    echo "$DISPLAY $ZR8_XVFB_PID"
}

zr8_stop_xvfb() {
    if [ -n "${ZR8_XVFB_PID:-}" ]; then
        kill "$ZR8_XVFB_PID" 2>/dev/null || true
        wait "$ZR8_XVFB_PID" 2>/dev/null || true
        ZR8_XVFB_PID=""
    fi
}

# Keeps one wineserver alive and Wine's helper processes started, detached
# from our pipes: helpers started by a test would inherit CTest's pipes and
# CTest would then wait for them for ever.
zr8_warm_wine() {
    zr8_wine_env
    wineserver -p 300 </dev/null >/dev/null 2>&1 || true
    wine cmd /c exit </dev/null >/dev/null 2>&1 || true
}

zr8_stop_wine() {
    zr8_wine_env
    wineserver -k </dev/null >/dev/null 2>&1 || true
}
