#!/bin/bash
# SPDX-FileCopyrightText: 2026 The Quelmire developers
# SPDX-License-Identifier: MIT
# Runs a command on a private virtual X display of its own, never on the user's desktop: the
# build's icons and pictures, the screenshots of `make run` without a display, and every test.
# Usage: with-xvfb.sh COMMAND [ARGS...]
set -u
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
# Without -noreset the server resets whenever its last client leaves, and the next program to
# connect at that moment fails to open the display.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -noreset -nolisten tcp +extension GLX \
    3>"$dir/display" 2>"$dir/xvfb.log" &
xvfb=$!
# Xvfb writes its display number once it accepts clients; a loaded machine may take a while.
end=$((SECONDS + 60))
until [ -s "$dir/display" ] || [ $SECONDS -ge $end ]; do
    kill -0 "$xvfb" 2>/dev/null || break
    sleep 0.05
done
if [ ! -s "$dir/display" ]; then
    echo "with-xvfb: Xvfb did not start" >&2
    cat "$dir/xvfb.log" >&2
    exit 1
fi
export DISPLAY=":$(head -n1 "$dir/display")"
# The renderer draws on the calling thread: its worker threads gain nothing on a machine whose
# cores the tests already share, and under valgrind they cost a quarter of memcheck's time.
export LP_NUM_THREADS=${LP_NUM_THREADS:-0}
"$@"
status=$?
kill "$xvfb" 2>/dev/null
wait "$xvfb" 2>/dev/null
exit $status
