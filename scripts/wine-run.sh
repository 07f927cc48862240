#!/usr/bin/env bash
# Runs a Windows program under Wine, as the cross builds' CTest emulator: the
# tests, and their listing after each link.
#
# Under load, Wine now and then ends a program before it has run at all: a
# failing status, in no time, with nothing written on either output. Every
# program run this way writes something first (GoogleTest names its filter
# or its tests before any test runs), so a run that failed without writing a
# byte is started again, at most twice more, with a line on standard error
# that says so. A program that ran and failed fails as it did: what it wrote
# passes through unchanged, and so does its status. Each restart is also
# added as a line to the file that WINE_RUN_RESTARTS names, when it is set,
# so that a run of many tests can say how often Wine did this.
#
#   scripts/wine-run.sh PROGRAM.exe [ARGUMENTS...]
set -uo pipefail
output=$(mktemp)
errors=$(mktemp)
trap 'rm -f "$output" "$errors"' EXIT

for attempt in 1 2 3; do
  # Standard output stays a pipe, as CTest gives it, and streams; standard
  # error is passed on when the program has ended.
  wine "$@" 2>"$errors" | tee "$output"
  status=${PIPESTATUS[0]}
  cat "$errors" >&2
  if [ "$status" -eq 0 ] || [ -s "$output" ] || [ -s "$errors" ] || [ "$attempt" -eq 3 ]; then
    exit "$status"
  fi
  message="Wine ended $* with status $status before it wrote anything; starting it again"
  echo "wine-run.sh: $message" >&2
  [ -z "${WINE_RUN_RESTARTS:-}" ] || echo "$message" >>"$WINE_RUN_RESTARTS"
done
