# Shared by the desktop shell tests: `check WHAT CMD...` runs CMD and records the outcome;
# `finish` prints the tally and sets the exit status. CMD's standard output is dropped.
passed=0
failed=0

check() {
    local what=$1
    shift
    if "$@" >/dev/null; then
        passed=$((passed + 1))
        echo "ok - $what"
    else
        failed=$((failed + 1))
        echo "not ok - $what"
    fi
}

finish() {
    echo "$passed passed, $failed failed"
    [ "$failed" -eq 0 ]
}
