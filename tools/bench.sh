#!/usr/bin/env bash
# Benchmarks of the launcher under Wine (64-bit build), written as a table to build/bench/results.md.
#
#   tools/bench.sh [--runs N] [--idle-seconds S] [--cycles C]
#       N runs (default 3), each: the reference program and the launcher started and timed to their first
#       answered message, a reveal and a hide timed from the dock key's release, idle CPU time and wake-ups
#       over S seconds (default 60) hidden and shown, the launcher's own timings of its keyboard hook
#       procedure (10,000 keys), of a bar composition (50 rebuilds) and of a card fade frame (the card
#       cycles), and its memory and resource counts after start, after C reveal/hide cycles and after C
#       card cycles (default 100). Every figure is given as
#       minimum / median / maximum over the runs; timings also as the ratio of the medians against the
#       reference program (tools/bench/BenchReference.cpp, the same system calls for the same work), since
#       absolute times drift on a shared machine.
set -euo pipefail
cd "$(dirname "$0")/.."

runs=3
idle=60
cycles=100
while [ $# -gt 0 ]; do
  case "$1" in
  --runs) runs="$2"; shift 2 ;;
  --idle-seconds) idle="$2"; shift 2 ;;
  --cycles) cycles="$2"; shift 2 ;;
  *) sed -n '2,13p' "$0" | sed 's/^# \{0,1\}//' >&2; exit 2 ;;
  esac
done

tools/bootstrap.sh
cmake --preset win64 >/dev/null
cmake --build --preset win64 --target Zephra3 ZepAssistant64 zep_hook zep_demo_tool zep_dock_remote \
  zep_bench_probe zep_bench_reference >/dev/null

build="$PWD/build/win64"
wine_run="$build/wine-run.sh"
out="$PWD/build/bench"
mkdir -p "$out"
raw="$out/raw.txt"
: >"$raw"
launcher='C:\Program Files\Zephra\Zephra3\Zephra3.exe'
reference="Z:${build//\//\\}\\bin\\zep_bench_reference.exe"

run() { "$wine_run" "$@" </dev/null 2>/dev/null | tr -d '\r'; }
probe() { run "$build/bin/zep_bench_probe.exe" "$@"; }
drv() { run "$build/bin/zep_dock_remote.exe" "$@"; }
value() { # line, key
  local re=" $2=([^ ]*)"
  [[ " $1" =~ $re ]] && printf '%s' "${BASH_REMATCH[1]}"
}
record() { echo "$1 $2" >>"$raw"; }
# Starts a program in the background and prints the milliseconds until its window answers messages.
ready_ms() { # program, title
  local t0 t1
  t0="$(date +%s%N)"
  WINEDEBUG=-all "$wine_run" "$1" </dev/null >/dev/null 2>&1 &
  # Wine runs the program in the process started here (wine-run.sh and Wine's loader exec into it).
  echo $! >"$out/pid"
  probe wait "$2" >/dev/null
  t1="$(date +%s%N)"
  echo $(((t1 - t0) / 1000000))
}
record_line() { # prefix, line, keys...
  local prefix="$1" line="$2" key
  shift 2
  for key in "$@"; do record "$prefix.$key" "$(value "$line" "$key")"; done
}
# Context switches of every thread of the Linux process that runs the program last started (Wine's own
# threads included): each is a wake-up of a thread that had gone to sleep, or a preemption.
switches() {
  cat /proc/"$(cat "$out/pid")"/task/*/status 2>/dev/null | awk '/ctxt_switches/ { n += $2 } END { print n + 0 }'
}
idle() { # exe, seconds, record name: CPU ms and wake-ups meanwhile
  local before after wakes
  before="$(value "$(probe cpu "$1")" ms)"
  wakes="$(switches)"
  sleep "$2"
  after="$(value "$(probe cpu "$1")" ms)"
  record "$3.wakeups" $(($(switches) - wakes))
  record "$3" "$(awk -v a="$after" -v b="$before" 'BEGIN { printf "%.1f", a - b }')"
}
# The launcher's own timings (WM_QUERY_TIMING = 3026): work 0 hook procedure, 1 bar composition, 2 fade
# frame; what 0 count, 1-100 percentile, -1 mean, -2 mean thread CPU (ns).
timing() { # work, what -> microseconds
  local ns
  ns="$(value "$(drv send "Zephra Foreground" 3026 "$1" "$2")" result)"
  awk -v n="$ns" 'BEGIN { printf "%.2f", n / 1000 }'
}
samples() { value "$(drv send "Zephra Foreground" 3026 "$1" 0)" result; } # work
wait_bar() { # x
  for _ in $(seq 1 100); do
    [ "$(value "$(drv rect Zephra)" x)" = "$1" ] && return 0
    sleep 0.05
  done
  return 1
}

"$PWD/tools/demo/install.sh" "$build" >/dev/null
for r in $(seq 1 "$runs"); do
  echo "bench: run $r of $runs"
  # The reference program.
  record ref.ready "$(ready_ms "$reference" ZepBenchReference)"
  record_line ref.slide "$(probe slide ZepBenchReference)" first_ms mean_ms p95_ms moves
  idle zep_bench_reference.exe "$idle" ref.idle
  drv post ZepBenchReference WM_CLOSE >/dev/null

  # The launcher, its assistant's start included.
  record launcher.ready "$(ready_ms "$launcher" "Zephra Foreground")"
  record_line launcher.start "$(drv process-stats Zephra3.exe)" private gdi images
  idle Zephra3.exe "$idle" launcher.idle_hidden
  record_line launcher.reveal "$(probe slide Zephra)" first_ms mean_ms p95_ms moves
  wait_bar 1798
  drv point 960 540 >/dev/null
  idle Zephra3.exe "$idle" launcher.idle_shown
  record_line launcher.hide "$(probe slide Zephra)" first_ms mean_ms p95_ms moves
  wait_bar 1920
  probe keys 10000 >/dev/null
  record hook.count "$(samples 0)"
  record hook.p50_us "$(timing 0 50)"
  record hook.p99_us "$(timing 0 99)"
  drv send-repeat "Zephra Foreground" WM_REGISTRY_CHANGED 0 0 50 >/dev/null
  record composition.wall_us "$(timing 1 -1)"
  record composition.cpu_us "$(timing 1 -2)"
  drv dock-cycles "$cycles" 1798 20 1920 20 >/dev/null
  record_line launcher.after_slides "$(drv process-stats Zephra3.exe)" private gdi images
  drv key-dock >/dev/null
  wait_bar 1798
  drv hover-cycles "$cycles" >/dev/null
  drv key-dock >/dev/null
  wait_bar 1920
  record_line launcher.after_cards "$(drv process-stats Zephra3.exe)" private gdi images
  record fade.wall_us "$(timing 2 -1)"
  record fade.cpu_us "$(timing 2 -2)"
  record fade.count "$(samples 2)"
  drv post "Zephra Foreground" WM_CLOSE >/dev/null
  drv wait-no-process Zephra3.exe 15000 >/dev/null || drv kill-process Zephra3.exe >/dev/null
  drv wait-no-process ZepAssistant64.exe 10000 >/dev/null || drv kill-process ZepAssistant64.exe >/dev/null
done
"$wine_run" --stop

# min / median / max of one metric.
stats() {
  grep "^$1 " "$raw" | awk '{ print $2 }' | sort -g | awk '
    { v[NR] = $1 }
    END { if (NR == 0) { print "n/a"; exit } m = (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2
          printf "%s / %s / %s", v[1], m, v[NR] }'
}
median() { stats "$1" | awk -F' / ' '{ print $2 }'; }
ratio() { awk -v a="$(median "$1")" -v b="$(median "$2")" 'BEGIN { if (b > 0) printf "%.2f", a / b; else print "n/a" }'; }
mib() { stats "$1" | awk -F' / ' '{ printf "%.1f / %.1f / %.1f", $1 / 1048576, $2 / 1048576, $3 / 1048576 }'; }

{
  echo "# Benchmarks"
  echo
  echo "$runs runs under Wine (64-bit build, Xvfb 1920 x 1080 x 24 with a compositing manager), $(date -u '+%Y-%m-%d');"
  echo "minimum / median / maximum; ratio = launcher median / reference median."
  echo
  echo "| figure | launcher | reference | ratio |"
  echo "|---|---|---|---|"
  echo "| start to ready (ms) | $(stats launcher.ready) | $(stats ref.ready) | $(ratio launcher.ready ref.ready) |"
  echo "| dock key to first slide step, reveal (ms) | $(stats launcher.reveal.first_ms) | $(stats ref.slide.first_ms) | $(ratio launcher.reveal.first_ms ref.slide.first_ms) |"
  echo "| slide tick interval, reveal, mean (ms) | $(stats launcher.reveal.mean_ms) | $(stats ref.slide.mean_ms) | $(ratio launcher.reveal.mean_ms ref.slide.mean_ms) |"
  echo "| slide tick interval, reveal, 95th percentile (ms) | $(stats launcher.reveal.p95_ms) | $(stats ref.slide.p95_ms) | $(ratio launcher.reveal.p95_ms ref.slide.p95_ms) |"
  echo "| moves of a reveal (12 expected) | $(stats launcher.reveal.moves) | $(stats ref.slide.moves) | |"
  echo "| dock key to first slide step, hide (ms) | $(stats launcher.hide.first_ms) | | |"
  echo "| slide tick interval, hide, mean / 95th percentile (ms) | $(median launcher.hide.mean_ms) / $(median launcher.hide.p95_ms) (medians) | | |"
  echo "| moves of a hide | $(stats launcher.hide.moves) | | |"
  echo "| idle CPU over ${idle} s, hidden (ms) | $(stats launcher.idle_hidden) | $(stats ref.idle) | $(ratio launcher.idle_hidden ref.idle) |"
  echo "| idle CPU over ${idle} s, shown (ms) | $(stats launcher.idle_shown) | | |"
  echo "| idle wake-ups over ${idle} s, hidden (context switches, all threads) | $(stats launcher.idle_hidden.wakeups) | $(stats ref.idle.wakeups) | $(ratio launcher.idle_hidden.wakeups ref.idle.wakeups) |"
  echo "| idle wake-ups over ${idle} s, shown | $(stats launcher.idle_shown.wakeups) | | |"
  echo "| keyboard hook procedure, 50th percentile over 10,000 keys (µs, timed inside) | $(stats hook.p50_us) | | |"
  echo "| keyboard hook procedure, 99th percentile (µs) | $(stats hook.p99_us) | | |"
  echo "| bar composition 133 x 1040, mean wall time (µs) | $(stats composition.wall_us) | | |"
  echo "| bar composition, mean CPU time of the thread (µs) | $(stats composition.cpu_us) | | |"
  echo "| card fade frame, mean wall time (µs) | $(stats fade.wall_us) | | |"
  echo "| card fade frame, mean CPU time of the thread (µs) | $(stats fade.cpu_us) | | |"
  echo "| committed private memory after start (MiB) | $(mib launcher.start.private) | | |"
  echo "| ... after $cycles reveal/hide cycles (MiB) | $(mib launcher.after_slides.private) | | |"
  echo "| ... after $cycles card cycles (MiB) | $(mib launcher.after_cards.private) | | |"
  echo "| GDI objects held (own count) after start / slides / cards | $(median launcher.start.gdi) / $(median launcher.after_slides.gdi) / $(median launcher.after_cards.gdi) (medians) | | |"
  echo "| pictures held (own count) after start / slides / cards | $(median launcher.start.images) / $(median launcher.after_slides.images) / $(median launcher.after_cards.images) (medians) | | |"
  echo
  echo "Idle CPU is read from outside (GetProcessTimes); Wine sums the times of the threads still alive, so a"
  echo "thread that ended during the interval can make a small or negative figure. Wake-ups are the context"
  echo "switches Linux counts for the threads of the Wine process (/proc), Wine's own threads included."
  echo "The hook, composition and fade figures are the launcher's own probes (WM_QUERY_TIMING); percentiles"
  echo "are bucket upper ends (at most 12.5 % high); thread CPU time comes in scheduler ticks, so its mean"
  echo "over $(median hook.count) keys / 50 compositions / $(median fade.count) frames is an estimate."
} >"$out/results.md"
cat "$out/results.md"
