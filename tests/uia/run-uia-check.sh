#!/usr/bin/env bash
# What a Windows screen reader hears of Mixora. The installed program runs
# under Wine and uiaclient.exe reads it through UI Automation, as Narrator
# and NVDA do: every box, unit box and button of the three calculators must
# carry the name that a Linux screen reader hears (tests/atspi), and a
# prompt must be read out as its text.
#
# Debian 12's Wine 8 cannot serve Qt's provider: the first step below a
# window deadlocks the program (Wine's provider thread waits for Qt's GUI
# thread, which waits for it). Wine 10 serves it; so this runs in the
# Debian 13 root that scripts/test-debian.sh 13 makes, with that release's
# Wine, on the caller's X display. Neither Wine serves control patterns or
# the Value property: keys typed with xdotool drive the program, and no
# figure can be read back through UI Automation.
#
# Needs root and DISPLAY (with a window manager, as scripts/test-windows.sh
# has them). Usage: run-uia-check.sh INSTALLER CLIENT
# With --prepare in their place, it only installs Wine and the tools in the
# root, and needs no display, so that the root can be readied ahead.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
inside=/mnt/mixora-uia

# The names heard on Linux, in the order of the tree: the window and the
# calculator, each dimension box with its unit box (whose edit line carries
# the same name), the buttons, the seven read-outs, the menu. The Linux
# tests name them in desktop_user.py.
expected_names() {
    local caption=$1 row readout
    printf 'Window\tMixora - [%s Calculator]\nWindow\t%s Calculator\n' "$caption" "$caption"
    while IFS= read -r row; do
        printf 'Edit\t%s:\nComboBox\t%s unit\nEdit\t%s unit\n' "$row" "$row" "$row"
    done < <(python3 "$inside/desktop_user.py" rows "$caption")
    printf 'Button\t%s\n' Clear Calculate
    while IFS= read -r readout; do
        printf 'Edit\t%s\n' "$readout"
    done < <(python3 "$inside/desktop_user.py" readouts)
    printf 'MenuItem\t%s\n' Slab Footing Circular
}

# The client's listing of the window so titled, without Wine's carriage
# returns.
listing() {
    wine "$inside/uiaclient.exe" "$1" 2>>"$inside/client.log" | tr -d '\r'
}

# Type and name of the elements a user tabs to or picks, and of the windows.
names_of() {
    sed 's/^ *//' | awk -F '\t' '$1 ~ /^(Window|Edit|ComboBox|Button|MenuItem)$/ { print $1 "\t" $2 }'
}

# The calculator's names, read until they are as expected: the title
# changes as the switch ends, and the client may read a moment before.
check_names() {
    local caption=$1 heard
    for _ in $(seq 20); do
        heard=$(listing "Mixora - [$caption Calculator]") || true
        diff <(expected_names "$caption") <(names_of <<<"$heard") >/dev/null && break
        sleep 0.5
    done
    echo "-- $caption Calculator:"
    echo "$heard"
    diff <(expected_names "$caption") <(names_of <<<"$heard") ||
        fault "the $caption calculator's names differ from Linux's (< Linux, > Windows)"
}

splash_has_keyboard() {
    [ "$(xdotool getwindowfocus 2>/dev/null)" = "$splash" ]
}

prompt_closed() {
    ! xdotool search --onlyvisible --name '^Mixora$' >/dev/null 2>&1
}

# The main window showing the calculator so captioned has the keyboard: a
# key sent before Wine hands it back after a prompt goes nowhere.
main_has_keyboard() {
    [ "$(xdotool getwindowfocus getwindowname 2>/dev/null)" = "Mixora - [$1 Calculator]" ]
}

# A menu command by its key, once the main window can take it.
switch_to() {
    local from=$1 keys=$2 to=$3
    wait_until 15 main_has_keyboard "$from" || fault "the $from calculator does not have the keyboard"
    xdotool key "$keys"
    wait_until 15 main_has_keyboard "$to" || fault "$keys did not switch to the $to calculator"
    check_names "$to"
}

# Space on the splash once it has the keyboard (clicked, if it never takes
# it); then the main window with the slab calculator.
press_continue() {
    splash=$(wait_for_window --classname '^mixora\.exe$') || { fault "Mixora.exe showed no window"; return 1; }
    wait_until 15 splash_has_keyboard || xdotool mousemove --window "$splash" 20 20 click 1
    xdotool key space
    wait_for_window --name '^Mixora - \[Slab Calculator\]$' >/dev/null ||
        { fault "Space on the splash did not open the main window"; return 1; }
}

# Calculate with the thickness empty: the keyboard starts in the thickness
# box, seven Tabs before Calculate. The prompt is read, then OK pressed.
check_prompt() {
    xdotool key --delay 100 Tab Tab Tab Tab Tab Tab Tab space
    local heard
    heard=$(listing Mixora) || { fault "no prompt appeared"; return; }
    echo "-- the prompt:"
    echo "$heard"
    sed 's/^ *//' <<<"$heard" | grep -qxF $'Text\tPlease enter a number value for the Thickness.\t' ||
        fault "the prompt is not read as its text"
    names_of <<<"$heard" | grep -qxF $'Button\tOK' || fault "the prompt's OK button is not heard"
    xdotool key Return
    wait_until 15 prompt_closed || fault "Enter did not close the prompt"
}

# In the Debian 13 root: Wine 10 in a fresh prefix, the installer, the
# program and the checks.
run_inside() {
    source "$inside/lib.sh"
    install_missing wine wine64 xdotool python3
    if [ "$installer" = --prepare ]; then
        return
    fi
    use_wine "$inside" /tmp/wine-prefix
    echo "== $(wine --version) in the Debian 13 root"
    start_wine
    wine "$inside/$installer" /S
    wineserver -w
    wine 'C:/Program Files/Mixora/Mixora.exe' >"$inside/mixora.log" 2>&1 &
    press_continue || return 1
    check_names Slab
    check_prompt
    switch_to Slab alt+f Footing
    switch_to Footing alt+c Circular
    xdotool key alt+F4
    wineserver -w
    if [ "$faults" -ne 0 ]; then
        echo "the client said:" >&2
        tail -n 20 "$inside/client.log" >&2 || true
        return 1
    fi
}

installer=$1 client=${2:-}
if [ "$installer" = --inside ]; then
    installer=$client
    run_inside
    exit
fi

source "$here/../../scripts/lib.sh"
[ "$(id -u)" -eq 0 ] || { echo "entering the Debian 13 root needs root" >&2; exit 1; }
files=("$installer" "$client")
if [ "$installer" = --prepare ]; then
    files=()
    echo "== Wine 10 in the Debian 13 root, for what a screen reader hears"
else
    echo "== what a screen reader hears: UI Automation under Wine 10"
    [ -n "${DISPLAY:-}" ] || { echo "no DISPLAY to run the program on" >&2; exit 1; }
fi
root=$(mixora_cache_dir)/debian13
[ -e "$root/.complete" ] ||
    { echo "no Debian 13 root in $root: scripts/test-debian.sh 13 makes it" >&2; exit 1; }
# One user of the root at a time, as in scripts/test-debian.sh 13.
exec {lock}>"$(mixora_cache_dir)/debian13.lock"
flock "$lock"
make_work_dir
cp "${files[@]}" "$here/run-uia-check.sh" "$here/../../scripts/lib.sh" "$here/../desktop_user.py" "$work/"
cp /etc/resolv.conf "$root/etc/resolv.conf"
mkdir -p "$root$inside"
# The mounts live in a namespace of their own and go with it.
display_socket=/tmp/.X11-unix
unshare --mount --propagation private -- bash -c '
    set -e
    root=$1 work=$2 inside=$3 sockets=$4
    for folder in /proc /sys /dev; do mount --rbind "$folder" "$root$folder"; done
    mount -t tmpfs tmpfs "$root/tmp"
    if [ -d "$sockets" ]; then
        mkdir -p "$root$sockets"
        mount --bind "$sockets" "$root$sockets"
    fi
    mount --bind "$work" "$root$inside"
    exec chroot "$root" /usr/bin/env -i HOME=/root PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
        LANG=C.UTF-8 DISPLAY="${DISPLAY:-}" bash "$inside/run-uia-check.sh" --inside "$5"
' check "$root" "$work" "$inside" "$display_socket" "${installer##*/}"
