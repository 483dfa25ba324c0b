// The conversions the county benchmark times: which library, which edition
// of generated county, which options; and one size of one of them run in
// child processes of its own (one writes the county, one converts it), so
// that the conversion's peak memory is its own.
#pragma once

#include "exports/county_exports.h"
#include "stage_clock.h"

#include <string>
#include <vector>

namespace bench {

struct LibraryRun {
    std::string label;    // short, for the summary ("vornak 101")
    std::string heading;  // what the run converts, for its own tables
    char edition = 'd';   // countygen's edition character
    bool typeB = true;    // 2002-2006: whether the county has a type B file
    std::string options;
    CountyEntry convert = nullptr;
    const int* conversionStatus = nullptr;  // the library's; -1 after an abandoned county
    int statusId = 0;  // the progress dialog's process and layer texts
    int layerId = 0;
};

// The 1994-2000 library on release 101 (TIGER 2000): every line class and
// polygon options 8 to 49, a folder per county.
LibraryRun OldLibraryRun();
// The 2002-2006 library on the 2006 edition: every line class, road table
// and polygon layer, a folder per county; with or without the type B file.
LibraryRun NewLibraryRun(bool typeB);

struct SizeResult {
    long long chains = 0;
    long long recordBytes = 0;  // all record files of the county
    double wall = 0;            // the whole conversion call, seconds
    double cpu = 0;
    long peakKb = 0;  // the converting process's peak resident memory
    std::vector<StageTime> stages;
};

// Folds another conversion of the same county into `best`: each stage's
// and the total's least wall and least CPU time, the largest peak memory.
void KeepLeast(SizeResult& best, const SizeResult& other);

// Writes a county of about `chains` lines into work/county and converts it
// into work/out; false (said on standard error) when either child fails.
bool RunSize(const LibraryRun& run, long long chains, const std::string& work, SizeResult& result);

}  // namespace bench
