#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing Quorvane need, when they are
# missing. Runs apt-get through sudo unless already root. Extra package names may be given.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config git
  qt6-base-dev qt6-base-dev-tools qt6-image-formats-plugins qt6-serialport-dev libgl-dev
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  fonts-liberation2 poppler-utils xvfb xauth dbus-daemon
  python3 python3-dbfread python3-dbf
  wamerican
  "$@"
)

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
echo "Installing: ${missing[*]}" >&2
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
