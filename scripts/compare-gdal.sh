#!/bin/bash
# Times the line layers of the real county (all eight classes) against GDAL's
# ogr2ogr writing the same lines as a shapefile, on this machine, best of
# three runs each, and prints the ratio.
set -eu
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake -S . -B build-release -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build-release -j"$(nproc)" --target convert_county >/dev/null
archive=../shared/data/real/tgr25025.zip
if [ ! -f "$archive" ]; then echo "skipped: the real county archive $archive is absent"; exit 0; fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/county"
(cd "$work/county" && unzip -q "$(cd - >/dev/null && realpath "$archive")")
options=$(printf '11111111%045d' 0)c$(printf '%025d' 0)0$(printf '%06d' 0)

best() {  # best wall time in seconds of three runs of a command
  local best=""
  for _ in 1 2 3; do
    "$@" prepare
    local start end
    start=$(date +%s.%N)
    "$@" run
    end=$(date +%s.%N)
    best=$(awk -v b="$best" -v s="$start" -v e="$end" 'BEGIN { t = e - s; if (b == "" || t < b) b = t; printf "%.3f", b }')
  done
  echo "$best"
}
ours() {
  case $1 in
    prepare) rm -rf "$work/ours" && mkdir "$work/ours" ;;
    run) build-release/tools/convert_county/convert_county "$work/county/TGR25025.RT1" "$work/ours" "$options" ;;
  esac
}
gdal() {
  case $1 in
    prepare) rm -rf "$work/gdal" ;;
    run) ogr2ogr -f "ESRI Shapefile" "$work/gdal" "$work/county/TGR25025.RT1" CompleteChain 2>/dev/null ;;
  esac
}
t_ours=$(best ours)
t_gdal=$(best gdal)
echo "line layers of tgr25025 (8 classes):       ${t_ours} s   (build-release/tools/convert_county/convert_county, options $options)"
echo "ogr2ogr -f \"ESRI Shapefile\" CompleteChain:  ${t_gdal} s"
awk -v o="$t_ours" -v g="$t_gdal" 'BEGIN { printf "ratio ours / GDAL: %.2f (target at most 0.50)\n", o / g }'
