#!/usr/bin/env bash
# What the running program serves on the session bus is what its interface file says: the same
# methods, signals and properties with the same types, and its name on the bus as a command finds it.
source "$(dirname "$0")/lib.sh"
xml="$(dirname "$0")/../../data/dbus/io.tarnwick.Tarnwick1.xml"
write_quick_settings
start_tarnwick
wait_for_control
gdbus introspect --session --dest io.tarnwick.Tarnwick --object-path /io/tarnwick/Tarnwick --xml > "$log.out" ||
    fail "gdbus could not introspect the program"
/usr/bin/python3 "$(dirname "$0")/same_interface.py" io.tarnwick.Tarnwick1 "$xml" "$log.out" ||
    fail "the program's interface differs from $xml"
# Properties as gdbus reads them, typed as the file says.
phase=$(gdbus call --session --dest io.tarnwick.Tarnwick --object-path /io/tarnwick/Tarnwick \
    --method org.freedesktop.DBus.Properties.Get io.tarnwick.Tarnwick1 Phase)
[ "$phase" = "(<'working'>,)" ] || fail "Phase reads $phase"
taken=$(gdbus call --session --dest io.tarnwick.Tarnwick --object-path /io/tarnwick/Tarnwick \
    --method org.freedesktop.DBus.Properties.Get io.tarnwick.Tarnwick1 TodayTaken)
[ "$taken" = "(<uint32 0>,)" ] || fail "TodayTaken reads $taken"
# A bad argument from another client: InvalidArgs, with the valid values named.
if answer=$(gdbus call --session --dest io.tarnwick.Tarnwick --object-path /io/tarnwick/Tarnwick \
        --method io.tarnwick.Tarnwick1.TakeBreak banana 2>&1); then
    fail "TakeBreak banana was accepted"
fi
grep -q "org.freedesktop.DBus.Error.InvalidArgs" <<<"$answer" && grep -q '"micro" and "long"' <<<"$answer" ||
    fail "TakeBreak banana answered: $answer"
echo "control interface: ok"
