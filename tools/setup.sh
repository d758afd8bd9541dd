#!/usr/bin/env bash
# Installs what building and testing Routewright needs on Debian 12: native and
# MinGW-w64 compilers, CMake, GoogleTest, Wine (32- and 64-bit), Xvfb and ImageMagick.
# Also Python 3 and npm, which make the airport data file.
# Idempotent: when everything is there it only checks and returns.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  g++-mingw-w64-i686 g++-mingw-w64-x86-64 mingw-w64-tools binutils-mingw-w64
  wine wine32:i386 wine64 libwine:i386
  xvfb xauth imagemagick fonts-wine fp-utils-3.2.2
  python3
)
# npm fetches the airport database; a Node.js installed from elsewhere brings
# its own npm, which Debian's package would clash with.
if ! command -v npm >/dev/null 2>&1; then
  packages+=(npm)
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}\n' "$p" 2>/dev/null | grep -q '^install ok installed$'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  echo "setup: everything is installed"
  exit 0
fi

echo "setup: missing: ${missing[*]}"
if [ "$(id -u)" -ne 0 ]; then
  echo "setup: run as root:"
  echo "  dpkg --add-architecture i386 && apt-get update && apt-get install -y ${missing[*]}"
  exit 1
fi

export DEBIAN_FRONTEND=noninteractive
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  dpkg --add-architecture i386
fi
apt-get update -q
apt-get install -y -q --no-install-recommends "${missing[@]}"
echo "setup: done"
