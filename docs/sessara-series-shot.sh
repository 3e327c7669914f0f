#!/bin/bash
# SPDX-FileCopyrightText: 2026 The Olvar developers
# SPDX-License-Identifier: MIT

# The README's picture of the summary after booking a weekly series, taken from
# the real program on a 1366 x 768 virtual screen:
#   xvfb-run -a -s "-screen 0 1366x768x24" docs/sessara-series-shot.sh \
#       build/demo/Sessara build/demo/database/sessara-makedb docs
# Needs xdotool, ImageMagick's import and sqlite3. The program runs on a sample
# practice of its own in a temporary folder: today and the same weekday of the
# nine weeks after are cleared, and the fifth week's 09:00 is taken for the first
# counsellor, so that one of the ten dates is refused.
set -eu
program=$(realpath "$1")
makedb=$(realpath "$2")
out=$(realpath "${3:-.}")
work=$(mktemp -d)
export HOME=$work # no remembered window place
cp "$program" "$work/Sessara"
"$makedb" "$work/DIV97.mdb"
today=$(( ($(date -u +%s) / 86400) + 25569 )) # days since 30 December 1899
days=$(seq -s, "$today" 7 $((today + 63)))
sqlite3 "$work/DIV97.mdb" <<SQL
DELETE FROM tblSession WHERE SessionDate IN ($days);
INSERT INTO tblSession (SessionDate, StartTime, EndTime, SessionDescription, SessionTypeID, LocationID)
    VALUES ($((today + 28)), 0.375, 0.41666666666666669, 'Family meeting', 2, 3);
INSERT INTO tblCounsellerSessionLink (CounsellerID, SessionID) VALUES (1, last_insert_rowid());
SQL

"$work/Sessara" >/dev/null 2>&1 &
pid=$!
trap 'kill $pid 2>/dev/null' EXIT
sleep 5
xdotool search --sync --name "Sessara - Alpha" >/dev/null
xdotool key Return # the tip of the day
sleep 1
# A double-click on 09:00 of today's day view, as the window opens on 07:00.
xdotool mousemove 500 282 click --repeat 2 --delay 80 1
dialog=$(xdotool search --sync --name "New Session" | head -1)
eval "$(xdotool getwindowgeometry --shell "$dialog")"
xdotool mousemove $((X + 193)) $((Y + 140)) click 1 # "Repeat"
sleep 1
xdotool key Down Return # "Weekly"
xdotool mousemove $((X + 330)) $((Y + 140)) click 1 # the number of sessions
xdotool key ctrl+a
xdotool type --delay 50 "10"
xdotool mousemove $((X + 555)) $((Y + 426)) click 1 # "Save"
sleep 2
xdotool key Return # "Book the 9 free dates?": Yes
summary=$(xdotool search --sync --name "Series Booked" | head -1)
sleep 1
import -window "$summary" "$out/sessara-series-summary.png"
xdotool key Return
