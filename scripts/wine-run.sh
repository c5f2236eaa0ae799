#!/usr/bin/env bash
# Runs a Windows program under Wine the way ctest runs a test program: its
# arguments, its QT_ settings and its exit status. Wine keeps QT_ variables
# from Windows programs (on Linux they are the desktop Qt's), so they are set
# by a batch file inside Wine. Test output then goes to the console, where
# ctest reads it, instead of the debugger channel Qt on Windows writes to
# when it finds no console.
# Usage: wine-run.sh PROGRAM [ARGUMENT...]
set -euo pipefail
batch=$(mktemp --suffix=.bat)
trap 'rm -f "$batch"' EXIT

# cmd reads % as the start of a variable: doubled, it is itself.
quote() {
    local text=${1//%/%%}
    printf '"%s"' "$text"
}

{
    echo '@set "QT_FORCE_STDERR_LOGGING=1"'
    while IFS= read -r -d '' setting; do
        [[ $setting == QT_* ]] && echo "@set $(quote "$setting")"
    done < <(env -0)
    line="@$(quote "$(winepath -w "$1")")"
    shift
    for argument in "$@"; do
        line+=" $(quote "$argument")"
    done
    echo "$line"
    echo '@exit /b %ERRORLEVEL%'
} | sed 's/$/\r/' >"$batch"
wine cmd /c "$(winepath -w "$batch")"
