// The attribute tables that join to the roads layer by TLID (alternate
// feature names, additional address ranges, ZIP+4 codes) and the feature
// metadata table: flat dBASE tables, one record per source reference or row.
#pragma once

#include "shapeio/dbase.h"

namespace vornak2 {

extern const shapeio::DbfFieldDef AlternateNameFields[];           // 49-byte records
extern const shapeio::DbfFieldDef AdditionalAddressFields[];       // 68
extern const shapeio::DbfFieldDef AdditionalAddressNumericFields[];  // 68
extern const shapeio::DbfFieldDef Zip4Fields[];                    // 22
extern const shapeio::DbfFieldDef MetadataFields[];                // 43

}  // namespace vornak2
