#!/bin/bash
# The main job: installs, builds everything, makes the sample county with
# countygen and converts it with pellard in a scripted session. The outputs
# land in build/sample/out (the session's screens in build/sample/session.txt).
set -eu
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash scripts/build.sh
sample="$PWD/build/sample"
rm -rf "$sample"
mkdir -p "$sample/county" "$sample/out"
build/tools/countygen/countygen --out "$sample/county" --width 6 --height 4 --edition c

# Add the county, choose "TIGER 2004, 2nd Edition/TIGER 2005, 1st and 2nd
# Editions" (Choose Type index 10), tick County Current, Tract Current, Group
# Current and Place Current, then GO with the output in build/sample/out,
# organised by county.
build/frontend/pellard >"$sample/session.txt" <<EOF_SESSION
press 11
$sample/county/TGR25901.RT1
check 30
ok
check 109
check 112
check 115
check 139
ok
ok
set 31 $sample/out
ok
EOF_SESSION

echo "pellard converted the sample county into $sample/out:"
find "$sample/out" -type f | sort
