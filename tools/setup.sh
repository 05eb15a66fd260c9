#!/bin/sh
# Installs what building and testing need on Debian 12, when it is missing.
set -e

# apt-get as root: directly when we are, through sudo otherwise.
as_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

# install_missing OPTION PACKAGE...: installs those of the packages that are
# not installed yet, passing OPTION to apt-get install ("" for none).
updated=""
install_missing() {
    option=$1
    shift
    for pkg in "$@"; do
        shift
        dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "ok installed" || set -- "$@" "$pkg"
    done
    [ "$#" -gt 0 ] || return 0
    echo "Installing: $*"
    [ -n "$updated" ] || as_root apt-get update -qq
    updated=1
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq ${option:+"$option"} "$@" >/dev/null
}

install_missing "" cmake g++ make googletest libgtest-dev g++-mingw-w64-x86-64-posix wine wine64 xvfb xauth imagemagick fonts-dejavu-core ttf-bitstream-vera fonts-wine python3
# The Debian package of qns: its test computes the dependencies (dpkg-shlibdeps),
# runs lintian on it, and presses Tab in a bash with bash-completion.
install_missing "" dpkg-dev lintian bash-completion
# The browser edition: Emscripten, and Chromium with its WebDriver for the page
# tests; without the recommends, which would bring a desktop's services along.
install_missing --no-install-recommends emscripten chromium chromium-driver python3-selenium
# Fuzzing with clang's libFuzzer, and the coverage report.
install_missing "" clang libclang-rt-14-dev gcovr
