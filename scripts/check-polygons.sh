#!/bin/bash
# Checks with GDAL (its SpatiaLite functions, backed by GEOS) that every
# polygon of the KML documents given, or of the documents under the folders
# given, is a valid geometry: the placemarks of each document, of every
# folder, go into one table of a SpatiaLite database, and each polygon is
# put to ST_IsValid.
#
#   bash scripts/check-polygons.sh DOCUMENT_OR_FOLDER...
#
# Prints one line per document (its polygons and how many are invalid) and
# the name and GEOS's reason for each invalid one. Exit status 0 when every
# polygon is valid, 1 when one is not or a document cannot be read, 2 when
# GDAL's tools or SpatiaLite are missing.
set -eu
if [ $# -eq 0 ]; then
  echo "usage: bash scripts/check-polygons.sh DOCUMENT_OR_FOLDER..." >&2
  exit 2
fi
for tool in ogr2ogr ogrinfo; do
  command -v "$tool" >/dev/null || { echo "$tool is missing (apt-get install gdal-bin)" >&2; exit 2; }
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The values of the result column r of a query, one a line.
query() {  # DATABASE SQL
  ogrinfo -q -sql "$2" "$1" 2>/dev/null | sed -n 's/^  r (String) = //p'
}

documents=()
for arg in "$@"; do
  if [ -d "$arg" ]; then
    while IFS= read -r f; do documents+=("$f"); done < <(find "$arg" -name '*.kml' | sort)
  else
    documents+=("$arg")
  fi
done

if [ ${#documents[@]} -eq 0 ]; then
  echo "no KML documents in $*" >&2
  exit 1
fi

# Document k goes into table dk of database k / 40 (GDAL opens a database
# of many tables slowly).
bad=0
for k in "${!documents[@]}"; do
  db="$work/$((k / 40)).sqlite"
  if [ -f "$db" ]; then
    options=(-update -append)
  else
    options=(-f SQLite -dsco SPATIALITE=YES -append)
  fi
  if ! ogr2ogr "${options[@]}" -nln "d$k" "$db" "${documents[$k]}" 2>"$work/err"; then
    echo "UNREADABLE ${documents[$k]}: $(head -n 3 "$work/err")"
    bad=$((bad + 1))
  fi
done
if [ -z "$(query "$work/0.sqlite" "SELECT spatialite_version() AS r")" ]; then
  echo "GDAL here cannot write a SpatiaLite database: ST_IsValid cannot be asked" >&2
  exit 2
fi

# Per document "k polygons invalid", one query per database.
polygon="GeometryType(GEOMETRY) LIKE 'POLYGON%'"
: >"$work/counts"
for db in "$work"/*.sqlite; do
  sql=""
  for k in $(query "$db" "SELECT substr(name, 2) AS r FROM sqlite_master WHERE type = 'table' AND name GLOB 'd[0-9]*'"); do
    [ -z "$sql" ] || sql+=" UNION ALL "
    sql+="SELECT '$k ' || count(*) || ' ' || coalesce(sum(ST_IsValid(GEOMETRY) <> 1), 0) AS r FROM d$k WHERE $polygon"
  done
  [ -z "$sql" ] || query "$db" "$sql" >>"$work/counts"
done

checked=0
for k in "${!documents[@]}"; do
  doc=${documents[$k]}
  read -r _ polygons invalid < <(grep "^$k " "$work/counts" || echo "$k 0 0")
  checked=$((checked + polygons))
  if [ "$invalid" -eq 0 ]; then
    echo "valid   $doc: $polygons polygons"
  else
    echo "INVALID $doc: $invalid of $polygons polygons"
    query "$work/$((k / 40)).sqlite" "SELECT '    ' || trim(name) || ': ' || ST_IsValidReason(GEOMETRY) AS r FROM d$k
                                       WHERE $polygon AND ST_IsValid(GEOMETRY) <> 1"
    bad=$((bad + 1))
  fi
done
if [ "$bad" -eq 0 ]; then
  echo "all $checked polygons of ${#documents[@]} documents valid"
  exit 0
fi
echo "$bad of ${#documents[@]} documents hold invalid polygons or could not be read"
exit 1
