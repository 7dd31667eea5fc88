#!/usr/bin/env bash
# Installs the Debian 12 packages that building, testing and running Pemo need.
set -euo pipefail
packages=(cmake ninja-build g++ pkg-config python3 qt6-base-dev libsqlite3-dev libgtest-dev libgmock-dev
          libxcb1-dev libxcb-res0-dev libxcb-xtest0-dev liblhasa-dev fonts-ipafont-gothic qt6-translations-l10n
          xdg-utils xvfb xauth sqlite3)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
