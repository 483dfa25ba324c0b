#!/bin/bash
# The main job: installs, builds everything, makes two sample counties with
# countygen (one of TIGER 2005, one of TIGER 2000) and converts both in one
# pellard job driven by a scripted session. The outputs land in
# build/sample/out (the session's screens in build/sample/session.txt).
set -eu
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash scripts/build.sh
sample="$PWD/build/sample"
rm -rf "$sample"
mkdir -p "$sample/county-2005" "$sample/county-2000" "$sample/out"
# TGR25901: a 2005 county (edition c, converted by vornak2); TGR25903: a
# TIGER 2000 county (edition 6, converted by vornak).
build/tools/countygen/countygen --out "$sample/county-2005" --width 6 --height 4 --edition c --county 901
build/tools/countygen/countygen --out "$sample/county-2000" --width 6 --height 4 --edition 6 --county 903

# Add both counties at once. The first: Choose Type "TIGER 2004, 2nd
# Edition/TIGER 2005, 1st and 2nd Editions" (check 30; uncheck 40 so that the
# next .rt1 is asked for again), then County Current, Tract Current, Group
# Current and Place Current. The second: Choose Type "TIGER 2000" (check 24),
# then County 2000, Places 2000, Tracts 2000 and Block Groups 2000. GO with
# the output in build/sample/out, organised by county. pellard exits 1 when
# a county fails and 2 when a command of the session is refused or the
# session ends before GO (pellard --help tells how to drive it).
build/frontend/pellard >"$sample/session.txt" <<EOF_SESSION
press 11
$sample/county-2005/TGR25901.RT1 $sample/county-2000/TGR25903.RT1
check 30
uncheck 40
ok
check 109
check 112
check 115
check 139
ok
check 24
ok
check 109
check 114
check 139
check 142
ok
ok
set 31 $sample/out
ok
EOF_SESSION

echo "pellard converted the two sample counties into $sample/out:"
find "$sample/out" -type f | sort
