// Searches by halving over the sorted record tables of the county. Each
// returns the row number of a row with the key, or -1 when there is none or
// the table is empty. The ends of the remaining range are probed before its
// middle, so the row found among several with the key is the one probed
// first unless the search returns the first of them in table order.
#pragma once

namespace vornak {

// Polygon tables by CENID (5 characters) and POLYID (10): any row with the key.
int FindType9Record(const char* cenid, const char* polyid);
int FindTypeSRecord(const char* cenid, const char* polyid);
int FindTypeARecord(const char* cenid, const char* polyid);
// The first of the polygon's type 8 rows in table order.
int FindType8Record(const char* cenid, const char* polyid);
// The type 5 row whose FEAT text equals `feat`.
int FindType5Record(const char* feat);
// The first type 7 row of a landmark number in table order.
int FindLandmarkRecord(long long land);
// The first water landmark row (SelectWaterLandmarks) of a landmark number.
int FindWaterLandmarkRecord(long long land);

}  // namespace vornak
