#!/usr/bin/env bash
# Another local user can neither stand in for Tarnwick nor keep it from working. He listens first at
# every place an instance of ours might use (the shared /tmp, the abstract namespace, our runtime
# folder), answering "ok" to anything: the instance runs all the same, a second start still opens its
# panel, he hears nothing, and he cannot reach the instance himself. Adds that user for the test's
# duration (as root); skipped otherwise.
source "$(dirname "$0")/lib.sh"
readonly skipped=77
if [ "$(id -u)" != 0 ] || ! command -v useradd > /dev/null || ! command -v setpriv > /dev/null; then
    echo "two users: skipped: adding a local user needs root, useradd and setpriv"
    exit $skipped
fi
other=tw-other-$$
work=$(mktemp -d)
chmod 755 "$work"
squatter=
added=
cleanup() {
    set +e  # every step runs, whatever the one before did
    finish
    if [ -n "$squatter" ]; then kill "$squatter" 2> /dev/null; wait "$squatter" 2> /dev/null; fi
    # userdel refuses while a process of the user still runs; none should, but the user must go.
    if [ -n "$added" ]; then
        userdel "$other" 2> /dev/null || userdel --force "$other" || echo "could not remove the user $other" >&2
    fi
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 1' INT TERM
if ! useradd --no-create-home --home-dir /nonexistent --shell /usr/sbin/nologin "$other" 2> /dev/null; then
    echo "two users: skipped: useradd could not add a user here"
    exit $skipped
fi
added=1

script="$(dirname "$0")/other_user.py"
as_other=(setpriv --reuid="$other" --regid="$other" --init-groups --)
# The names an instance for data folder $1 uses: before the fix, /tmp/tarnwick-<hash of the folder>;
# now, tarnwick-<hash of the uid and the folder>, in the runtime folder or the abstract namespace.
old_name() { printf '%s' "$1" | sha256sum | cut -c1-16; }
new_name() { printf '%s:%s' "$(id -u)" "$1" | sha256sum | cut -c1-16; }

# Starts the other user's listener on the places given.
squat() {
    : > "$work/squat.log"
    "${as_other[@]}" /usr/bin/python3 - squat "$@" < "$script" >> "$work/squat.log" 2>&1 &
    squatter=$!
    for _ in $(seq 50); do grep -q '^ready' "$work/squat.log" && break; sleep 0.1; done
    grep -q '^ready' "$work/squat.log" || fail "the other user's listener did not start: $(cat "$work/squat.log")"
    ! grep '^cannot squat /tmp/tarnwick-\|^cannot squat @' "$work/squat.log" || fail "the other user could not listen first (above)"
}
stop_squatting() {
    kill "$squatter" 2> /dev/null || true
    wait "$squatter" 2> /dev/null || true
    squatter=
    ! grep '^heard' "$work/squat.log" || fail "the other user heard from Tarnwick (above)"
}
probe() { "${as_other[@]}" /usr/bin/python3 - probe "$@" < "$script"; }
# A second start hands over: status 0, and the running one's panel opens.
second_start_opens_the_panel() {
    panel_shown && fail "the panel was open before the second start"
    "$@" "$tarnwick" > "$work/second.log" 2>&1 || fail "the second start failed: $(cat "$work/second.log")"
    wait_for_panel 3 || fail "the second start did not open the running one's panel"
}
quit() { kill "$pid"; wait "$pid" || true; pid=; }

write_quick_settings
key=$(new_name "$data")

echo "-- with a private runtime folder"
squat "/tmp/tarnwick-$(old_name "$data")" "@tarnwick-$key" "$XDG_RUNTIME_DIR/tarnwick-$key.socket"
grep -q "^cannot squat $XDG_RUNTIME_DIR/" "$work/squat.log" || fail "the other user made a socket in our runtime folder"
start_tarnwick
sleep 1
probe "$XDG_RUNTIME_DIR/tarnwick-$key.socket" | tee "$work/probe.log"
grep -q ': cannot connect' "$work/probe.log" || fail "the other user reached the instance"
second_start_opens_the_panel
kill -0 "$pid" || fail "the instance is gone"
quit
stop_squatting

echo "-- without a runtime folder: the abstract namespace"
squat "@tarnwick-$key"
mkdir -p "$work/tmp"
no_runtime=(env -u XDG_RUNTIME_DIR TMPDIR="$work/tmp")
"${no_runtime[@]}" QT_LOGGING_RULES="tarnwick.model.debug=true" "$tarnwick" > "$log" 2>&1 &
pid=$!
for _ in $(seq 50); do [ -e "$data/tarnwick.lock" ] && break; sleep 0.1; done
sleep 1
kill -0 "$pid" 2> /dev/null || fail "the instance exited"
grep -q "^Tarnwick: another user holds @tarnwick-$key" "$log" || fail "the instance did not say another user holds its name"
probe "@tarnwick-$key-*" | tee "$work/probe.log"
grep -q ': no answer' "$work/probe.log" || fail "the other user did not find the instance's own name to try"
! grep -q ': answered' "$work/probe.log" || fail "the instance answered the other user"
sleep 0.5
panel_shown && fail "the other user opened the panel"
second_start_opens_the_panel "${no_runtime[@]}"
quit
stop_squatting

echo "-- a data folder that cannot be made"
echo "not a folder" > "$work/share"
export XDG_DATA_HOME="$work/share"
data="$XDG_DATA_HOME/Tarnwick"
key=$(new_name "$data")
squat "/tmp/tarnwick-$(old_name "$data")" "@tarnwick-$key"
"$tarnwick" > "$log" 2>&1 &
pid=$!
sleep 2
kill -0 "$pid" 2> /dev/null || fail "the instance exited (status $(wait "$pid"; echo $?))"
second_start_opens_the_panel
kill -0 "$pid" 2> /dev/null || fail "the instance is gone"
quit
stop_squatting
echo "two users: ok"
