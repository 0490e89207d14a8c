#!/usr/bin/env bash
# `tarnwick status --follow`, the command of the README's waybar module, against the real program:
# a JSON line at the start and one at each change of what a bar shows, across a pause, a resume, a
# break on demand, a heads-up and the break it announces, Tarnwick quitting and starting again;
# nothing while nothing changes; and it ends as soon as the bar closes its pipe.
source "$(dirname "$0")/lib.sh"
write_quick_settings
lines="$log.lines"
trap 'finish; rm -f "$lines"' EXIT

# The user stays at the desk: input every 15 s, or a minute without any would count them as away
# and the break due after that would rightly wait for their return.
( while sleep 15; do xdotool mousemove_relative 1 1 && xdotool mousemove_relative -- -1 -1; done ) &
helpers+=("$!")

start_tarnwick
wait_for_control
"$tarnwick" status --follow > "$lines" 2> "$log.follow" &
follower=$!
helpers+=("$follower")

# Waits up to $1 seconds for a line of the class $2 after the line last waited for, and marks it.
seen=0
wait_for_class() {
    local seconds=$1 class=$2 found
    for _ in $(seq $((seconds * 10))); do
        found=$(tail -n +"$((seen + 1))" "$lines" | grep -n -m 1 "\"class\":\"$class\"" | cut -d: -f1 || true)
        if [ -n "$found" ]; then
            seen=$((seen + found))
            return 0
        fi
        sleep 0.1
    done
    fail "no line of class $class within $seconds s; the lines: $(cat "$lines")"
}
count() { wc -l < "$lines"; }

wait_for_class 5 working
expect_exit 0 pause 1h
wait_for_class 5 paused
# Paused, the text cannot change: no line in these seconds.
quiet_from=$(count)
sleep 3
[ "$(count)" = "$quiet_from" ] || fail "lines while nothing changed: $(tail -n +"$((quiet_from + 1))" "$lines")"

# The bar goes away: the follower ends, though it had nothing to write.
started=$(date +%s%N)
timeout 5 bash -c "\"$tarnwick\" status --follow | head -n 1 > /dev/null" || fail "a follower outlived its pipe"
elapsed_ms=$(( ($(date +%s%N) - started) / 1000000 ))

seen=$(count)
expect_exit 0 resume
wait_for_class 5 working
expect_exit 0 break
wait_for_class 5 onBreak
wait_for_class 10 working
# The timers start again from the break's end: a heads-up 50 s on, 10 s long, then a 5 s break.
# (A margin of 40 s: on a loaded machine the line "working" is seen late.)
wait_for_class 90 headsUp
wait_for_class 15 onBreak
wait_for_class 10 working

# Tarnwick quits and starts again: the module empties, then follows the new one.
kill "$pid"; wait "$pid" || true
wait_for_class 5 stopped
start_tarnwick
wait_for_control
wait_for_class 5 working
kill "$follower"

/usr/bin/python3 - "$lines" <<'PY' || fail "the lines: $(cat "$lines")"
import json, re, sys
lines = [json.loads(line) for line in open(sys.argv[1])]
previous = None
for line in lines:
    assert line != previous, "a line repeats the one before"
    previous = line
    assert isinstance(line["text"], str) and isinstance(line["tooltip"], str), line
    assert isinstance(line["percentage"], int) and 0 <= line["percentage"] <= 100, line
    if line["class"] == "stopped":
        assert line["text"] == "", line
        continue
    status = line["status"]
    assert status["phase"] == line["class"] and status["text"] == line["text"], line
    assert status["sentence"] == line["tooltip"], line
    if line["class"] in ("working", "headsUp"):
        assert re.fullmatch(r"[0-9]+[sm]", line["text"]), line
classes = []
for line in lines:
    if not classes or classes[-1] != line["class"]:
        classes.append(line["class"])
expected = ["working", "paused", "working", "onBreak", "working", "headsUp", "onBreak", "working", "stopped", "working"]
assert classes == expected, classes
texts = [line["text"] for line in lines]
assert "Paused" in texts and "Break" in texts, texts
heads_up = [line["text"] for line in lines if line["class"] == "headsUp"]
assert len(heads_up) >= 5, heads_up  # its seconds count down, one line each
# Before the heads-up the last minute counts down second by second too, with no gap a bar would
# show as a stuck countdown.
counted = [int(t[:-1]) for line in lines for t in [line["text"]] if line["class"] == "working" and t.endswith("s")]
gaps = [a - b for a, b in zip(counted, counted[1:]) if a > b]
assert counted and max(gaps) <= 2, counted
print(f"{len(lines)} lines, classes {' > '.join(classes)}")
PY
echo "control follow: ok (a closed pipe ended the follower in ${elapsed_ms} ms)"
