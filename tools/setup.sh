#!/bin/sh
# Installs what building and testing need on Debian 12, when it is missing.
set -e
need=""
for pkg in cmake g++ make googletest libgtest-dev g++-mingw-w64-x86-64-posix wine wine64 xvfb xauth imagemagick fonts-dejavu-core ttf-bitstream-vera fonts-wine python3; do
    dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "ok installed" || need="$need $pkg"
done
# The browser edition: Emscripten, and Chromium with its WebDriver for the page tests.
web=""
for pkg in emscripten chromium chromium-driver python3-selenium; do
    dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "ok installed" || web="$web $pkg"
done
if [ -n "$need" ] || [ -n "$web" ]; then
    echo "Installing:$need$web"
    SUDO=""
    [ "$(id -u)" -eq 0 ] || SUDO=sudo
    $SUDO apt-get update -qq
    [ -z "$need" ] || DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq $need >/dev/null
    # Without the recommends: they would bring a desktop's services along.
    [ -z "$web" ] || DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends $web >/dev/null
fi
