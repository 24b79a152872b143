#!/usr/bin/env bash
# Installs what is missing, builds the Debian package of Corvelo and installs
# it (corvelo and corvelo-cli, the desktop menu entry "Corvelo").
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
PACKAGES+=(dpkg-dev file)
install_missing
build "$ROOT/build/package" -DCORVELO_TESTS=OFF -DCORVELO_BENCH=OFF
(cd "$ROOT/build/package" && rm -f corvelo_*.deb && cpack -G DEB >/dev/null)
deb="$(ls "$ROOT"/build/package/corvelo_*.deb)"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
# apt-get brings the libraries the package depends on along with it.
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "$deb"
echo "Installed $(basename "$deb"): start Corvelo from the desktop menu, or run corvelo --user-dir"
