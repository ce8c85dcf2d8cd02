#!/bin/bash
# SPDX-FileCopyrightText: 2026 The Quelmire developers
# SPDX-License-Identifier: MIT
# `make test`: the normal build with its tests and the sanitizer build with its tests, run side
# by side (the tests mostly wait on windows and pictures, which leaves the cores to the other
# build). Each phase's time is printed as it ends; the full logs follow at the end.
set -u
cd "$(dirname "$0")/.."
logs=$(mktemp -d /tmp/quelmire-make-test-XXXXXX)
trap 'rm -rf "$logs"' EXIT
started=$(date +%s%N)

seconds() { echo $((($(date +%s%N) - $1) / 1000000000)); }

# phase PIPELINE NAME COMMAND...: runs the command into the pipeline's log and reports its time.
phase() {
    local pipeline=$1 name=$2 begin status
    shift 2
    begin=$(date +%s%N)
    echo "=== $name: $*" >>"$logs/$pipeline.log"
    "$@" >>"$logs/$pipeline.log" 2>&1
    status=$?
    printf '%-9s %-10s %4d s  (at %d s)%s\n' "$pipeline" "$name" "$(seconds "$begin")" \
        "$(seconds "$started")" "$([ $status -eq 0 ] || echo "  FAILED")"
    return $status
}

# The sanitizer pipeline is the longer one; the normal build's tests (memcheck the longest) take
# the cores it leaves, at a lower priority. Every wait in them has a deadline, not a time.
normal() {
    phase normal configure cmake --preset default &&
        phase normal build cmake --build --preset default-tests &&
        phase normal tests nice -n 10 ctest --preset default
}

sanitized() {
    phase sanitize configure cmake --preset sanitize &&
        phase sanitize build cmake --build --preset sanitize &&
        phase sanitize tests ctest --preset sanitize
}

normal &
normalPid=$!
sanitized &
sanitizedPid=$!
wait $normalPid
normalStatus=$?
wait $sanitizedPid
sanitizedStatus=$?

for pipeline in normal sanitize; do
    echo
    echo "############ $pipeline build and tests"
    cat "$logs/$pipeline.log"
done
echo
echo "make test: $(seconds "$started") s in all; normal $([ $normalStatus -eq 0 ] && echo passed ||
    echo FAILED), sanitize $([ $sanitizedStatus -eq 0 ] && echo passed || echo FAILED)"
[ $normalStatus -eq 0 ] && [ $sanitizedStatus -eq 0 ]
