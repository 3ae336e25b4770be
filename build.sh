#!/usr/bin/env bash
# Sets up a Debian 12 machine for Ilvane, builds it, and starts it or tests it.
#   ./build.sh start   install what is missing, build, start the window
#   ./build.sh test    install what is missing, build, run every test
#                      (a normal build, then one with AddressSanitizer and UBSan)
# Works as root and, through sudo, for a normal user. Run again, it installs
# and rebuilds only what is missing or changed.
set -euo pipefail
cd "$(dirname "$0")"

PAQUETS=(
  build-essential cmake ninja-build g++ pkg-config
  qt6-base-dev libgl-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth
  gnugo python3
)

installe_manquants() {
  local manquants=() p
  for p in "${PAQUETS[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || manquants+=("$p")
  done
  ((${#manquants[@]} == 0)) && return 0
  echo "Installing: ${manquants[*]}"
  local sudo=()
  [ "$(id -u)" -ne 0 ] && sudo=(sudo)
  "${sudo[@]}" apt-get update
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${manquants[@]}"
}

# construit DOSSIER [options cmake...]
construit() {
  local dossier=$1
  shift
  if [ ! -f "$dossier/build.ninja" ]; then
    cmake -S . -B "$dossier" -G Ninja -DILVANE_WERROR=ON "$@"
  fi
  cmake --build "$dossier"
}

case "${1:-}" in
  start)
    installe_manquants
    construit build
    if [ ! -x build/src/ui/ilvane ]; then
      echo "The window was not built: Qt 6 Widgets was missing when build/ was configured" \
        "(remove build/ and run again)." >&2
      exit 1
    fi
    if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
      echo "No display: the window needs a graphical session (DISPLAY or WAYLAND_DISPLAY)." >&2
      exit 1
    fi
    # Plays in this directory: game.trace and goban.gob are written here.
    exec build/src/ui/ilvane
    ;;
  test)
    installe_manquants
    construit build
    ctest --test-dir build --output-on-failure -j "$(nproc)"
    construit build-asan -DILVANE_SANITIZE=ON -DILVANE_BENCH=OFF -DCMAKE_BUILD_TYPE=Debug
    ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
      ctest --test-dir build-asan --output-on-failure -j "$(nproc)"
    ;;
  *)
    echo "usage: $0 start | test" >&2
    exit 2
    ;;
esac
