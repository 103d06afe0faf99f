#!/usr/bin/env bash
# Installs the Debian packages the build, the programs and the tests need,
# when any is missing.
set -euo pipefail
# The test command builds once with clang under the sanitizers, whose run-time
# libclang-rt-dev brings (clang's packages only recommend it).
packages=(build-essential clang libclang-rt-dev cmake pkg-config libcairo2-dev libfontconfig-dev
          libsdl2-dev libgtest-dev fonts-ipafont-gothic fonts-liberation xvfb xdotool)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
fi
