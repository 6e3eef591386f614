#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what a fresh Debian 12 machine lacks. Packages already present are
# skipped; run as root or with sudo available.
#   scripts/install-deps.sh run    to build and run Tavrel (scripts/run.sh)
#   scripts/install-deps.sh test   that, plus the tests, the benchmarks, the
#                                  fuzz targets, the print queue and the
#                                  package checks (scripts/test.sh)
set -euo pipefail

run_packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev libgl-dev qt6-qpa-plugins
  fonts-liberation
)
test_packages=(
  libgtest-dev libbenchmark-dev clang libclang-rt-14-dev clang-format
  xvfb xauth x11-utils imagemagick
  openbox metacity qt6-gtk-platformtheme
  poppler-utils
  cups cups-client printer-driver-cups-pdf
  desktop-file-utils appstream dpkg-dev file lintian
  locales
)

case ${1:-test} in
  run) packages=("${run_packages[@]}") ;;
  test) packages=("${run_packages[@]}" "${test_packages[@]}") ;;
  *) echo "usage: $0 run|test" >&2; exit 2 ;;
esac

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# A locale whose decimal separator is a comma, for the locale tests.
if [ "${1:-test}" = test ] && ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
  "${sudo_cmd[@]}" sed -i 's/^# *\(de_DE.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  "${sudo_cmd[@]}" locale-gen >/dev/null
fi
