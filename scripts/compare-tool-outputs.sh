#!/usr/bin/env bash
# Runs two builds of stroval-report over every report in examples/ and says whether they wrote the
# same bytes: check, resave, prepare, render, export to pdf, png and txt, pdf from the prepared
# report, a script in each syntax, and the worksheet command. Meant for changes that must not
# change behaviour (moving files, folding two ways of doing one thing into one).
#   bash scripts/compare-tool-outputs.sh OLD/stroval-report NEW/stroval-report
# Exits with 1 and lists the files that differ; 0 when every output is byte-identical. The clock
# is frozen (faketime, installed when missing), since saved reports and PDFs carry the time, and
# Qt's hashing is seeded alike, since the PDF writer names its font subsets in hash order.
set -euo pipefail
if ! command -v faketime >/dev/null; then
  SUDO=""
  if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
  $SUDO apt-get install -y -qq faketime >/dev/null
fi
if (($# != 2)); then
  echo "usage: $0 OLD_TOOL NEW_TOOL" >&2
  exit 2
fi
old="$(realpath "$1")"
new="$(realpath "$2")"
examples="$(cd "$(dirname "$0")/../examples" && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

# The example database is built once and shared, so both runs read the same bytes.
bash "$examples/make-data.sh" "$work" >/dev/null
cp "$examples"/*.xml "$examples"/*.csv "$examples"/*.txt "$work/"

cat >"$work/sums.pas" <<'EOF'
var i, total: Integer; s: String;
begin
  total := 0;
  for i := 1 to 10 do total := total + i * i;
  s := Format('%d squares, %.2f', [total, total / 7]);
end.
EOF
cat >"$work/sums.cpp" <<'EOF'
int i, total; String s;
{
  total = 0;
  for (i = 1; i <= 10; i++) total = total + i * i;
  s = IntToStr(total) + " squares";
}
EOF
cat >"$work/sums.bas" <<'EOF'
dim i, total, s
total = 0
for i = 1 to 10
  total = total + i * i
next
s = IntToStr(total) + " squares"
EOF
cat >"$work/sums.js" <<'EOF'
var i, total, s;
total = 0;
for (i = 1; i <= 10; i++) total = total + i * i;
s = IntToStr(total) + " squares";
EOF

# One run of every command with one tool, into the folder out-NAME; each command's exit code,
# standard output and standard error are kept beside what it wrote.
run_all() {
  local tool="$1" out="$work/out-$2"
  mkdir -p "$out"
  cd "$work"
  local n=0
  record() {
    n=$((n + 1))
    local rc=0
    QT_HASH_SEED=0 FAKETIME_DONT_FAKE_MONOTONIC=1 QT_QPA_PLATFORM=offscreen \
      faketime -f '2026-01-05 08:00:00' "$tool" "$@" >"$out/$n.stdout" 2>"$out/$n.stderr" || rc=$?
    echo "$rc $*" >"$out/$n.command"
  }
  for report in *.xml; do
    local base="${report%.xml}"
    local params=()
    if [ "$base" = title-dialog ]; then params=(--param "Edit1=Spring words" --param CheckBox1=false); fi
    record check "$report"
    record resave "$report" "$out/$base.resaved.xml"
    record prepare "$report" "${params[@]}" -o "$out/$base.rpp"
    record render "$report" "${params[@]}" --png "$out/$base-render" --zoom 1
    record export "$report" "${params[@]}" --format pdf -o "$out/$base.pdf"
    record export "$report" "${params[@]}" --format png -o "$out/$base.png"
    record export "$report" "${params[@]}" --format txt -o "$out/$base.txt"
    if [ -f "$out/$base.rpp" ]; then
      record pdf "$out/$base.rpp" -o "$out/$base.from-rpp.pdf"
      record render "$out/$base.rpp" --png "$out/$base-rpp-render" --zoom 1
    fi
  done
  for script in sums.pas sums.cpp sums.bas sums.js; do
    record script "$script" --print total s
  done
  record worksheet --words week-words.txt --title "三年級 第一週" --guides mi --trace 3 -o "$out/week.pdf"
  # The folders' own names differ between the two runs; the commands are compared without them.
  sed -i "s#$out#OUT#g" "$out"/*.command "$out"/*.stdout "$out"/*.stderr
}

run_all "$old" old
run_all "$new" new
cd "$work"
count=$(find out-old -type f | wc -l)
if diff -r out-old out-new >"$work/differences" 2>&1; then
  echo "All $count outputs are byte-identical."
else
  echo "Outputs that differ (of $count):"
  sed 's#^#  #' "$work/differences" | head -50
  exit 1
fi
