#!/usr/bin/env bash
# Runs two builds of trivelon-cli over the same arguments and reports every
# difference in standard output, standard error or exit status: the
# catalogue, every row of the item list forged with the defaults and with a
# few changed options, and every refine of every class from each level to
# each level above it, with Weaponry Research 10 and 0.
#
#   scripts/compare-cli.sh OLD/trivelon-cli NEW/trivelon-cli
#
# Exit status 0 when both give the same answers everywhere, 1 otherwise.
set -uo pipefail
if [[ $# -ne 2 ]]; then
    echo "usage: $0 OLD_CLI NEW_CLI" >&2
    exit 2
fi
old=$1
new=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

runs=0
differences=0

# compare ARGUMENTS...: one run of each build, both called "trivelon-cli",
# the name the help texts print.
compare() {
    (exec -a trivelon-cli "$old" "$@") >"$work/old.out" 2>"$work/old.err"
    echo "exit $?" >>"$work/old.out"
    (exec -a trivelon-cli "$new" "$@") >"$work/new.out" 2>"$work/new.err"
    echo "exit $?" >>"$work/new.out"
    runs=$((runs + 1))
    if ! cmp -s "$work/old.out" "$work/new.out" || ! cmp -s "$work/old.err" "$work/new.err"; then
        differences=$((differences + 1))
        echo "DIFFERENT: trivelon-cli $*"
        diff "$work/old.out" "$work/new.out" | head -20
        diff "$work/old.err" "$work/new.err" | head -20
    fi
}

compare
compare --help
compare catalogue
compare forge --help
compare refine --help
compare refine --class 0
compare refine --class 6

# Every row the item list offers, headers included, as the old build lists them.
mapfile -t rows < <("$old" catalogue | sed -n 's/^            "text": "\(.*\)",\{0,1\}$/\1/p')
echo "${#rows[@]} rows of the item list"
for row in "${rows[@]}"; do
    compare forge "$row"
    compare forge "$row" --star-crumbs 2 --element Fire --anvil None
    compare forge "$row" --job 1 --dex 1 --luk 1 --weaponry-research 0 --anvil "Golden Anvil" --price1 120 --budget 1000000
    compare forge "$row" --star-crumbs 3 --element Poison --smith-axe x --iron-tempering 5 --price2 7 --crumb-price 1
done

for class in 1 2 3 4 5; do
    for from in 0 1 2 3 4 5 6 7 8 9; do
        for to in 1 2 3 4 5 6 7 8 9 10; do
            ((from <= to)) || continue
            for research in 10 0; do
                compare refine --class "$class" --from "+$from" --to "+$to" --weaponry-research "$research" --budget 5000000
            done
        done
    done
    compare refine --class "$class"
done

echo "$runs runs, $differences with differences"
((differences == 0))
