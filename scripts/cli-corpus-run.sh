#!/usr/bin/env bash
# Runs every request of a corpus (scripts/cli-corpus.sh) through a command and
# prints, for each in the corpus's order, the request, what it wrote on
# standard output and on standard error, and its exit status. The command is
# the program with what starts it: a native trivelon-cli, qemu-aarch64 with
# its library folder, or wine with trivelon-cli.exe. The requests run in as
# many parts at once as there are processors (CORPUS_JOBS to choose).
#
#   scripts/cli-corpus-run.sh CORPUS COMMAND... > outputs.txt
set -uo pipefail
corpus=${1:?usage: $0 CORPUS COMMAND...}
shift
[ $# -gt 0 ] || { echo "usage: $0 CORPUS COMMAND..." >&2; exit 2; }
jobs=${CORPUS_JOBS:-$(nproc)}
# The messages in Russian whatever the locale this runs in, in a UTF-8
# locale all the same: Wine passes the arguments on in the locale's encoding.
unset LC_ALL LC_MESSAGES
export LANG=C.UTF-8

run_requests() {
  local line status arguments errors
  errors=$(mktemp)
  while IFS= read -r line; do
    # Tabs become a separator that is no blank, so empty arguments stay; the
    # one added at the end keeps an empty last argument.
    arguments=()
    [ -z "$line" ] || IFS=$'\x1f' read -r -a arguments <<<"${line//$'\t'/$'\x1f'}"$'\x1f'
    printf '$ %s\n' "$line"
    "$@" "${arguments[@]}" 2>"$errors" </dev/null
    status=$?
    printf '[stderr]\n'
    cat "$errors"
    printf '[exit %d]\n' "$status"
  done
  rm -f "$errors"
}

parts=$(mktemp -d)
trap 'rm -rf "$parts"' EXIT
split --number="l/$jobs" --numeric-suffixes=1 --suffix-length=3 "$corpus" "$parts/requests."
for requests in "$parts"/requests.*; do
  run_requests "$@" <"$requests" >"${requests/requests./outputs.}" &
done
wait
cat "$parts"/outputs.*
