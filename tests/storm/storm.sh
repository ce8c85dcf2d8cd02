#!/bin/bash
# SPDX-FileCopyrightText: 2026 The Quelmire developers
# SPDX-License-Identifier: MIT
# A random input storm against a real program, on the X display in DISPLAY (run it under
# tools/pictures/with-xvfb.sh). Seeded, so every run sends the same events in the same order.
#
#   storm.sh quelmire|brindlefen PROGRAM DATA_DIR EVENTS [SEED]
#
# with PROGRAM_FACTS, CLOSE_WINDOW and SKY_SHARE naming the program_facts, close-window and
# sky_share tools of the build.
#
# The events are split over one run per way to end the program (the keys q, Q, x, X, the menu
# entry "Quit", and the window system's close message). A run sends keys from the whole keyboard
# (never a quit key, nor the lock keys, whose state would outlive the run), left drags with every
# combination of shift, ctrl and alt, middle-button clicks and drags, wheel clicks, menu picks
# other than "Quit" (and menus dismissed without a pick), and window resizes from 1 x 1 to
# 4096 x 4096. Every so often, and at the end, it checks that the program still runs, still draws
# what it is told to and has written nothing but help text. Each event is one key stroke, button
# press, release or click, pointer motion, resize or menu pick. Exit status 0 when every run
# passed. Every check waits for what it expects with a generous deadline; none sleeps and looks.
set -u

kind=$1
program=$(realpath "$2")
data=$(realpath "$3")
# STORM_EVENTS, when set, asks for a longer run (make storm).
events=${STORM_EVENTS:-$4}
seed=${5:-2006}

# title, width, height, helpText, menuEntries, submenuEntries: from the programs' headers.
facts=$("$PROGRAM_FACTS" "$kind") || {
    echo "storm: unknown program kind '$kind'" >&2
    exit 2
}
eval "$facts"
quitPaths=(q Q x X menu close)
checkEvery=250
# Deadlines: only a fault, or a machine far busier than any seen, reaches them.
deadline=60

# Every key of a US keyboard and some beyond it, except q and x in either case.
keys=(a b c d e f g h i j k l m n o p r s t u v w y z
      A B C D E F G H I J K L M N O P R S T U V W Y Z
      0 1 2 3 4 5 6 7 8 9
      space exclam quotedbl numbersign dollar percent ampersand apostrophe parenleft
      parenright asterisk plus comma minus period slash colon semicolon less equal greater
      question at bracketleft backslash bracketright asciicircum underscore grave braceleft
      bar braceright asciitilde
      Return Tab BackSpace Escape Delete Insert Home End Prior Next Left Right Up Down
      F1 F2 F3 F4 F5 F6 F7 F8 F9 F10 F11 F12
      KP_0 KP_1 KP_2 KP_3 KP_4 KP_5 KP_6 KP_7 KP_8 KP_9 KP_Add KP_Subtract KP_Multiply
      KP_Divide KP_Enter KP_Decimal
      Shift_L Shift_R Control_L Control_R Alt_L Alt_R Super_L Menu Print Pause
      eacute udiaeresis ssharp section sterling)
# Keys that also go with ctrl and alt held: letters and digits only, so that no combination
# spells a quit key or a server key (ctrl+alt+BackSpace).
comboKeys=(a b c d e f g h i j k l m n o p r s t u v w y z 0 1 2 3 4 5 6 7 8 9)
modifierSets=("" "shift" "ctrl" "alt" "shift ctrl" "shift alt" "ctrl alt" "shift ctrl alt")
sizes=("1 1" "2 3" "1 700" "700 1" "10 10" "64 48" "320 240" "640 480" "1280 1024"
       "2000 300" "300 2000" "2560 2048" "4096 4096")

work=$(mktemp -d /tmp/quelmire-storm-XXXXXX)
pid=""
cleanup() {
    [ -n "$pid" ] && kill -9 "$pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "storm: $kind run $run (quit by $quit), event $sent: $*" >&2
    if [ -s "$work/stderr" ]; then
        echo "--- the program's standard error:" >&2
        head -c 20000 "$work/stderr" >&2
    fi
    exit 1
}

read -r screenW screenH < <(xwininfo -root | awk '/Width:/ {w=$2} /Height:/ {h=$2} END {print w, h}')

# Random number below $1 in r; called directly (never in a subshell) so the sequence holds.
rnd() { r=$((RANDOM % $1)); }

chain=()
queued=0
flush() {
    if [ ${#chain[@]} -gt 0 ]; then
        xdotool "${chain[@]}" 2>/dev/null
        chain=()
    fi
    queued=0
}
queue() {
    chain+=("$@")
    queued=$((queued + 1))
    sent=$((sent + 1))
    [ $queued -ge 40 ] && flush
}

# The part of the window that is on the screen, where pointer and keys reach it.
visibleW() { local v=$((screenW - winX)); echo $((w < v ? w : v)); }
visibleH() { local v=$((screenH - winY)); echo $((h < v ? h : v)); }

visibleMenus() { xdotool search --onlyvisible --name '^freeglut menu$' 2>/dev/null | sort; }

# Geometry of a window as "x y width height".
geometry() {
    xwininfo -id "$1" 2>/dev/null | awk '/Absolute upper-left X:/ {x=$4} /Absolute upper-left Y:/ {y=$4}
        /Width:/ {w=$2} /Height:/ {h=$2} END {print x, y, w, h}'
}

# waitFor [-s SECONDS] COMMAND...: runs the command until it succeeds; false at the deadline.
waitFor() {
    local limit=$deadline
    if [ "$1" = -s ]; then
        limit=$2
        shift 2
    fi
    local end=$((SECONDS + limit))
    until "$@"; do
        [ $SECONDS -ge $end ] && return 1
        sleep 0.02
    done
}

# A menu window that was not visible before ($1: the list then), in `found`.
menuAppeared() {
    local id
    for id in $(visibleMenus); do
        if ! grep -qx "$id" <<<"$1"; then
            found=$id
            return 0
        fi
    done
    return 1
}

noMenus() { [ -z "$(visibleMenus)" ]; }

# A click beside any menu closes them all; clicks again if one is still there after a while.
closeMenus() {
    local end=$((SECONDS + deadline))
    until noMenus; do
        [ $SECONDS -ge $end ] && return 1
        xdotool mousemove --window "$win" 2 2 click 1 2>/dev/null
        waitFor -s 2 noMenus
    done
}

stdoutAtLeast() { [ "$(stat -c %s "$work/stdout")" -ge "$1" ]; }

# The barrier: the help key, then a wait for the help to come out. The program handles its input
# in order, so everything sent before has been handled then.
barrier() {
    flush
    local size
    size=$(stat -c %s "$work/stdout")
    xdotool mousemove --window "$win" 10 10 key h 2>/dev/null
    waitFor stdoutAtLeast $((size + ${#helpText}))
}

# Opens the menu at a window point and picks entry $1 (top level) and $2 (submenu, or -1);
# entry -1 dismisses the menu without a pick.
pickMenu() {
    local entry=$1 sub=$2 px=$3 py=$4 before id mx my mw mh target
    flush
    before=$(visibleMenus)
    xdotool mousemove --window "$win" "$px" "$py" click 3 2>/dev/null
    waitFor menuAppeared "$before" || fail "the menu did not open"
    read -r mx my mw mh < <(geometry "$found")
    if [ "$entry" -lt 0 ]; then
        xdotool mousemove --window "$win" 2 2 click 1 2>/dev/null
    else
        target=$((my + mh * (2 * entry + 1) / (2 * menuEntries)))
        if [ "$sub" -ge 0 ]; then
            before=$(visibleMenus)
            xdotool mousemove $((mx + mw / 2)) "$target" 2>/dev/null
            waitFor menuAppeared "$before" || fail "submenu $entry did not open"
            read -r mx my mw mh < <(geometry "$found")
            target=$((my + mh * (2 * sub + 1) / (2 * ${submenuEntries[$entry]})))
        fi
        xdotool mousemove $((mx + mw / 2)) "$target" click 1 2>/dev/null
    fi
    closeMenus || fail "a menu stayed open"
}

shot() { xwd -silent -id "$win" 2>/dev/null | md5sum | cut -d' ' -f1; }

checkOutput() {
    if [ -s "$work/stderr" ]; then
        fail "the program wrote to standard error"
    fi
    local out block count=0
    out=$(cat "$work/stdout"; echo .)
    out=${out%.}
    while [ -n "$out" ]; do
        [ "${out:0:${#helpText}}" = "$helpText" ] || fail "standard output holds more than help text"
        out=${out:${#helpText}}
        count=$((count + 1))
    done
    helpBlocks=$count
    if [ "$kind" = quelmire ] && [ $count -lt 1 ]; then
        fail "no help text at start-up"
    fi
}

skyShare() { "$SKY_SHARE" "$win"; }
skyBelow() { [ "$(skyShare)" -lt "$1" ]; }
skyAbove() { [ "$(skyShare)" -gt "$1" ]; }
pictureDiffersFrom() { [ "$(shot)" != "$1" ]; }
ended() { ! kill -0 "$pid" 2>/dev/null; }

# The program still runs and draws what it is told to: back at its own size, a change that it
# must show appears.
checkAlive() {
    flush
    kill -0 "$pid" 2>/dev/null || fail "the program ended"
    xdotool windowsize "$win" "$width" "$height" 2>/dev/null
    w=$width h=$height
    closeMenus || fail "a menu stayed open"
    barrier || fail "no help after the help key"
    if [ "$kind" = quelmire ]; then
        # In the reset view the sky fills the top of the picture; in points mode the land turns
        # to dots and the sky's colour, whatever the sun makes it, fills nearly all of it.
        xdotool mousemove --window "$win" 10 10 key z r m n 2>/dev/null
        waitFor skyBelow 50 || fail "filled polygons in the reset view did not show"
        xdotool mousemove --window "$win" 10 10 key p 2>/dev/null
        waitFor skyAbove 70 || fail "points did not show"
        xdotool mousemove --window "$win" 10 10 key n 2>/dev/null
    else
        # Whatever is shown, hiding or showing the land changes the picture.
        local before
        before=$(shot)
        pickMenu 0 -1 20 20
        waitFor pictureDiffersFrom "$before" || fail "the picture no longer changes"
        pickMenu 0 -1 20 20
    fi
    kill -0 "$pid" 2>/dev/null || fail "the program ended"
    checkOutput
}

randomKey() {
    local x y
    rnd "$(visibleW)"; x=$r
    rnd "$(visibleH)"; y=$r
    queue mousemove --window "$win" "$x" "$y"
    rnd 5
    if [ $r -eq 0 ]; then
        rnd ${#comboKeys[@]}; local key=${comboKeys[$r]}
        rnd 3
        case $r in
            0) queue key --delay 0 "ctrl+$key" ;;
            1) queue key --delay 0 "alt+$key" ;;
            2) queue key --delay 0 "ctrl+alt+$key" ;;
        esac
    else
        rnd ${#keys[@]}
        queue key --delay 0 "${keys[$r]}"
    fi
}

# A drag with button $1 and a random set of modifiers, partly outside the window.
randomDrag() {
    local button=$1 x y moves m
    rnd ${#modifierSets[@]}
    local mods=(${modifierSets[$r]})
    rnd "$(visibleW)"; x=$r
    rnd "$(visibleH)"; y=$r
    queue mousemove --window "$win" "$x" "$y"
    for m in "${mods[@]}"; do queue keydown "$m"; done
    queue mousedown "$button"
    rnd 8; moves=$((r + 1))
    for _ in $(seq 1 $moves); do
        rnd $((w + 200)); x=$((winX + r - 100))
        rnd $((h + 200)); y=$((winY + r - 100))
        [ $x -lt 0 ] && x=0
        [ $y -lt 0 ] && y=0
        queue mousemove "$x" "$y"
    done
    queue mouseup "$button"
    for m in "${mods[@]}"; do queue keyup "$m"; done
}

randomClick() {
    local x y
    rnd "$(visibleW)"; x=$r
    rnd "$(visibleH)"; y=$r
    queue mousemove --window "$win" "$x" "$y"
    rnd 4
    case $r in
        0 | 1) queue click 2 ;;
        2) queue click 4 ;;
        3) queue click 5 ;;
    esac
}

randomMenu() {
    local vw vh px py entry sub=-1
    vw=$(visibleW) vh=$(visibleH)
    if [ "$vw" -lt 60 ] || [ "$vh" -lt 60 ]; then
        randomKey  # too small to hold a menu and a point beside it
        return
    fi
    # Near the window's top left, so that the menu fits on the screen where it opens.
    rnd $(((vw < 400 ? vw : 400) - 20)); px=$((r + 20))
    rnd $(((vh < 400 ? vh : 400) - 20)); py=$((r + 20))
    rnd $((menuEntries * 2))
    entry=$r
    if [ $entry -ge $((menuEntries - 1)) ]; then
        entry=-1  # dismissed; never the last entry, "Quit"
    elif [ "${submenuEntries[$entry]}" -gt 0 ]; then
        rnd "${submenuEntries[$entry]}"; sub=$r
    fi
    pickMenu "$entry" "$sub" "$px" "$py"
    sent=$((sent + 1))
}

randomResize() {
    rnd ${#sizes[@]}
    read -r w h <<<"${sizes[$r]}"
    flush
    xdotool windowsize "$win" "$w" "$h" 2>/dev/null
    sent=$((sent + 1))
}

quitBy() {
    flush
    closeMenus || fail "a menu stayed open"
    case $1 in
        menu) pickMenu $((menuEntries - 1)) -1 20 20 ;;
        # A window manager's close button: the toolkit ends the program by its default action.
        close) "$CLOSE_WINDOW" "$win" || fail "could not send the close message" ;;
        *) xdotool mousemove --window "$win" 10 10 key "$1" 2>/dev/null ;;
    esac
    # A sanitizer build checks for leaks on the way out, which takes a while.
    waitFor ended || fail "did not end after quitting by $1"
    local status
    wait "$pid"
    status=$?
    pid=""
    [ "$status" -eq 0 ] || fail "ended with status $status after quitting by $1"
}

total=0
perRun=$(((events + ${#quitPaths[@]} - 1) / ${#quitPaths[@]}))
for run in "${!quitPaths[@]}"; do
    quit=${quitPaths[$run]}
    sent=0
    RANDOM=$((seed * 10 + run))
    rm -rf "$work/run" && mkdir -p "$work/run"
    cp "$data"/*.raw "$work/run/"
    (cd "$work/run" && exec "$program" >"$work/stdout" 2>"$work/stderr" </dev/null) &
    pid=$!
    win=$(timeout "$deadline" xdotool search --sync --onlyvisible --name "^$title\$" 2>/dev/null |
        head -n1)
    [ -n "$win" ] || fail "no window"
    read -r winX winY w h < <(geometry "$win")
    barrier || fail "no help after the help key"
    nextCheck=$checkEvery
    while [ $sent -lt $perRun ]; do
        rnd 100
        if [ $r -lt 40 ]; then
            randomKey
        elif [ $r -lt 70 ]; then
            randomDrag 1
        elif [ $r -lt 78 ]; then
            randomDrag 2
        elif [ $r -lt 88 ]; then
            randomClick
        elif [ $r -lt 96 ]; then
            randomMenu
        else
            randomResize
        fi
        if [ $sent -ge $nextCheck ]; then
            checkAlive
            nextCheck=$((sent + checkEvery))
        fi
    done
    checkAlive
    quitBy "$quit"
    checkOutput
    total=$((total + sent))
    echo "storm: $kind run $run: $sent events ($helpBlocks help texts), quit by $quit: status 0"
done
echo "storm: $kind: $total events in ${#quitPaths[@]} runs, every quit path gave status 0"
