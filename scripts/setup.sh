#!/bin/sh
# Installs the Debian packages needed to build, test and run Nibline 2 and nbhost.
# Installs only what is missing; quiet when everything is already there.
set -e

PACKAGES="cmake g++ make pkg-config zlib1g-dev
qtbase5-dev qtbase5-dev-tools libqt5opengl5-dev libqt5svg5-dev
libgtest-dev libgmock-dev googletest libbenchmark-dev
xvfb xauth xdotool libgl1-mesa-dri libgl1-mesa-dev libglu1-mesa-dev mesa-utils
clang libclang-rt-dev"

missing=""
for pkg in $PACKAGES; do
    if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed"; then
        missing="$missing $pkg"
    fi
done

[ -z "$missing" ] && exit 0

if [ "$(id -u)" -eq 0 ]; then
    SUDO=""
elif command -v sudo >/dev/null 2>&1; then
    SUDO="sudo"
else
    echo "setup: these packages are missing and neither root nor sudo is available:$missing" >&2
    exit 1
fi

echo "setup: installing$missing"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
# shellcheck disable=SC2086
$SUDO apt-get install -y -qq --no-install-recommends $missing >/dev/null
