#!/usr/bin/env bash
# Installs the Debian packages a step needs, only those that are missing.
# Usage: source scripts/deps.sh; voralind_need run|test

voralind_missing() {
  local pkg missing=()
  for pkg in "$@"; do
    dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' ||
      missing+=("$pkg")
  done
  printf '%s\n' "${missing[@]}"
}

voralind_install() {
  local missing
  mapfile -t missing < <(voralind_missing "$@" | sed '/^$/d')
  [ "${#missing[@]}" -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo env DEBIAN_FRONTEND=noninteractive apt-get update -qq
  $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
    "${missing[@]}"
}

# What building and running the Linux program needs.
VORALIND_RUN_PACKAGES=(build-essential cmake qt6-base-dev fonts-arphic-ukai fontconfig)
# What the whole test command needs on top of that.
VORALIND_TEST_PACKAGES=(
  "${VORALIND_RUN_PACKAGES[@]}"
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  clang libclang-rt-14-dev
  xvfb xauth xdotool openbox x11-utils imagemagick
  mingw-w64 g++-mingw-w64-x86-64-posix wine wine64
)

voralind_need() {
  case "$1" in
    run) voralind_install "${VORALIND_RUN_PACKAGES[@]}" ;;
    test) voralind_install "${VORALIND_TEST_PACKAGES[@]}" ;;
  esac
}
