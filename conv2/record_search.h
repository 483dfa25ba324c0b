// Searches by halving over the sorted record tables. Each returns the row
// number of a row with the key, or -1 when there is none.
#pragma once


namespace vornak2 {

// CENID (5 characters) and POLYID (10) of a polygon.
int FindTypeARecord(const char* cenid, const char* polyid);
int FindTypeSRecord(const char* cenid, const char* polyid);
int FindTypeBRecord(const char* cenid, const char* polyid);
int FindTypeERecord(const char* cenid, const char* polyid);
int FindTypePRecord(const char* cenid, const char* polyid);
// The first of the polygon's rows in table order.
int FindType8Record(const char* cenid, const char* polyid);
int FindTypeIRecord(const char* tlid);
// The type 5 row of a feature identifier (FEAT read as a number).
int FindType5Record(long long feat);
// The first row of the landmark in table order.
int FindLandmarkRecord(long long land);
int FindWaterLandmarkRecord(long long land);

}  // namespace vornak2
