#!/usr/bin/env bash
# Prepares every example report as a newcomer would: the example database made by its script,
# then `stroval-report prepare` on each report; fails on the first report that does not prepare.
# The example word list makes its practice sheets as the README shows.
set -euo pipefail
tool="$1"
examples="$2"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cp "$examples"/*.xml "$examples"/*.csv "$examples"/*.sql "$examples"/make-data.sh "$work"/
bash "$work/make-data.sh" "$work" > /dev/null
for report in "$work"/*.xml; do
  QT_QPA_PLATFORM=offscreen "$tool" prepare "$report" -o "$report.rpp"
  test -s "$report.rpp"
done
QT_QPA_PLATFORM=offscreen "$tool" worksheet --words "$examples/week-words.txt" --title "第三週" \
  --guides mi --trace 3 -o "$work/week.pdf"
test -s "$work/week.pdf"
