#!/usr/bin/env bash
# Installs the Debian packages the build, the program and the tests need.
# Idempotent: runs apt-get only when something is missing, and says nothing then.
set -euo pipefail

packages=(
  cmake ninja-build g++ clang libclang-rt-14-dev
  libgtest-dev libgmock-dev
  qt6-base-dev qt6-qpa-plugins qt6-tools-dev qt6-l10n-tools qt6-tools-dev-tools
  libxlsxwriter-dev pkg-config
  qt6-translations-l10n
  poppler-utils unzip fonts-dejavu-core fonts-liberation
)

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$p")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

sudo_cmd=()
if [[ $(id -u) -ne 0 ]]; then
  command -v sudo >/dev/null || { echo "install-deps: need root or sudo to install: ${missing[*]}" >&2; exit 1; }
  sudo_cmd=(sudo)
fi

echo "install-deps: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
