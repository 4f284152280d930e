#!/usr/bin/env bash
# The Debian package, made from the build as a user makes it (cpack), unpacked into a throw-away
# root: every file lies where a Debian system expects it, the desktop entry is valid, and the
# installed programs run from that root (--version, a report prepared, the completion loaded).
#   check_package.sh BUILD_DIR EXAMPLES_DIR VERSION
set -euo pipefail
build=$1
examples=$2
version=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "check_package: $*" >&2; exit 1; }

cpack --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1 || { cat "$work/cpack.log"; fail "cpack failed"; }
deb=$(ls "$work"/out/stroval_"$version"_*.deb) || fail "no package stroval_${version}_*.deb"
echo "package: $(basename "$deb"), $(du -h "$deb" | cut -f1)"
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for needed in libqt6widgets6 libqt6sql6-sqlite fonts-arphic-ukai fonts-arphic-uming libcups2 libqpdf; do
  [[ $depends == *"$needed"* ]] || fail "Depends lacks $needed"
done

root=$work/root
dpkg-deb -x "$deb" "$root"
files=(
  usr/bin/stroval usr/bin/stroval-report
  usr/share/stroval/languages/zh_TW.rpl
  usr/share/applications/stroval.desktop
  usr/share/mime/packages/stroval.xml
  usr/share/icons/hicolor/scalable/apps/stroval.svg
  usr/share/man/man1/stroval.1.gz usr/share/man/man1/stroval-report.1.gz
  usr/share/bash-completion/completions/stroval-report
  usr/share/fontconfig/conf.avail/65-stroval.conf
)
for size in 16 32 48 64 128 256; do files+=("usr/share/icons/hicolor/${size}x${size}/apps/stroval.png"); done
for f in "${files[@]}"; do [ -s "$root/$f" ] || fail "missing or empty: /$f"; done
link=$root/etc/fonts/conf.d/65-stroval.conf
[ -L "$link" ] || fail "no link /etc/fonts/conf.d/65-stroval.conf"
[ -s "$link" ] || fail "/etc/fonts/conf.d/65-stroval.conf points nowhere inside the root: $(readlink "$link")"
unexpected=$(cd "$root" && find . -type f -o -type l | grep -v -e '^./usr/' -e '^./etc/fonts/conf.d/' || true)
[ -z "$unexpected" ] || fail "files outside /usr: $unexpected"

desktop-file-validate "$root/usr/share/applications/stroval.desktop" || fail "the desktop entry is not valid"
grep -qx 'MimeType=application/x-stroval-prepared-report;' "$root/usr/share/applications/stroval.desktop" ||
  fail "the desktop entry does not open prepared reports"
mkdir -p "$work/mime/packages"
cp "$root/usr/share/mime/packages/stroval.xml" "$work/mime/packages/"
! update-mime-database "$work/mime" 2>&1 | grep -i error || fail "the MIME type does not read"
grep -q 'application/x-stroval-prepared-report:\*\.rpp' "$work/mime/globs2" || fail "*.rpp is not a prepared report"
zcat "$root/usr/share/man/man1/stroval-report.1.gz" | grep -q 'prepare REPORT' || fail "the man page lacks the commands"

# The installed programs, with no display and nothing of the build tree to lean on.
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM
cd "$work"
[ "$("$root/usr/bin/stroval-report" --version)" = "stroval-report $version" ] || fail "stroval-report --version"
[ "$("$root/usr/bin/stroval" --version)" = "stroval $version" ] || fail "stroval --version"
"$root/usr/bin/stroval-report" prepare "$examples/styled-list.xml" -o "$work/list.rpp" || fail "prepare failed"
head -c 400 "$work/list.rpp" | grep -q '<preparedreport' || fail "prepare wrote no prepared report"
"$root/usr/bin/stroval-report" export "$work/list.rpp" --format txt -o "$work/list.txt" || fail "export failed"
[ -s "$work/list.txt" ] || fail "export wrote nothing"

completed=$(bash -c 'source "$1"; COMP_WORDS=(stroval-report pre); COMP_CWORD=1; _stroval_report; echo "${COMPREPLY[*]}"' \
  _ "$root/usr/share/bash-completion/completions/stroval-report")
[ "$completed" = prepare ] || fail "the completion of \"pre\" gave \"$completed\""
echo "the package installs and its programs run"
