#!/bin/bash
# SPDX-FileCopyrightText: 2026 The Quelmire developers
# SPDX-License-Identifier: MIT
# Starts a program in the directory that holds its RAW textures. With no display it runs the
# program on a private virtual X display instead (tools/pictures/with-xvfb.sh), saves a
# screenshot of its window and says where.
# Usage: run-program.sh BUILD_DIR PROGRAM
set -u
build=$(cd "$1" && pwd)
program=$2
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$build/bin"
if [ -z "${QUELMIRE_SCREENSHOT:-}" ]; then
    if [ -n "${DISPLAY:-}" ]; then
        exec "./$program"
    fi
    echo "No display: running $program on a virtual X display and taking a picture of it."
    QUELMIRE_SCREENSHOT=1 exec "$root/tools/pictures/with-xvfb.sh" "$root/scripts/run-program.sh" "$build" "$program"
fi

"./$program" >/dev/null &
pid=$!
# Alone on its own display, its window is the one named top-level window there.
window=$(timeout 60 xdotool search --sync --onlyvisible --maxdepth 1 --name . 2>/dev/null | head -n1)
status=1
picture="$build/$program-screenshot.png"
if [ -n "$window" ]; then
    # A few seconds in, the sun has begun to light the sky.
    sleep 4
    if xwd -silent -id "$window" -out "$build/$program-screenshot.xwd" &&
        "$build/tools/xwd2png" "$build/$program-screenshot.xwd" "$picture"; then
        echo "Saved a picture of the window: $picture"
        status=0
    fi
    rm -f "$build/$program-screenshot.xwd"
else
    echo "$program did not open its window." >&2
fi
kill "$pid" 2>/dev/null
wait "$pid" 2>/dev/null
exit $status
