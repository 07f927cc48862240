# Wine for the scripts that run Windows programs: sourced, not run.
#
# wine_env PREFIX uses (and on first use makes) a Wine prefix of its own in the
# folder given, without Wine's debug chatter and without the offers to
# download Mono and Gecko, which nothing here needs; the Wine server stays up
# between the programs run, so each start is quick.
wine_env() {
  export WINEPREFIX=$1 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
  export WINEARCH=win64
  mkdir -p "$WINEPREFIX"
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    wineboot --init >/dev/null 2>&1 || true
  fi
  wineserver -p 60 >/dev/null 2>&1 || true
}
