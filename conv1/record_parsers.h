// The record parsers: each fills row `row` of its type's table (which must
// hold that row) from the record line in tigercore::gLineBuffer. Types 3, A,
// C and S read the columns of the county's release, chosen once by
// SelectReleaseLayouts; the other types read the same columns in every
// release.
#pragma once

namespace vornak {

// Picks the columns of release `release` (94, 95, 97 to 103) for the
// parsers of types 3, A, C and S. Their readers call it with gEditionCode
// before the first line.
void SelectReleaseLayouts(int release);

// Row 0 also writes the county's VERSION to "date.txt" in the output folder.
void ParseType1Line(int row);
void ParseType2Line(int row);
void ParseType3Line(int row);
void ParseType4Line(int row);
void ParseType5Line(int row);
void ParseType6Line(int row);
void ParseType7Line(int row);
void ParseType8Line(int row);
void ParseType9Line(int row);
void ParseTypeALine(int row);
void ParseTypeCLine(int row);
void ParseTypeILine(int row);
void ParseTypeSLine(int row);
void ParseTypeZLine(int row);

}  // namespace vornak
