#!/usr/bin/env bash
# Runs the Qt benchmarks: wall-clock medians, then instructions counted by callgrind for one month
# step (QvCalendar, QCalendarWidget) and for opening the drop-down calendar, first and again
# (QvCalButton, QDateEdit).   qt/bench/run-qt-bench.sh [build-dir]
set -euo pipefail
build=${1:-build}
bench="$build/qt/bench/qt_calendar_bench"
popup="$build/qt/bench/qt_popup_bench"
export QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-/tmp/vemo-runtime}
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
"$bench" 2>/dev/null
[ -x "$popup" ] && "$popup" 2>/dev/null
command -v valgrind >/dev/null || { echo "valgrind is not installed: no instruction counts"; exit 0; }
steps=20
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
# Instructions inside the functions named by $1 of the program run with the remaining arguments.
count() {
  local toggle=$1 file="$out/run.$RANDOM.out"
  shift
  valgrind --tool=callgrind --callgrind-out-file="$file" --toggle-collect="$toggle" "$@" >/dev/null 2>&1
  # awk reads the whole report: a reader that stops early would fail the pipe under pipefail.
  callgrind_annotate --inclusive=yes "$file" 2>/dev/null | awk '/PROGRAM TOTALS/ && !done {gsub(",","",$1); print $1; done=1}'
}
ours=$(count '*MonthStepLoop*' "$bench" --steps ours "$steps")
qt=$(count '*MonthStepLoop*' "$bench" --steps qt "$steps")
printf "%-34s %12s %14s %8s\n" "instructions (callgrind)" "ours" "Qt's" "ratio"
awk -v o="$ours" -v q="$qt" -v n="$steps" 'BEGIN {
  printf "%-34s %10.2f M %12.2f M %8.2f\n", "month step (QCalendarWidget)", o / n / 1e6, q / n / 1e6, o / q }'
[ -x "$popup" ] || exit 0
for when in first again; do
  ours=$(count '*MeasuredOpen*' "$popup" --open ours "$when")
  qt=$(count '*MeasuredOpen*' "$popup" --open qt "$when")
  awk -v o="$ours" -v q="$qt" -v w="$when" 'BEGIN {
    printf "%-34s %10.2f M %12.2f M %8.2f\n", "pop-up open, " w " (QDateEdit)", o / 1e6, q / 1e6, o / q }'
done
