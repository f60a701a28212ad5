#!/usr/bin/env bash
# Lets this machine run 32-bit x86 Linux programs, which 32-bit Wine is.
#
# Some kernels are booted with IA-32 emulation off (dmesg: "32-bit emulation
# disabled"): they refuse 32-bit code outright, so wine32 fails with "Exec
# format error".  There the 32-bit programs are handed to qemu's user-mode
# emulator through binfmt_misc.  Debian 12's qemu (7.2) tracks guest pages
# one by one and needs about a minute to start each Wine process; Debian 13's
# (10.0) starts one in a fraction of a second, and its qemu-user binaries are
# static, so the one binary is taken from Debian 13's package and used as is.
# Needs root; does nothing where 32-bit programs already run.
set -euo pipefail

runs_32bit() { /lib/ld-linux.so.2 --version >/dev/null 2>&1; }
runs_32bit && exit 0

if [ "$(id -u)" -ne 0 ]; then
  echo "setup-ia32: this kernel runs no 32-bit programs; run 'sudo scripts/setup-ia32.sh'" >&2
  exit 1
fi

qemu=/usr/local/lib/lx7314/qemu-i386
if [ ! -x "$qemu" ]; then
  echo "setup-ia32: fetching qemu-user from Debian 13 for 32-bit Wine" >&2
  work=$(mktemp -d)
  trap 'rm -rf "$work"' EXIT
  chmod 755 "$work"
  mkdir -p "$work/lists/partial" "$work/archives/partial"
  # The archive this machine already uses (a mirror, say), only with the
  # suite of Debian 13 in place of its own.
  own_suite=$(. /etc/os-release && echo "${VERSION_CODENAME:-}")
  archive=$(apt-get indextargets --no-release-info --format '$(REPO_URI) $(RELEASE) $(COMPONENT)' \
              'Created-By: Packages' | awk -v suite="$own_suite" '$2 == suite && $3 == "main" {print $1; exit}')
  if [ -z "$archive" ]; then
    echo "setup-ia32: no Debian archive for '$own_suite' among the apt sources" >&2
    exit 1
  fi
  echo "deb [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] $archive trixie main" \
    > "$work/sources.list"
  apt_options=(-o Dir::Etc::SourceList="$work/sources.list" -o Dir::Etc::SourceParts=/dev/null
               -o Dir::State::Lists="$work/lists" -o Dir::Cache::Archives="$work/archives"
               -o APT::Architectures::=amd64 -o Debug::NoLocking=1 -o APT::Sandbox::User=root)
  apt-get "${apt_options[@]}" update -qq
  (cd "$work" && apt-get "${apt_options[@]}" download -qq qemu-user:amd64 2>/dev/null)
  dpkg-deb -x "$work"/qemu-user_*_amd64.deb "$work/root"
  install -D -m 755 "$work/root/usr/bin/qemu-i386" "$qemu"
fi

[ -e /proc/sys/fs/binfmt_misc/register ] || mount -t binfmt_misc binfmt_misc /proc/sys/fs/binfmt_misc
[ -e /proc/sys/fs/binfmt_misc/qemu-i386 ] && echo -1 > /proc/sys/fs/binfmt_misc/qemu-i386
# 32-bit little-endian ELF executables and shared objects for the i386;
# F: the interpreter is opened now, so it serves every mount namespace.
echo ":qemu-i386:M::\\x7fELF\\x01\\x01\\x01\\x00\\x00\\x00\\x00\\x00\\x00\\x00\\x00\\x00\\x02\\x00\\x03\\x00:\\xff\\xff\\xff\\xff\\xff\\xfe\\xfe\\x00\\xff\\xff\\xff\\xff\\xff\\xff\\xff\\xff\\xfe\\xff\\xff\\xff:$qemu:F" \
  > /proc/sys/fs/binfmt_misc/register
runs_32bit || { echo "setup-ia32: 32-bit programs still do not run" >&2; exit 1; }
echo "setup-ia32: 32-bit programs run through $qemu" >&2
