#!/bin/sh
# Installs the Debian/Ubuntu packages the build and the tests need, only those
# that are missing. Uses sudo when not run as root.
set -e
PACKAGES="cmake ninja-build g++ make qt6-base-dev libgl-dev libvulkan-dev libgtest-dev libgmock-dev libbenchmark-dev fonts-dejavu-core appstream desktop-file-utils dpkg-dev clang"
# Named time zones: CCTZ and the tz database it reads.
PACKAGES="$PACKAGES libcctz-dev tzdata"
# pdftoppm: the printing tests turn a printed PDF back into a picture.
PACKAGES="$PACKAGES poppler-utils"
# Debian's checks of the package that .ci/run builds.
PACKAGES="$PACKAGES lintian"
# Qt's own dialogs in French and Spanish, read at run time.
PACKAGES="$PACKAGES qt6-translations-l10n"
# PyEphem: an independent reference for the tests of the phenomena searches.
PACKAGES="$PACKAGES python3-ephem"
# Calendar files: libical, found through pkg-config.
PACKAGES="$PACKAGES libical-dev pkg-config"
# The night plan's tests: an independent reader of the calendar files.
PACKAGES="$PACKAGES python3 python3-icalendar"
SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
updated=""

install_missing() {
  missing=""
  for p in "$@"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
      missing="$missing $p"
    fi
  done
  [ -z "$missing" ] && return 0
  echo "Installing:$missing"
  if [ -z "$updated" ]; then
    $SUDO apt-get update -qq
    updated=yes
  fi
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends $missing
}

install_missing $PACKAGES
# clang's libFuzzer runtime (for tests/fuzz) is packaged per clang version.
if command -v clang >/dev/null 2>&1; then
  install_missing "libclang-rt-$(clang -dumpversion | cut -d. -f1)-dev"
fi
