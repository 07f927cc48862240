# shellcheck shell=bash
# Wine for the scripts that run Windows programs: sourced, not run.
#
# wine_env PREFIX uses (and on first use makes) a Wine prefix of its own in the
# folder given, without Wine's debug chatter and without the offers to
# download Mono and Gecko, which nothing here needs. The Wine server and its
# background services start here, with their output going nowhere: started by
# the first program of a test run instead, they would inherit that run's
# output and hold it open long after the program ended. The server stays up,
# so each program starts quickly; wine_end stops it.
wine_env() {
  export WINEPREFIX=$1 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" WINEARCH=win64
  mkdir -p "$WINEPREFIX"
  wineserver -p </dev/null >/dev/null 2>&1
  wineboot </dev/null >/dev/null 2>&1 || true
}

wine_end() {
  wineserver -k 2>/dev/null || true
}
