#!/usr/bin/env bash
# Every text and control of the tray panel is readable through the accessibility bus, and its
# buttons work when pressed through it: pausing, resuming, and starting a break.
source "$(dirname "$0")/lib.sh"
start_accessibility

mkdir -p "$data"
cat > "$data/settings.json" <<'JSON'
{"microEveryMinutes": 20, "longEnabled": true, "blinkEveryMinutes": 0, "onboarded": true}
JSON
start_tarnwick

# A second start opens the panel.
"$tarnwick" > /dev/null 2>&1 || fail "the second start failed"
expect -F $'progress bar\tNext eye break in'
expect -F $'label\tNext eye break in'
expect -E $'label\t(19|20):[0-9]{2}'
expect -E $'label\tLong break at [0-9]{1,2}:[0-9]{2}.*'
for button in 'Eye break now' 'Long break now' '30 min' '1 hour' 'Until tomorrow' Stats Settings Quit; do
    expect -F $'push button\t'"$button"
done
for label in Pause 'taken today' skipped 'day streak'; do expect -F $'label\t'"$label"; done

press '30 min'
expect -F $'label\tPaused until'
expect -F $'push button\tResume breaks'
press 'Resume breaks'
expect -F $'label\tNext eye break in'
press 'Eye break now'
for _ in $(seq 30); do grep -q "phase onBreak" "$log" && break; sleep 0.1; done
grep -q "phase onBreak" "$log" || fail "'Eye break now' did not start a break"
echo "tray accessible: ok"
