#!/bin/bash
# SPDX-FileCopyrightText: 2026 The Quelmire developers
# SPDX-License-Identifier: MIT
# Runs Quelmire for two full sun cycles (128 s) on the X display in DISPLAY (run it under
# tools/pictures/with-xvfb.sh), with a command key or a drag every second, and checks that its
# resident memory grows by less than 1 MB over those 128 s.
#
# The driver compiles a shader for each new combination of render mode, fog and lights and
# keeps it, so memory rises while new combinations appear. The warm-up therefore runs the same
# input sequence through a whole sun cycle (and some, for timers that run late on a busy
# machine), which meets every combination by day and by night, before the first sample.
#
#   soak.sh PROGRAM DATA_DIR [SECONDS], with PROGRAM_FACTS naming the program_facts tool
set -u
program=$(realpath "$1")
data=$(realpath "$2")
seconds=${3:-128}
warmUp=110
limitKb=1024
eval "$("$PROGRAM_FACTS" quelmire)"  # title, from the program's header

work=$(mktemp -d /tmp/quelmire-soak-XXXXXX)
pid=""
cleanup() {
    [ -n "$pid" ] && kill -9 "$pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

cp "$data"/*.raw "$work/"
(cd "$work" && exec "$program" >"$work/stdout" 2>"$work/stderr" </dev/null) &
pid=$!
win=$(timeout 60 xdotool search --sync --onlyvisible --name "^$title\$" 2>/dev/null | head -n1)
if [ -z "$win" ]; then
    echo "soak: no window" >&2
    exit 1
fi

rssKb() { awk '/^VmRSS:/ {print $2}' "/proc/$pid/status" 2>/dev/null; }

# Filled, lines and points, with fog off and on, under the sun and then the fixed light: every
# combination once per pass, with the three drags and the resets among them. The sun stands
# still for 7 of the 20 steps, hence the long warm-up.
inputs=("key l" "key p" "key f" "key l" "key n" "key f"
        "mousedown 1 mousemove_relative 40 10 mouseup 1"
        "keydown shift mousedown 1 mousemove_relative 0 120 mouseup 1 keyup shift"
        "keydown ctrl mousedown 1 mousemove_relative 80 -60 mouseup 1 keyup ctrl"
        "key z" "key r" "key m"
        "key s" "key l" "key p" "key f" "key l" "key n" "key f" "key s")
step=0
poke() {
    xdotool mousemove --window "$win" 350 350 ${inputs[$((step % ${#inputs[@]}))]} 2>/dev/null
    step=$((step + 1))
}
# Pokes once a second for $1 seconds, stopping early if the program ends.
pokeFor() {
    for ((t = 0; t < $1; t++)); do
        poke
        sleep 1
        kill -0 "$pid" 2>/dev/null || return 1
    done
}

if ! pokeFor "$warmUp"; then
    echo "soak: Quelmire ended during the warm-up" >&2
    exit 1
fi
start=$(rssKb)
echo "soak: resident memory after the ${warmUp} s warm-up: ${start} kB"
for ((elapsed = 0; elapsed < seconds; elapsed += 16)); do
    if ! pokeFor 16; then
        echo "soak: Quelmire ended during the run" >&2
        exit 1
    fi
    echo "soak:   after $((elapsed + 16)) s: $(rssKb) kB"
done
end=$(rssKb)
growth=$((end - start))
echo "soak: resident memory after $((warmUp + seconds)) s: ${end} kB; growth over ${seconds} s: ${growth} kB"

xdotool mousemove --window "$win" 350 350 key q 2>/dev/null
status=""
for _ in $(seq 1 600); do
    if ! kill -0 "$pid" 2>/dev/null; then
        wait "$pid"
        status=$?
        break
    fi
    sleep 0.1
done
pid=""
failed=0
if [ "$status" != 0 ]; then
    echo "soak: Quelmire ended with status '${status}' after q" >&2
    failed=1
fi
if [ -s "$work/stderr" ]; then
    echo "soak: Quelmire wrote to standard error:" >&2
    head -c 5000 "$work/stderr" >&2
    failed=1
fi
if [ "$growth" -ge "$limitKb" ]; then
    echo "soak: resident memory grew by ${growth} kB, the limit is under ${limitKb} kB" >&2
    failed=1
fi
exit $failed
