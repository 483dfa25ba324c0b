// The entries of the fuzz targets: each takes one arbitrary input and runs it
// through a part of the system. The libFuzzer programs of this folder call
// them, and the test suite replays the inputs kept in tests/fuzz_inputs/
// through the same functions. An entry aborts (so that the fuzzer reports
// it) only when it finds the system broke one of its own promises.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace fuzz {

// Record files. Byte 0 picks the record type (one of the 18 readers, in the
// order of RecordTypeSuffix), byte 1 the edition (EditionCharacter); the
// rest is the record file. For type I the rest is a type 1 file, the line
// "=====", then the type I file, read in that order.
void ReadRecordFile(const uint8_t* data, size_t size);
constexpr int kRecordTypeCount = 18;
// "rt1", "rt2", "rti", "rt4", ... by the index byte 0 picks.
const char* RecordTypeSuffix(int index);
// The line that separates the type 1 part from the type I part.
constexpr const char* kTypeISeparator = "\n=====\n";

// Zip archives: the input is an archive. Its entries are listed with the
// masks of a county's record files, then every entry is unpacked into an
// empty folder. Nothing may land outside that folder, and nothing but
// plain files inside it.
void UnpackArchive(const uint8_t* data, size_t size);

// Options: the input (up to its first NUL) is the options string of a whole
// DisplayV2 call on a tiny generated 2004 second-edition county. After every
// DisplayV2 call of these entries the county's log must be complete and no
// scratch file may be left in the output directory.
void ConvertWithOptions(const uint8_t* data, size_t size);

// One damaged record file: byte 0 picks the edition (EditionCharacter), byte
// 1 the file (CountyFileSuffix), the rest replaces that file of a small
// generated county of the edition, which DisplayV2 converts with every
// layer.
void ConvertDamagedCounty(const uint8_t* data, size_t size);
constexpr int kCountyFileCount = 19;
// The record types' suffixes and "met".
const char* CountyFileSuffix(int index);

// Merged layers: a county converted by theme and merged (organisation '3')
// into an output folder that holds the merged layer files of an earlier
// conversion of it, one of them damaged: byte 0 picks the file (one of
// MergedLayerFileCount()), the rest replaces it; or, byte 0 counting on past
// those files, the journal a stopped run would have left beside one of
// them, the rest being the journal.
void ContinueDamagedMergedLayer(const uint8_t* data, size_t size);
int MergedLayerFileCount();
// The undamaged contents of one of these files, and its path relative to
// the output folder.
std::string MergedLayerFile(int index);
std::string MergedLayerFileName(int index);

constexpr int kEditionCount = 5;
// '9', 'a', 'b', 'c', 'd'.
char EditionCharacter(int index);

// The 1994-2000 library (vornak::Display).

// Record files: byte 0 picks the record type (one of the 14 readers, in the
// order of OldRecordType), byte 1 the release (OldEditionCharacter); the
// rest is the record file. For types 3 and I the rest is a type 1 file, the
// line "=====" (kTypeISeparator), then the type 3 or I file, read in that
// order.
void ReadOldRecordFile(const uint8_t* data, size_t size);
constexpr int kOldRecordTypeCount = 14;
// '1' to '9', 'a', 'c', 'i', 's', 'z' by the index byte 0 picks.
char OldRecordType(int index);
constexpr int kOldEditionCount = 9;
// The edition digits '0' (TIGER 94, release 94) to '8' (release 103).
char OldEditionCharacter(int index);

// One damaged record file: byte 0 picks the edition (OldEditionCharacter),
// byte 1 the record type (OldRecordType), the rest replaces that file of a
// small generated county of the edition (kOldCountySide cells square, large
// enough for water, a park, a school and an American Indian area), which
// Display converts with every layer. The county's log must end with
// "Finished" and its end line, and no scratch file may be left.
void ConvertDamagedOldCounty(const uint8_t* data, size_t size);
constexpr int kOldCountySide = 7;

// Merged layers: a county of TIGER 2000 converted with every layer by theme
// and merged (organisation '3') into an output folder that holds the merged
// layer files of an earlier conversion of it, one of them damaged: byte 0
// picks the file (one of OldMergedLayerFileCount()), the rest replaces it;
// or, as for ContinueDamagedMergedLayer, the journal beside one of them.
void ContinueDamagedOldMergedLayer(const uint8_t* data, size_t size);
int OldMergedLayerFileCount();
// The undamaged contents of one of these files.
std::string OldMergedLayerFile(int index);

}  // namespace fuzz
