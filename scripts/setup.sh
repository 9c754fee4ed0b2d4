#!/usr/bin/env bash
# Installs what the build and the tests need, from Debian's packages, only where it is missing.
# Safe to run again and again.
set -euo pipefail

packages=(cmake ninja-build g++ clang libclang-rt-14-dev clang-format libgtest-dev libgmock-dev
          libncurses-dev libreadline-dev tmux fp-utils python3 python3-ezdxf)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  sudo_cmd=""
  [ "$(id -u)" -eq 0 ] || sudo_cmd="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $sudo_cmd apt-get update -qq
  $sudo_cmd apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
