#!/usr/bin/env bash
# Desktop test: runs the real game on the SDL backend under Xvfb, checks that
# its window shows a picture that is not all black, then ends it with a real
# Escape key press and expects exit code 1. Exit 77 (skipped) when Xvfb or
# xdotool is missing. Never hangs: everything it started is killed on exit.
#
# usage: desktop_test.sh GAME DATADIR
set -u

game=${1:?usage: desktop_test.sh GAME DATADIR}
data=${2:?usage: desktop_test.sh GAME DATADIR}

for tool in Xvfb xdotool xwd od; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "SKIP: $tool is not installed"
        exit 77
    fi
done

work=$(mktemp -d)
xvfb_pid=""
game_pid=""

cleanup() {
    if [ -n "$game_pid" ] && kill -0 "$game_pid" 2>/dev/null; then
        # A message box under X11 ignores SIGTERM: dismiss it with a key
        # press, then insist.
        for w in $(xdotool search --class '.*' 2>/dev/null); do
            xdotool windowfocus "$w" key Return >/dev/null 2>&1
        done
        sleep 0.3
        kill -9 "$game_pid" 2>/dev/null
    fi
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
    [ -n "$xvfb_pid" ] && wait "$xvfb_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*"
    if [ -s "$work/game.log" ]; then
        echo "--- game output ---"
        cat "$work/game.log"
    fi
    exit 1
}

# The server has told its number; on a busy machine it may still be slow to
# answer the first clients, so wait until it does.
wait_for_server() {
    for _ in $(seq 100); do
        xdotool getdisplaygeometry >/dev/null 2>&1 && return 0
        sleep 0.1
    done
    return 1
}

# The X server picks a free display number and tells it on fd 3.
start_xvfb() {
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -br 3>"$work/display" 2>"$work/xvfb.log" &
    xvfb_pid=$!
    for _ in $(seq 100); do
        if [ -s "$work/display" ]; then
            export DISPLAY=":$(head -n1 "$work/display")"
            wait_for_server && return 0
            break
        fi
        kill -0 "$xvfb_pid" 2>/dev/null || break
        sleep 0.1
    done
    cat "$work/xvfb.log"
    fail "Xvfb did not start"
}

# Big-endian 32-bit field number $2 of the XWD header in file $1.
xwd_field() {
    od -An -tu1 -j $(($2 * 4)) -N4 "$1" | awk '{ print (($1 * 256 + $2) * 256 + $3) * 256 + $4 }'
}

# Counts the pixels that are not black in an XWD dump of a 24-bit window
# (3 or 4 bytes a pixel; a fourth byte is not colour). The image data is the
# dump's last bytes_per_line * height bytes, one line of od output per row.
lit_pixels() {
    local file=$1 width height byte_order bits bytes_per_line
    width=$(xwd_field "$file" 4)
    height=$(xwd_field "$file" 5)
    byte_order=$(xwd_field "$file" 7)
    bits=$(xwd_field "$file" 11)
    bytes_per_line=$(xwd_field "$file" 12)
    if [ "$(xwd_field "$file" 3)" -ne 24 ] || { [ "$bits" -ne 24 ] && [ "$bits" -ne 32 ]; }; then
        echo "unsupported"
        return
    fi
    tail -c $((height * bytes_per_line)) "$file" | od -An -v -tu1 -w"$bytes_per_line" |
        awk -v w="$width" -v step=$((bits / 8)) -v skip=$((bits == 32 && byte_order == 1)) '
            { for (x = 0; x < w; x++) { i = x * step + skip + 1; if ($i + $(i + 1) + $(i + 2) > 0) n++ } }
            END { print n + 0 }'
}

# Waits up to $1 tenths of a second for the game to end; its code in $status.
wait_for_exit() {
    for _ in $(seq "$1"); do
        if ! kill -0 "$game_pid" 2>/dev/null; then
            wait "$game_pid"
            status=$?
            game_pid=""
            return 0
        fi
        sleep 0.1
    done
    return 1
}

start_xvfb

SDL_AUDIODRIVER=dummy "$game" --windowed --data "$data" >"$work/game.log" 2>&1 &
game_pid=$!

# Waits up to 20 s for the game's window to be mapped; fails early if the
# game ends first.
window=""
for _ in $(seq 200); do
    window=$(xdotool search --onlyvisible --name '^qmx_DD$' 2>/dev/null | head -n1)
    [ -n "$window" ] && break
    kill -0 "$game_pid" 2>/dev/null || fail "the game ended before its window appeared"
    sleep 0.1
done
[ -n "$window" ] || fail "the game window did not appear within 20 s"

# Let a few 50 ms frames reach the screen, then look at the window.
sleep 1
xwd -silent -id "$window" >"$work/window.xwd" || fail "no screenshot of the window"
lit=$(lit_pixels "$work/window.xwd")
[ "$lit" != unsupported ] || fail "the screenshot is not a 24-bit picture"
[ "$lit" -gt 3000 ] || fail "the window is black ($lit pixels not black)"

xdotool windowfocus --sync "$window" >/dev/null 2>&1
xdotool key Escape || fail "could not send Escape"
status=""
wait_for_exit 50 || fail "the game did not end within 5 s of Escape"
[ "$status" -eq 1 ] || fail "exit code $status after Escape, expected 1"
echo "PASS: window shown ($lit pixels not black), Escape ended the game with exit code 1"
exit 0
