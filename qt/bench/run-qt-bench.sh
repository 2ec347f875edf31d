#!/usr/bin/env bash
# Runs the Qt benchmark: wall-clock medians, then the instructions of one month step counted by
# callgrind for QvCalendar and for QCalendarWidget.   qt/bench/run-qt-bench.sh [build-dir]
set -euo pipefail
build=${1:-build}
bench="$build/qt/bench/qt_calendar_bench"
export QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-/tmp/vemo-runtime}
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
"$bench" 2>/dev/null
command -v valgrind >/dev/null || { echo "valgrind is not installed: no instruction counts"; exit 0; }
steps=20
out=$(mktemp -d)
count() {
  valgrind --tool=callgrind --callgrind-out-file="$out/$1.out" --toggle-collect='*MonthStepLoop*' \
    "$bench" --steps "$1" "$steps" >/dev/null 2>&1
  # awk reads the whole report: a reader that stops early would fail the pipe under pipefail.
  callgrind_annotate --inclusive=yes "$out/$1.out" 2>/dev/null | awk '/PROGRAM TOTALS/ && !done {gsub(",","",$1); print $1; done=1}'
}
ours=$(count ours)
qt=$(count qt)
awk -v o="$ours" -v q="$qt" -v n="$steps" 'BEGIN {
  printf "%-34s %10.2f M %12.2f M %8.2f\n", "month step, instructions", o / n / 1e6, q / n / 1e6, o / q }'
rm -rf "$out"
