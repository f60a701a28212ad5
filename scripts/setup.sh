#!/usr/bin/env bash
# Installs what building and testing the launcher needs on Debian 12:
# the i686 mingw-w64 cross-compiler, 32-bit Wine, a virtual X display and
# the ja_JP.UTF-8 locale (so Wine's ANSI code page is 932), and pefile for
# the checks on the built file.  Does nothing
# when everything is already there.
set -euo pipefail

need_packages=()
have() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'; }

for pkg in cmake make g++ libgtest-dev g++-mingw-w64-i686 wine wine32:i386 xvfb xauth \
           locales fonts-ipafont-gothic clang-14 libclang-rt-14-dev python3-pefile; do
  have "$pkg" || need_packages+=("$pkg")
done
locale_missing=0
locale -a 2>/dev/null | grep -qi '^ja_JP\.utf-\?8$' || locale_missing=1

if [ ${#need_packages[@]} -eq 0 ] && [ $locale_missing -eq 0 ]; then
  exec "$(dirname "$0")/setup-ia32.sh"
fi

if [ "$(id -u)" -ne 0 ]; then
  [ $locale_missing -eq 1 ] && need_packages+=("(locale ja_JP.UTF-8)")
  echo "setup: missing: ${need_packages[*]}" >&2
  echo "setup: run 'sudo scripts/setup.sh' once, then run this command again." >&2
  exit 1
fi

export DEBIAN_FRONTEND=noninteractive
if [ ${#need_packages[@]} -ne 0 ]; then
  echo "setup: installing ${need_packages[*]}" >&2
  dpkg --print-foreign-architectures | grep -qx i386 || dpkg --add-architecture i386
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${need_packages[@]}" >/dev/null
fi
if ! locale -a 2>/dev/null | grep -qi '^ja_JP\.utf-\?8$'; then
  sed -i 's/^# *\(ja_JP.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  grep -q '^ja_JP.UTF-8 UTF-8' /etc/locale.gen || echo 'ja_JP.UTF-8 UTF-8' >> /etc/locale.gen
  locale-gen >/dev/null
fi
"$(dirname "$0")/setup-ia32.sh"
