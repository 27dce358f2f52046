#!/usr/bin/env bash
# The demo: the dock with a demo installation under Wine.
#
#   tools/demo.sh [--tools "ZepBright ZepAir ..."] [--edge N] [--dpi D] [--shots DIR] [--close] [--headless]
#                 [--build DIR]
#       installs what is missing (tools/bootstrap.sh), builds the win64 preset (in build/win64, or DIR),
#       lays out the demo installation (tools/demo/install.sh: the dock from the test package, stand-in
#       tools) in a Wine prefix of its own
#       (<build>/demo/prefix) and starts Zephra3.exe there.
#       With a usable DISPLAY the dock runs on that display. Without one (or with --headless) it runs on
#       a display of its own (Xvfb, 1920 x 1080, with a compositing manager and a desktop picture, so the
#       bar's translucency shows), and the demo saves screenshots to DIR (default build/demo-shots): the
#       parked bar, the revealed bar, the card of the first tool button and the paired card of the
#       combined button (when both of its tools are installed).
#       --dpi gives the prefix a display scale (96 = 100 %, 144 = 150 %; default 96) for the launcher to
#       draw at. The dock keeps running afterwards unless --close is given.
#   tools/demo.sh key [--build DIR]     presses the dock key (scan code 0x78, extended) in the running demo
#   tools/demo.sh click ID [--build DIR]  clicks dock button ID (1000-1012) of the running demo
#   tools/demo.sh shot F [--build DIR]  saves a screenshot of the demo's display to F
#   tools/demo.sh stop [--build DIR]    closes the dock and ends the demo's Wine processes and display
set -euo pipefail
caller="$PWD"
cd "$(dirname "$0")/.."
repo="$PWD"

build="$repo/build/win64"
args=()
while [ $# -gt 0 ]; do
  case "$1" in
  --build) build="$(cd "$caller" && mkdir -p "$2" && cd "$2" && pwd)"; shift 2 ;;
  *) args+=("$1"); shift ;;
  esac
done
set -- "${args[@]}"
demo_dir="$build/demo"
prefix="$demo_dir/prefix"
remote="$build/bin/zep_dock_remote.exe"
wine=/usr/lib/wine/wine64
launcher_win='C:\Program Files\Zephra\Zephra3\Zephra3.exe'

usage() {
  sed -n '2,20p' "$0" | sed 's/^# \{0,1\}//' >&2
  exit 2
}

use_prefix() {
  export WINEPREFIX="$prefix" WINEARCH=win64 WINEDEBUG="${WINEDEBUG:--all}"
  export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=;winemenubuilder.exe=d}"
}

# The display of the running demo, remembered by `start`.
use_demo_display() {
  [ -f "$demo_dir/display" ] || { echo "demo: no demo has been started" >&2; exit 1; }
  use_prefix
  DISPLAY="$(cat "$demo_dir/display")"
  export DISPLAY
}

drv() {
  local out rc
  out="$("$wine" "$remote" "$@" </dev/null 2>/dev/null)"
  rc=$?
  printf '%s\n' "${out//$'\r'/}"
  return $rc
}

shot() { # file
  import -display "$DISPLAY" -window root "$1"
  echo "demo: screenshot $1"
}

stop_demo() {
  if drv rect "Zephra Foreground" >/dev/null; then
    drv post "Zephra Foreground" WM_CLOSE >/dev/null
    drv wait-no-process Zephra3.exe 15000 >/dev/null || true
  fi
  wineserver -k 2>/dev/null || true
  local f
  for f in xcompmgr xvfb; do
    if [ -f "$demo_dir/$f.pid" ]; then
      kill "$(cat "$demo_dir/$f.pid")" 2>/dev/null || true
      rm -f "$demo_dir/$f.pid"
    fi
  done
  echo "demo: stopped"
}

# A display of the demo's own: Xvfb with a desktop picture of this project's own and a compositing
# manager (started after the picture is in place: it takes the root picture only when it starts).
start_demo_display() {
  local n
  for n in $(seq 191 240); do
    [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ] && break
  done
  Xvfb ":$n" -screen 0 1920x1080x24 -nolisten tcp </dev/null >"$demo_dir/xvfb.log" 2>&1 &
  echo $! >"$demo_dir/xvfb.pid"
  for _ in $(seq 1 100); do [ -e "/tmp/.X11-unix/X$n" ] && break; sleep 0.05; done
  DISPLAY=":$n"
  convert -size 1920x1080 -define gradient:angle=120 gradient:'#14324f-#5d8fb0' \
    \( -size 1920x1080 xc:none -fill 'rgba(255,214,150,0.35)' -draw 'circle 1500,300 1500,560' \
       -fill 'rgba(120,230,210,0.25)' -draw 'circle 1750,860 1750,1120' \
       -fill 'rgba(255,255,255,0.12)' -draw 'circle 420,760 420,1010' -blur 0x40 \) -composite \
    -fill 'rgba(255,255,255,0.08)' -draw 'polygon 0,1080 1920,420 1920,520 0,1080' "$demo_dir/desktop.png"
  DISPLAY="$DISPLAY" hsetroot -fill "$demo_dir/desktop.png" >/dev/null
  xcompmgr -d "$DISPLAY" </dev/null >/dev/null 2>&1 &
  echo $! >"$demo_dir/xcompmgr.pid"
}

# A bar is on screen when its background window overlaps the screen.
bar_on_screen() { # remote's line of "Zephra"
  local re=' x=(-?[0-9]+) y=(-?[0-9]+) w=([0-9]+) h=([0-9]+)'
  [[ "$1" =~ $re ]] || return 1
  local x=${BASH_REMATCH[1]} y=${BASH_REMATCH[2]} w=${BASH_REMATCH[3]} h=${BASH_REMATCH[4]}
  local sw sh
  read -r sw sh < <(xdpyinfo -display "$DISPLAY" | awk '/dimensions:/ { split($2, d, "x"); print d[1], d[2]; exit }')
  [ $((x + w)) -gt 0 ] && [ "$x" -lt "$sw" ] && [ $((y + h)) -gt 0 ] && [ "$y" -lt "$sh" ]
}

case "${1:-}" in
key)
  use_demo_display
  drv key-dock
  exit
  ;;
click)
  [ $# -eq 2 ] || usage
  use_demo_display
  drv click "Zephra Foreground" "$2"
  exit
  ;;
shot)
  [ $# -eq 2 ] || usage
  case "$2" in /*) ;; *) set -- "$1" "$caller/$2" ;; esac
  use_demo_display
  shot "$2"
  exit
  ;;
stop)
  use_demo_display
  stop_demo
  exit
  ;;
start) shift ;;
esac

tools=ALL
edge=0
dpi=96
shots="$repo/build/demo-shots"
close=0
headless=0
while [ $# -gt 0 ]; do
  case "$1" in
  --tools) tools="$2"; shift 2 ;;
  --edge) edge="$2"; shift 2 ;;
  --dpi) dpi="$2"; shift 2 ;;
  --shots) shots="$(cd "$caller" && mkdir -p "$2" && cd "$2" && pwd)"; shift 2 ;;
  --close) close=1; shift ;;
  --headless) headless=1; shift ;;
  *) usage ;;
  esac
done

[[ "$dpi" =~ ^[0-9]+$ ]] || usage
tools/bootstrap.sh
cmake --preset win64 -B "$build" >/dev/null
# What the demo runs; the test programs are left to the test command.
cmake --build "$build" -j "$(nproc)" --target Zephra3 ZepAssistant64 zep_hook zep_demo_tool zep_dock_remote \
  package_test

mkdir -p "$demo_dir"
if [ "$headless" -eq 0 ] && [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
  mode=display
  echo "demo: running on your display $DISPLAY"
else
  mode=xvfb
fi
use_prefix
# A demo that still runs is replaced.
if [ -f "$demo_dir/display" ]; then
  DISPLAY="$(cat "$demo_dir/display")" stop_demo >/dev/null 2>&1 || true
fi
if [ "$mode" = xvfb ]; then
  start_demo_display
  echo "demo: no usable display given; running on a display of its own, $DISPLAY"
fi
export DISPLAY
echo "$DISPLAY" >"$demo_dir/display"

install_args=(--prefix "$prefix" --edge "$edge")
[ "$tools" = ALL ] || install_args+=(--tools "$tools")
tools/demo/install.sh "$build" "${install_args[@]}"

# Start the server with its streams redirected: background services inherit the first client's streams.
wineserver -p </dev/null >/dev/null 2>&1 || true  # already running: fine
if [ "$mode" = xvfb ]; then
  # No window manager on Xvfb: unmanaged windows do not wait for one.
  "$wine" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f </dev/null >/dev/null 2>&1
  "$wine" reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /d N /f </dev/null >/dev/null 2>&1
else
  "$wine" reg delete 'HKCU\Software\Wine\X11 Driver' /v Managed /f </dev/null >/dev/null 2>&1 || true
  "$wine" reg delete 'HKCU\Software\Wine\X11 Driver' /v Decorated /f </dev/null >/dev/null 2>&1 || true
fi

# Wine reads the system DPI when a process starts: the launcher started below draws at this one.
"$wine" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f </dev/null >/dev/null 2>&1

log="$demo_dir/launcher.log"
WINEDEBUG=-all,warn+seh nohup "$wine" "$launcher_win" </dev/null >"$log" 2>&1 &
echo "demo: started Zephra3.exe (debug strings in $log)"

if ! drv wait-window "Zephra Foreground" 60000 >/dev/null || ! drv wait-idle "Zephra Foreground" 60000 >/dev/null; then
  echo "demo: the dock did not come up; the launcher's debug strings:" >&2
  grep -F OutputDebugStringA "$log" >&2 || true
  exit 1
fi
parked="$(drv rect "Zephra")"
echo "demo: bar window:  $parked"
echo "demo: dock dialog: $(drv rect "Zephra Foreground")"
echo "demo: the bar is parked just beyond the screen edge, so the parked screen shows no bar"

if [ "$mode" = xvfb ]; then
  mkdir -p "$shots"
  rm -f "$shots"/*.png
  shot "$shots/1-parked.png"
fi

drv key-dock >/dev/null
revealed=0
for _ in $(seq 1 50); do
  now="$(drv rect "Zephra")"
  if [ "$now" != "$parked" ] && bar_on_screen "$now"; then
    # Let the slide finish.
    sleep 1
    revealed=1
    break
  fi
  sleep 0.1
done
if [ "$revealed" -eq 1 ]; then
  echo "demo: the dock key brought the bar in: $(drv rect "Zephra")"
else
  echo "demo: the dock key did not move the bar (this build does not reveal it yet)"
fi

if [ "$mode" = xvfb ]; then
  if [ "$revealed" -eq 1 ]; then
    shot "$shots/2-revealed.png"
    buttons="$(drv child-buttons "Zephra Foreground")"
    first="$(awk '/visible=1/ { sub("id=", "", $2); print $2 }' <<<"$buttons" | sort -n | head -1)"
    if [ -n "$first" ] && [ "$first" -lt 1011 ]; then
      drv point-at "Zephra Foreground" "$first" >/dev/null
      # The card opens once the pointer rests on the button, and fades in.
      drv wait-panels 1 10000 >/dev/null && sleep 0.5
      shot "$shots/3-card-$first.png"
    fi
    if grep -q '^child id=1010 visible=1' <<<"$buttons"; then
      drv point-at "Zephra Foreground" 1010 >/dev/null
      for _ in $(seq 1 50); do
        drv panels | grep -q '^panel kind=card .* w=436 ' && break
        sleep 0.1
      done
      sleep 0.5
      shot "$shots/4-card-1010.png"
    fi
  else
    shot "$shots/2-after-dock-key.png"
  fi
  echo "demo: screenshots in $shots"
fi

if [ "$close" -eq 1 ]; then
  stop_demo
else
  echo "demo: the dock keeps running. tools/demo.sh key | shot FILE | stop"
fi
