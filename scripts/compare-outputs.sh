#!/bin/bash
# Checks that the work tree's converters (DisplayV2 for 2002-2006, Display for
# 1994-2000) write the same bytes as a base revision: builds both, converts
# the same counties with each (the real county from its zip and from its
# files, generated counties of every edition), in every output organisation,
# and compares the two output trees file by file. County logs are skipped; the date in a dBASE header
# (bytes 1-3) is ignored; everything else must be identical, but for a
# merged folder's record of its counties (.pellard-counties). That record
# must be there in the current run of every merged folder. Where the base
# keeps one too, the two are compared line by line without what a change of
# its format alone changes: the version of the first line ("pellard
# counties N"), the size column of version 2 ("<how> <code> <version>
# <edition> <size> <file>"), which version 1 lacks, and the lines of a
# shapefile's .shx and .dbf beside those of its .shp, which earlier
# versions lack; every other column and the order of the lines must be the
# same. The size column is checked
# instead against the current tree itself: the last line of each file must
# give that file's size (every file it names is compared byte for byte with
# the base's, so the sizes agree with those a base of version 2 would give).
#
#   bash scripts/compare-outputs.sh BASE_COMMIT
#
# Exit status 0 when every run is identical, 1 otherwise. The base build is
# cached in /tmp/pellard-compare/base-<sha>; the outputs of differing runs are
# kept for inspection (the path is printed).
set -eu
if [ $# -ne 1 ]; then
  echo "usage: bash scripts/compare-outputs.sh BASE_COMMIT" >&2
  exit 2
fi
cd "$(dirname "$0")/.."
root=$PWD
base_sha=$(git rev-parse --verify "$1^{commit}")
head_sha=$(git rev-parse HEAD)
changes=$(git status --porcelain | wc -l)
echo "base:    $base_sha ($1)"
if [ "$changes" -eq 0 ]; then
  echo "current: $head_sha (HEAD), no uncommitted changes"
else
  echo "current: $head_sha (HEAD) plus uncommitted changes in $changes paths"
fi

bash scripts/setup.sh
cache=/tmp/pellard-compare
mkdir -p "$cache"
work=$(mktemp -d "$cache/run.XXXXXX")
src="$cache/src-$base_sha"
keep=0
cleanup() {
  if [ -d "$src" ]; then git worktree remove --force "$src" || rm -rf "$src"; fi
  git worktree prune
  if [ "$keep" -eq 0 ]; then rm -rf "$work"; fi
}
trap cleanup EXIT

build() {  # SOURCE_DIR BUILD_DIR TARGET...
  local source=$1 dir=$2
  shift 2
  cmake -S "$source" -B "$dir" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
  cmake --build "$dir" -j"$(nproc)" --target "$@" >/dev/null
}

# The base: built once per sha from a detached worktree, which is removed
# again; only its converter is kept (the inputs all come from the current
# countygen, so that both sides read the same bytes). The converter is
# tools/convert_county, or tools/convert_once in revisions before it had
# that name; both take INPUT OUTPUT_DIR OPTIONS.
base_bin="$cache/base-$base_sha/convert"
if [ -x "$base_bin" ]; then
  echo "base build: reusing $base_bin"
else
  echo "base build: building $base_sha..."
  rm -rf "$src"
  git worktree prune
  git worktree add --detach --quiet "$src" "$base_sha"
  converter=convert_county
  if [ ! -d "$src/tools/convert_county" ]; then converter=convert_once; fi
  build "$src" "$src/build-compare" "$converter"
  mkdir -p "$cache/base-$base_sha"
  cp "$src/build-compare/tools/$converter/$converter" "$base_bin.tmp"
  mv "$base_bin.tmp" "$base_bin"
  git worktree remove --force "$src"
fi
echo "current build: building the work tree into build-compare/..."
build "$root" "$root/build-compare" convert_county countygen
head_bin="$root/build-compare/tools/convert_county/convert_county"
countygen="$root/build-compare/tools/countygen/countygen"

# Inputs. Generated counties, two per edition (county 901, 30 x 24 cells;
# county 903, 24 x 20, for merging): 'a' shuffled, 'b' in lower case with LF
# line ends.
for e in 0 1 2 3 4 5 6 7 8 9 a b c d; do
  extra=()
  case $e in
    a) extra=(--seed 7) ;;
    b) extra=(--lower-case --lf) ;;
  esac
  mkdir -p "$work/in/g$e" "$work/in/g${e}2"
  "$countygen" --out "$work/in/g$e" --width 30 --height 24 --edition "$e" "${extra[@]}" >/dev/null
  "$countygen" --out "$work/in/g${e}2" --width 24 --height 20 --edition "$e" --county 903 "${extra[@]}" >/dev/null
done
first_file() { ls "$1"/*.[rRfFbB][tT6wW]1; }  # .RT1, .F61, .BW1

# The options (86 characters, 56 for 1994-2000): every line class and polygon
# layer on; '2' first for numeric address fields.
layers45=$(printf '%045d' 0 | tr 0 1)
layers25=$(printf '%025d' 0 | tr 0 1)
layers49=$(printf '%049d' 0 | tr 0 1)
options() {  # EDITION ORGANISATION CLIP LABELS NUMERIC
  local first=1
  if [ "$5" = 1 ]; then first=2; fi
  case $1 in
    [0-8]) echo "${first}${layers49}${2}${4}1${1}${3}1" ;;  # 1994-2000: 56 characters
    *) echo "${first}1111111${layers45}${1}${layers25}${2}${3}${4}0000" ;;
  esac
}

# The runs: "NAME OPTIONS INPUT [INPUT]", each county in the four
# organisations; organisation 3 converts a second county into the same folder.
# Clipping, label points and numeric addresses turn with county and
# organisation so that each county sees each setting.
counties=""
archive=../shared/data/real/tgr25025.zip
if [ -f "$archive" ]; then
  mkdir -p "$work/in/real"
  cp "$archive" "$work/in/"
  (cd "$work/in/real" && unzip -q "../${archive##*/}")
  counties="real-zip:c:$work/in/${archive##*/}:gc2 real-files:c:$(first_file "$work/in/real"):gc2"
else
  echo "the real county $archive is absent: skipped"
fi
for e in 0 1 2 3 4 5 6 7 8 9 a b c d; do
  counties="$counties g$e:$e:$(first_file "$work/in/g$e"):g${e}2"
done
settings=("1 1 0" "0 0 1" "1 0 1" "0 1 0")  # clip, labels, numeric
: >"$work/runs"
k=0
for county in $counties; do
  IFS=: read -r name edition input second <<<"$county"
  second=$(first_file "$work/in/$second")
  for org in 0 1 2 3; do
    read -r clip labels numeric <<<"${settings[$(((k + org) % 4))]}"
    inputs=$input
    if [ "$org" = 3 ]; then inputs="$input $second"; fi
    echo "$name-org$org $(options "$edition" "$org" "$clip" "$labels" "$numeric") $inputs" >>"$work/runs"
  done
  k=$((k + 1))
done

convert() {  # SIDE CONVERTER NAME OPTIONS INPUT...
  local dir="$work/$1/$3" bin=$2 options=$4 input
  shift 4
  mkdir -p "$dir/in" "$dir/out"
  for input in "$@"; do
    # An archive is unpacked beside the output: each run converts its own copy.
    case $input in
      *.zip) cp "$input" "$dir/in/" && input="$dir/in/${input##*/}" ;;
    esac
    "$bin" "$input" "$dir/out" "$options" >>"$dir/convert.txt" 2>&1 || return 1
  done
}

same_file() {  # A B: identical, but for the date of a dBASE header
  case $1 in
    *.dbf | *.DBF) cmp -s -n 1 "$1" "$2" && cmp -s -i 4 "$1" "$2" ;;
    *) cmp -s "$1" "$2" ;;
  esac
}

record_lines() {  # RECORD: its lines without the first line's version, the size column of version 2 and a shapefile's .shx and .dbf lines
  awk 'NR == FNR { if (FNR > 1 && $NF ~ /\.shp$/) shp[substr($NF, 1, length($NF) - 4)] = 1; next }
       FNR == 1 { version = $3; print "pellard counties"; next }
       $NF ~ /\.(shx|dbf)$/ && (substr($NF, 1, length($NF) - 4) in shp) { next }
       version == 2 { rest = substr($0, 16); sub(/^[0-9]+ /, "", rest); print substr($0, 1, 15) rest; next }
       { print }' "$1" "$1"
}

record_sizes() {  # FOLDER: a line for each file whose size is not the one its last record line gives
  awk 'NR == 1 { if ($3 != 2) exit; next }
       { rest = substr($0, 16); size = rest; sub(/ .*/, "", size); sub(/^[0-9]+ /, "", rest); last[rest] = size }
       END { for (file in last) print last[file], file }' "$1/.pellard-counties" |
    while read -r size file; do
      if [ -f "$1/$file" ] && [ "$(stat -c %s "$1/$file")" != "$size" ]; then
        printf '\n    record size differs: %s (%s in the record, %s on disk)' "$file" "$size" "$(stat -c %s "$1/$file")"
      fi
    done
}

run_one() {  # NAME: converts with both builds, compares, writes result/NAME
  local name=$1 options inputs a b only differ=0 f
  read -r _ options inputs < <(grep "^$name " "$work/runs")
  # shellcheck disable=SC2086
  if ! convert base "$base_bin" "$name" "$options" $inputs ||
     ! convert head "$head_bin" "$name" "$options" $inputs; then
    echo "FAILED $name: a conversion failed (see $work/*/$name/convert.txt)" >"$work/result/$name"
    return
  fi
  a="$work/base/$name/out"
  b="$work/head/$name/out"
  (cd "$a" && find . -mindepth 1 ! -name '*.log' ! -name .pellard-counties -printf '%y %P\n' | sort) >"$work/base/$name/list"
  (cd "$b" && find . -mindepth 1 ! -name '*.log' ! -name .pellard-counties -printf '%y %P\n' | sort) >"$work/head/$name/list"
  only=$(comm -3 "$work/base/$name/list" "$work/head/$name/list" |
    sed 's/^\t\(.*\)/    only in current: \1/; t; s/^/    only in base:    /')
  case $name in
    *-org3)
      if [ ! -f "$b/.pellard-counties" ]; then
        only="$only
    missing in current: .pellard-counties"
      elif [ -f "$a/.pellard-counties" ] &&
        ! cmp -s <(record_lines "$a/.pellard-counties") <(record_lines "$b/.pellard-counties"); then
        only="$only
    differs: .pellard-counties (its lines but the sizes)"
      fi
      if [ -f "$b/.pellard-counties" ]; then only="$only$(record_sizes "$b")"; fi
      ;;
  esac
  while read -r f; do
    same_file "$a/$f" "$b/$f" || { differ=$((differ + 1)); echo "    differs: $f"; }
  done < <(comm -12 "$work/base/$name/list" "$work/head/$name/list" | sed -n 's/^f //p') >"$work/base/$name/differ"
  if [ "$differ" -eq 0 ] && [ -z "$only" ]; then
    echo "ok     $name ($(grep -c '^f ' "$work/head/$name/list") files)" >"$work/result/$name"
    rm -rf "${work:?}/base/$name" "${work:?}/head/$name"
  else
    {
      echo "DIFFER $name: $differ files differ, $(printf '%s' "$only" | grep -c only || true) on one side only"
      head -n 10 "$work/base/$name/differ"
      if [ -n "$only" ]; then printf '%s\n' "$only" | head -n 10; fi
    } >"$work/result/$name"
  fi
}
export work base_bin head_bin
export -f convert same_file record_lines record_sizes run_one

echo "converting $(wc -l <"$work/runs") runs with both builds..."
mkdir -p "$work/result"
# shellcheck disable=SC2016
cut -d' ' -f1 "$work/runs" | xargs -P "$(nproc)" -n 1 bash -c 'run_one "$1"' _
bad=0
while read -r name _; do
  cat "$work/result/$name" 2>/dev/null || echo "FAILED $name: no result"
  grep -qs '^ok ' "$work/result/$name" || bad=$((bad + 1))
done <"$work/runs"

if [ "$bad" -eq 0 ]; then
  echo "all $(wc -l <"$work/runs") runs identical (base $base_sha, current $head_sha)"
  exit 0
fi
keep=1
echo "$bad of $(wc -l <"$work/runs") runs differ (base $base_sha, current $head_sha); outputs kept in $work"
exit 1
