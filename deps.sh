#!/usr/bin/env bash
# Installs the Debian packages Yucarra needs to build and test, when missing.
set -euo pipefail
packages=(cmake g++ make qt6-base-dev qt6-svg-dev libgl-dev fonts-liberation fonts-dejavu-core)
if [ "${1:-}" = "--test" ]; then
  # Checks beyond the unit tests: sanitizers and fuzzing (clang), system-call
  # tracing, desktop and package metadata, code style, text of saved PDFs.
  packages+=(xvfb clang libclang-rt-14-dev strace desktop-file-utils appstream dpkg-dev file
             clang-format clang-tidy poppler-utils shared-mime-info libxml2-utils)
fi
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
echo "Installing: ${missing[*]}"
sudo_cmd=()
[ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
"${sudo_cmd[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
