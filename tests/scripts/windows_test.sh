#!/usr/bin/env bash
# Starts the program binary on a desktop of its own and reads the state of
# the main menu's and the simulator's windows from the window system, not
# from the program:
#   weston          Weston's headless backend, Qt's wayland platform
#   openbox-1       Xvfb with openbox
#   openbox-2       the same at 200 % (QT_SCALE_FACTOR=2)
#   openbox-xftdpi  the same at 200 % the way desktops set it (Xft.dpi: 192)
#   bare            Xvfb without a window manager
# Usage: windows_test.sh <program> <mode>
# Everything it starts is ended on the way out, failed or not; every wait is
# bounded.
set -euo pipefail

program="$1"
mode="$2"
# 1366x768 in the program's own pixels, also at 200 %, where the
# simulator's smallest client area needs a screen of twice the size.
screen_w=1366
screen_h=768
case "$mode" in
  openbox-2 | openbox-xftdpi) screen_w=2732 screen_h=1536 ;;
esac

tmp="$(mktemp -d)"
chmod 700 "$tmp"
pids=()
cleanup() {
  local i
  for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
    kill "${pids[i]}" 2>/dev/null || true
  done
  for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
    wait "${pids[i]}" 2>/dev/null || true
  done
  rm -rf "$tmp"
}
trap cleanup EXIT

fail() {
  echo "FAIL ($mode): $*"
  for log in "$tmp"/*.log; do
    [ -f "$log" ] || continue
    echo "--- $(basename "$log") (last lines)"
    tail -n 40 "$log"
  done
  exit 1
}

# Polls the command in "$2..." every 50 ms until it succeeds; fails after
# $1 seconds.
wait_for() {
  local seconds="$1"
  shift
  local tries=$((seconds * 20))
  while ! "$@" >/dev/null 2>&1; do
    tries=$((tries - 1))
    [ "$tries" -gt 0 ] || return 1
    sleep 0.05
  done
}

program_runs() { kill -0 "$program_pid" 2>/dev/null; }

start_program() {
  "$program" >"$tmp/program.log" 2>&1 &
  program_pid=$!
  pids+=("$program_pid")
}

# Each test its own data root, so that tests run side by side.
export TARVINEX_HOME="${TARVINEX_HOME:-$tmp/home}"
# The program's window report (see src/shell/testhook.h).
export TARVINEX_TEST_REPORT=1
export XDG_CONFIG_HOME="$tmp/config" XDG_CACHE_HOME="$tmp/cache"
unset QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS QT_AUTO_SCREEN_SCALE_FACTOR WAYLAND_DISPLAY DISPLAY

# ---------------------------------------------------------------- X11 ---

start_xvfb() {
  Xvfb -displayfd 3 -screen 0 "${screen_w}x${screen_h}x24" -nolisten tcp 3>"$tmp/display" >"$tmp/xvfb.log" 2>&1 &
  pids+=($!)
  wait_for 10 grep -q '^[0-9][0-9]*$' "$tmp/display" || fail "Xvfb did not start"
  export DISPLAY=":$(head -n 1 "$tmp/display")"
}

start_openbox() {
  openbox --sm-disable >"$tmp/openbox.log" 2>&1 &
  pids+=($!)
  wait_for 10 sh -c 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"' || fail "openbox did not start"
}

# The program's shown windows captioned "Tarvinex Sim" (menu and simulator).
shown_windows() { xdotool search --all --onlyvisible --pid "$program_pid" --name '^Tarvinex Sim$' 2>/dev/null || true; }
one_shown_window() { [ "$(shown_windows | wc -l)" -eq 1 ]; }
# The window manager's word on a window: _NET_WM_STATE as it keeps it.
maximised() {
  local state
  state="$(xprop -id "$1" _NET_WM_STATE)"
  [[ "$state" == *_NET_WM_STATE_MAXIMIZED_VERT* && "$state" == *_NET_WM_STATE_MAXIMIZED_HORZ* ]]
}
not_maximised() { ! maximised "$1"; }
# "x y w h" of a window's client area in screen pixels.
client_geometry() {
  xwininfo -id "$1" | awk '/Absolute upper-left X/{x=$NF} /Absolute upper-left Y/{y=$NF}
    /^ *Width:/{w=$NF} /^ *Height:/{h=$NF} END{print x, y, w, h}'
}
on_screen() {
  local x y w h
  read -r x y w h < <(client_geometry "$1")
  [ "$x" -ge 0 ] && [ "$y" -ge 0 ] && [ $((x + w)) -le "$screen_w" ] && [ $((y + h)) -le "$screen_h" ]
}
covers_screen() {
  local x y w h
  read -r x y w h < <(client_geometry "$1")
  [ "$x" -eq 0 ] && [ "$y" -eq 0 ] && [ "$w" -eq "$screen_w" ] && [ "$h" -eq "$screen_h" ]
}

# The window shown now that was not shown before ($1: earlier windows).
new_window() { comm -13 <(echo "$1" | sort) <(shown_windows | sort) | head -n 1; }

# SIM, as a user presses it: the menu takes the keyboard focus, whose first
# stop is SIM, and the space bar presses it.
press_sim() {
  xdotool windowfocus --sync "$1" >/dev/null 2>&1 || true
  sleep 0.2
  xdotool key --clearmodifiers space
}

# A window kept by openbox: maximised by it; an un-maximise sent by the
# window manager at once (as a title-bar double click sends it), while the
# program might still act, stands, at a size within the screen; maximised
# again, it stays so once the program has had its time.
check_kept_window() {
  local name="$1" w="$2" normal
  wait_for 5 maximised "$w" || fail "the $name is not maximised by the window manager"
  wmctrl -i -r "$w" -b remove,maximized_vert,maximized_horz
  wait_for 5 not_maximised "$w" || fail "the $name's un-maximise was not taken"
  normal="$(client_geometry "$w")"
  sleep 1.5
  not_maximised "$w" || fail "the $name's un-maximise did not stand: $(xprop -id "$w" _NET_WM_STATE)"
  [ "$(client_geometry "$w")" = "$normal" ] ||
    fail "the un-maximised $name was moved or resized: $normal, then $(client_geometry "$w")"
  on_screen "$w" || fail "the un-maximised $name does not fit the screen: $normal"
  wmctrl -i -r "$w" -b add,maximized_vert,maximized_horz
  wait_for 5 maximised "$w" || fail "the $name was not maximised again"
  sleep 1.5
  maximised "$w" || fail "the $name lost its maximised state: $(xprop -id "$w" _NET_WM_STATE)"
  program_runs || fail "the program ended"
}

run_openbox() {
  start_xvfb
  start_openbox
  case "$mode" in
    openbox-2) export QT_SCALE_FACTOR=2 ;;
    openbox-xftdpi) xprop -root -f RESOURCE_MANAGER 8s -set RESOURCE_MANAGER "Xft.dpi:	192" ;;
  esac
  QT_QPA_PLATFORM=xcb start_program
  wait_for 20 one_shown_window || fail "the main menu did not come up"
  local menu sim scale=1 width
  [ "$mode" = openbox-1 ] || scale=2
  menu="$(shown_windows)"
  check_kept_window menu "$menu"
  # The program works at the scale asked for: the maximised menu is the
  # screen's width in its own pixels.
  width="$(grep '^window tvx::TMain shown maximised ' "$tmp/program.log" | tail -n 1 | awk '{print $5}')"
  [ "${width%%x*}" -eq $((screen_w / scale)) ] || fail "the menu is $width wide at scale $scale"
  press_sim "$menu"
  wait_for 10 sh -c "xdotool search --all --onlyvisible --pid $program_pid --name '^Tarvinex Sim$' | grep -vx '$menu' | grep -q ." ||
    fail "SIM did not bring up the simulator"
  sim="$(new_window "$menu")"
  check_kept_window simulator "$sim"
  echo "ok ($mode): menu and simulator maximised by openbox, and their un-maximise stood, within the screen"
}

# The program's windows in view, by caption.
viewable_named() { xdotool search --all --onlyvisible --pid "$program_pid" --name "$1" 2>/dev/null | grep -q .; }
only_menu_in_view() { [ "$(xdotool search --all --onlyvisible --pid "$program_pid" --name '' 2>/dev/null)" = "$1" ]; }

# A click at a control's place in a window's own pixels.
click_in() { xdotool mousemove --window "$1" "$2" "$3" click 1; }

run_bare() {
  start_xvfb
  QT_QPA_PLATFORM=xcb start_program
  wait_for 20 one_shown_window || fail "the main menu did not come up"
  local menu sim conv
  menu="$(shown_windows)"
  wait_for 5 covers_screen "$menu" || fail "the menu does not fill the screen: $(client_geometry "$menu")"
  # CONVERSIONS, the fifth stop of the keyboard focus, and its EXIT: the
  # tool is out of view behind the menu.
  xdotool windowfocus --sync "$menu" >/dev/null 2>&1 || true
  sleep 0.2
  xdotool key --clearmodifiers Tab Tab Tab Tab space
  wait_for 10 viewable_named '^Tarvinex - Conversions$' || fail "CONVERSIONS did not bring up the conversions"
  conv="$(xdotool search --all --onlyvisible --pid "$program_pid" --name '^Tarvinex - Conversions$' | head -n 1)"
  sleep 0.5
  click_in "$conv" 270 416  # EXIT
  wait_for 5 only_menu_in_view "$menu" || fail "after the conversions' EXIT, in view: $(xdotool search --all \
    --onlyvisible --pid "$program_pid" --name '' | xargs -r -n 1 xdotool getwindowname | tr '\n' ',')"
  # SIM, four stops back from CONVERSIONS.
  xdotool windowfocus --sync "$menu" >/dev/null 2>&1 || true
  sleep 0.2
  xdotool key --clearmodifiers shift+Tab shift+Tab shift+Tab shift+Tab space
  wait_for 10 sh -c "xdotool search --all --onlyvisible --pid $program_pid --name '^Tarvinex Sim$' | grep -vx '$menu' | grep -q ." ||
    fail "SIM did not bring up the simulator"
  sim="$(new_window "$menu")"
  wait_for 5 covers_screen "$sim" || fail "the simulator does not fill the screen: $(client_geometry "$sim")"
  # The menu put away, and the tool put away before, are out of view.
  wait_for 5 sh -c "[ \"\$(xdotool search --all --onlyvisible --pid $program_pid --name '')\" = '$sim' ]" ||
    fail "beside the simulator, in view: $(xdotool search --all --onlyvisible --pid "$program_pid" --name '' |
      xargs -r -n 1 xdotool getwindowname | tr '\n' ',')"
  # The start panel's Exit: the simulator is out of view behind the menu.
  sleep 0.5
  click_in "$sim" 503 260
  wait_for 5 only_menu_in_view "$menu" || fail "after the simulator's Exit, the simulator stays in view"
  program_runs || fail "the program ended"
  echo "ok ($mode): menu and simulator fill the screen; the windows put away are out of view"
}

# ------------------------------------------------------------ Wayland ---

# The sizes the compositor configured for toplevels ("WxH", 0x0 left out),
# from the client's protocol log.
configured_sizes() {
  sed -n 's/.*xdg_toplevel@[0-9]*\.configure(\([0-9]*\), \([0-9]*\),.*/\1x\2/p' "$tmp/program.log" | grep -v '^0x0$' | sort -u
}
# The last report line of a window class.
last_report() { grep "^window $1 " "$tmp/program.log" | tail -n 1; }
# The last report of class $1 while shown.
last_shown_report() { grep "^window $1 shown " "$tmp/program.log" | tail -n 1; }
reported_maximised() { last_shown_report "$1" | grep -q ' maximised '; }

run_weston() {
  export XDG_RUNTIME_DIR="$tmp/runtime"
  mkdir -m 700 "$XDG_RUNTIME_DIR"
  local socket="tarvinex-$$"
  weston --backend=headless-backend.so --socket="$socket" --width="$screen_w" --height="$screen_h" \
    --idle-time=0 >"$tmp/weston.log" 2>&1 &
  pids+=($!)
  wait_for 10 test -S "$XDG_RUNTIME_DIR/$socket" || fail "weston did not start"
  # The compositor's panel takes its place before the program asks.
  sleep 1
  # No input reaches a headless compositor: SIM is pressed by the program's
  # test hook (src/shell/testhook.h). The protocol log shows what the
  # compositor configured.
  WAYLAND_DISPLAY="$socket" QT_QPA_PLATFORM=wayland TARVINEX_TEST_OPEN=sim WAYLAND_DEBUG=client start_program
  wait_for 20 reported_maximised tvx::TMain || fail "the main menu did not come up maximised"
  wait_for 20 reported_maximised tvx::TForm1 || fail "the simulator did not come up maximised"
  sleep 2
  program_runs || fail "the program ended"
  ! grep -q 'protocol error\|error [0-9]*:' "$tmp/program.log" || fail "a protocol error"
  local sizes cls size
  sizes="$(configured_sizes)"
  [ -n "$sizes" ] || fail "the compositor configured no size"
  for cls in tvx::TMain tvx::TForm1; do
    size="$(last_shown_report "$cls" | awk '{print $7}')"
    # The window, with the frame Qt draws around it, took a size the
    # compositor configured, and the compositor keeps it maximised.
    echo "$sizes" | grep -qx "$size" || fail "$cls is $size; configured: $(echo "$sizes" | tr '\n' ' ')"
    last_shown_report "$cls" | grep -q ' maximised ' || fail "$cls: $(last_shown_report "$cls")"
  done
  last_report tvx::TMain | grep -q ' hidden ' || fail "the menu was not put away: $(last_report tvx::TMain)"
  echo "ok ($mode): menu and simulator maximised at $(echo "$sizes" | tr '\n' ' ')by the compositor, program running"
}

case "$mode" in
  weston) run_weston ;;
  openbox-1 | openbox-2 | openbox-xftdpi) run_openbox ;;
  bare) run_bare ;;
  *) fail "unknown mode $mode" ;;
esac
