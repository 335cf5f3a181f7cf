#!/usr/bin/env bash
# Installs every Debian package that building, testing and running Kestrin needs. Idempotent and
# non-interactive: packages already present are left alone, and apt is only asked when one is missing.
set -euo pipefail

packages=(
    cmake g++ make
    libgtest-dev libgmock-dev libbenchmark-dev
    libocct-data-exchange-dev libocct-modeling-algorithms-dev libocct-modeling-data-dev
    libocct-foundation-dev libtbb-dev occt-draw
    libfmt-dev libcli11-dev libreadline-dev
    python3-ezdxf tmux xdg-utils
    dpkg-dev file clang-format
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
