#!/usr/bin/env bash
# Installs what is missing, builds the Debian package of Corvelo and installs
# it (corvelo and corvelo-cli, the desktop menu entry "Corvelo").
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
PACKAGES+=(dpkg-dev file)
install_missing
# Built with Debian's hardening flags, as Debian's own packages are.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
build "$ROOT/build/package" -DCORVELO_TESTS=OFF -DCORVELO_BENCH=OFF \
    -DCMAKE_CXX_FLAGS="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)" \
    -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)"
(cd "$ROOT/build/package" && rm -f corvelo_*.deb && cpack -G DEB >/dev/null)
deb="$(ls "$ROOT"/build/package/corvelo_*.deb)"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
# apt-get brings the libraries the package depends on along with it.
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "$deb"
echo "Installed $(basename "$deb"): start Corvelo from the desktop menu, or run corvelo --user-dir"
