// The record parsers: each fills row `row` of its type's table (which must
// hold that row) from the record line in gLineBuffer.
#pragma once

namespace vornak2 {

// Also writes "date.txt" and the edition note to the log for row 0.
void ParseType1Line(int row);
void ParseType2Line(int row);
void ParseTypeILine(int row);
void ParseType4Line(int row);
void ParseType5Line(int row);
void ParseType6Line(int row);
void ParseTypeTLine(int row);
void ParseTypeULine(int row);
void ParseTypeZLine(int row);
// Types C and A read some columns only in some editions (gEditionCode).
void ParseTypeCLine(int row);
void ParseTypeALine(int row);
void ParseTypeSLine(int row);
void ParseTypePLine(int row);
void ParseTypeBLine(int row);
void ParseType7Line(int row);
void ParseType8Line(int row);
void ParseTypeELine(int row);
void ParseTypeMLine(int row);

}  // namespace vornak2
