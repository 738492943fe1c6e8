#!/usr/bin/env bash
# Installs what building, running and testing the clock need on Debian:
# compilers, Anti-Grain Geometry's headers, Wine with its 32- and 64-bit
# halves, a virtual display, the Japanese and a Western locale (the tests
# run under both) and a Japanese font. Safe to run again: it installs only
# what is missing.
set -euo pipefail

SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi

PACKAGES=(
  cmake ninja-build g++ clang libclang-rt-14-dev libgtest-dev googletest python3 libagg-dev
  mingw-w64 g++-mingw-w64-i686-posix gcc-mingw-w64-i686-posix
  g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix
  wine wine32:i386 wine64 xvfb x11-utils xdotool imagemagick x11-apps bc
  fonts-ipafont-gothic fonts-wine locales dovecot-pop3d openssl ca-certificates
)

# The README's picture of the translucent clock needs a compositing manager.
PACKAGES+=(xcompmgr)

if ! dpkg --print-foreign-architectures | grep -qx i386; then
  $SUDO dpkg --add-architecture i386
  NEED_UPDATE=1
fi

missing=()
for p in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ] || [ -n "${NEED_UPDATE:-}" ]; then
  echo "setup: installing ${missing[*]}"
  $SUDO apt-get update -q
  $SUDO env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

for wanted in ja_JP en_US; do
  if ! locale -a 2>/dev/null | grep -qix "$wanted.utf8"; then
    grep -q "^$wanted.UTF-8 UTF-8" /etc/locale.gen 2>/dev/null ||
      echo "$wanted.UTF-8 UTF-8" | $SUDO tee -a /etc/locale.gen >/dev/null
    $SUDO locale-gen >/dev/null
  fi
done
