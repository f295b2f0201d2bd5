#!/usr/bin/env bash
# Installs with apt-get the Debian packages the build and the tests need, and only those
# that are missing, so a warm machine starts at once.
set -euo pipefail

packages=(g++ cmake ninja-build pkg-config libgtest-dev libbenchmark-dev libsqlite3-dev sqlite3 unicode-data
  python3 clang-format git  # the layer and format checks
  libcli11-dev nlohmann-json3-dev  # the terminal programs' command lines and JSON
  qt6-base-dev fonts-wqy-microhei  # the desktop program, and a font for its Chinese texts
  libcurl4-openssl-dev  # the update check's HTTP client
  dpkg-dev desktop-file-utils appstream  # the .deb's dependencies, the menu entry's checks
  clang libclang-rt-dev)  # the fuzz build (libFuzzer and the sanitizers)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -q
$sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
