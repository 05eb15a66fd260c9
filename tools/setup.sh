#!/bin/sh
# Installs what building and testing need on Debian 12, when it is missing.
set -e
need=""
for pkg in cmake g++ make googletest libgtest-dev g++-mingw-w64-x86-64-posix wine wine64 xvfb xauth imagemagick fonts-dejavu-core fonts-wine python3; do
    dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "ok installed" || need="$need $pkg"
done
if [ -n "$need" ]; then
    echo "Installing:$need"
    SUDO=""
    [ "$(id -u)" -eq 0 ] || SUDO=sudo
    $SUDO apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq $need >/dev/null
fi
