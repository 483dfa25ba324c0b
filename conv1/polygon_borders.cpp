#include "conv1/polygon_borders.h"

#include "conv1/job_state.h"
#include "conv1/record_search.h"
#include "conv1/record_store.h"
#include "conv1/stages.h"
#include "platform/text.h"
#include "tigercore/polygon_key_index.h"
#include "tigercore/scratch_rows.h"

#include <algorithm>
#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <new>

namespace vornak {

std::vector<SidePair> IAIndex;
std::vector<SidePair> ISIndex;
std::array<int, kTypeALevelCount> gBorderLineCountsA{};
std::array<int, kTypeSLevelCount> gBorderLineCountsS{};
int gAllPolygonsLineCountA = 0;
int gAllPolygonsLineCountS = 0;
SideCodes gLeftCodes;
SideCodes gRightCodes;
int gLeftWaterFlag = 0;
int gRightWaterFlag = 0;

namespace {

// ---------------------------------------------------------------------------
// Code levels as data.

// Where a part's characters come from: the side's own row, or the line's
// type 3 row (the field of the side: `offset` left, `rightOffset` right).
enum class Source { kRow, kLineType3 };
// How a part is printed: "%Ns", "%-Ns" or "%c".
enum class Form { kRight, kLeft, kChar };

struct CodePart {
    Source source;
    size_t offset;
    size_t rightOffset;
    int width;
    Form form;
    int firstRelease;
    int lastRelease;
};

struct CodeLevel {
    int level;  // the level of the enum the row stands for: its index in its table
    int width;  // of the text in every release that carries the level
    int firstRelease;
    int lastRelease;
    int ownPart;  // the first part of the level's own code; the parts before it are the county's
    int partCount;
    CodePart parts[6];
};

constexpr int kFirstRelease = 94;
constexpr int kLastRelease = 103;

#define RIGHT_IN(Row, field, w, first, last) \
    CodePart{Source::kRow, offsetof(Row, field), 0, w, Form::kRight, first, last}
#define RIGHT(Row, field, w) RIGHT_IN(Row, field, w, kFirstRelease, kLastRelease)
#define LEFT(Row, field, w) CodePart{Source::kRow, offsetof(Row, field), 0, w, Form::kLeft, kFirstRelease, kLastRelease}
#define CHAR(Row, field) CodePart{Source::kRow, offsetof(Row, field), 0, 1, Form::kChar, kFirstRelease, kLastRelease}
#define LINE3_IN(left, right, w, first, last)                                                                \
    CodePart{Source::kLineType3, offsetof(Type3Record, left), offsetof(Type3Record, right), w, Form::kRight, \
             first, last}

using A = TypeARecord;
using S = TypeSRecord;

// The county code of a type A side: the polygon's own state and county from
// release 97, the side's state and county of the line's type 3 row before.
#define COUNTY_1990                                                                            \
    RIGHT_IN(A, STATEPOLY, 2, 97, kLastRelease), RIGHT_IN(A, COUNTYPOLY, 3, 97, kLastRelease), \
        LINE3_IN(STATE90L, STATE90R, 2, 94, 95), LINE3_IN(COUN90L, COUN90R, 3, 94, 95)
#define TRACT_1990 COUNTY_1990, RIGHT(A, TRACT, 6)
#define COUNTY_CURRENT RIGHT(S, STATECU, 2), RIGHT(S, COUNTYCU, 3)
#define ALL kFirstRelease, kLastRelease

constexpr CodeLevel kTypeALevels[kTypeALevelCount] = {
    {kCounty1990Level, 5, ALL, 0, 4, {COUNTY_1990}},
    {kTract1990Level, 11, ALL, 0, 5, {TRACT_1990}},
    {kBlockGroup1990Level, 12, ALL, 0, 6, {TRACT_1990, CHAR(A, BLOCK)}},
    {kBlock1990Level, 15, ALL, 0, 6, {TRACT_1990, RIGHT(A, BLOCK, 4)}},
    {kPlace1990Level, 5, ALL, 0, 1, {RIGHT(A, FPL, 5)}},
    {kCountySubdivision1990Level, 5, ALL, 0, 1, {RIGHT(A, FMCD, 5)}},
    {kAmericanIndianArea1990Level, 9, 97, kLastRelease, 0, 2, {RIGHT(A, FAIR, 5), RIGHT(A, AIR, 4)}},
    // The zone's 4-character part: columns 86-89 up to release 99; releases
    // 100 and 101 take columns 81-84, the field of the 1990 urban area, which
    // from release 102 on holds columns 86-89.
    {kTrafficAnalysisZoneLevel,
     10,
     ALL,
     0,
     3,
     {RIGHT(A, TAZ, 6), RIGHT_IN(A, TAZPART, 4, 94, 99), RIGHT_IN(A, UA90, 4, 100, kLastRelease)}},
    {kUrbanArea1990Level, 5, ALL, 0, 1, {LEFT(A, UA90, 5)}},
    {kElementarySchoolLevel, 5, ALL, 0, 1, {RIGHT(A, SDELM, 5)}},
    {kSecondarySchoolLevel, 5, ALL, 0, 1, {RIGHT(A, SDSEC, 5)}},
    {kUnifiedSchoolLevel, 5, ALL, 0, 1, {RIGHT(A, SDUNI, 5)}},
    {kMiddleSchoolLevel, 5, 94, 95, 0, 1, {RIGHT(A, SDMID, 5)}},
    {kUnusedTypeASlot, 0, 0, -1, 0, 0, {}},  // counts nothing
    {kCongressionalDistrict106Level, 2, ALL, 0, 1, {RIGHT(A, CD106, 2)}},
    {kUrbanArea2000Level, 5, 102, kLastRelease, 0, 1, {RIGHT(A, UA00, 5)}},
    {kPumaLevel, 5, 102, kLastRelease, 0, 1, {RIGHT(A, PUMA, 5)}},
};

constexpr CodeLevel kTypeSLevels[kTypeSLevelCount] = {
    {kWaterSidesSlot, 0, 0, -1, 0, 0, {}},  // water sides: counted from the WATER flags
    {kCmsaMsaLevel, 4, ALL, 0, 1, {RIGHT(S, MSACMSA, 4)}},
    {kPmsaLevel, 4, ALL, 0, 1, {RIGHT(S, PMSA, 4)}},
    {kCongressionalDistrictCurrentLevel, 2, ALL, 0, 1, {RIGHT(S, CDCU, 2)}},
    {kLowerChamberLevel, 6, ALL, 0, 1, {RIGHT(S, SLDL, 6)}},
    {kUpperChamberLevel, 6, ALL, 0, 1, {RIGHT(S, SLDU, 6)}},
    {kAnrcLevel, 2, ALL, 0, 1, {RIGHT(S, ANRC, 2)}},
    {kPlaceCurrentLevel, 5, ALL, 0, 1, {RIGHT(S, PLACE, 5)}},
    {kCountySubdivisionCurrentLevel, 10, ALL, 0, 2, {RIGHT(S, COUSUB, 5), RIGHT(S, SUBMCD, 5)}},
    {kAmericanIndianAreaCurrentLevel, 10, ALL, 0, 3, {RIGHT(S, AIANHH, 4), RIGHT(S, AIANHHFP, 5), CHAR(S, AIHHTLI)}},
    {kCollectionBlockLevel,
     17,
     98,
     102,
     0,
     6,
     {RIGHT(S, STATECOL, 2), RIGHT(S, COUNCOL, 3), RIGHT(S, BLKCOL, 5), CHAR(S, BLKSUFCOL), CHAR(S, TEA),
      RIGHT(S, ZCTA, 5)}},
    {kTract2000Level, 11, ALL, 2, 3, {COUNTY_CURRENT, RIGHT(S, TRACT00, 6)}},
    {kBlock2000Level, 15, ALL, 3, 4, {COUNTY_CURRENT, RIGHT(S, TRACT00, 6), RIGHT(S, BLOCK00, 4)}},
    {kVotingDistrict2000Level, 11, ALL, 2, 3, {COUNTY_CURRENT, RIGHT(S, VTD00, 6)}},
    {kCountyCurrentLevel, 5, ALL, 0, 2, {COUNTY_CURRENT}},
    {kZctaLevel, 10, 98, kLastRelease, 2, 3, {COUNTY_CURRENT, RIGHT(S, ZCTA, 5)}},
    {kBlockGroup2000Level, 12, 100, kLastRelease, 3, 4, {COUNTY_CURRENT, RIGHT(S, TRACT00, 6), CHAR(S, BLKGRP00)}},
    {kUrbanGrowthAreaLevel, 5, 100, kLastRelease, 0, 1, {RIGHT(S, UGA, 5)}},
    {kConsolidatedCityLevel, 5, ALL, 0, 1, {RIGHT(S, CONCIT, 5)}},
    {kCorrectedUrbanArea2000Level, 5, 103, 103, 0, 1, {RIGHT(S, UA00COR, 5)}},
    {kRedefinedUrbanArea1990Level, 5, 103, 103, 0, 1, {RIGHT(S, UA90RED, 5)}},
};

// Each table has a row per level of its enum, in the enum's order: a row
// missing (left zero by a short initializer) or out of place fails here.
template <std::size_t N>
constexpr bool InLevelOrder(const CodeLevel (&levels)[N]) {
    for (std::size_t i = 0; i < N; ++i)
        if (levels[i].level != static_cast<int>(i)) return false;
    return true;
}
static_assert(InLevelOrder(kTypeALevels), "kTypeALevels: a row per TypeALevel, in its order");
static_assert(InLevelOrder(kTypeSLevels), "kTypeSLevels: a row per TypeSLevel, in its order");

#undef RIGHT
#undef LEFT
#undef CHAR
#undef RIGHT_IN
#undef LINE3_IN
#undef COUNTY_1990
#undef TRACT_1990
#undef COUNTY_CURRENT
#undef ALL

bool InRelease(int first, int last) { return gEditionCode >= first && gEditionCode <= last; }

// A level as the county's release has it: whether it is carried, its parts
// of the release and where its own part starts.
struct ReleaseLevel {
    int width;
    bool carried;
    size_t ownOffset;
    int partCount;
    CodePart parts[6];
};

template <size_t N>
struct ReleaseLayout {
    int release = 0;
    std::array<ReleaseLevel, N> levels;
};

// The levels of the county's release, worked out once per release.
template <size_t N>
const std::array<ReleaseLevel, N>& LevelsOfRelease(const CodeLevel (&table)[N], ReleaseLayout<N>& layout) {
    if (layout.release == gEditionCode) return layout.levels;
    layout.release = gEditionCode;
    for (size_t l = 0; l < N; ++l) {
        const CodeLevel& level = table[l];
        ReleaseLevel& resolved = layout.levels[l];
        resolved = ReleaseLevel{level.width, InRelease(level.firstRelease, level.lastRelease), 0, 0, {}};
        for (int p = 0; p < level.partCount; ++p) {
            const CodePart& part = level.parts[p];
            if (!InRelease(part.firstRelease, part.lastRelease)) continue;
            if (p < level.ownPart) resolved.ownOffset += static_cast<size_t>(part.width);
            resolved.parts[resolved.partCount++] = part;
        }
    }
    return layout.levels;
}

const std::array<ReleaseLevel, kTypeALevelCount>& TypeALevels() {
    static ReleaseLayout<kTypeALevelCount> layout;
    return LevelsOfRelease(kTypeALevels, layout);
}

const std::array<ReleaseLevel, kTypeSLevelCount>& TypeSLevels() {
    static ReleaseLayout<kTypeSLevelCount> layout;
    return LevelsOfRelease(kTypeSLevels, layout);
}

constexpr size_t kTextRoom = sizeof(CodeText{}.text) - 1;

// The fields of the line's type 3 row that the release's type A levels
// read, each once (a field holds `width` characters and its NUL).
struct LineFields {
    int release = 0;
    int count = 0;
    CodePart parts[4];
};

const LineFields& LineType3Fields() {
    static LineFields fields;
    if (fields.release == gEditionCode) return fields;
    fields = LineFields();
    fields.release = gEditionCode;
    for (const ReleaseLevel& level : TypeALevels()) {
        for (int p = 0; p < level.partCount; ++p) {
            const CodePart& part = level.parts[p];
            if (part.source != Source::kLineType3) continue;
            bool seen = false;
            for (int f = 0; f < fields.count; ++f) seen = seen || fields.parts[f].offset == part.offset;
            if (seen) continue;
            if (fields.count == static_cast<int>(std::size(fields.parts))) std::abort();  // the table outgrew this
            fields.parts[fields.count++] = part;
        }
    }
    return fields;
}

// Appends one part ("%Ns", "%-Ns" or "%c" of its field) at `at`.
void AppendPart(const CodePart& part, const char* field, CodeText& out, size_t& at) {
    if (part.form == Form::kChar) {
        if (at < kTextRoom) out.text[at++] = field[0];
        return;
    }
    const size_t length = std::strlen(field);
    const size_t width = static_cast<size_t>(part.width);
    const size_t pad = length < width ? width - length : 0;
    if (part.form == Form::kRight)
        for (size_t i = 0; i < pad && at < kTextRoom; ++i) out.text[at++] = ' ';
    for (size_t i = 0; i < length && at < kTextRoom; ++i) out.text[at++] = field[i];
    if (part.form == Form::kLeft)
        for (size_t i = 0; i < pad && at < kTextRoom; ++i) out.text[at++] = ' ';
}

// The line's type 3 row, or null.
const Type3Record* LineType3(int line) {
    const int rows = std::min(gType3Count, static_cast<int>(gType3Records.size()));
    return line >= 0 && line < rows ? &gType3Records[static_cast<size_t>(line)] : nullptr;
}

void Blank(int width, CodeText& out) {
    const size_t n = std::min(static_cast<size_t>(width), kTextRoom);
    std::memset(out.text, ' ', n);
    out.text[n] = '\0';
}

void FormatLevel(const ReleaseLevel& level, const void* row, const Type3Record* line3, LineSide side,
                 CodeText& out) {
    if (!level.carried) return Blank(level.width, out);
    size_t at = 0;
    for (int p = 0; p < level.partCount; ++p) {
        const CodePart& part = level.parts[p];
        const char* field;
        if (part.source == Source::kRow) {
            field = static_cast<const char*>(row) + part.offset;
        } else if (line3) {
            field = reinterpret_cast<const char*>(line3) + (side == LineSide::kLeft ? part.offset : part.rightOffset);
        } else {
            field = "";  // printed as blanks of the part's width
        }
        AppendPart(part, field, out, at);
    }
    out.text[at] = '\0';
}

// Whether the two sides of a line make the same code at a level, without
// making the texts: both without a row, or the same field texts (a level
// the release does not carry is blank for both). Different field texts may
// still make one text; the caller then compares the texts.
bool SameFields(const ReleaseLevel& level, const void* left, const void* right, const Type3Record* line3) {
    if (!left || !right) return !left && !right;
    if (!level.carried) return true;
    for (int p = 0; p < level.partCount; ++p) {
        const CodePart& part = level.parts[p];
        const char* a;
        const char* b;
        if (part.source == Source::kRow) {
            a = static_cast<const char*>(left) + part.offset;
            b = static_cast<const char*>(right) + part.offset;
        } else if (line3) {
            a = reinterpret_cast<const char*>(line3) + part.offset;
            b = reinterpret_cast<const char*>(line3) + part.rightOffset;
        } else {
            continue;  // blanks on both sides
        }
        if (part.form == Form::kChar ? a[0] != b[0] : std::strcmp(a, b) != 0) return false;
    }
    return true;
}

// The own part of the text is not all blanks (a text shorter or longer than
// the level's is no blank either).
bool CarriesCode(const ReleaseLevel& level, const CodeText& code) {
    const size_t length = std::strlen(code.text);
    if (length != static_cast<size_t>(level.width) || level.ownOffset > length) return true;
    for (size_t i = level.ownOffset; i < length; ++i)
        if (code.text[i] != ' ') return true;
    return false;
}

// ---------------------------------------------------------------------------
// Counting.

// A line adds one entry per side that carries a code when its sides differ.
void CountLevel(int& count, const CodeText& left, const CodeText& right, bool leftCarries, bool rightCarries) {
    if (left == right) return;
    ++count;
    if (leftCarries && rightCarries) ++count;
}

// Sides by their rows: one per side with a row when the rows differ.
void CountRows(int& count, int left, int right) {
    if (left == right) return;
    ++count;
    if (left >= 0 && right >= 0) ++count;
}

template <typename Row>
int RowsHeld(const std::vector<Row>& rows, int count) {
    return std::max(0, std::min(count, static_cast<int>(rows.size())));
}

int LineCount() { return RowsHeld(gTypeIRecords, gTypeICount); }

void ShowLineProgress(int line, int lines) {
    Services().SetProgress(static_cast<int>(static_cast<long long>(line) * 100 / lines));
}

// An index of one "no polygon" entry per type I row; false (logged, county
// abandoned) when it cannot be had.
bool AllocateIndex(std::vector<SidePair>& index, const char* name) {
    const int lines = std::max(0, gTypeICount);
    try {
        index.assign(static_cast<size_t>(lines), SidePair{});
    } catch (const std::bad_alloc&) {
        WriteLogLine(platform::Format("\nMEMORY ALLOCATION ERROR, Record Type %s, size %ld", name,
                                      static_cast<long>(lines) * static_cast<long>(sizeof(SidePair))));
        Services().FailCounty();
        return false;
    }
    return true;
}

// ---------------------------------------------------------------------------
// The scratch file of the type A rows, mapped once they are written.

tigercore::ScratchRows gTypeARows;

// Writes the type A table to a.tmp at the file's position and releases it;
// on a short write the table stays and the county is abandoned.
void MoveTypeARowsToScratchFile() {
    std::FILE* file = gTypeAScratchFile.get();
    const size_t rows = static_cast<size_t>(RowsHeld(gTypeARecords, gTypeACount));
    bool written = file != nullptr;
    if (written && rows > 0)
        written = std::fwrite(gTypeARecords.data(), sizeof(TypeARecord), rows, file) == rows &&
                  rows == static_cast<size_t>(gTypeACount);
    if (written) written = std::fflush(file) == 0;
    if (!written) {
        WriteLogLine("Cannot write scratch file.  Disk area too small");
        Services().FailCounty();
        return;
    }
    ReleaseTypeARecords();
    const long end = std::ftell(file);
    gTypeARows.Map(file, end > 0 ? static_cast<size_t>(end) : 0);
}

// ---------------------------------------------------------------------------
// The modes.

void ResolveTypeASides() {
    gBorderLineCountsA.fill(0);
    if (!AllocateIndex(IAIndex, "IAIndex")) return;
    const int lines = LineCount();
    const tigercore::SideLookup find(gTypeARecords, RowsHeld(gTypeARecords, gTypeACount), FindTypeARecord, false);
    const auto& levels = TypeALevels();
    CodeText blanks[kTypeALevelCount];
    for (int level = 0; level < kTypeALevelCount; ++level) Blank(levels[level].width, blanks[level]);
    for (int j = 0; j < lines; ++j) {
        ShowLineProgress(j, lines);
        const TypeIRecord& line = gTypeIRecords[static_cast<size_t>(j)];
        SidePair& sides = IAIndex[static_cast<size_t>(j)];
        sides.left = find(line.CENIDL, line.POLYIDL);
        sides.right = find(line.CENIDR, line.POLYIDR);
        const TypeARecord* left = sides.left >= 0 ? &gTypeARecords[static_cast<size_t>(sides.left)] : nullptr;
        const TypeARecord* right = sides.right >= 0 ? &gTypeARecords[static_cast<size_t>(sides.right)] : nullptr;
        const Type3Record* line3 = LineType3(j);
        const bool last = j == lines - 1;  // its codes stay in gLeftCodes and gRightCodes
        for (int level = 0; level < kTypeALevelCount; ++level) {
            // Sides of the same codes add nothing.
            if (!last && SameFields(levels[level], left, right, line3)) continue;
            CodeText& l = gLeftCodes.typeA[static_cast<size_t>(level)];
            CodeText& r = gRightCodes.typeA[static_cast<size_t>(level)];
            l = r = blanks[level];
            if (left) FormatLevel(levels[level], left, line3, LineSide::kLeft, l);
            if (right) FormatLevel(levels[level], right, line3, LineSide::kRight, r);
            CountLevel(gBorderLineCountsA[static_cast<size_t>(level)], l, r, CarriesCode(levels[level], l),
                       CarriesCode(levels[level], r));
        }
        CountRows(gAllPolygonsLineCountA, sides.left, sides.right);
    }
    MoveTypeARowsToScratchFile();
}

void ResolveTypeSSides() {
    gBorderLineCountsS.fill(0);
    if (!AllocateIndex(ISIndex, "ISIndex")) return;
    const int lines = LineCount();
    const tigercore::SideLookup find(gTypeSRecords, RowsHeld(gTypeSRecords, gTypeSCount), FindTypeSRecord, false);
    const auto& levels = TypeSLevels();
    CodeText blanks[kTypeSLevelCount];
    for (int level = 1; level < kTypeSLevelCount; ++level) Blank(levels[level].width, blanks[level]);
    for (int j = 0; j < lines; ++j) {
        ShowLineProgress(j, lines);
        const TypeIRecord& line = gTypeIRecords[static_cast<size_t>(j)];
        SidePair& sides = ISIndex[static_cast<size_t>(j)];
        sides.left = find(line.CENIDL, line.POLYIDL);
        sides.right = find(line.CENIDR, line.POLYIDR);
        const TypeSRecord* left = sides.left >= 0 ? &gTypeSRecords[static_cast<size_t>(sides.left)] : nullptr;
        const TypeSRecord* right = sides.right >= 0 ? &gTypeSRecords[static_cast<size_t>(sides.right)] : nullptr;
        gLeftWaterFlag = left ? left->WATER : 0;
        gRightWaterFlag = right ? right->WATER : 0;
        if (gLeftWaterFlag == 1) ++gBorderLineCountsS[kWaterSidesSlot];
        if (gRightWaterFlag == 1) ++gBorderLineCountsS[kWaterSidesSlot];
        const bool last = j == lines - 1;  // its codes stay in gLeftCodes and gRightCodes
        for (int level = 1; level < kTypeSLevelCount; ++level) {
            // Sides of the same codes add nothing.
            if (!last && SameFields(levels[level], left, right, nullptr)) continue;
            CodeText& l = gLeftCodes.typeS[static_cast<size_t>(level)];
            CodeText& r = gRightCodes.typeS[static_cast<size_t>(level)];
            l = r = blanks[level];
            if (left) FormatLevel(levels[level], left, nullptr, LineSide::kLeft, l);
            if (right) FormatLevel(levels[level], right, nullptr, LineSide::kLeft, r);
            CountLevel(gBorderLineCountsS[static_cast<size_t>(level)], l, r, CarriesCode(levels[level], l),
                       CarriesCode(levels[level], r));
        }
        CountRows(gAllPolygonsLineCountS, sides.left, sides.right);
    }
}

// Modes 0 and 1: the row of each side in the type I row itself.
template <typename Row>
void ResolveLandmarkSides(const std::vector<Row>& rows, int count, int (*search)(const char*, const char*),
                          bool firstOfRun, int TypeIRecord::*leftRow, int TypeIRecord::*rightRow) {
    gLandmarkBorderLineCount = 0;
    const int lines = LineCount();
    const tigercore::SideLookup find(rows, RowsHeld(rows, count), search, firstOfRun);
    for (int j = 0; j < lines; ++j) {
        ShowLineProgress(j, lines);
        TypeIRecord& line = gTypeIRecords[static_cast<size_t>(j)];
        line.*leftRow = find(line.CENIDL, line.POLYIDL);
        line.*rightRow = find(line.CENIDR, line.POLYIDR);
        CountRows(gLandmarkBorderLineCount, line.*leftRow, line.*rightRow);
    }
}

}  // namespace

void TypeALevelCode(int level, const TypeARecord& row, int line, LineSide side, CodeText& out) {
    FormatLevel(TypeALevels()[static_cast<size_t>(level)], &row, LineType3(line), side, out);
}

void TypeSLevelCode(int level, const TypeSRecord& row, CodeText& out) {
    FormatLevel(TypeSLevels()[static_cast<size_t>(level)], &row, nullptr, LineSide::kLeft, out);
}

void TypeALevelBlank(int level, CodeText& out) { Blank(kTypeALevels[level].width, out); }
void TypeSLevelBlank(int level, CodeText& out) { Blank(kTypeSLevels[level].width, out); }

size_t TypeSLevelOwnOffset(int level) { return TypeSLevels()[static_cast<size_t>(level)].ownOffset; }

bool TypeALevelCarriesCode(int level, const CodeText& code) {
    return CarriesCode(TypeALevels()[static_cast<size_t>(level)], code);
}
bool TypeSLevelCarriesCode(int level, const CodeText& code) {
    return CarriesCode(TypeSLevels()[static_cast<size_t>(level)], code);
}

tigercore::SideContext SideContextOf(int line, LineSide side) {
    tigercore::SideContext context;
    unsigned char* at = context.bytes;
    unsigned char* const end = context.bytes + sizeof context.bytes;
    auto put = [&](const char* field, size_t size) {
        if (static_cast<size_t>(end - at) < size) std::abort();  // the context outgrew its bytes
        std::memcpy(at, field, size);
        at += size;
    };
    const TypeIRecord& row = gTypeIRecords[static_cast<size_t>(line)];
    put(row.STATE, sizeof row.STATE);
    put(row.COUNTY, sizeof row.COUNTY);
    if (const Type3Record* line3 = LineType3(line)) {
        const LineFields& fields = LineType3Fields();
        for (int f = 0; f < fields.count; ++f) {
            const CodePart& part = fields.parts[f];
            const size_t offset = side == LineSide::kLeft ? part.offset : part.rightOffset;
            put(reinterpret_cast<const char*>(line3) + offset, static_cast<size_t>(part.width) + 1);
        }
    }
    return context;
}

bool ReadTypeARow(int row, TypeARecord& out) { return gTypeARows.Read(gTypeAScratchFile.get(), row, out); }

void PrepareSideIndexes() {
    const size_t lines = static_cast<size_t>(std::max(0, gTypeICount));
    IAIndex.assign(lines, SidePair{});
    ISIndex.assign(lines, SidePair{});
    for (TypeIRecord& line : gTypeIRecords) line.kglLeft = line.kglRight = line.landmarkLeft = line.landmarkRight = -1;
}

void DeterminePolygonBorders(int mode) {
    Services().ShowStatus("Determining Polygon Borders");
    Services().SetProgress(0);
    switch (mode) {
        case kKeyGeographicLocationSides:
            ResolveLandmarkSides(gType9Records, gType9Count, FindType9Record, false, &TypeIRecord::kglLeft,
                                 &TypeIRecord::kglRight);
            break;
        case kLandmarkSides:
            ResolveLandmarkSides(gType8Records, gType8Count, FindType8Record, true, &TypeIRecord::landmarkLeft,
                                 &TypeIRecord::landmarkRight);
            break;
        case kTypeASides: ResolveTypeASides(); break;
        case kTypeSSides: ResolveTypeSSides(); break;
        default: break;
    }
}

void ReleasePolygonBorders() {
    gTypeARows.Unmap();
    std::vector<SidePair>().swap(IAIndex);
    std::vector<SidePair>().swap(ISIndex);
    gBorderLineCountsA.fill(0);
    gBorderLineCountsS.fill(0);
    gAllPolygonsLineCountA = 0;
    gAllPolygonsLineCountS = 0;
}

}  // namespace vornak
