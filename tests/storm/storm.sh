#!/bin/bash
# A random input storm against a real program, on the X display in DISPLAY (run it under
# tests/with-xvfb.sh). Seeded, so every run sends the same events in the same order.
#
#   storm.sh quelmire|brindlefen PROGRAM DATA_DIR EVENTS [SEED]
#
# The events are split over one run per quit path (the keys q, Q, x, X, then the menu entry
# "Quit"). A run sends keys from the whole keyboard (never a quit key, nor the lock keys, whose
# state would outlive the run), left drags with every combination of shift, ctrl and alt,
# middle-button clicks and drags, wheel clicks, menu picks other than "Quit" (and menus
# dismissed without a pick), and window resizes from 1 x 1 to 4096 x 4096. Every so often, and
# at the end, it checks that the program still runs, still draws new frames and has written
# nothing but help text. Each event is one key stroke, button press, release or click, pointer
# motion, resize or menu pick. Exit status 0 when every run passed.
set -u

kind=$1
program=$(realpath "$2")
data=$(realpath "$3")
events=$4
seed=${5:-2006}

case $kind in
    quelmire)
        title="Tesk Coursework 2006: Quelmire"
        width=700 height=700
        menuEntries=6        # Toggle Light, Toggle Fog, Reset >, Change Render Mode >, Help, Quit
        submenuEntries=(0 0 3 3 0 0)
        helpText=$'Welcome to the Tesk 2006 Course work\n\tPress h or H for help\n\tPress x, X, q, or Q to exit\n\tPress z or Z to reset Zoom\n\tPress m or M to reset Move\n\tPress r or R to reset Rotation\n\tPress n or N to view Normal filled polygons\n\tPress l or L to view the Lines that make the polygons\n\tPress p or P to view the Points that make the polygons\n\tPress s or S to toggle between fixed light and Sun light\n\tPress f or F to toggle the Fog on or off\n'
        ;;
    brindlefen)
        title="Tesk Coursework 2006"
        width=400 height=400
        menuEntries=4        # Toggle Land, Toggle Duck, Help, Quit
        submenuEntries=(0 0 0 0)
        helpText=$'Welcome to the Tesk 2006 Course work\n\tPress x,X,q, or Q to exit\n'
        ;;
    *)
        echo "storm: unknown program kind '$kind'" >&2
        exit 2
        ;;
esac
quitPaths=(q Q x X menu)
checkEvery=250
# A sanitizer build checks for leaks on the way out, which takes a while.
exitSeconds=60

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

# Waits for a menu window that was not visible before ($1: the list then); prints its id.
newMenu() {
    local before=$1 id
    for _ in $(seq 1 100); do
        for id in $(visibleMenus); do
            if ! grep -qx "$id" <<<"$before"; then
                echo "$id"
                return 0
            fi
        done
        sleep 0.02
    done
    return 1
}

closeMenus() {
    for _ in 1 2 3; do
        [ -z "$(visibleMenus)" ] && return 0
        xdotool mousemove --window "$win" 2 2 click 1 2>/dev/null
        sleep 0.1
    done
    [ -z "$(visibleMenus)" ]
}

# Opens the menu at a window point and picks entry $1 (top level) and $2 (submenu, or -1);
# entry -1 dismisses the menu without a pick.
pickMenu() {
    local entry=$1 sub=$2 px=$3 py=$4 before id mx my mw mh target
    flush
    before=$(visibleMenus)
    xdotool mousemove --window "$win" "$px" "$py" click 3 2>/dev/null
    id=$(newMenu "$before") || fail "the menu did not open"
    read -r mx my mw mh < <(geometry "$id")
    if [ "$entry" -lt 0 ]; then
        xdotool mousemove --window "$win" 2 2 click 1 2>/dev/null
    else
        target=$((my + mh * (2 * entry + 1) / (2 * menuEntries)))
        if [ "$sub" -ge 0 ]; then
            before=$(visibleMenus)
            xdotool mousemove $((mx + mw / 2)) "$target" 2>/dev/null
            id=$(newMenu "$before") || fail "submenu $entry did not open"
            read -r mx my mw mh < <(geometry "$id")
            target=$((my + mh * (2 * sub + 1) / (2 * ${submenuEntries[$entry]})))
        fi
        xdotool mousemove $((mx + mw / 2)) "$target" sleep 0.05 click 1 2>/dev/null
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

# The program still runs and draws: back at its own size, a change it must show appears.
checkAlive() {
    flush
    kill -0 "$pid" 2>/dev/null || fail "the program ended"
    xdotool windowsize "$win" "$width" "$height" 2>/dev/null
    w=$width h=$height
    closeMenus || fail "a menu stayed open"
    local before after
    if [ "$kind" = quelmire ]; then
        # Filled, then points, in the reset view: the land turns to dots.
        xdotool mousemove --window "$win" 10 10 key z r m n 2>/dev/null
        sleep 0.6
        before=$(shot)
        xdotool mousemove --window "$win" 10 10 key p 2>/dev/null
        sleep 0.6
        after=$(shot)
        xdotool mousemove --window "$win" 10 10 key n 2>/dev/null
    else
        # The land, then none.
        sleep 0.3
        before=$(shot)
        pickMenu 0 -1 20 20
        sleep 0.3
        after=$(shot)
        pickMenu 0 -1 20 20
    fi
    [ "$before" != "$after" ] || fail "the picture no longer changes"
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
    sleep 0.1
}

quitBy() {
    flush
    closeMenus || fail "a menu stayed open"
    if [ "$1" = menu ]; then
        pickMenu $((menuEntries - 1)) -1 20 20
    else
        xdotool mousemove --window "$win" 10 10 key "$1" 2>/dev/null
    fi
    local status=""
    for _ in $(seq 1 $((exitSeconds * 10))); do
        if ! kill -0 "$pid" 2>/dev/null; then
            wait "$pid"
            status=$?
            break
        fi
        sleep 0.1
    done
    [ -n "$status" ] || fail "did not end after quitting by $1"
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
    win=""
    for _ in $(seq 1 600); do
        win=$(xdotool search --onlyvisible --name "^$title\$" 2>/dev/null | head -n1)
        [ -n "$win" ] && break
        kill -0 "$pid" 2>/dev/null || fail "the program ended before its window showed"
        sleep 0.1
    done
    [ -n "$win" ] || fail "no window"
    read -r winX winY w h < <(geometry "$win")
    sleep 0.5
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
