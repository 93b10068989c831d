# Wine environment of the project's scripts. Source it, do not run it:
#   . tools/wine-env.sh
# It sets WINEPREFIX (default build/wine-prefix; a caller's own value is kept),
# creates and configures the prefix on first use, and starts a virtual display
# when DISPLAY is unset. That display is stopped when the sourcing shell exits;
# a caller that sets its own EXIT trap must call q6_wine_cleanup from it.
# Q6_DPI=144 gives the prefix's screen 144 pixels per inch, as 150 % display
# scaling does (default 96); such a prefix is one of its own, the usual name
# with "-144dpi" added.
#
# Every Wine process, the set-up included, runs in a network namespace with
# only loopback: the wizard broadcasts, and Wine opens sockets in the
# wineserver, so the server must never start in this computer's namespace.

Q6_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export WINEPREFIX=${WINEPREFIX:-$Q6_ROOT/build/wine-prefix}
export Q6_DPI=${Q6_DPI:-96}
if [ "$Q6_DPI" != 96 ] && [ "${WINEPREFIX%-"$Q6_DPI"dpi}" = "$WINEPREFIX" ]; then
  WINEPREFIX=$WINEPREFIX-${Q6_DPI}dpi
fi
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEARCH=win64
Q6_WINE_LOCK_FD=9
Q6_XVFB_PID=

# One run per prefix at a time: two runs sharing a prefix would share its
# wineserver, and with it the network namespace of whichever started it.
# The lock is held by this shell (and inherited by its children) until exit.
q6_wine_lock() {
  [ -n "${Q6_WINE_LOCKED:-}" ] && return 0
  mkdir -p "$WINEPREFIX"
  eval "exec $Q6_WINE_LOCK_FD>\"\$WINEPREFIX.lock\""
  # A run that hangs holds the lock; say so rather than wait for ever.
  if ! flock -w 300 "$Q6_WINE_LOCK_FD"; then
    echo "wine-env: $WINEPREFIX is still in use by another run after 300 s" >&2
    return 1
  fi
  Q6_WINE_LOCKED=1
}

q6_wine_unlock() {
  [ -n "${Q6_WINE_LOCKED:-}" ] || return 0
  eval "exec $Q6_WINE_LOCK_FD>&-"
  Q6_WINE_LOCKED=
}

# Runs a command in a fresh namespace with only loopback, or in the named
# namespace given by Q6_NETNS (the lab network). A wineserver already running
# for the prefix would belong to another namespace, so it is refused, not used.
q6_in_netns() {
  # Outside the lab a default route through loopback lets a broadcast leave,
  # and reach nobody: the wizard searches as on a network with no array.
  local inner='
    ip link set lo up || exit 125
    [ -n "${Q6_NETNS:-}" ] || ip route add default dev lo || exit 125
    # The server must not inherit the prefix lock: it outlives the run by a
    # moment, and a server kept alive by a hung client would hold it for ever.
    wineserver 9>&- # 9: Q6_WINE_LOCK_FD
    case $? in
      0) ;;
      2) echo "wine-env: a wineserver for $WINEPREFIX runs elsewhere; not starting" >&2
         exit 125 ;;
      *) exit 125 ;;
    esac
    "$@"
    rc=$?
    wineserver -w
    exit $rc'
  if [ -n "${Q6_NETNS:-}" ]; then
    ip netns exec "$Q6_NETNS" bash -c "$inner" q6-netns "$@"
  else
    unshare -n bash -c "$inner" q6-netns "$@"
  fi
}

q6_wine_cleanup() {
  if [ -n "$Q6_XVFB_PID" ]; then
    kill "$Q6_XVFB_PID" 2>/dev/null
    wait "$Q6_XVFB_PID" 2>/dev/null
    Q6_XVFB_PID=
  fi
  return 0
}

q6_start_display() {
  [ -n "${DISPLAY:-}" ] && return 0
  local n
  for n in 90 91 92 93 94 95 96 97 98 99; do
    [ -e "/tmp/.X$n-lock" ] && continue
    # The lock fd must not leak into the display server: it would hold the
    # prefix lock for as long as the display lives.
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp \
      >/dev/null 2>&1 {Q6_WINE_LOCK_FD}>&- &
    Q6_XVFB_PID=$!
    local i
    for i in $(seq 50); do
      [ -S "/tmp/.X11-unix/X$n" ] && break
      kill -0 "$Q6_XVFB_PID" 2>/dev/null || break
      sleep 0.1
    done
    if [ -S "/tmp/.X11-unix/X$n" ] && kill -0 "$Q6_XVFB_PID" 2>/dev/null; then
      export DISPLAY=":$n"
      trap q6_wine_cleanup EXIT
      return 0
    fi
    q6_wine_cleanup
  done
  echo "wine-env: no free display :90-:99 for Xvfb" >&2
  return 1
}

# Chinese texts must render in every face the dialogs ask for, and the page
# font, Comic Sans MS, is not free: a look-alike stands in for it. Wine looks
# up the links of an OpenType face by its full name ("Comic Neue Regular"),
# so those names are linked as well as the family.
q6_configure_prefix() {
  local nt='HKLM\Software\Microsoft\Windows NT\CurrentVersion'
  local cjk='wqy-microhei.ttc,WenQuanYi Micro Hei'
  local face
  wine reg add "$nt\\FontSubstitutes" /v "Comic Sans MS" /d "Comic Neue" /f >/dev/null || return 1
  for face in "MS Shell Dlg" "MS Shell Dlg 2" "Tahoma" "Comic Sans MS" "Comic Neue" \
    "Comic Neue Regular" "Comic Neue Bold" "Comic Neue Italic" "Comic Neue Bold Italic" \
    "System" "Arial" "Microsoft Sans Serif" "Segoe UI" "Times New Roman" "SimSun" \
    "MS Sans Serif" "Courier New" "Lucida Sans Unicode" "DejaVu Sans" "DejaVu Serif"; do
    wine reg add "$nt\\FontLink\\SystemLink" /v "$face" /t REG_MULTI_SZ /d "$cjk" /f >/dev/null ||
      return 1
  done
  # "System" is a bitmap font without Chinese glyphs, and font linking does
  # not reach bitmap fonts, so it is replaced outright.
  wine reg add "$nt\\FontSubstitutes" /v "System" /d "WenQuanYi Micro Hei" /f >/dev/null || return 1
  # Wine draws the caption buttons, scroll arrows and check marks with the
  # glyphs of Marlett (its "r" is the close box's cross), and reads fonts only
  # from the prefix's Fonts folder and the system's font folders. Debian puts
  # Wine's own Marlett (fonts-wine) in Wine's data folder, which neither Wine
  # nor the prefix set-up reads fonts from: without a copy in the prefix each
  # of those glyphs is drawn as a plain letter.
  cp /usr/share/wine/fonts/marlett.ttf "$WINEPREFIX/drive_c/windows/Fonts/" || return 1
  # Wine draws the window frames itself, so captions show also on a virtual
  # display that has no window manager.
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /d N /f >/dev/null || return 1
  # Without a window manager Wine waits two seconds for one whenever a managed
  # window is hidden or destroyed; unmanaged windows spare every GUI test that.
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null || return 1
  # The display scaling that Windows' settings would give.
  wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$Q6_DPI" /f >/dev/null
}

# Runs in a subshell so that the lock taken for the set-up is given back when
# it is done: a script that sources this file and then calls wine-run.sh must
# not hold the lock that wine-run.sh waits for. The marker names the version
# of the set-up, so that an older prefix is brought up to date.
q6_create_prefix() (
  marker="$WINEPREFIX/.q6-setup-4"
  [ -f "$marker" ] && exit 0
  q6_wine_lock || exit 1
  [ -f "$marker" ] && exit 0
  echo "wine-env: setting up Wine prefix $WINEPREFIX" >&2
  export -f q6_configure_prefix
  q6_in_netns bash -c '
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
      wineboot -i >/dev/null 2>&1 && wineserver -w || exit 1
    fi
    q6_configure_prefix' || exit 1
  touch "$marker"
)

q6_start_display || return 1
q6_create_prefix || return 1
