#!/usr/bin/env bash
# Installs the Debian packages the build, the tests (the accessibility walk among them),
# the GUI and its package need; does nothing when all are present already.
set -euo pipefail
packages=(
  cmake ninja-build g++ pkg-config
  libgtest-dev libgmock-dev libbenchmark-dev
  libwxgtk3.2-dev libgtk-3-dev libsimpleini-dev nlohmann-json3-dev libcli11-dev
  xvfb xauth fonts-ipafont-gothic desktop-file-utils dpkg-dev python3
  dbus at-spi2-core gir1.2-atspi-2.0 python3-gi
  g++-mingw-w64-x86-64 wine64 imagemagick
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
