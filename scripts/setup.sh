#!/bin/bash
# Installs what building and testing need (Debian, as root). Idempotent: does
# nothing when every package is there already.
set -eu
packages="cmake g++ make pkg-config libzip-dev zip unzip libgtest-dev gdal-bin locales"
missing=""
for p in $packages; do
  dpkg -s "$p" >/dev/null 2>&1 || missing="$missing $p"
done
if [ -n "$missing" ]; then
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq $missing >/dev/null
fi
