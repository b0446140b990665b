#!/usr/bin/env bash
# Installs with apt-get whatever the build and the tests need and is missing.
set -euo pipefail

# fonts-liberation2: the canvas texts in "Arial" are drawn with Liberation Sans.
# libboost-dev: Boost.Geometry, header-only, for the zone clipping.
pacchetti=(build-essential cmake libgtest-dev libgmock-dev libbenchmark-dev libboost-dev
           qt6-base-dev python3 python3-ezdxf locales fonts-liberation2
           libreoffice-writer-nogui)
mancanti=()
for p in "${pacchetti[@]}"; do
  dpkg -s "$p" >/dev/null 2>&1 || mancanti+=("$p")
done
if [ ${#mancanti[@]} -gt 0 ]; then
  echo "Installo: ${mancanti[*]}"
  apt-get update
  DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${mancanti[@]}"
fi

# One test checks number formatting under an Italian locale.
if ! locale -a 2>/dev/null | grep -qi '^it_IT\.utf-\?8$'; then
  sed -i 's/^# *\(it_IT.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  grep -q '^it_IT.UTF-8 UTF-8' /etc/locale.gen || echo 'it_IT.UTF-8 UTF-8' >> /etc/locale.gen
  locale-gen >/dev/null
fi
