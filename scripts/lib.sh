# Shared by Mixora's scripts: sourced, never run.

# Where builds that outlive a clone are kept (Qt for Windows, the Debian 13
# root).
mixora_cache_dir() {
    echo "${MIXORA_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/mixora}"
}

# Configures a build tree of the checkout (quietly: errors still show) and
# builds it, or the given targets, on every core.
# Usage: build_tree DIR [CMAKE_OPTION...] [-- TARGET...]
build_tree() {
    local dir=$1 options=()
    shift
    while [ $# -gt 0 ] && [ "$1" != -- ]; do
        options+=("$1")
        shift
    done
    [ $# -gt 0 ] && shift
    cmake -S . -B "$dir" "${options[@]}" >/dev/null
    cmake --build "$dir" --parallel "$(nproc)" ${1:+--target "$@"}
}

# Runs a command as root: through sudo for any other user.
as_root() {
    if [ "$(id -u)" -eq 0 ]; then
        "$@"
    else
        sudo "$@"
    fi
}

# Installs those of the given Debian packages that are not installed yet.
install_missing() {
    local missing=() package
    for package in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "ok installed"; then
            missing+=("$package")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0

    if [ "$(id -u)" -ne 0 ] && ! command -v sudo >/dev/null; then
        echo "Mixora needs Debian packages that are not installed, and this user can neither" >&2
        echo "install them (not root) nor use sudo (not installed). As root, run:" >&2
        echo >&2
        echo "    apt-get update && apt-get install -y --no-install-recommends ${missing[*]}" >&2
        echo >&2
        echo "then run this command again." >&2
        exit 1
    fi
    echo "Installing: ${missing[*]}"
    apt_locked apt-get update -q
    apt_locked env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
}

# Runs an apt command as root, one at a time: scripts run side by side (CI
# builds for Windows beside the Linux stages), and apt gives up at once on a
# busy lock.
apt_locked() {
    as_root flock "${TMPDIR:-/tmp}/mixora-apt.lock" "$@"
}

# A scratch folder, $work, removed at exit together with the background jobs
# started meanwhile (display servers, window managers). A script with more
# to end sets its own trap and calls remove_work_dir from it.
make_work_dir() {
    work=$(mktemp -d)
    trap remove_work_dir EXIT
}

# Ends the background jobs, and removes $work if there is one: the Wine
# clean-up below runs it in the Debian 13 root too, where there is none.
remove_work_dir() {
    kill $(jobs -p) 2>/dev/null || true
    [ -z "${work:-}" ] || rm -rf "$work"
}

# A failed check after which the remaining checks still tell something:
# reported and counted, and the script fails at its end (fail_if_faults).
# Usage: fault MESSAGE
faults=0
fault() {
    echo "FAIL: $*" >&2
    faults=$((faults + 1))
}

# Fails the script, with their count, if any check failed.
# Usage: fail_if_faults
fail_if_faults() {
    [ "$faults" -eq 0 ] && return 0
    echo "FAIL: $faults of the checks above failed" >&2
    exit 1
}

# Wine of the script's own, 64-bit, quiet, and with no prompts to download
# Wine's .NET and HTML engines, which Mixora uses neither of. Its prefix (a
# fresh Windows) is PREFIX, or the caller's WINEPREFIX when left out; the
# log of its start goes to LOG_DIR. At exit Wine's programs are ended
# before the work dir goes.
# Usage: use_wine LOG_DIR [PREFIX]
use_wine() {
    wine_logs=$1
    [ $# -lt 2 ] || export WINEPREFIX=$2
    export WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
    trap 'wineserver -k 2>/dev/null || true; remove_work_dir' EXIT
}

# Wine's own start in $WINEPREFIX: the registry, the Windows folders, its
# services. Windows has Arial; Wine has not, so Liberation Sans, drawn to
# Arial's widths, stands in under Arial's name. With DPI, the display is
# scaled as Windows' Display settings scale it (Wine's LogPixels).
# Usage: start_wine [DPI]
start_wine() {
    wineboot -i >"$wine_logs/wineboot${1:+-$1}.log" 2>&1
    wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v Arial /t REG_SZ /d 'Liberation Sans' /f >/dev/null
    if [ $# -gt 0 ]; then
        wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null
    fi
    # Wine reads the dpi as a program starts, once its services are gone.
    wineserver -w
}

# Wine's search path for the test programs of a Windows build tree: Qt's
# DLLs, of the Qt it was configured with, and the compiler's runtime;
# everything else they need is in the Wine prefix.
# Usage: WINEPATH=$(test_wine_path BUILD)
test_wine_path() {
    local qt runtime
    qt=$(sed -n 's/^Qt6_DIR:PATH=\(.*\)\/lib\/cmake\/Qt6$/\1/p' "$1/CMakeCache.txt") || return
    runtime=$(dirname "$(x86_64-w64-mingw32-g++-posix -print-file-name=libstdc++-6.dll)") || return
    echo "$(winepath -w "$qt/bin");$(winepath -w "$runtime");$(winepath -w /usr/x86_64-w64-mingw32/lib)"
}

# The installer that CPack made in a Windows build tree, by its log.
# Usage: installer_of BUILD
installer_of() {
    sed -n 's/^CPack: - package: \(.*\) generated\.$/\1/p' "$1/cpack.log"
}

# Checks every tenth of a second until the command succeeds; fails after
# SECONDS. Usage: wait_until SECONDS COMMAND [ARGUMENT...]
wait_until() {
    local tries=$(($1 * 10))
    shift
    for ((; tries > 0; tries--)); do
        "$@" && return 0
        sleep 0.1
    done
    return 1
}

# Starts Xvfb on a display it picks itself, whose number it writes once it
# is ready; exports DISPLAY and sets xvfb_pid. Its log is DIR/xvfb.log.
# Usage: start_xvfb DIR [WIDTHxHEIGHT]
start_xvfb() {
    local dir=$1 size=${2:-1024x768} displayfd
    exec {displayfd}>"$dir/display"
    # -noreset: by default the server resets when its last client leaves
    # (the window manager check's xprop, the AT-SPI bus launcher) and drops
    # a client that connected meanwhile, which then finds no display; on a
    # busy machine that happens (X.Org server issue 1102).
    Xvfb -displayfd "$displayfd" -screen 0 "${size}x24" -nolisten tcp -noreset >"$dir/xvfb.log" 2>&1 &
    xvfb_pid=$!
    exec {displayfd}>&-
    # Generous: on a loaded machine it can take seconds.
    if ! wait_until 30 test -s "$dir/display"; then
        cat "$dir/xvfb.log" >&2
        echo "Xvfb did not start" >&2
        return 1
    fi
    export DISPLAY=:$(head -n 1 "$dir/display")
}

# Starts openbox on $DISPLAY and waits until it manages the screen, so that
# the windows opened next are already managed. Its log is DIR/openbox.log.
# Usage: start_openbox DIR
start_openbox() {
    openbox --sm-disable >"$1/openbox.log" 2>&1 &
    if ! wait_until 30 window_manager_running; then
        cat "$1/openbox.log" >&2
        echo "openbox did not start on $DISPLAY" >&2
        return 1
    fi
}

# A window manager has said so on the root window (EWMH).
window_manager_running() {
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'
}

# The first visible window that xdotool finds with the given search, as it
# appears; fails after 30 seconds.
# Usage: wait_for_window XDOTOOL-SEARCH-ARGUMENT...
wait_for_window() {
    local id
    for _ in $(seq 150); do
        id=$(xdotool search --onlyvisible "$@" 2>/dev/null | head -n 1) && [ -n "$id" ] && { echo "$id"; return 0; }
        sleep 0.2
    done
    return 1
}
