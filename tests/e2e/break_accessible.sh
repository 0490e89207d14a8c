#!/usr/bin/env bash
# Every text and control of the heads-up card and the break screen is readable through the
# accessibility bus, under the words it shows, with the role it has, and its buttons press.
source "$(dirname "$0")/lib.sh"
start_accessibility

mkdir -p "$data"
cat > "$data/settings.json" <<'JSON'
{"microEveryMinutes": 1, "headsUpSeconds": 30, "microSeconds": 20, "longEnabled": false,
 "blinkEveryMinutes": 0, "onboarded": true, "enforcement": "casual"}
JSON
start_tarnwick

# The heads-up comes 30 s before the break, at 30 s.
for _ in $(seq 400); do grep -q "phase headsUp" "$log" && break; sleep 0.1; done
expect -F $'push button\tStart this break now'
for label in '+1m' '+5m' '+15m' 'Skip this break'; do expect -F $'push button\t'"$label"; done
expect -F $'label\tAlmost time. Wrap up what you\'re doing.'
expect -E $'label\t00:[0-9]{2}'

# The heads-up's own button, pressed through the accessibility bus, starts the break.
/usr/bin/python3 "$tree" tarnwick --press 'Start this break now' || fail "no 'Start this break now' to press"
for _ in $(seq 30); do grep -q "phase onBreak" "$log" && break; sleep 0.1; done
expect -F $'push button\tSkip Break'
expect -F $'push button\tLock Screen'
# The break covers both monitors, but only the main screen's controls are there to be read.
for label in 'Skip Break' 'Lock Screen'; do
    count=$(grep -cxF $'push button\t'"$label" "$log.tree" || true)
    [ "$count" = 1 ] || fail "'$label' is read $count times"
done
expect -F $'label\t5 skips left this week'
expect -F $'label\tPress'
expect -F $'label\tesc'
expect -F $'label\ttwice to skip the break'
expect -E $'label\t00:[0-9]{2}'
grep -P '^label\t[A-Z][a-z]+( [a-z]+)+' "$log.tree" > /dev/null || fail "the break's title is not readable"
echo "break accessible: ok"
