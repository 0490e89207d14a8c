#!/usr/bin/env bash
# qmllint_clean.sh QMLLINT OPTION... -- FILE...: fails when qmllint reports anything at all.
set -u
qmllint=$1
shift
options=()
while [ $# -gt 0 ] && [ "$1" != -- ]; do options+=("$1"); shift; done
shift
out=$("$qmllint" "${options[@]}" "$@" 2>&1)
status=$?
if [ $status -ne 0 ] || [ -n "$out" ]; then
    printf '%s\n' "$out"
    echo "qmllint: not clean (exit $status)"
    exit 1
fi
echo "qmllint: $# files clean"
