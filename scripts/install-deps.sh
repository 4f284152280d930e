#!/usr/bin/env bash
# Installs every Debian package that building, running and testing Stroval needs.
# Only missing packages are installed, so a second run costs a few dpkg queries.
set -euo pipefail

packages=(
  # toolchain
  g++ cmake ninja-build pkg-config
  # libraries
  qt6-base-dev qt6-qpa-plugins libqt6printsupport6 libgl-dev
  zlib1g-dev libjpeg62-turbo-dev libcups2-dev
  # bookmarks, links and subset names the PDF export adds to what Qt's PDF writer makes
  libqpdf-dev
  # data sets: Qt SQL with its SQLite and PostgreSQL drivers; sqlite3 builds the example database
  libqt6sql6-sqlite libqt6sql6-psql sqlite3
  # a PostgreSQL server the data-set tests start on a private socket
  postgresql
  # tests and benchmarks
  libgtest-dev libgmock-dev libbenchmark-dev
  # the interpreters the script benchmark compares against (run as child processes)
  lua5.4 python3
  # a private spooler with a PDF queue for the printing tests, and tools to read its output
  # (and the PDFs of the PDF export)
  cups printer-driver-cups-pdf poppler-utils
  # fonts: metric twins of Arial/Times, a Traditional-Chinese Kai face and a Ming face
  fontconfig fonts-liberation2 fonts-arphic-ukai fonts-cns11643-kai fonts-arphic-uming fonts-dejavu-core
  # a virtual display for running the window where no display exists
  xvfb xauth x11-utils
  # a window manager for the window-geometry tests on the virtual display
  openbox
  # the Debian package: dpkg-shlibdeps finds its library dependencies, help2man writes the man
  # pages from the programs' --help, desktop-file-validate checks the desktop entry and
  # update-mime-database the prepared-report file type
  dpkg-dev help2man desktop-file-utils shared-mime-info
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  SUDO=""
  if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get update -qq
  $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
