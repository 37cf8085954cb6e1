#!/usr/bin/env bash
# Builds the Debian package: build/package/tq8615_<version>_<arch>.deb
#
#   bash scripts/package.sh           build the package
#   bash scripts/package.sh --check   ... then install it with apt, run tq8615-cli --version
#                                     and tq8615 --version from PATH, and remove it again
#                                     (needs root or sudo; for a test machine)
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$(nproc)"
rm -f build/package/tq8615_*.deb
(cd build && cpack -G DEB >/dev/null)
deb=$(ls build/package/tq8615_*.deb)
echo "$deb"
[ "${1:-}" = "--check" ] || exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
if dpkg-query -W -f='${Status}' tq8615 2>/dev/null | grep -q 'install ok installed'; then
  echo "package.sh: tq8615 is installed already; not touching it" >&2
  exit 1
fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get install -y -qq "./$deb" >/dev/null
trap '$sudo apt-get purge -y -qq tq8615 >/dev/null' EXIT
( cd / && command -v tq8615-cli && tq8615-cli --version && tq8615 --version )
dpkg -L tq8615 | grep -q '^/usr/lib/udev/rules.d/60-tq8615-cable.rules$'
echo "package.sh: $deb installs, runs and is removed again"
