#!/usr/bin/env bash
# Installs what building and testing Tabulo needs from Debian's packages, if
# anything is missing. Safe to run again: it installs nothing when all is there.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config libicu-dev   # build
  qt6-base-dev qt6-base-dev-tools libgl-dev     # the window
  qt6-translations-l10n                         # Qt's own dialogs in Japanese
  fonts-noto-cjk                                # a Japanese font for the grid
  fonts-noto-color-emoji                        # emoji in UTF-8 files
  fonts-ipafont-gothic fonts-ipafont-mincho     # Japanese fonts for print whose PDF text searches right
  libgtest-dev libgmock-dev                     # tests
  xvfb xauth                                    # the window's screenshot
  clang-14 libclang-rt-14-dev                   # fuzz targets (libFuzzer)
  python3 time                                  # benchmark corpus and timing
  poppler-utils                                 # reading printed PDF files back in tests
  dpkg-dev file desktop-file-utils              # the Debian package: shared-library depends, checks
  xdg-utils xdg-user-dirs                       # menus and desktop folder that plinth writes into
)

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done

if [ ${#missing[@]} -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get update -q
  $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
