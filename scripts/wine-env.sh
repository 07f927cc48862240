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

# wine_display WIDTHxHEIGHT FOLDER starts a virtual X display of that size
# (its number written to FOLDER/display) and exports DISPLAY: Wine's windows
# appear there, and a console a program makes gets a screen that can be read
# back (without a display Wine's consoles have none). wine_display_end stops
# it.
wine_display() {
  mkdir -p "$2"
  rm -f "$2/display"
  Xvfb -displayfd 3 -screen 0 "$1x24" -nolisten tcp 3>"$2/display" 2>/dev/null &
  WINE_XVFB=$!
  for _ in $(seq 50); do [ -s "$2/display" ] && break; sleep 0.1; done
  DISPLAY=":$(cat "$2/display")"
  export DISPLAY
}

wine_display_end() {
  [ -z "${WINE_XVFB:-}" ] || kill "$WINE_XVFB" 2>/dev/null || true
}
