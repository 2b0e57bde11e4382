#!/usr/bin/env bash
# Starts the program binary on a desktop of its own and judges its windows
# from the window system, not from the program:
#   weston          Weston's headless backend with its desktop shell (a
#                   32-px panel), Qt's wayland platform; read from the
#                   compositor's scene graph and its screenshots
#   openbox-1       Xvfb 1366x768 with openbox keeping a 32-px top margin
#   openbox-1280    the same at 1280x720
#   openbox-2       the same at 200 % (QT_SCALE_FACTOR=2)
#   openbox-xftdpi  the same at 200 % the way desktops set it (Xft.dpi: 192)
#   bare            Xvfb without a window manager
#   soak-openbox    under openbox, metacity or xfwm4: the maximised menu
#   soak-metacity   fills the work area; 24 round trips through the menu at
#   soak-xfwm4      full speed and 50 ms apart, then the user's minimise of
#                   the window chosen (the whole program goes and stays
#                   gone) and its restore (every window comes back, the
#                   same one in front); the exercises minimised, restored
#                   and started; a document the menu opens comes in front
#                   of it; the menu put away, mapped by another client
#                   that then rewrites its WM_STATE every 2 ms, is put away
#                   again within 5 s, while that goes on (the helper
#                   $TARVINEX_XSTORM); random round trips with resizes and maximise
#                   toggles, at full speed and at a user's pace; under
#                   metacity, 40 rounds of SIM and the user's un-maximise
#                   0.1 s later on one CPU. After every settled step, by the
#                   X server's word, the window chosen is in view and the
#                   program's top window, and the windows put away are out
#                   of view and out of the window manager's list.
#                   TARVINEX_SOAK_SEEDS (a list), TARVINEX_SOAK_ROUNDS and
#                   TARVINEX_SOAK_PARTS (fill, trips, exercises, viewer,
#                   storm, seeds, unmaximise) replay chosen ones.
# Usage: windows_test.sh <program> <screenprobe> <windowmatch> <mode>
# The program takes its steps (clicks, un-maximise) from a named pipe (see
# src/shell/testhook.h): no input reaches a headless compositor. Every wait
# is for a condition, bounded; everything started is ended on the way out,
# failed or not. Screenshots, and the logs of a failure, are left in
# $TARVINEX_TEST_OUTPUT/windows-<mode>.
set -euo pipefail

program="$1"
probe="$2"
matcher="$3"
mode="$4"
# In device pixels; at 200 % the program's own pixels are half of them.
screen_w=1366
screen_h=768
margin_top=32
case "$mode" in
  openbox-1280) screen_w=1280 screen_h=720 ;;
  openbox-2 | openbox-xftdpi) screen_w=2732 screen_h=1536 margin_top=64 ;;
esac

tmp="$(mktemp -d)"
chmod 700 "$tmp"
pids=()
locks=()
# Whether process $1 is a child of this script still: the id of one that
# has ended may have been given to another test's process meanwhile.
ours() { [ "$(sed 's/.*) //' "/proc/$1/stat" 2>/dev/null | cut -d ' ' -f 2)" = "$$" ]; }
cleanup() {
  local i
  for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
    ! ours "${pids[i]}" || kill "${pids[i]}" 2>/dev/null || true
  done
  wait 2>/dev/null || true
  rm -f "${locks[@]}"
  rm -rf "$tmp"
}
trap cleanup EXIT

fail() {
  echo "FAIL ($mode): $*"
  cp "$tmp"/*.log "$shots"/ 2>/dev/null || true
  [ -z "${DISPLAY:-}" ] || echo "(display $DISPLAY: $(our_display >/dev/null 2>&1 && echo answers || echo "does not answer"))"
  for log in "$tmp"/*.log; do
    [ -f "$log" ] || continue
    echo "--- $(basename "$log") (last lines)"
    tail -n 40 "$log"
  done
  exit 1
}

# Polls the command in "$2..." every 100 ms until it succeeds; fails once
# $1 seconds have passed, however long a poll takes (a compositor's
# screenshot takes most of a second). Generous bounds: the tests run beside
# others at full load.
wait_for() {
  local deadline=$((SECONDS + $1))
  shift
  until "$@" >/dev/null 2>&1; do
    [ "$SECONDS" -lt "$deadline" ] || return 1
    sleep 0.1
  done
}

# Whether the reading "$2..." gives the same answer twice, $1 seconds
# apart: what a window manager does to a window comes in several moves.
steady() {
  local gap="$1" first
  shift
  first="$("$@" 2>/dev/null)" || return 1
  sleep "$gap"
  [ "$first" = "$("$@" 2>/dev/null)" ]
}

program_runs() { kill -0 "$program_pid" 2>/dev/null; }

# The program's steps: a named pipe held open here for writing, so the
# program never sees its end before the test's.
start_program() {
  mkfifo "$tmp/steps"
  exec 7<>"$tmp/steps"
  TARVINEX_TEST_INPUT="$tmp/steps" "$program" >"$tmp/program.log" 2>&1 &
  program_pid=$!
  pids+=("$program_pid")
}
steps_taken() { grep -c '^step taken: ' "$tmp/program.log" || true; }
# Sends one step and waits until the program has taken it.
step() {
  local before
  before="$(steps_taken)"
  echo "$*" >&7
  wait_for 20 sh -c "[ \"\$(grep -c '^step taken: ' '$tmp/program.log')\" -gt $before ] ||
    grep -q '^test step: ' '$tmp/program.log'" || fail "the program did not take the step \"$*\""
  ! grep -q '^test step: ' "$tmp/program.log" || fail "the step \"$*\": $(grep '^test step: ' "$tmp/program.log")"
}

# Each test its own data root, so that tests run side by side.
export TARVINEX_HOME="${TARVINEX_HOME:-$tmp/home}"
shots="${TARVINEX_TEST_OUTPUT:-$tmp}/windows-$mode"
rm -rf "$shots"
mkdir -p "$shots"
# The program's own report, for the logs of a failure only.
export TARVINEX_TEST_REPORT=1
export XDG_CONFIG_HOME="$tmp/config" XDG_CACHE_HOME="$tmp/cache"
unset QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS QT_AUTO_SCREEN_SCALE_FACTOR WAYLAND_DISPLAY DISPLAY

# ---------------------------------------------------------------- X11 ---

# An X display of the test's own: the server still runs, at the size asked
# for, and answers. A server that did not come up is started again.
our_display() { kill -0 "$xvfb_pid" && xwininfo -root | grep -q -- "-geometry ${screen_w}x${screen_h}+0+0"; }
start_xvfb() {
  local attempt
  for attempt in 1 2 3; do
    rm -f "$tmp/display"
    Xvfb -displayfd 3 -screen 0 "${screen_w}x${screen_h}x24" -nolisten tcp 3>"$tmp/display" >"$tmp/xvfb.log" 2>&1 &
    xvfb_pid=$!
    pids+=("$xvfb_pid")
    if wait_for 20 grep -q '^[0-9][0-9]*$' "$tmp/display"; then
      export DISPLAY=":$(head -n 1 "$tmp/display")"
      if wait_for 20 our_display; then
        # A server found this way leaves no lock file: one started for a
        # fixed display number would take the display's socket over.
        lock="/tmp/.X${DISPLAY#:}-lock"
        # One left by a server that has gone is stale.
        if [ -f "$lock" ] && ! kill -0 "$(tr -d ' \n' <"$lock")" 2>/dev/null; then rm -f "$lock"; fi
        if (set -C && printf '%10d\n' "$xvfb_pid" >"$lock") 2>/dev/null; then
          locks+=("$lock")
          return 0
        fi
      fi
    fi
    echo "Xvfb did not answer (attempt $attempt)"
    kill "$xvfb_pid" 2>/dev/null || true
  done
  fail "no X display of the test's own answered"
}

# openbox as a desktop with a top bar keeps it: windows are placed and
# maximised below a margin at the top, which is out of the work area.
start_openbox() {
  sed "s#<top>0</top>#<top>$margin_top</top>#" /etc/xdg/openbox/rc.xml >"$tmp/rc.xml"
  grep -q "<top>$margin_top</top>" "$tmp/rc.xml" || fail "no margins in openbox's rc.xml"
  start_window_manager openbox --sm-disable --config-file "$tmp/rc.xml"
  wait_for 10 sh -c "xprop -root _NET_WORKAREA | grep -q '= 0, $margin_top, '" ||
    fail "openbox's work area: $(xprop -root _NET_WORKAREA)"
}

# The window manager "$1" started with the arguments "$2...", until it
# names itself on the root window; $wm_pid.
start_window_manager() {
  local name="$1" attempt
  for attempt in 1 2 3; do
    "$@" >"$tmp/$name.log" 2>&1 &
    wm_pid=$!
    pids+=("$wm_pid")
    # Under load a client now and then fails to connect at once.
    wait_for 20 sh -c "! kill -0 $wm_pid || xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id'"
    kill -0 "$wm_pid" 2>/dev/null && break
    echo "$name did not start (attempt $attempt): $(tail -n 1 "$tmp/$name.log")"
  done
  wait_for 20 sh -c 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"' || fail "$name did not start"
}

# The program on the X display, started again should it fail to connect.
start_program_on_x() {
  local attempt
  for attempt in 1 2 3; do
    QT_QPA_PLATFORM=xcb start_program
    wait_for 20 sh -c "! kill -0 $program_pid || xdotool search --all --onlyvisible --pid $program_pid --name '^Tarvinex Sim\$'"
    program_runs && return 0
    echo "the program did not start (attempt $attempt): $(grep -m 1 -i 'display' "$tmp/program.log" || true)"
    exec 7>&-
    rm -f "$tmp/steps"
  done
  fail "the program did not start"
}

# The program's windows in view captioned $1 (a pattern), one id a line.
windows_named() { xdotool search --all --onlyvisible --pid "$program_pid" --name "$1" 2>/dev/null || true; }
in_view() { [ -n "$(windows_named "$1")" ]; }
out_of_view() { [ -z "$(windows_named "$1")" ]; }
# The window manager's word on a window: _NET_WM_STATE as it keeps it.
maximised() {
  local state
  state="$(xprop -id "$1" _NET_WM_STATE)"
  [[ "$state" == *_NET_WM_STATE_MAXIMIZED_VERT* && "$state" == *_NET_WM_STATE_MAXIMIZED_HORZ* ]]
}
# "x y w h" of a window's client area in screen pixels.
client_geometry() {
  xwininfo -id "$1" | awk '/Absolute upper-left X/{x=$NF} /Absolute upper-left Y/{y=$NF}
    /^ *Width:/{w=$NF} /^ *Height:/{h=$NF} END{print x, y, w, h}'
}
# "x y w h" of the window with the frame the window manager puts round it.
frame_geometry() {
  local x y w h l r t b
  read -r x y w h < <(client_geometry "$1")
  read -r l r t b < <(xprop -id "$1" _NET_FRAME_EXTENTS | sed -n 's/.*= *//p' | tr -d ',')
  echo "$((x - ${l:-0})) $((y - ${t:-0})) $((w + ${l:-0} + ${r:-0})) $((h + ${t:-0} + ${b:-0}))"
}
workarea() { xprop -root _NET_WORKAREA | sed -n 's/.*= *//p' | tr -d ',' | awk '{print $1, $2, $3, $4}'; }
# Whether the rectangle "$1" ("x y w h") lies within "$2".
within() {
  local x y w h ax ay aw ah
  read -r x y w h <<<"$1"
  read -r ax ay aw ah <<<"$2"
  [ "$x" -ge "$ax" ] && [ "$y" -ge "$ay" ] && [ $((x + w)) -le $((ax + aw)) ] && [ $((y + h)) -le $((ay + ah)) ]
}
placed() { echo "$(xprop -id "$1" _NET_WM_STATE) $(frame_geometry "$1")"; }
maximised_and_placed() { maximised "$1" && steady 0.3 placed "$1"; }
normal_and_placed() { ! maximised "$1" && steady 0.3 placed "$1"; }
framed_within_workarea() {
  local frame area
  frame="$(frame_geometry "$2")"
  area="$(workarea)"
  within "$frame" "$area" || fail "the $3 $1's frame $frame is not within the work area $area"
}

# A window kept by openbox: maximised by it within the work area. An
# un-maximise sent by the window manager (as a title-bar double click sends
# it) stands, with the frame within the work area; maximised again, it stays
# so.
check_kept_window() {
  local name="$1" w="$2"
  wait_for 20 maximised_and_placed "$w" || fail "the $name is not maximised by the window manager: $(placed "$w")"
  framed_within_workarea "$name" "$w" maximised
  wmctrl -i -r "$w" -b remove,maximized_vert,maximized_horz
  wait_for 20 normal_and_placed "$w" || fail "the $name's un-maximise did not stand: $(placed "$w")"
  framed_within_workarea "$name" "$w" un-maximised
  wmctrl -i -r "$w" -b add,maximized_vert,maximized_horz
  wait_for 20 maximised_and_placed "$w" || fail "the $name was not maximised again: $(placed "$w")"
  framed_within_workarea "$name" "$w" maximised
  program_runs || fail "the program ended"
}

# Brings up a tool from the menu (step "$2"), checks its window captioned
# "$3" and goes back to the menu through its EXIT.
check_tool() {
  local name="$1" click="$2" caption="$3" class="$4" w
  step "click TMain $click"
  wait_for 20 in_view "^$caption\$" || fail "$click did not bring up the $name"
  w="$(windows_named "^$caption\$" | head -n 1)"
  check_kept_window "$name" "$w"
  step "click $class mainmenubit"
  wait_for 20 out_of_view "^$caption\$" || fail "the $name's EXIT left it in view"
}

run_openbox() {
  start_xvfb
  start_openbox
  case "$mode" in
    openbox-2) export QT_SCALE_FACTOR=2 ;;
    openbox-xftdpi) xprop -root -f RESOURCE_MANAGER 8s -set RESOURCE_MANAGER "Xft.dpi:	192" ;;
  esac
  start_program_on_x
  wait_for 20 sh -c "[ \"\$(xdotool search --all --onlyvisible --pid $program_pid --name '^Tarvinex Sim\$' | wc -l)\" -eq 1 ]" ||
    fail "the main menu did not come up"
  local menu sim scale=1 width
  menu="$(windows_named '^Tarvinex Sim$')"
  check_kept_window "main menu" "$menu"
  case "$mode" in
    openbox-2 | openbox-xftdpi)
      # The program works at the scale asked for: the maximised menu is the
      # work area's width in its own pixels.
      scale=2
      width="$(grep '^window tvx::TMain shown maximised ' "$tmp/program.log" | tail -n 1 | awk '{print $5}')"
      [ "${width%%x*}" -eq $((screen_w / scale)) ] || fail "the menu is $width wide at scale $scale"
      ;;
  esac
  step "click TMain Simulator"
  wait_for 20 sh -c "xdotool search --all --onlyvisible --pid $program_pid --name '^Tarvinex Sim\$' | grep -vx '$menu' | grep -q ." ||
    fail "SIM did not bring up the simulator"
  sim="$(windows_named '^Tarvinex Sim$' | grep -vx "$menu" | head -n 1)"
  check_kept_window simulator "$sim"
  step "click TForm1 CloseAreabit"
  wait_for 20 sh -c "[ \"\$(xdotool search --all --onlyvisible --pid $program_pid --name '')\" = '$menu' ]" ||
    fail "after the simulator's Exit, in view: $(windows_named '' | xargs -r -n 1 xdotool getwindowname | tr '\n' ',')"
  if [ "$scale" -eq 1 ]; then
    check_tool "navigation log" Navlog "Tarvinex - Navigation Log" TWindtriangle
    check_tool "mass and balance" MassBal "Tarvinex - Mass and Balance" TMassBalForm
    check_tool conversions Conversion "Tarvinex - Conversions" TConvform
  fi
  program_runs || fail "the program ended"
  echo "ok ($mode): the windows are maximised by openbox and their un-maximise stands, framed within the work area $(workarea)"
}

covers_screen() { [ "$(client_geometry "$1")" = "0 0 $screen_w $screen_h" ]; }
# Waits until the window captioned "$2" is in view and fills the screen.
check_fills_screen() {
  local name="$1" caption="$2" w
  wait_for 20 in_view "^$caption\$" || fail "the $name did not come up"
  w="$(windows_named "^$caption\$" | tail -n 1)"
  wait_for 20 covers_screen "$w" || fail "the $name does not fill the screen: $(client_geometry "$w")"
}
only_in_view() { [ "$(windows_named '' | xargs -r -n 1 xdotool getwindowname | sort | tr '\n' ',')" = "$1" ]; }
check_only_in_view() {
  wait_for 20 only_in_view "$1" || fail "$2, in view: $(windows_named '' | xargs -r -n 1 xdotool getwindowname | sort | tr '\n' ',')"
}

run_bare() {
  start_xvfb
  start_program_on_x
  check_fills_screen "main menu" "Tarvinex Sim"
  local tool
  for tool in "Navlog:Tarvinex - Navigation Log:TWindtriangle" "MassBal:Tarvinex - Mass and Balance:TMassBalForm" \
    "Conversion:Tarvinex - Conversions:TConvform"; do
    IFS=: read -r click caption class <<<"$tool"
    step "click TMain $click"
    check_fills_screen "$caption" "$caption"
    step "click $class mainmenubit"
    check_only_in_view "Tarvinex Sim," "after the EXIT of $caption"
  done
  step "click TMain Simulator"
  # The menu put away, and the tools put away before, are out of view.
  check_only_in_view "Tarvinex Sim," "beside the simulator"
  check_fills_screen simulator "Tarvinex Sim"
  # The navigation database, from the area window.
  step "click TForm1 Areapanel"
  wait_for 20 in_view '^Area: ' || fail "AREA did not bring up the area window"
  step "click TArea opendbase"
  check_fills_screen "navigation database" "Tarvinex Database"
  step "click Tdbaseform CloseAreabit"
  wait_for 20 out_of_view '^Tarvinex Database$' || fail "the database's Cancel left it in view"
  step "click TArea CloseAreabit"
  wait_for 20 out_of_view '^Area: ' || fail "the area window's close left it in view"
  # The start panel's Exit: the simulator is out of view behind the menu.
  step "click TForm1 CloseAreabit"
  check_only_in_view "Tarvinex Sim," "after the simulator's Exit"
  program_runs || fail "the program ended"
  echo "ok ($mode): menu, simulator, tools and database fill the screen; the windows put away are out of view"
}

# --------------------------------------------------------------- soak ---

# metacity as GNOME's X11 desktops had it, its settings its own.
start_metacity() { GSETTINGS_BACKEND=memory start_window_manager metacity --sm-disable; }
# xfwm4 as the Xfce desktop has it: its settings come over a session bus of
# the test's own.
start_xfwm4() {
  dbus-daemon --session --nofork --nopidfile --print-address=5 5>"$tmp/bus" >"$tmp/dbus.log" 2>&1 &
  pids+=($!)
  wait_for 20 grep -q . "$tmp/bus" || fail "no session bus for xfwm4"
  DBUS_SESSION_BUS_ADDRESS="$(head -n 1 "$tmp/bus")" NO_AT_BRIDGE=1 start_window_manager xfwm4 --compositor=off
}

stop_program() {
  exec 7>&-
  kill "$program_pid" 2>/dev/null || true
  wait "$program_pid" 2>/dev/null || true
  rm -f "$tmp/steps"
}

# The window manager's word on whether a window is in view: WM_STATE
# Normal (not Iconic, not Withdrawn) and not hidden in _NET_WM_STATE.
wm_view() { xprop -id "$1" WM_STATE _NET_WM_STATE 2>/dev/null | tr -s '\t\n' '  '; }
shown_by_wm() {
  local view
  view="$(wm_view "$1")"
  [[ "$view" == *"window state: Normal"* && "$view" != *_NET_WM_STATE_HIDDEN* ]]
}
# In view by the window system's word: mapped, and shown by the window
# manager.
viewable() { xwininfo -id "$1" 2>/dev/null | grep -q 'Map State: IsViewable'; }
in_view_by_wm() { [ -n "$1" ] && viewable "$1" && shown_by_wm "$1"; }

# A list of windows the window manager keeps on the root window ($1:
# _NET_CLIENT_LIST, or _NET_CLIENT_LIST_STACKING bottom first), one decimal
# id a line.
root_list() {
  xprop -root "$1" | sed -n 's/.*# *//p' | tr ',' '\n' | while read -r id; do
    [ -z "$id" ] || printf '%d\n' "$id"
  done
}
# xfwm4 sets the stacking only once it has stacked two windows.
stacking() { xprop -root _NET_CLIENT_LIST_STACKING | grep -q '#' && root_list _NET_CLIENT_LIST_STACKING || root_list _NET_CLIENT_LIST; }

# The X window of a place: the menu is the first window captioned "Tarvinex
# Sim", the simulator the other one. Empty while it has none.
soak_menu=""
# Kept for the program's run: Qt keeps a top-level window's X window once
# made.
declare -A soak_ids=()
window_of() { if [ -n "${soak_ids[$1]:-}" ]; then echo "${soak_ids[$1]}"; else find_window_of "$1"; fi; }
soak_learn_ids() {
  local class
  for class in TMain TForm1 "${!soak_captions[@]}"; do
    [ -n "${soak_ids[$class]:-}" ] || soak_ids[$class]="$(find_window_of "$class")"
  done
}
find_window_of() {
  case "$1" in
    TMain) echo "$soak_menu" ;;
    TForm1) { xdotool search --all --pid "$program_pid" --name '^Tarvinex Sim$' 2>/dev/null || true; } | grep -vx "$soak_menu" | head -n 1 || true ;;
    *) { xdotool search --all --pid "$program_pid" --name "^${soak_captions[$1]}\$" 2>/dev/null || true; } | head -n 1 ;;
  esac
}
declare -A soak_captions=([TExform]="Tarvinex IFR Exercises" [TWindtriangle]="Tarvinex - Navigation Log" [TMassBalForm]="Tarvinex - Mass and Balance"
  [TConvform]="Tarvinex - Conversions")
declare -A soak_entries=([Simulator]=TForm1 [Exercises]=TExform [Navlog]=TWindtriangle [MassBal]=TMassBalForm
  [Conversion]=TConvform)
soak_resizable=(TMain TForm1 TWindtriangle TMassBalForm TConvform)

# Every window the program has, mapped or not, with the window manager's
# word on it.
soak_desktop() {
  local w
  for w in $(xdotool search --all --pid "$program_pid" --name 'Tarvinex' 2>/dev/null); do
    echo "  $(xdotool getwindowname "$w" 2>/dev/null) ($w, $(xwininfo -id "$w" 2>/dev/null | sed -n 's/^ *Map State: //p')):$(wm_view "$w")"
  done
}
soak_fail() {
  echo "$soak_run, round $round: $*"
  echo "the window manager's word on the program's windows (stacking from the bottom: $(stacking | tr '\n' ' ')," \
    "its list: $(root_list _NET_CLIENT_LIST | tr '\n' ' ')):"
  soak_desktop
  echo "actions since the start (replay: $soak_replay):"
  printf '  %s\n' "${soak_log[@]}"
  fail "soak $soak_run: $*"
}

# A screenshot of the whole X display, for a person to look at.
x_screenshot() { ! command -v xwd >/dev/null || xwd -root -silent >"$shots/$1.xwd" 2>/dev/null || true; }

fills_workarea() { [ "$(frame_geometry "$1")" = "$(workarea)" ]; }

# A program of its own for a part of the soak, at the menu.
soak_start() {
  soak_run="$1"
  soak_replay="$2"
  start_program_on_x
  wait_for 20 in_view '^Tarvinex Sim$' || fail "$soak_run: the main menu did not come up"
  soak_menu="$(windows_named '^Tarvinex Sim$' | head -n 1)"
  soak_ids=()
  place=TMain front=TMain round=1 soak_sent=0
  soak_log=()
}

# Sends a step without waiting for it: at full speed the program has many
# in hand.
soak_send() {
  echo "$*" >&7
  soak_sent=$((soak_sent + 1))
  soak_log+=("$*")
}
# From the menu, an entry drawn at random; elsewhere, back to the menu.
soak_go() {
  local entry
  case "$place" in
    TMain)
      # Drawn here: bash seeds RANDOM anew in a subshell.
      entry=$((RANDOM % 5 + 1))
      entry="$(printf '%s\n' "${!soak_entries[@]}" | sort | sed -n "${entry}p")"
      soak_send "click TMain $entry"
      place="${soak_entries[$entry]}"
      ;;
    TForm1) soak_send "click TForm1 CloseAreabit" && place=TMain ;;
    TExform) soak_send "click TExform exitbit" && place=TMain ;;
    *) soak_send "click $place mainmenubit" && place=TMain ;;
  esac
  front="$place"
}
# One action from where the user stands ($place, the class of the window
# chosen last).
soak_action() {
  local roll=$((RANDOM % 100)) target w
  if [ "$roll" -lt 60 ]; then
    soak_go
  elif [ "$roll" -lt 80 ]; then
    # The program resizes one of its windows, in view or put away.
    target="${soak_resizable[RANDOM % ${#soak_resizable[@]}]}"
    soak_send "resize $target $((400 + RANDOM % 967)) $((300 + RANDOM % 469))"
  else
    # The exercises' window has no maximise: the simulator behind it then,
    # which the window manager may bring in front of them, as it may a
    # window the user acts on.
    target="$place"
    [ "$target" != TExform ] || target=TForm1 front=TForm1
    if [ "$roll" -lt 90 ]; then
      # The program un-maximises or maximises it.
      if [ $((RANDOM % 2)) -eq 0 ]; then soak_send "normal $target"; else soak_send "maximise $target"; fi
    else
      # The user toggles its maximised state, as the title bar's double
      # click does.
      w="$(window_of "$target")"
      soak_log+=("(user) toggle maximised $target")
      [ -z "$w" ] || wmctrl -i -r "$w" -b toggle,maximized_vert,maximized_horz 2>/dev/null || true
    fi
  fi
}

# The windows of the program in view by the window manager's word, and the
# top one of them: "<top>: <id> <id> ...", ids in stacking order.
program_view() {
  local w top="" shown=""
  for w in $(stacking); do
    if [ "$(xdotool getwindowpid "$w" 2>/dev/null)" = "$program_pid" ] && in_view_by_wm "$w"; then
      shown+=" $w"
      top="$w"
    fi
  done
  echo "${top:-none}:$shown"
}
# What is wrong with the desktop for the user standing at $place, one line
# each; nothing when the window chosen is in view and the top window of the
# program (the exercises over the simulator, which is in view behind them,
# unless the user acted on the simulator last: $front), and every window
# the program put away is out of view and out of the window manager's list.
soak_wrongs() {
  local chosen=("$place") class w top="" shown=" " listed
  [ "$place" != TExform ] || chosen+=(TForm1)
  listed=" $(root_list _NET_CLIENT_LIST | tr '\n' ' ')"
  for class in TMain TForm1 "${!soak_captions[@]}"; do
    w="$(window_of "$class")"
    if in_view_by_wm "$w"; then
      shown+="$w "
      [[ " ${chosen[*]} " == *" $class "* ]] || echo "the $class window put away is in view"
    elif [[ " ${chosen[*]} " == *" $class "* ]]; then
      echo "the $class window chosen is not in view"
    fi
    [ -z "$w" ] || [[ " ${chosen[*]} " == *" $class "* ]] || [[ "$listed" != *" $w "* ]] ||
      echo "the $class window put away is in the window manager's list"
  done
  # The program's top window in view.
  for w in $(stacking | tac); do
    if [[ "$shown" == *" $w "* ]]; then
      top="$w"
      break
    fi
  done
  w="$(window_of "$front")"
  # The window manager may or may not bring the simulator the user acted on
  # in front of the exercises.
  [ "$front" = "$place" ] || [ "$top" != "$(window_of "$place")" ] || w="$top"
  [ -z "$w" ] || [ "$top" = "$w" ] || echo "the $front window is not the program's top window (the top one: ${top:-none} $(xdotool getwindowname "${top:-0}" 2>/dev/null || true))"
}
# The desktop is right, and stays so for a moment: what a window manager
# does to a window comes in several moves.
soak_right() {
  [ -z "$(soak_wrongs)" ] || return 1
  sleep 0.3
  [ -z "$(soak_wrongs)" ]
}

# After the steps sent since "$1" were all taken, the desktop settles right.
soak_check() {
  local before="$1" wrongs
  wait_for 30 sh -c "[ \"\$(grep -c '^step taken: ' '$tmp/program.log')\" -ge $((before + soak_sent)) ] ||
    grep -q '^test step: ' '$tmp/program.log'" || soak_fail "the program did not take the steps sent"
  ! grep -q '^test step: ' "$tmp/program.log" || soak_fail "$(grep '^test step: ' "$tmp/program.log")"
  program_runs || soak_fail "the program ended"
  soak_learn_ids
  if ! wait_for 20 soak_right; then
    wrongs="$(soak_wrongs)"
    soak_fail "${wrongs:-the desktop did not settle}"
  fi
  soak_sent=0
}

# Nothing of the program in view by the window manager's word.
program_out_of_view() { [ "$(program_view)" = "none:" ]; }
# The program's windows in view are "$1" again, and stay so a moment.
program_view_again() { [ "$1" = "$(program_view)" ] && sleep 0.3 && [ "$1" = "$(program_view)" ]; }
# The user minimises the window chosen from its title bar (the ICCCM
# request the button sends): every window of the program goes, and stays
# gone. The user restores it from the taskbar: every window in view before
# comes back, the same one in front. Screenshots before, minimised and
# restored, named after "$1".
soak_users_minimise() {
  local w view
  w="$(window_of "$place")"
  view="$(program_view)"
  x_screenshot "$1"
  soak_log+=("(user) minimise $place")
  xdotool windowminimize "$w"
  wait_for 20 program_out_of_view || soak_fail "after the user's minimise of $place, in view: $(program_view)"
  sleep 3
  program_out_of_view || soak_fail "3 s after the user's minimise of $place, in view again: $(program_view)"
  x_screenshot "$1-minimised"
  soak_log+=("(user) restore $place")
  wmctrl -ia "$w"
  wait_for 20 program_view_again "$view" ||
    soak_fail "after the user's restore of $place: in view $(program_view) (top: ids), before the minimise $view"
  x_screenshot "$1-restored"
}

# Round trips through the menu, the clicks $1 ms apart (0: at full speed),
# then one more entry; the user's minimise and restore of the window chosen.
soak_round_trips() {
  local gap="$1" i
  RANDOM="$((soak_seed + gap))"
  soak_start "24 round trips ${gap} ms apart" "TARVINEX_SOAK_PARTS=trips TARVINEX_SOAK_SEEDS=$soak_seed (gap $gap)"
  for ((i = 0; i < 49; i++)); do
    soak_go
    [ "$gap" -eq 0 ] || sleep "0.$(printf '%03d' "$gap")"
  done
  soak_check 0
  soak_users_minimise "trips-$gap-ms-$place"
  stop_program
  echo "$soak_run: $(steps_taken) steps, ending at $place; the whole program went with the user's minimise and came back with the restore"
}

# The exercises minimised by the user, restored and started: the simulator
# flies the exercise, its panel shown.
soak_exercises() {
  soak_start "exercises minimised, restored and started" "TARVINEX_SOAK_PARTS=exercises"
  soak_send "click TMain Exercises"
  place=TExform front=TExform
  soak_check 0
  soak_users_minimise exercises
  soak_send "click TExform startexbit"
  soak_send "shown TForm1 Staticpanel"
  place=TForm1 front=TForm1
  soak_check 0
  stop_program
  echo "$soak_run: the simulator in view with the exercise panel"
}

# A document the menu opens comes in front of the menu: a stand-in viewer,
# the desktop's opener in this test.
soak_viewer() {
  mkdir -p "$tmp/bin" "$TARVINEX_HOME"
  printf '%%PDF-1.4\n' >"$TARVINEX_HOME/Tarvinex Sim Manual.pdf"
  printf '#!/bin/sh\necho $$ >"%s"\nexec xmessage -title "Stand-in viewer" "$1"\n' "$tmp/viewer.pid" >"$tmp/bin/xdg-open"
  chmod +x "$tmp/bin/xdg-open"
  export PATH="$tmp/bin:$PATH"
  soak_start "the manual opened from the menu" "TARVINEX_SOAK_PARTS=viewer"
  soak_send "click TMain BitBtn1"
  soak_check 0
  local viewer
  wait_for 20 sh -c 'xdotool search --onlyvisible --name "^Stand-in viewer\$"' || soak_fail "no stand-in viewer came up"
  viewer="$(xdotool search --onlyvisible --name '^Stand-in viewer$' | head -n 1)"
  above() { stacking | sed -n "/^$soak_menu\$/,\$p" | grep -qx "$viewer"; }
  wait_for 20 steady 0.3 above || soak_fail "the viewer is not above the menu: stacking $(stacking | tr '\n' ' '), viewer $viewer"
  x_screenshot viewer
  kill "$(cat "$tmp/viewer.pid")" 2>/dev/null || true
  stop_program
  echo "$soak_run: the viewer stands above the menu"
}

# A window manager that maps the menu the program put away and then will not
# leave it alone (metacity at times): the program puts it away again while
# the storm goes on.
soak_storm() {
  local menu storm
  soak_start "the menu put away, mapped by another and stormed" "TARVINEX_SOAK_PARTS=storm"
  soak_send "click TMain Navlog"
  place=TWindtriangle front=TWindtriangle
  soak_check 0
  menu="$soak_menu"
  "$TARVINEX_XSTORM" "$menu" 8000 >"$tmp/storm" &
  storm=$!
  pids+=("$storm")
  soak_log+=("(another) map TMain, then rewrite its WM_STATE every 2 ms for 8 s")
  put_away() { ! xwininfo -id "$menu" | grep -q IsViewable && [[ " $(root_list _NET_CLIENT_LIST | tr '\n' ' ') " != *" $menu "* ]]; }
  wait_for 5 grep -q mapped "$tmp/storm" || soak_fail "the window manager did not map the menu for another client"
  wait_for 5 put_away || soak_fail "the menu mapped by another is still in view or listed in the storm"
  kill -0 "$storm" 2>/dev/null || soak_fail "the storm ended before the menu was put away again: the machine is too slow for this test"
  wait "$storm" || soak_fail "the storm could not reach the menu"
  soak_check 0
  stop_program
  echo "$soak_run: the menu put away again while the storm went on"
}

# SIM, and the user's un-maximise of the simulator 0.1 s later, 40 rounds,
# with the X server, the window manager and the program on one CPU.
soak_unmaximise() {
  soak_start "SIM and the user's un-maximise 0.1 s later, on one CPU" "TARVINEX_SOAK_PARTS=unmaximise"
  local cpu pid sim before
  cpu=$(($$ % $(nproc)))
  for pid in "$xvfb_pid" "$wm_pid" "$program_pid"; do taskset -a -p -c "$cpu" "$pid" >/dev/null; done
  for ((round = 1; round <= 40; round++)); do
    soak_log+=("-- round $round")
    before="$(steps_taken)"
    soak_send "click TMain Simulator"
    sleep 0.1
    sim="$(window_of TForm1)"
    soak_log+=("(user) toggle maximised TForm1")
    [ -z "$sim" ] || wmctrl -i -r "$sim" -b toggle,maximized_vert,maximized_horz 2>/dev/null || true
    place=TForm1 front=TForm1
    soak_check "$before"
    soak_go
    soak_check "$((before + 1))"
  done
  stop_program
  echo "$soak_run: the simulator was in view after each of 40 rounds"
}

run_soak() {
  start_xvfb
  case "$mode" in
    soak-openbox) start_openbox ;;
    soak-metacity) start_metacity ;;
    soak-xfwm4) start_xfwm4 ;;
  esac
  local seeds rounds before parts part menu
  read -r -a seeds <<<"${TARVINEX_SOAK_SEEDS-1 3 6}"
  rounds="${TARVINEX_SOAK_ROUNDS:-14}"
  parts="${TARVINEX_SOAK_PARTS:-fill trips exercises viewer storm seeds unmaximise}"
  soak_seed="${seeds[0]:-1}"
  for part in $parts; do
    case "$part" in
      fill)
        # The menu maximised fills the work area.
        start_program_on_x
        menu="$(windows_named '^Tarvinex Sim$' | head -n 1)"
        wait_for 20 fills_workarea "$menu" ||
          fail "the maximised menu's frame $(frame_geometry "$menu") does not fill the work area $(workarea)"
        stop_program
        echo "the maximised menu fills the work area $(workarea)"
        ;;
      trips) soak_round_trips 0 && soak_round_trips 50 ;;
      exercises) soak_exercises ;;
      viewer) soak_viewer ;;
      storm) soak_storm ;;
      unmaximise) [ "$mode" != soak-metacity ] || soak_unmaximise ;;
      seeds)
        for seed in "${seeds[@]}"; do
          RANDOM="$seed"
          soak_start "seed $seed" "TARVINEX_SOAK_PARTS=seeds TARVINEX_SOAK_SEEDS=$seed"
          for ((round = 1; round <= rounds; round++)); do
            # Full speed two rounds in three, else a user's pace of 50 to 400 ms
            # between actions.
            local pace=$((RANDOM % 3 == 2)) n=$((RANDOM % 10 + 1)) i
            soak_log+=("-- round $round: $n actions $([ "$pace" -eq 0 ] && echo "at full speed" || echo "50-400 ms apart")")
            before="$(steps_taken)"
            for ((i = 0; i < n; i++)); do
              soak_action
              [ "$pace" -eq 0 ] || sleep "0.$(printf '%03d' $((50 + RANDOM % 351)))"
            done
            soak_check "$before"
          done
          stop_program
          echo "seed $seed: $rounds rounds, $(steps_taken) steps; the desktop was right after each"
        done
        ;;
      *) fail "no soak part $part" ;;
    esac
  done
  echo "ok ($mode): $parts; screenshots in $shots"
}

# ------------------------------------------------------------ Wayland ---

# The compositor's scene graph: "x1 y1 x2 y2 <title>" for each view of the
# program's toplevels on the screen (a minimised or unmapped one has none).
views() {
  weston-debug -o "$tmp/scene" scene-graph >/dev/null 2>&1 || return 1
  awk -v pid="$program_pid" '
    /^\t*View .*role xdg_toplevel, PID / {
      match($0, /PID [0-9]+/); p = substr($0, RSTART + 4, RLENGTH - 4)
      match($0, /top-level window .* of /); t = substr($0, RSTART + 18, RLENGTH - 23)
      want = (p == pid); next
    }
    want && /position: / {
      gsub(/[(),>-]/, " "); print $2, $3, $4, $5, t; want = 0
    }' "$tmp/scene"
  rm -f "$tmp/scene"
}
views_titled() { views | awk -v t="$1" '{ v = $0; sub(/^[^ ]+ [^ ]+ [^ ]+ [^ ]+ /, "", v) } v == t { print $1, $2, $3, $4 }'; }
# The panel of the compositor's desktop shell: "x1 y1 x2 y2".
shell_panel() {
  weston-debug -o "$tmp/scene" scene-graph >/dev/null 2>&1 || return 1
  awk '/panel for output/ { getline; gsub(/[(),>-]/, " "); print $2, $3, $4, $5; exit }' "$tmp/scene"
  rm -f "$tmp/scene"
}
shell_panel_up() { [ -n "$(shell_panel)" ]; }
# A screenshot by the compositor ($1: its name).
screenshot() {
  mkdir -p "$tmp/shot"
  rm -f "$tmp/shot"/*.png
  (cd "$tmp/shot" && weston-screenshooter >/dev/null 2>&1) || return 1
  mv "$tmp/shot"/*.png "$shots/$1.png"
}
# The simulator's panel is grey where no instrument lies: thousandths of the
# screen below the compositor's panel in that grey, in the last screenshot.
grey_share() { "$probe" "$shots/$1.png" '#808080' 0 "$panel_h" "$screen_w" $((screen_h - panel_h)); }
# The window of class $1 is the one view captioned $2 on the screen, and the
# compositor's screenshot $3 shows there what the window drew itself (its
# own picture, kept beside it as $3-own.png): not the desktop, not another
# window, not nothing. With $4, it also shows what the window drew in the
# screenshot $4, as one that comes back should. The judgement is left in
# $tmp/verdict.
shows_itself() {
  local class="$1" caption="$2" name="$3" first="${4:-}" view
  view="$(views_titled "$caption")"
  if [ -z "$view" ] || [ "$(wc -l <<<"$view")" -ne 1 ]; then
    echo "not one view captioned $caption: $(what_is_shown)" >"$tmp/verdict"
    return 1
  fi
  step "grab $class $shots/$name-own.png"
  screenshot "$name" || return 1
  # shellcheck disable=SC2086 # the view's corners, four words
  "$matcher" "$shots/$name.png" "$shots/$name-own.png" $view ${first:+"$shots/$first-own.png"} >"$tmp/verdict" 2>&1
}
verdict() { tr '\n' ' ' <"$tmp/verdict"; }
# The simulator ($1 TForm1) or the menu ($1 TMain) is on the screen showing
# itself in the screenshot $2 (as in the screenshot $3, if given); the other
# is not.
one_sim_titled_shown() {
  local share
  shows_itself "$1" 'Tarvinex Sim' "$2" "${3:-}" || return 1
  share="$(grey_share "$2")"
  echo "grey $share‰" >>"$tmp/verdict"
  if [ "$1" = TForm1 ]; then [ "$share" -ge 200 ]; else [ "$share" -lt 20 ]; fi
}
simulator_on_screen() { one_sim_titled_shown TForm1 "$@"; }
# The exercises show themselves in the screenshot $1 (as in $2, if given),
# and the simulator's grey is round them.
exercises_on_simulator() {
  local share
  shows_itself TExform "Tarvinex IFR Exercises" "$1" "${2:-}" || return 1
  share="$(grey_share "$1")"
  echo "grey $share‰" >>"$tmp/verdict"
  [ "$share" -ge 100 ]
}
menu_on_screen() { one_sim_titled_shown TMain "$@"; }
what_is_shown() { views | tr '\n' ';'; }
view_is() { [ "$(views_titled "$1")" = "$2" ]; }
view_is_not() { ! view_is "$@"; }
no_view() { view_is "$1" ""; }

# An un-maximised window ($1, its class; $2 its caption) lies within what
# the compositor gave it maximised ($3), once the compositor has placed it.
check_unmaximised_within() {
  local class="$1" caption="$2" given="$3" name="$4" normal
  step "normal $class"
  wait_for 20 view_is_not "$caption" "$given" || fail "the $name was not un-maximised: $(what_is_shown)"
  wait_for 20 steady 0.3 views_titled "$caption" || fail "the un-maximised $name did not settle"
  normal="$(views_titled "$caption")"
  wait_for 20 shows_itself "$class" "$caption" "$5" || fail "the un-maximised $name does not show itself: $(verdict)"
  local x1 y1 x2 y2
  read -r x1 y1 x2 y2 <<<"$normal"
  within "$x1 $y1 $((x2 - x1)) $((y2 - y1))" "$given_rect" ||
    fail "the un-maximised $name ($normal) is not within what the compositor gave it maximised ($given)"
  step "maximise $class"
  wait_for 20 view_is "$caption" "$given" || fail "the $name was not maximised again: $(what_is_shown)"
}

run_weston() {
  export XDG_RUNTIME_DIR="$tmp/runtime"
  mkdir -m 700 "$XDG_RUNTIME_DIR"
  # A plain background, so that no picture of the compositor's looks like
  # the program's windows.
  printf '[shell]\nbackground-image=\nbackground-color=0xff204060\n' >"$tmp/weston.ini"
  export WAYLAND_DISPLAY="tarvinex-$$"
  weston --backend=headless-backend.so --use-pixman --debug --config="$tmp/weston.ini" --socket="$WAYLAND_DISPLAY" \
    --width="$screen_w" --height="$screen_h" --idle-time=0 >"$tmp/weston.log" 2>&1 &
  pids+=($!)
  wait_for 20 test -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY" || fail "weston did not start"
  # The shell's panel takes its place before the program asks.
  wait_for 20 shell_panel_up || fail "weston's panel did not come up"
  local panel
  panel="$(shell_panel)"
  panel_h="$(echo "$panel" | awk '{print $4}')"
  QT_QPA_PLATFORM=wayland start_program
  wait_for 20 menu_on_screen 01-menu || fail "the main menu did not come up: $(verdict)"
  local given
  given="$(views_titled 'Tarvinex Sim')"
  # Maximised by the compositor below its panel.
  [ "$given" = "0 $panel_h $screen_w $screen_h" ] || fail "the menu is not maximised below the panel: $given"
  given_rect="0 $panel_h $screen_w $((screen_h - panel_h))"
  check_unmaximised_within TMain "Tarvinex Sim" "$given" "main menu" 02-menu-unmaximised

  step "click TMain Simulator"
  wait_for 20 simulator_on_screen 03-simulator || fail "SIM did not bring up the simulator: $(verdict)"
  step "click TForm1 CloseAreabit"
  wait_for 20 menu_on_screen 04-simulator-put-away || fail "the simulator's Exit did not bring the menu: $(verdict)"
  step "click TMain Simulator"
  wait_for 20 simulator_on_screen 05-simulator-again 03-simulator ||
    fail "SIM after the simulator was put away: the simulator does not show itself: $(verdict)"
  [ "$(views_titled 'Tarvinex Sim')" = "$given" ] || fail "the simulator is not maximised: $(what_is_shown)"
  check_unmaximised_within TForm1 "Tarvinex Sim" "$given" simulator 06-simulator-unmaximised
  step "click TForm1 CloseAreabit"
  wait_for 20 menu_on_screen 07-simulator-put-away-again || fail "the simulator's Exit did not bring the menu: $(verdict)"

  # Each tool put away and brought back shows itself as it did the first
  # time.
  local n=8 tool click caption class name shot
  for tool in "Navlog:Tarvinex - Navigation Log:TWindtriangle:navigation log" \
    "MassBal:Tarvinex - Mass and Balance:TMassBalForm:mass and balance" \
    "Conversion:Tarvinex - Conversions:TConvform:conversions"; do
    IFS=: read -r click caption class name <<<"$tool"
    shot="${name// /-}"
    step "click TMain $click"
    wait_for 20 view_is "$caption" "$given" || fail "$click did not bring up the $name maximised: $(what_is_shown)"
    wait_for 20 shows_itself "$class" "$caption" "$(printf %02d $n)-$shot" ||
      fail "the $name does not show itself: $(verdict)"
    step "click $class mainmenubit"
    wait_for 20 no_view "$caption" || fail "the $name's EXIT left it on the screen"
    wait_for 20 menu_on_screen "$(printf %02d $((n + 1)))-$shot-put-away" || fail "the $name's EXIT did not bring the menu: $(verdict)"
    step "click TMain $click"
    wait_for 20 view_is "$caption" "$given" ||
      fail "$click after it was put away: the $name is not on the screen maximised: $(what_is_shown)"
    wait_for 20 shows_itself "$class" "$caption" "$(printf %02d $((n + 2)))-$shot-again" "$(printf %02d $n)-$shot" ||
      fail "$click after it was put away: the $name does not show itself as it did: $(verdict)"
    step "click $class mainmenubit"
    wait_for 20 menu_on_screen "$(printf %02d $((n + 3)))-$shot-put-away-again" ||
      fail "the $name's EXIT did not bring the menu: $(verdict)"
    n=$((n + 4))
  done

  # The exercises over the simulator, which was put away before; put away
  # themselves and brought back.
  local ex='Tarvinex IFR Exercises'
  step "click TMain Exercises"
  wait_for 20 view_is_not "$ex" "" || fail "IFR EXERCISES did not bring up the exercises: $(what_is_shown)"
  wait_for 20 exercises_on_simulator 20-exercises ||
    fail "IFR EXERCISES after the simulator was put away: not the exercises over the simulator: $(verdict)"
  [ "$(views_titled 'Tarvinex Sim')" = "$given" ] || fail "the simulator is not maximised: $(what_is_shown)"
  step "click TExform exitbit"
  wait_for 20 no_view "$ex" || fail "the exercises' EXIT left them on the screen"
  wait_for 20 menu_on_screen 21-exercises-put-away || fail "the exercises' EXIT did not bring the menu: $(verdict)"
  step "click TMain Exercises"
  wait_for 20 exercises_on_simulator 22-exercises-again 20-exercises ||
    fail "IFR EXERCISES after they were put away: not the exercises as they were over the simulator: $(verdict)"

  program_runs || fail "the program ended"
  ! grep -q 'protocol error\|error [0-9]*:' "$tmp/program.log" || fail "a protocol error"
  echo "ok ($mode): the simulator, the tools and the exercises come back after being put away, showing what" \
    "they draw; maximised at $given; un-maximised, within it; screenshots in $shots"
}

case "$mode" in
  weston) run_weston ;;
  openbox-1 | openbox-1280 | openbox-2 | openbox-xftdpi) run_openbox ;;
  bare) run_bare ;;
  soak-openbox | soak-metacity | soak-xfwm4) run_soak ;;
  *) fail "unknown mode $mode" ;;
esac
