// The record store of the 1994-2000 editions: the parsers of every record
// type in the columns of each release family, the readers with their class
// step, border counts, checks against type 1 and failures, and the sort keys.
#include "conv1/job_state.h"
#include "conv1/record_order.h"
#include "conv1/record_parsers.h"
#include "conv1/record_store.h"
#include "conv1/stages.h"
#include "support/conv1_record_job.h"
#include "support/record_line.h"
#include "support/temp_dir.h"
#include "tigercore/record_fields.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <string>
#include <vector>

using namespace vornak;
using testsupport::RecordFile;
using testsupport::Fields;
using testsupport::kLineEnds;
using testsupport::RecordLine;

namespace {

// Parses `line` into the only row of `table`.
template <typename Row>
const Row& Parse(std::vector<Row>& table, void (*parse)(int), const std::string& line) {
    table.assign(1, Row{});
    tigercore::LoadLineBuffer(line);
    parse(0);
    return table[0];
}

std::string Blanks(size_t n) { return std::string(n, ' '); }

RecordLine Type1Line(const std::string& tlid, const std::string& cfcc, const std::string& version = "0597") {
    return RecordLine(228).Put(1, "1").Put(2, version).PutRight(15, tlid).Put(56, cfcc).Put(191, kLineEnds);
}

RecordLine LinkLine(char type, const std::string& tlid) {
    return RecordLine(type == '3' ? 111 : 52).Put(1, std::string(1, type)).PutRight(15, tlid);
}

class Conv1RecordsTest : public ::testing::Test {
protected:
    // Reads a type 1 file of class A lines with these TLIDs, then the file
    // of `type` (3 or I) of these lines.
    void ReadLinks(char type, const std::vector<std::string>& tlids, const std::vector<std::string>& lines) {
        std::vector<std::string> chains;
        for (const std::string& tlid : tlids) chains.push_back(Type1Line(tlid, "A41"));
        job.OpenText(RecordFile(chains));
        ReadType1Records();
        KeepLineEndsByTlid();
        job.OpenText(RecordFile(lines), std::string("county.rt") + type);
        (type == '3' ? ReadType3Records : ReadTypeIRecords)();
    }

    testsupport::TempDir dir;
    testsupport::Conv1RecordJob job{dir.path()};
};

// --- Parsers ------------------------------------------------------------------

TEST_F(Conv1RecordsTest, ParsersOfTheTypesOfTheOlderLayout) {
    RecordLine link;
    link.PutRight(15, "77").Put(16, "01003 01003").PutRight(36, "12").Put(37, "01005").PutRight(51, "13").Put(52, "X");
    const TypeIRecord& i = Parse(gTypeIRecords, ParseTypeILine, link);
    EXPECT_EQ(Fields({i.TLID, i.STATE, i.COUNTY, i.RTLINK, i.CENIDL, i.POLYIDL, i.CENIDR, i.POLYIDR, i.RS52,
                      i.kglLeft, i.kglRight, i.landmarkLeft, i.landmarkRight}),
              "        77|01|003|0|01003|        12|01005|        13|X|0|0|0|0");

    RecordLine place;
    place.Put(11, "01003").PutRight(25, "12").Put(27, "D43City Hall").PutRight(70, "100").Put(71, "021341234");
    const Type9Record& t9 = Parse(gType9Records, ParseType9Line, place.PutRight(87, "501"));
    EXPECT_EQ(Fields({t9.CENID, t9.POLYID, t9.CFCC, t9.KGLNAME, t9.ADDRESS, t9.ZIPCODE, t9.ZIP4, t9.FEAT}),
              "01003|        12|D43|City Hall" + Blanks(21) + "|        100|02134|1234|     501");
}

struct ReleaseRow {
    int release;
    std::string fields;
};

TEST_F(Conv1RecordsTest, Type3ColumnsByRelease) {
    RecordLine line(111);
    line.PutRight(15, "77").Put(16, "0102003004").Put(66, "T ").Put(78, "AIR1AIR2ANRC1ANRC2SC1SC2AITS1AITS2");
    const std::string blanks = "| | |    |    |     |     |   |   |     |     ";
    const ReleaseRow rows[] = {
        {98, "        77|01|02|003|004|TS1A|ITS2|0|0" + blanks},  // voting districts in 104-111
        {99, "        77|01|02|003|004|    |    |0|0" + blanks},
        {100, "        77|01|02|003|004|TS1A|ITS2|0|0|T|0|AIR1|AIR2|ANRC1|ANRC2|SC1|SC2|AITS1|AITS2"},
    };
    for (const ReleaseRow& row : rows) {
        job.SetRelease(row.release);
        const Type3Record& r = Parse(gType3Records, ParseType3Line, line);
        EXPECT_EQ(Fields({r.TLID, r.STATE90L, r.STATE90R, r.COUN90L, r.COUN90R, r.VTDL, r.VTDR, r.codeBorderFlag,
                          r.tribalBorderFlag, r.TRUST90L, r.TRUST90R, r.AIRL, r.AIRR, r.ANRCL, r.ANRCR, r.AITSCEL,
                          r.AITSCER, r.AITSL, r.AITSR}),
                  row.fields)
            << row.release;
    }
}

TEST_F(Conv1RecordsTest, TypeAColumnsByRelease) {
    RecordLine line;
    line.Put(6, "01003A1234").PutRight(25, "77").Put(26, "AIR01MCD01PL001").Put(41, "0123  2001");
    line.Put(51, "0708SDE01MID01SEC01UNI01TAZ001UA901TZPT01003AI02");
    const std::string codes = "01|003|A1234|        77|AIR01|MCD01|PL001|012300|2001|07|08|SDE01|SEC01|UNI01|TAZ001|";
    const ReleaseRow rows[] = {
        {95, codes + "UA90|1|TZPT|  |   |    |MID01|     |     "},
        {97, codes + "UA90|1|TZPT|01|003|AI02|     |     |     "},
        {101, codes + "UA90|1|TZPT|01|003|AI02|     |     |     "},
        {102, codes + "TZPT|@||01|003|AI02|     |MID01|UA901"},
    };
    for (const ReleaseRow& row : rows) {
        job.SetRelease(row.release);
        const TypeARecord& r = Parse(gTypeARecords, ParseTypeALine, line);
        EXPECT_EQ(Fields({r.STATE, r.COUNTY, r.CENID, r.POLYID, r.FAIR, r.FMCD, r.FPL, r.TRACT, r.BLOCK, r.CD106,
                          r.CD108, r.SDELM, r.SDSEC, r.SDUNI, r.TAZ, r.UA90, r.UR90, r.TAZPART, r.STATEPOLY,
                          r.COUNTYPOLY, r.AIR, r.SDMID, r.PUMA, r.UA00}),
                  row.fields)
            << row.release;
    }
    // Release 102: the 127-byte record holds columns 86-89 and two NULs at
    // offset 85, and nothing in the next six bytes.
    const std::string bytes(reinterpret_cast<const char*>(&gTypeARecords[0]) + 85, 12);
    EXPECT_EQ(bytes, std::string("TZPT\0\0\0\0\0\0\0\0", 12));

    const std::pair<const char*, const char*> tracts[] = {
        {"0123  ", "012300"}, {"      ", "      "}, {" 123  ", " 123  "}, {"1 2 3 ", "102030"}};
    for (const auto& t : tracts) {
        EXPECT_STREQ(Parse(gTypeARecords, ParseTypeALine, RecordLine(line).Put(41, t.first)).TRACT, t.second);
    }
}

TEST_F(Conv1RecordsTest, TypeSColumnsByRelease) {
    RecordLine line;
    line.Put(6, "01003S1234").PutRight(25, "88").Put(26, "1MSA1PMS1AIAN1AIH1TAN01005");
    line.Put(52, "CONC1COUS1SUBM1PLAC10456  1002E07UP1LO2UGA013VTD00102009COL01BZCTA1XY");
    const std::string polygon = "01|003|S1234|        88|1|MSA1|PMS1|AIAN1|AIH1|T|";
    const std::string places = "|01|005|CONC1|COUS1|SUBM1|PLAC1|";
    const std::string withAnrc = polygon + "AN" + places, noAnrc = polygon + "  " + places;
    const std::string census2000 = "|ZCTA1|045600|1002|VTD001|";
    const std::string collection = "|02|009|COL01|B";
    const std::string noUrbanAreas = "|     |     | ";
    const ReleaseRow rows[] = {
        {97, withAnrc + " |07|UP1LO2|UGA013|     |  |   |     | |     |      |    |      |     | | | " + noUrbanAreas},
        {98, withAnrc + "E|07|UP1   |LO2   |UGA01" + collection + census2000 + "     | | | " + noUrbanAreas},
        {99, withAnrc + "E|07|UP1   |LO2   |UGA01" + collection + census2000 + "     | | | " + noUrbanAreas},
        {100, noAnrc + "E|07|UP1   |LO2   |     " + collection + census2000 + "UGA01|3| | " + noUrbanAreas},
        {102, noAnrc + " |07|UP1   |LO2   |     " + collection + census2000 + "UGA01|3|X|Y" + noUrbanAreas},
        {103, noAnrc + " |07|UP1   |LO2   |     |  |   |     | " + census2000 + "UGA01|3|X|Y|02009|COL01|B"},
    };
    for (const ReleaseRow& row : rows) {
        job.SetRelease(row.release);
        const TypeSRecord& r = Parse(gTypeSRecords, ParseTypeSLine, line);
        EXPECT_EQ(Fields({r.STATE, r.COUNTY, r.CENID, r.POLYID, r.WATER, r.MSACMSA, r.PMSA, r.AIANHHFP, r.AIANHH,
                          r.AIHHTLI, r.ANRC, r.STATECU, r.COUNTYCU, r.CONCIT, r.COUSUB, r.SUBMCD, r.PLACE, r.TEA,
                          r.CDCU, r.SLDU, r.SLDL, r.RS91, r.STATECOL, r.COUNCOL, r.BLKCOL, r.BLKSUFCOL, r.ZCTA,
                          r.TRACT00, r.BLOCK00, r.VTD00, r.UGA, r.BLKGRP00, r.RS119, r.RS120, r.UA00COR,
                          r.UA90RED, r.RS113}),
                  row.fields)
            << row.release;
    }
}

TEST_F(Conv1RecordsTest, TypeCColumnsByRelease) {
    const std::string name60 = "Springfield" + Blanks(48) + "Z";  // columns 53-112
    const std::string name66 = "Springfield" + Blanks(54) + "Z";  // columns 47-112
    RecordLine line;
    line.Put(6, "010031990").Put(15, "12345C1P25EMA01SD001AI01VTD001UA001ABC").Put(53, name60);
    RecordLine old;
    old.Put(6, "0100390").Put(13, "12345").Put(20, "P25EMA01SD001AI01VTD001UA01").Put(47, name66);
    const std::string codes = "01|003|1990|12345|C1|P|25|E|MA01|SD001|AI01|VTD001|UA001|";
    const ReleaseRow rows[] = {
        {98, codes + "AB|CSp|   |ringfield" + Blanks(48) + "Z" + Blanks(8) + "||    |    "},
        {99, codes + "AB|CSp|   |ringfield" + Blanks(48) + "Z" + Blanks(8) + "||    |    "},
        {100, codes + "  |   |ABC|" + name60 + Blanks(6) + "||    |    "},
        {97, "01|003|1990|12345|  |P|25|E|MA01|SD001|AI01|VTD001|UA01 |  |   |   |" + name66 + "|90|    |    "},
        {95, "01|003|1990|12345|  |P|25|@|    |     |AI01|VTD001|UA01 |EM|   |   |" + name66 + "|90|A01S|D001"},
    };
    for (const ReleaseRow& row : rows) {
        job.SetRelease(row.release);
        const TypeCRecord& r = Parse(gTypeCRecords, ParseTypeCLine, row.release < 98 ? old : line);
        EXPECT_EQ(Fields({r.STATE, r.COUNTY, r.DATAYR, r.FIPS, r.FIPSCC, r.PLACEDC, r.LSADC, r.ENTITY, r.MA, r.SD,
                          r.AIR, r.VTD, r.UA, r.ANRC, r.RS52, r.AITSCE, r.NAME, r.YEAR, r.MSACMSA, r.PMSA}),
                  row.fields)
            << row.release;
    }
    // A year of 0 leaves DATAYR blank: any year.
    EXPECT_STREQ(Parse(gTypeCRecords, ParseTypeCLine, old.Put(11, "00")).DATAYR, "    ");
}

// --- Readers ----------------------------------------------------------------

// The polygon stage keeps of type 1 only each line's TLID and ends, in TLID
// order, and the full table's rows are released.
TEST_F(Conv1RecordsTest, LineEndsKeepTheEndsOfEachTlidInTlidOrder) {
    std::vector<std::string> chains;
    for (const char* tlid : {"30", "4", "100", "7"}) {
        const std::string n = std::string(3 - std::strlen(tlid), '0') + tlid;
        chains.push_back(Type1Line(tlid, tlid[0] == '4' ? "B11" : "A41")
                             .Put(191, "-071000" + n)
                             .Put(201, "+42000" + n)
                             .Put(210, "-072000" + n)
                             .Put(220, "+43000" + n));
    }
    job.OpenText(RecordFile(chains));
    ReadType1Records();
    ASSERT_EQ(gConversionStatus, 0);
    KeepLineEndsByTlid();
    EXPECT_TRUE(gType1Records.empty());
    EXPECT_EQ(gType1Count, 4);
    EXPECT_EQ(gTableAllocated[kType1Table], 0);
    ASSERT_EQ(gLineEnds.size(), 4u);
    const struct {
        const char* tlid;
        double frLong, frLat, toLong, toLat;
    } expected[] = {{"         4", -71.000004, 42.000004, -72.000004, 43.000004},
                    {"         7", -71.000007, 42.000007, -72.000007, 43.000007},
                    {"        30", -71.000030, 42.000030, -72.000030, 43.000030},
                    {"       100", -71.000100, 42.000100, -72.000100, 43.000100}};
    for (size_t i = 0; i < gLineEnds.size(); ++i) {
        EXPECT_STREQ(gLineEnds[i].TLID, expected[i].tlid) << i;
        EXPECT_DOUBLE_EQ(gLineEnds[i].FRLONG, expected[i].frLong) << i;
        EXPECT_DOUBLE_EQ(gLineEnds[i].FRLAT, expected[i].frLat) << i;
        EXPECT_DOUBLE_EQ(gLineEnds[i].TOLONG, expected[i].toLong) << i;
        EXPECT_DOUBLE_EQ(gLineEnds[i].TOLAT, expected[i].toLat) << i;
    }
}

TEST_F(Conv1RecordsTest, Type1DateAndStatus) {
    job.OpenText(RecordFile({Type1Line("9", "X00", "0597"), Type1Line("5", "G20"), Type1Line("4", "A41"),
                             Type1Line("3", "P12"), Type1Line("8", "F10"), Type1Line("2", "B11"),
                             Type1Line("7", "H11"), Type1Line("1", "A41"), Type1Line("6", "F40"),
                             Type1Line("10", "C31"), Type1Line("11", "D10"), Type1Line("12", "E20", "9999")}) +
                 "\x1a");
    ReadType1Records();
    ASSERT_EQ(gConversionStatus, 0);
    ASSERT_EQ(gType1Count, 12);
    EXPECT_EQ(gTableAllocated[kType1Table], 1);
    EXPECT_FALSE(gRecordFile);
    // The class order and counts: line_record_readers_test.cpp.
    EXPECT_EQ(testsupport::ReadFile(dir / "date.txt"), "0597");  // row 0's VERSION only
    EXPECT_EQ(job.TakeStatuses(), (std::vector<std::string>{"Reading", "Sorting"}));
    EXPECT_EQ(job.Log(), "");

    job.OpenText(Type1Line("1", "A41", "    ").str() + "\n");
    ReadType1Records();
    EXPECT_EQ(testsupport::ReadFile(dir / "date.txt"), "0000");
    EXPECT_EQ(gCfccClassCounts[tigercore::kClassA], 1);
}

// An unknown CFCC: line_record_readers_test.cpp.
TEST(Conv1RecordReaderTest, Type1FaultsStopTheCounty) {
    struct Case {
        std::vector<std::string> lines;
        std::string log;
    };
    const Case cases[] = {
        {{Type1Line("1", "A41"), Type1Line("2", "A41").str().substr(0, 227)},
         "ERROR in type 1 record 2: 227 characters instead of 228\n"},
        {{Type1Line("1", "A41").Put(220, "+4O123456")},
         "ERROR in type 1 record 1: the coordinate in columns 220-228 is not a number\n"},
    };
    for (const Case& c : cases) {
        testsupport::TempDir caseDir;
        testsupport::Conv1RecordJob caseJob(caseDir.path());
        caseJob.OpenText(RecordFile(c.lines));
        ReadType1Records();
        EXPECT_EQ(gConversionStatus, -1);
        EXPECT_FALSE(gRecordFile);  // closed on the failure too
        EXPECT_EQ(gType1Count, static_cast<int>(c.lines.size()));
        EXPECT_EQ(caseJob.Log(), c.log);
        EXPECT_EQ(caseJob.TakeStatuses(), std::vector<std::string>{"Reading"});  // not sorted
    }
}

TEST_F(Conv1RecordsTest, Type2Faults) {
    auto line = [](const char* tlid, const char* rtsq) {
        return RecordLine(208).Put(1, "2").PutRight(15, tlid).PutRight(18, rtsq);
    };
    // The largest sequence and the order: line_record_readers_test.cpp.
    job.OpenText(RecordFile({line("7", "1").Put(38, "  -7x0000")}), "county.rt2");
    ReadType2Records();
    EXPECT_EQ(gConversionStatus, -1);
    EXPECT_EQ(job.Log(), "ERROR in type 2 record 1: the coordinate in columns 38-47 is not a number\n");
}

TEST_F(Conv1RecordsTest, EmptyFilesGiveEmptyTablesAndTheCountyGoesOn) {
    using Reader = void (*)();
    const std::pair<const char*, Reader> readers[] = {
        {"rt1", ReadType1Records}, {"rt2", ReadType2Records}, {"rt3", ReadType3Records}, {"rti", ReadTypeIRecords},
        {"rt4", ReadType4Records}, {"rt5", ReadType5Records}, {"rt6", ReadType6Records}, {"rt7", ReadType7Records},
        {"rt8", ReadType8Records}, {"rt9", ReadType9Records}, {"rta", ReadTypeARecords}, {"rtc", ReadTypeCRecords},
        {"rts", ReadTypeSRecords}, {"rtz", ReadTypeZRecords}};
    for (const auto& r : readers) {
        job.OpenText(r.first[2] == '7' ? "\r\n\x1a" : "", std::string("county.") + r.first);
        r.second();
        EXPECT_EQ(gConversionStatus, 0) << r.first;
        EXPECT_FALSE(gRecordFile) << r.first;
    }
    for (unsigned char mark : gTableAllocated) EXPECT_EQ(mark, 0);
    EXPECT_TRUE(gType1Records.empty() && gType3Records.empty() && gTypeCRecords.empty() && gTypeSRecords.empty());
    EXPECT_FALSE(testsupport::Exists(dir / "date.txt"));
    EXPECT_EQ(job.Log(), "");
}

// The sides of border lines each release's type 3 reader counts: voting
// districts before 100 (none in 99), tribal subdivisions from 100 (the key
// "%5s%3s" of AITS and AITSCE); lines between two ANRCs are only marked.
TEST_F(Conv1RecordsTest, Type3BorderCounts) {
    auto vtd = [](const char* tlid, const char* vtds) { return LinkLine('3', tlid).Put(104, vtds).str(); };
    auto aits = [](const char* tlid, const char* anrc, const char* sub, const char* area) {
        return LinkLine('3', tlid).Put(86, anrc).Put(96, sub).Put(102, area).str();
    };
    const std::vector<std::string> districts = {vtd("4", "00010001"), vtd("3", "0001    "), vtd("2", "00010002"),
                                                vtd("1", "        ")};
    const std::vector<std::string> tribal = {
        aits("1", "0000100001", "001   ", "00001     "),  // left key only: 1
        aits("2", "0000100001", "001002", "0000100001"),  // the last character differs: 2
        aits("3", "0000100002", "001001", "0000100001"),  // equal keys, two ANRCs: 0
        aits("4", "          ", "   001", "     00001")};  // right key only: 1
    struct Case {
        int release;
        const std::vector<std::string>& lines;
        int votingDistrictSides, tribalSides;
        std::vector<int> codeFlags, tribalFlags;  // by TLID
    };
    const Case cases[] = {{98, districts, 3, 0, {0, 1, 1, 0}, {0, 0, 0, 0}},
                          {99, districts, 0, 0, {0, 0, 0, 0}, {0, 0, 0, 0}},
                          {100, tribal, 0, 4, {0, 0, 1, 0}, {1, 1, 0, 1}}};
    for (const Case& c : cases) {
        job.SetRelease(c.release);
        ReadLinks('3', {"1", "2", "3", "4"}, c.lines);
        ASSERT_EQ(gConversionStatus, 0);
        EXPECT_EQ(gLandmarkBorderLineCount, c.votingDistrictSides) << c.release;
        EXPECT_EQ(gTribalSubdivisionBorderLineCount, c.tribalSides) << c.release;
        std::vector<int> codeFlags, tribalFlags;
        for (const Type3Record& r : gType3Records) {
            codeFlags.push_back(r.codeBorderFlag);
            tribalFlags.push_back(r.tribalBorderFlag);
        }
        EXPECT_EQ(codeFlags, c.codeFlags) << c.release;
        EXPECT_EQ(tribalFlags, c.tribalFlags) << c.release;
    }
}

TEST(Conv1RecordReaderTest, Types3AndIMustPairWithType1) {
    const std::string count3 =
        "TIGER ERROR-There is not a one-to one correspondence between type 1 records and type 3 records.  This "
        "is an error in TIGER\n";
    const std::string countI =
        "\nTIGER ERROR-The number of Type I records does not equal the number of Type 1 Records\n";
    struct Case {
        char type;
        std::vector<std::string> tlids;
        std::string log;
    };
    const Case cases[] = {
        {'3', {"10", "20", "30"}, count3},
        {'3', {"10"}, count3},
        {'I', {"10", "20", "30"}, countI},
        {'3', {"20", "10"}, ""},
        {'I', {"20", "10"}, ""},
        {'3', {"20", "25"}, "\nTIGER ERROR-Type 3 and Type 1 records do not describe the same lines, TLID 10\n"},
        {'I', {"10", "30"}, "\nTIGER ERROR-Type I and Type 1 records do not describe the same lines, TLID 20\n"},
    };
    for (const Case& c : cases) {
        testsupport::TempDir caseDir;
        testsupport::Conv1RecordJob caseJob(caseDir.path(), 97);
        std::vector<std::string> lines;
        for (const std::string& tlid : c.tlids) lines.push_back(LinkLine(c.type, tlid));
        std::vector<std::string> chains = {Type1Line("20", "B11"), Type1Line("10", "A41")};
        caseJob.OpenText(RecordFile(chains));
        ReadType1Records();
        KeepLineEndsByTlid();
        caseJob.OpenText(RecordFile(lines), std::string("county.rt") + c.type);
        (c.type == '3' ? ReadType3Records : ReadTypeIRecords)();
        const std::string what = std::string(1, c.type) + " " + std::to_string(c.tlids.size());
        EXPECT_EQ(gConversionStatus, c.log.empty() ? 0 : -1) << what;
        EXPECT_EQ(caseJob.Log(), c.log) << what;
        EXPECT_FALSE(gRecordFile) << what;
        const bool countDiffers = c.tlids.size() != 2;
        EXPECT_EQ(gTableAllocated[c.type == '3' ? kType3Table : kTypeITable], countDiffers ? 0 : 1) << what;
    }
}

TEST_F(Conv1RecordsTest, TypeCKeepsItsOrderType5SortsByFeature) {
    job.OpenText(RecordFile({RecordLine(112).Put(1, "C").Put(53, "Zeta"), RecordLine(112).Put(1, "C").Put(53, "Alpha")}),
                 "county.rtc");
    ReadTypeCRecords();
    ASSERT_EQ(gTypeCCount, 2);
    EXPECT_EQ(std::string(gTypeCRecords[0].NAME, 4), "Zeta");
    EXPECT_EQ(job.TakeStatuses(), std::vector<std::string>{"Reading"});

    job.OpenText(RecordFile({RecordLine(52).Put(1, "5").PutRight(14, "900"), RecordLine(52).Put(1, "5").PutRight(14, "80")}),
                 "county.rt5");
    ReadType5Records();
    EXPECT_STREQ(gType5Records[0].FEAT, "      80");
    EXPECT_EQ(job.TakeStatuses(), (std::vector<std::string>{"Reading", "Sorting"}));
}

// --- Sort keys ----------------------------------------------------------------

TEST(Conv1RecordOrderTest, KeysAreTheFormattedTexts) {
    // "%10s%3s" right-justifies a text that a NUL cut short.
    const Type2Record cut{"9", "  1", {}}, full{"1000000000", "  0", {}};
    EXPECT_EQ(CompareTlidRtsq(cut, full), -1);
    EXPECT_EQ(CompareTlidRtsq(full, cut), 1);
    EXPECT_TRUE(tigercore::KeyBefore(TlidRtsqKey(cut), TlidRtsqKey(full)));
    // "%s%s" joins the two texts as they are: "12345678901" after "123450000000000".
    const Type8Record joined{0, 0, 0, "1", "2345678901", 0}, plain{0, 0, 0, "12345", "0000000000", 0};
    EXPECT_EQ(CompareType8Records(joined, plain), 1);
    EXPECT_TRUE(tigercore::KeyBefore(CenidPolyidKey(plain), CenidPolyidKey(joined)));
    EXPECT_EQ(CompareType8Records(plain, plain), 0);
}

}  // namespace
