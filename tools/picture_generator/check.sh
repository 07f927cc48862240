#!/usr/bin/env bash
# Checks the pictures below a root folder (default: the repository root):
# the 112 run-time bitmaps by name, size and header, and the built-in
# pictures by name and size. Its file list is written out here on purpose,
# apart from the generator's, so that a misspelt name in either shows up.
#
# usage: tools/picture_generator/check.sh [ROOT]
set -u
root="${1:-$(cd "$(dirname "$0")/../.." && pwd)}"
failures=0
checked=0

fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

u16() { od -An -tu2 -j"$2" -N2 "$1" | tr -d ' '; }
u32() { od -An -tu4 -j"$2" -N4 "$1" | tr -d ' '; }

# bitmap PATH WIDTH HEIGHT [BITS]
bitmap() {
  local f="$root/$1"
  checked=$((checked + 1))
  if [[ ! -f "$f" ]]; then
    fail "$1 is missing"
    return
  fi
  if [[ "$(head -c2 "$f")" != "BM" ]]; then
    fail "$1 does not start with BM"
    return
  fi
  local header w h planes bits
  header=$(u32 "$f" 14)
  w=$(u32 "$f" 18)
  h=$(u32 "$f" 22)
  planes=$(u16 "$f" 26)
  bits=$(u16 "$f" 28)
  [[ "$header" == 40 ]] || fail "$1 has a bitmap header of $header bytes"
  [[ "$planes" == 1 ]] || fail "$1 has $planes planes"
  [[ "$w" == "$2" && "$h" == "$3" ]] || fail "$1 is ${w}x${h}, expected $2x$3"
  if [[ $# -ge 4 && "$bits" != "$4" ]]; then
    fail "$1 has $bits bits per pixel, expected $4"
  fi
  [[ "$(stat -c %s "$f")" == "$(u32 "$f" 2)" ]] || fail "$1: size field does not match the file size"
}

for f in bs0 bs41 bs66 bs81 bs91; do
  bitmap "images/$f.bmp" 125 125
done

for f in iron steel oridecon elunium flameheart roughwind mysticfrozen greatnature starcrumb \
  knife cutter maingauche dirk dagger stiletto gladius damascus \
  sword falchion blade rapier scimiter ringpommelsaber saber haedonggum tsurugi flamberge \
  katana slayer bastardsword two-handedsword broadsword claymore \
  axe battleaxe hammer buster two-handedaxe \
  club mace smasher flail chain morningstar swordmace stunner \
  waghnak knuckleduster hora fist claw finger \
  javelin spear pike guisarme glaive partizan trident hallberd lance; do
  bitmap "images/big/$f.bmp" 75 100
done

for f in minifurnace ironhammer goldenhammer orideconhammer \
  1caratdiamond amethyst aquamarine coal crackeddiamond crystalblue cursedruby decayednail \
  evilhorn garnet greenlive heroicemblem horrendousmouth iron ironore jellopy opal orcsfang \
  oridecon pearl redblood roughelunium roughoridecon ruby sapphire sharpscale stardust steel \
  toothofbat topaz windofverdure wolfclaw zircon \
  flameheart greatnature roughwind mysticfrozen starcrumb phracon emveretarcon elunium; do
  bitmap "images/$f.bmp" 24 24
done

checked=$((checked + 1))
if [[ ! -f "$root/images/empty.bmp" ]]; then
  fail "images/empty.bmp is missing"
elif [[ -s "$root/images/empty.bmp" ]]; then
  fail "images/empty.bmp is not empty"
fi

[[ "$checked" == 112 ]] || fail "the list names $checked run-time files, expected 112"
found=$(find "$root/images" -type f | wc -l)
[[ "$found" == 112 ]] || fail "images/ holds $found files, expected 112"

# Built-in pictures.
pictures="resources/pictures"
bitmap "$pictures/wallpaper_forge.bmp" 128 128 24
bitmap "resources/windows/installer_side.bmp" 164 314 24
bitmap "$pictures/wallpaper_result.bmp" 128 128 24
bitmap "$pictures/character.bmp" 125 125 24
bitmap "$pictures/material_phracon.bmp" 24 24 4
for f in tick_on tick_off tick_disabled; do
  bitmap "$pictures/$f.bmp" 10 10 4
done
for c in 1 2 3; do bitmap "$pictures/refine_rows/class$c.bmp" 24 24 4; done
for c in 4 5; do bitmap "$pictures/refine_rows/class$c.bmp" 24 24 8; done
four=0
eight=0
for f in "$root/$pictures"/rows/*.bmp; do
  bits=$(u16 "$f" 28)
  bitmap "${f#"$root"/}" 24 24 "$bits"
  case "$bits" in
    4) four=$((four + 1)) ;;
    8) eight=$((eight + 1)) ;;
    *) fail "${f#"$root"/} has $bits bits per pixel" ;;
  esac
done
[[ "$four" == 28 && "$eight" == 32 ]] || fail "rows: $four with 16 colours and $eight with 256, expected 28 and 32"
[[ -e "$root/$pictures/rows/broadsword.bmp" ]] && fail "rows/broadsword.bmp should not exist"

jpeg="$root/$pictures/wallpaper_refine.jpg"
[[ "$(head -c2 "$jpeg" | od -An -tx1 | tr -d ' ')" == "ffd8" ]] || fail "wallpaper_refine.jpg is not a JPEG"
[[ "$(stat -c %s "$jpeg")" == 2915 ]] || echo "note: wallpaper_refine.jpg is $(stat -c %s "$jpeg") bytes, aim 2915"
[[ "$(head -c6 "$root/$pictures/starcrumb.gif")" == "GIF89a" ]] || fail "starcrumb.gif is not GIF89a"
[[ "$(u16 "$root/$pictures/starcrumb.gif" 6)" == 24 ]] || fail "starcrumb.gif is not 24 wide"
ico="$root/$pictures/icon.ico"
[[ "$(u16 "$ico" 2)" == 1 && "$(od -An -tu1 -j6 -N1 "$ico" | tr -d ' ')" == 32 && "$(u16 "$ico" 12)" == 4 ]] ||
  fail "icon.ico is not a 32x32 icon with 4 bits per pixel"
[[ -f "$root/$pictures/icon.png" ]] || fail "icon.png is missing"

if [[ "$failures" -gt 0 ]]; then
  echo "$failures problem(s) found"
  exit 1
fi
echo "all pictures present and well-formed"
