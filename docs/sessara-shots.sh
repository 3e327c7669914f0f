#!/bin/bash
# SPDX-FileCopyrightText: 2026 The Olvar developers
# SPDX-License-Identifier: MIT

# The README's pictures of Sessara's client form and client finder, taken from
# the real program on a 1366 x 768 virtual screen:
#   xvfb-run -a -s "-screen 0 1366x768x24" docs/sessara-shots.sh build/demo/Sessara docs
# Needs xdotool and ImageMagick's import. Nothing is saved: both windows are
# left with Escape and Cancel.
set -eu
program=$(realpath "$1")
out=$(realpath "${2:-.}")
export HOME=$(mktemp -d) # no remembered window place

"$program" >/dev/null 2>&1 &
pid=$!
trap 'kill $pid 2>/dev/null' EXIT
sleep 4
main=$(xdotool search --sync --name "Sessara - Alpha" | head -1)
eval "$(xdotool getwindowgeometry --shell "$main")"

# "Add Client", the first toolbar button, and a client typed in.
xdotool mousemove $((X + 43)) $((Y + 48)) click 1
form=$(xdotool search --sync --name "New Client" | head -1)
type() { xdotool type --delay 20 "$1"; xdotool key Tab; }
type "Ms"; type "Niamh"; type "O'Sullivan"; xdotool key Tab
type "09 555 7788"; type "027 555 9876"; xdotool key Tab
type "niamh@example.org"; type "F"; type "Librarian"; xdotool key Tab
xdotool type --delay 20 "02/03/2026"
sleep 1
eval "$(xdotool getwindowgeometry --shell "$form")"
xdotool mousemove $((X + 427)) $((Y + 234)) click 1 # European
xdotool mousemove $((X + 611)) $((Y + 234)) click 1 # English
xdotool mousemove $((X + 245)) $((Y + 287)) click 1
sleep 1
import -window "$form" "$out/sessara-client-form.png"
xdotool key Escape
sleep 1

# "Search" beside the client box, with "ta" typed.
eval "$(xdotool getwindowgeometry --shell "$main")"
xdotool mousemove $((X + 1053)) $((Y + 128)) click 1
finder=$(xdotool search --sync --name "Find Client" | head -1)
xdotool type --delay 60 "ta"
sleep 1
import -window "$finder" "$out/sessara-client-finder.png"
xdotool key Escape
