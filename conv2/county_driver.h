#pragma once

namespace vornak2 {

class ConversionDialog;

// Converts the county of `job` from its first record file to its end.
void ConvertCounty(ConversionDialog& job);

}  // namespace vornak2
