#!/usr/bin/env bash
# Writes the fixed corpus of trivelon-cli requests on standard output, one
# request a line, its arguments separated by tabs: every row of the item
# selector as three characters forge it, every refine pair of every class at
# Weaponry Research 10 and 0, budgets, and hostile texts. The rows are read
# from the catalogue of the trivelon-cli given (the reference build), so the
# corpus follows the catalogue.
#
#   scripts/cli-corpus.sh REFERENCE_CLI > corpus.tsv
set -euo pipefail
reference=${1:?usage: $0 REFERENCE_CLI}

request() {
  local IFS=$'\t'
  echo "$*"
}

request catalogue
request --help
request

mapfile -t rows < <("$reference" catalogue | sed -n 's/^ *"text": "\(.*\)",\{0,1\}$/\1/p')
[ ${#rows[@]} -gt 0 ] || { echo "no catalogue rows from $reference" >&2; exit 1; }
low_character=(--base 50 --job 10 --dex 1 --luk 1 --weaponry-research 0 --oridecon-research 0 --anvil None)
for row in "${rows[@]}"; do
  request forge "$row"
  request forge "$row" --star-crumbs 3 --element Fire --element-price 1200 --crumb-price 800
  request forge "$row" "${low_character[@]}" --budget 1000000
done

for class in 1 2 3 4 5; do
  for from in 0 1 2 3 4 5 6 7 8 9; do
    for ((to = from + 1; to <= 10; to++)); do
      for research in 10 0; do
        request refine --class "$class" --from "+$from" --to "+$to" --weaponry-research "$research"
      done
    done
  done
done

# Budgets: none, too little for one try, the averages' neighbourhood, more
# than 64 bits hold, and texts that are no sum.
for budget in 0 1 5000 300000000 9223372036854775807 99999999999999999999 -5 1.5 "" "1 000" ２０; do
  request forge Cutter --budget "$budget"
  request refine --class 4 --from +5 --to +10 --weaponry-research 0 --budget "$budget"
done
request refine --class 5 --from +9 --to +10 --material-price 999999999 --item-price 2147483647 --budget 1
request forge Knife --price1 2147483648 --price2 -1 --price3 abc --budget 123456789

# Hostile texts where a user types and picks.
for text in "" " " "-1" "0" "+7" "007" "1e3" "7.5" "7,5" "１２０" "99999999999999999999" "٣" "abc" \
  "9 9" "Без элемента" "'; DROP TABLE" "%s%n" "../../etc/passwd" "𝟗" "🔥"; do
  request forge Knife --base "$text" --dex "$text"
  request forge "Two-Handed Axe" --luk "$text" --weaponry-research "$text"
  request forge Iron --iron-tempering "$text" --job "$text"
  request forge "$text"
  request refine --class 2 --from +3 --to +8 --weaponry-research "$text" --material-price "$text" --item-price "$text"
done
for anvil in None "Iron Anvil" "Oridecon Anvil" "Golden Anvil" "emperium anvil" "Наковальня"; do
  request forge Rapier --anvil "$anvil"
done
for element in "Без элемента" Fire Ice Wind Earth "без элемента" Огонь; do
  request forge Cutter --element "$element"
done
request forge Knife --star-crumbs 4
request forge Knife --star-crumbs -1
request forge Knife --element-price 5
request forge Iron --price3 10
request forge Knife Knife
request forge --base
request refine --class 4 --to +10 --compare "+0=150000,+4=300к,+7=2кк,+10=90кк"
request refine --class 2 --to +8 --compare "+7=40000,+3=10000,+8=100000,+6=50000"
request refine --to +8 --compare "+0=1,5к,+8=2,5к" --budget 10000
request refine --class 5 --to +10 --compare "+0=9223372036854775807,+10=1"
request refine --to +8 --compare "+9=1"
request refine --to +8 --compare "+3=1,+3=2"
request refine --to +8 --compare "+3=abc" --from +3
request refine --class 0
request refine --class 6
request refine --from +10
request refine --to +0
request refine --from +9 --to +3
request refine extra
request smelt Knife
