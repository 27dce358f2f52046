#!/usr/bin/env bash
# Benchmarks of the launcher under Wine (64-bit build), written as a table to build/bench/results.md.
#
#   tools/bench.sh [--runs N] [--idle-seconds S] [--cycles C]
#       N runs (default 3), each of the reference program and then of the launcher: start to ready (the
#       first answered message of the dock window), a reveal and a hide timed from the dock key's release,
#       idle CPU time and wake-ups over S seconds (default 60), the programs' own timings of their keyboard
#       hook procedures (10,000 keys), of a bar composition (50 of them) and of a card fade frame; the
#       launcher's memory and resource counts after start, after C reveal/hide cycles and after C card
#       cycles (default 100); and the delay of keys typed into another program (zep_test_typist, a key
#       every 20 ms) with no dock, and while the dock fades cards, changes edge and puts a moved bar back.
#       Every figure is given as minimum / median / maximum over the runs, and every timing also as the
#       ratio of the launcher's median to the reference's, since absolute times drift on a shared machine.
#       The reference (tools/bench/BenchReference.cpp) does the launcher's visible work as plainly as
#       Win32 allows: the same two layered windows slid with the same show, hide and taskbar calls, a card
#       pair faded through the same ramps, the same start-up work with the real assistant.
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
  zep_bench_probe zep_bench_reference zep_test_typist package_test >/dev/null

build="$PWD/build/win64"
wine_run="$build/wine-run.sh"
out="$PWD/build/bench"
mkdir -p "$out"
raw="$out/raw.txt"
: >"$raw"
launcher='C:\Program Files\Zephra\Zephra3\Zephra3.exe'
assistant='C:\Program Files (x86)\Zephra\Zephra3\ZepAssistant64.exe'
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
ready_ms() { # title, program, arguments...
  local t0 t1 title="$1"
  shift
  t0="$(date +%s%N)"
  WINEDEBUG=-all "$wine_run" "$@" </dev/null >/dev/null 2>&1 &
  # Wine runs the program in the process started here (wine-run.sh and Wine's loader exec into it).
  echo $! >"$out/pid"
  probe wait "$title" >/dev/null
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
# A program's own timings (WM_QUERY_TIMING = 3026): work 0 hook procedure, 1 bar composition, 2 fade
# frame; what 0 count, 1-100 percentile, -1 mean, -2 mean thread CPU (ns).
timing() { # window, work, what -> microseconds
  local ns
  ns="$(value "$(drv send "$1" 3026 "$2" "$3")" result)"
  awk -v n="$ns" 'BEGIN { printf "%.2f", n / 1000 }'
}
samples() { value "$(drv send "$1" 3026 "$2" 0)" result; } # window, work
timings() { # record prefix, window
  record "$1.hook.p50_us" "$(timing "$2" 0 50)"
  record "$1.hook.p99_us" "$(timing "$2" 0 99)"
  record "$1.composition.wall_us" "$(timing "$2" 1 -1)"
  record "$1.composition.cpu_us" "$(timing "$2" 1 -2)"
  record "$1.fade.wall_us" "$(timing "$2" 2 -1)"
  record "$1.fade.cpu_us" "$(timing "$2" 2 -2)"
}
# Keys typed into a program of its own for `seconds` while `poke` runs beside: their delays and losses.
typing() { # record name, seconds, poke...
  local name="$1" seconds="$2" line pid
  shift 2
  ( sleep 0.5; "$@" >/dev/null ) &
  pid=$!
  line="$(run "$build/bin/zep_test_typist.exe" "$seconds" 20)"
  wait "$pid"
  record_line "$name" "$line" max_ms p99_ms lost focus_lost
}
hover_cards() { drv hover-cycles 3; }
edge_changes() { drv post "Zephra Foreground" 2026 0 2; sleep 1.5; drv post "Zephra Foreground" 2026 0 0; }
moves_away() { for _ in 1 2 3; do drv move Zephra 1700 20; sleep 1.2; done; }
wait_bar() { # x [title]
  for _ in $(seq 1 100); do
    [ "$(value "$(drv rect "${2:-Zephra}")" x)" = "$1" ] && return 0
    sleep 0.05
  done
  return 1
}

"$PWD/tools/demo/install.sh" "$build" >/dev/null
for r in $(seq 1 "$runs"); do
  echo "bench: run $r of $runs"
  typing input.none 4 true
  # The reference program.
  record ref.ready "$(ready_ms "ZepBenchReference Foreground" "$reference" "$assistant")"
  idle zep_bench_reference.exe "$idle" ref.idle_hidden
  record_line ref.reveal "$(probe slide ZepBenchReference)" first_ms mean_ms p95_ms moves
  wait_bar 1798 ZepBenchReference
  record_line ref.hide "$(probe slide ZepBenchReference)" first_ms mean_ms p95_ms moves
  wait_bar 1920 ZepBenchReference
  probe keys 10000 >/dev/null
  drv send-repeat "ZepBenchReference Foreground" 32770 0 0 50 >/dev/null
  drv send "ZepBenchReference Foreground" 32769 10 0 >/dev/null
  timings ref "ZepBenchReference Foreground"
  drv post ZepBenchReference WM_CLOSE >/dev/null
  drv wait-no-process zep_bench_reference.exe 15000 >/dev/null || drv kill-process zep_bench_reference.exe >/dev/null
  drv wait-no-process ZepAssistant64.exe 10000 >/dev/null || drv kill-process ZepAssistant64.exe >/dev/null

  # The launcher, its assistant's start included.
  record launcher.ready "$(ready_ms "Zephra Foreground" "$launcher")"
  record_line launcher.start "$(drv process-stats Zephra3.exe)" private gdi images
  idle Zephra3.exe "$idle" launcher.idle_hidden
  bars="$(samples "Zephra Foreground" 1)"
  pictures="$(samples "Zephra Foreground" 3)"
  record_line launcher.reveal "$(probe slide Zephra)" first_ms mean_ms p95_ms moves
  wait_bar 1798
  drv point 960 540 >/dev/null
  idle Zephra3.exe "$idle" launcher.idle_shown
  record_line launcher.hide "$(probe slide Zephra)" first_ms mean_ms p95_ms moves
  wait_bar 1920
  record launcher.slides.bar_compositions $(($(samples "Zephra Foreground" 1) - bars))
  # A launcher without the count of picture compositions answers -1.
  [ "$pictures" -lt 0 ] ||
    record launcher.slides.picture_compositions $(($(samples "Zephra Foreground" 3) - pictures))
  probe keys 10000 >/dev/null
  record launcher.hook.count "$(samples "Zephra Foreground" 0)"
  drv send-repeat "Zephra Foreground" WM_REGISTRY_CHANGED 0 0 50 >/dev/null
  drv dock-cycles "$cycles" 1798 20 1920 20 >/dev/null
  record_line launcher.after_slides "$(drv process-stats Zephra3.exe)" private gdi images
  drv key-dock >/dev/null
  wait_bar 1798
  drv hover-cycles "$cycles" >/dev/null
  drv key-dock >/dev/null
  wait_bar 1920
  record_line launcher.after_cards "$(drv process-stats Zephra3.exe)" private gdi images
  timings launcher "Zephra Foreground"
  record launcher.fade.count "$(samples "Zephra Foreground" 2)"
  drv key-dock >/dev/null
  wait_bar 1798
  typing input.cards 8 hover_cards
  typing input.edge 5 edge_changes
  typing input.correction 5 moves_away
  drv key-dock >/dev/null
  wait_bar 1920
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

# A timing row: figure, launcher metric, reference metric.
row() { echo "| $1 | $(stats "$2") | $(stats "$3") | $(ratio "$2" "$3") |"; }

{
  echo "# Benchmarks"
  echo
  echo "$runs runs under Wine (64-bit build, Xvfb 1920 x 1080 x 24 with a compositing manager), $(date -u '+%Y-%m-%d');"
  echo "minimum / median / maximum; ratio = launcher median / reference median."
  echo
  echo "| figure | launcher | reference | ratio |"
  echo "|---|---|---|---|"
  row "start to ready (ms)" launcher.ready ref.ready
  row "dock key to first slide step, reveal (ms)" launcher.reveal.first_ms ref.reveal.first_ms
  row "slide tick interval, reveal, mean (ms)" launcher.reveal.mean_ms ref.reveal.mean_ms
  row "slide tick interval, reveal, 95th percentile (ms)" launcher.reveal.p95_ms ref.reveal.p95_ms
  row "dock key to first slide step, hide (ms)" launcher.hide.first_ms ref.hide.first_ms
  row "slide tick interval, hide, mean (ms)" launcher.hide.mean_ms ref.hide.mean_ms
  row "slide tick interval, hide, 95th percentile (ms)" launcher.hide.p95_ms ref.hide.p95_ms
  echo "| moves of a reveal / a hide (12 expected) | $(median launcher.reveal.moves) / $(median launcher.hide.moves) | $(median ref.reveal.moves) / $(median ref.hide.moves) | |"
  echo "| compositions during a reveal and a hide: bar / pictures (medians) | $(median launcher.slides.bar_compositions) / $(median launcher.slides.picture_compositions) | | |"
  row "bar composition 133 x 1040, mean wall time (µs)" launcher.composition.wall_us ref.composition.wall_us
  row "bar composition, mean CPU time of the thread (µs)" launcher.composition.cpu_us ref.composition.cpu_us
  row "card fade frame, mean wall time (µs)" launcher.fade.wall_us ref.fade.wall_us
  row "card fade frame, mean CPU time of the thread (µs)" launcher.fade.cpu_us ref.fade.cpu_us
  row "keyboard hook procedure, 50th percentile over 10,000 keys (µs, timed inside)" launcher.hook.p50_us ref.hook.p50_us
  row "keyboard hook procedure, 99th percentile (µs)" launcher.hook.p99_us ref.hook.p99_us
  row "idle CPU over ${idle} s, hidden (ms)" launcher.idle_hidden ref.idle_hidden
  echo "| idle CPU over ${idle} s, shown (ms) | $(stats launcher.idle_shown) | | |"
  row "idle wake-ups over ${idle} s, hidden (context switches, all threads)" launcher.idle_hidden.wakeups ref.idle_hidden.wakeups
  echo "| idle wake-ups over ${idle} s, shown | $(stats launcher.idle_shown.wakeups) | | |"
  echo "| committed private memory after start (MiB) | $(mib launcher.start.private) | | |"
  echo "| ... after $cycles reveal/hide cycles (MiB) | $(mib launcher.after_slides.private) | | |"
  echo "| ... after $cycles card cycles (MiB) | $(mib launcher.after_cards.private) | | |"
  echo "| GDI objects held (own count) after start / slides / cards | $(median launcher.start.gdi) / $(median launcher.after_slides.gdi) / $(median launcher.after_cards.gdi) (medians) | | |"
  echo "| pictures held (own count) after start / slides / cards | $(median launcher.start.images) / $(median launcher.after_slides.images) / $(median launcher.after_cards.images) (medians) | | |"
  echo "| delay of keys typed into another program, no dock: max / 99th percentile (ms) | $(median input.none.max_ms) / $(median input.none.p99_ms) (medians) | | |"

  for what in cards:"while cards fade in and out" edge:"while the dock changes edge" correction:"while a moved bar is put back"; do
    echo "| ... ${what#*:}: max / 99th percentile (ms); keys lost; focus taken | $(median "input.${what%%:*}.max_ms") / $(median "input.${what%%:*}.p99_ms"); $(stats "input.${what%%:*}.lost"); $(stats "input.${what%%:*}.focus_lost") | | |"
  done
  echo
  echo "The probe looks at the sliding window every millisecond and sleeps in between. Idle CPU is read from"
  echo "outside (GetProcessTimes); Wine sums the times of the threads still alive, so a thread that ended"
  echo "during the interval can make a small or negative figure. Wake-ups are the context switches Linux counts"
  echo "for the threads of the Wine process (/proc), Wine's own threads included. The hook, composition and"
  echo "fade figures are the programs' own probes (WM_QUERY_TIMING); percentiles are bucket upper ends (at most"
  echo "12.5 % high); thread CPU time comes in scheduler ticks, so its mean over $(median launcher.hook.count)"
  echo "keys / 50 compositions / $(median launcher.fade.count) frames is an estimate."
} >"$out/results.md"
cat "$out/results.md"
