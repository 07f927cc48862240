#!/usr/bin/env bash
# The rules a player starts from are the rules in force: every request of the
# command-line corpus (scripts/cli-corpus.sh) gives the same output, errors
# and exit status with --rules and the file that `trivelon-cli rules` prints
# as without it. Exits non-zero and shows the first differences otherwise.
#
#   scripts/cli-rules-check.sh CLI
set -euo pipefail
cli=${1:?usage: $0 CLI}
repo=$(cd "$(dirname "$0")/.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

"$cli" rules >"$work/rules.toml"
"$repo/scripts/cli-corpus.sh" "$cli" >"$work/corpus.tsv"
# --rules goes right after the command, where no other option can take it
# as its value.
awk -F'\t' -v rules="$work/rules.toml" 'BEGIN { OFS = "\t" }
  $1 == "forge" || $1 == "refine" || $1 == "catalogue" { $1 = $1 OFS "--rules" OFS rules }
  { print }' "$work/corpus.tsv" >"$work/corpus-rules.tsv"
"$repo/scripts/cli-corpus-run.sh" "$work/corpus.tsv" "$cli" >"$work/built-in.txt"
"$repo/scripts/cli-corpus-run.sh" "$work/corpus-rules.tsv" "$cli" |
  sed "s|\t--rules\t$work/rules.toml||" >"$work/file.txt"
if ! cmp -s "$work/built-in.txt" "$work/file.txt"; then
  diff "$work/built-in.txt" "$work/file.txt" | head -40
  echo "trivelon-cli with the printed rules file differs from the built-in rules" >&2
  exit 1
fi
echo "trivelon-cli: $(wc -l <"$work/corpus.tsv") requests the same with the printed rules file"
