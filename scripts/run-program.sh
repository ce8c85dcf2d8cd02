#!/bin/bash
# Starts a program in the directory that holds its RAW textures. With no display it runs the
# program on a virtual X display instead, saves a screenshot of its window and says where.
# Usage: run-program.sh BUILD_DIR PROGRAM "WINDOW TITLE"
set -u
build=$(cd "$1" && pwd)
program=$2
title=$3
cd "$build/bin"
if [ -n "${DISPLAY:-}" ]; then
    exec "./$program"
fi

echo "No display: running $program on a virtual X display and taking a picture of it."
dir=$(mktemp -d)
Xvfb -displayfd 3 -screen 0 1280x1024x24 -noreset -nolisten tcp 3>"$dir/display" 2>/dev/null &
xvfb=$!
for _ in $(seq 1 200); do [ -s "$dir/display" ] && break; sleep 0.05; done
export DISPLAY=":$(head -n1 "$dir/display")"
"./$program" &
pid=$!
window=""
for _ in $(seq 1 100); do
    window=$(xdotool search --onlyvisible --name "^$title\$" 2>/dev/null | head -n1)
    [ -n "$window" ] && break
    sleep 0.1
done
status=1
picture="$build/$program-screenshot.png"
if [ -n "$window" ]; then
    sleep 4
    if xwd -silent -id "$window" -out "$dir/shot.xwd" && "$build/tools/xwd2png" "$dir/shot.xwd" "$picture"; then
        echo "Saved a picture of the window: $picture"
        status=0
    fi
else
    echo "$program did not open its window." >&2
fi
kill "$pid" 2>/dev/null
wait "$pid" 2>/dev/null
kill "$xvfb" 2>/dev/null
wait "$xvfb" 2>/dev/null
rm -rf "$dir"
exit $status
