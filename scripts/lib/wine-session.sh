# A Wine session of the project's own: a prefix under build/, and when
# asked an Xvfb on a free display. Only what was started here is stopped.
# Sourced by the scripts; expects VANTREL_ROOT.

vantrel_wine_env() {
  export WINEPREFIX="$VANTREL_ROOT/build/wineprefix"
  export WINEARCH=win32
  export WINEDEBUG=-all
  export WINEDLLOVERRIDES="mscoree,mshtml="  # no Mono or Gecko prompts
  # Wine takes its ANSI code page from the locale: 936 for zh_CN.
  export LC_ALL=zh_CN.UTF-8
}

# Creates the prefix once, with a virtual desktop of the given size
# (default 1024x768), so that frames are drawn by Wine and the screen size
# is known.
vantrel_wine_prefix() {
  local size="${1:-1024x768}"
  vantrel_wine_env
  if [ ! -f "$WINEPREFIX/.vantrel-ready" ]; then
    rm -rf "$WINEPREFIX"
    wineboot -i >/dev/null 2>&1
    wineserver -w
    touch "$WINEPREFIX/.vantrel-ready"
  fi
  wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
  wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d "$size" /f >/dev/null 2>&1
  wineserver -w
}

# Starts Xvfb on a free display and exports DISPLAY; the server's pid is
# in VANTREL_XVFB_PID.
vantrel_start_xvfb() {
  local size="${1:-1024x768}"
  local displayFile
  displayFile="$(mktemp)"
  Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp 3>"$displayFile" >/dev/null 2>&1 &
  VANTREL_XVFB_PID=$!
  local tries
  for tries in $(seq 200); do
    [ -s "$displayFile" ] && break
    kill -0 "$VANTREL_XVFB_PID" 2>/dev/null || break
    sleep 0.05
  done
  if [ ! -s "$displayFile" ]; then
    echo "Xvfb did not start" >&2
    rm -f "$displayFile"
    return 1
  fi
  export DISPLAY=":$(head -n 1 "$displayFile")"
  rm -f "$displayFile"
}

vantrel_stop_session() {
  if [ -n "${WINEPREFIX:-}" ]; then wineserver -k 2>/dev/null || true; fi
  if [ -n "${VANTREL_XVFB_PID:-}" ]; then
    kill "$VANTREL_XVFB_PID" 2>/dev/null || true
    wait "$VANTREL_XVFB_PID" 2>/dev/null || true
    VANTREL_XVFB_PID=
  fi
}
