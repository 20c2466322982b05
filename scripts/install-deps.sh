#!/usr/bin/env bash
# Installs the Debian packages that one use of the project needs, only when
# one of them is missing, so a ready machine starts at once:
#   scripts/install-deps.sh          building and running the program
#   scripts/install-deps.sh test     and building and running the tests
#   scripts/install-deps.sh ci       and the PDF printer for the printing test,
#                                    and debootstrap for the Debian 13 run
set -euo pipefail

run=(
  build-essential cmake
  qt6-base-dev qt6-svg-dev libqt6svg6 qt6-qpa-plugins
  fonts-liberation
  xdg-utils
)
test=(
  libgtest-dev libgmock-dev
  locales
  xvfb x11-utils libx11-dev libxtst-dev
  poppler-utils
)
ci=(
  cups cups-client cups-bsd printer-driver-cups-pdf
  debootstrap
)

case "${1:-run}" in
  run) packages=("${run[@]}") ;;
  test) packages=("${run[@]}" "${test[@]}") ;;
  ci) packages=("${run[@]}" "${test[@]}" "${ci[@]}") ;;
  *) echo "usage: $0 [run|test|ci]" >&2; exit 2 ;;
esac

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
