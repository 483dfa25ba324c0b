// The record store of the 2002-2006 editions: field extractors, the parsers
// of every record type, the readers with their specials and failures, and
// the sort orders.
#include "conv2/job_state.h"
#include "tigercore/record_fields.h"
#include "conv2/record_order.h"
#include "conv2/record_parsers.h"
#include "conv2/record_store.h"
#include "conv2/stages.h"
#include "platform/files.h"
#include "support/record_job.h"
#include "support/record_line.h"
#include "support/temp_dir.h"
#include "support/text_checks.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

using namespace vornak2;
using testsupport::RecordFile;
using testsupport::RecordJob;
using testsupport::kLineEnds;
using testsupport::RecordLine;

namespace {

// Parses `line` into row `row` of a table of `rows` rows.
template <typename Row>
void ParseInto(std::vector<Row>& table, void (*parse)(int), const std::string& line, int row = 0, int rows = 1) {
    table.assign(static_cast<size_t>(rows), Row{});
    tigercore::LoadLineBuffer(line);
    parse(row);
}

std::string Type1Line(const std::string& tlid, const std::string& cfcc, const std::string& version = "1003") {
    return RecordLine(228).Put(1, "1").Put(2, version).PutRight(15, tlid).Put(56, cfcc).Put(191, kLineEnds);
}

std::string TypeILine(const std::string& tlid) { return RecordLine(127).Put(1, "I1003").PutRight(20, tlid); }

class RecordsTest : public ::testing::Test {
protected:
    testsupport::TempDir dir;
    RecordJob job{dir.path()};
};

// --- Field extractors ---------------------------------------------------

TEST(RecordFieldsTest, ScanFieldReadsABlankColumnAsZero) {
    int number = 7;
    tigercore::ScanField(" ", 1, number);
    EXPECT_EQ(number, 0);
    char c = 'x';
    tigercore::ScanField(" ", 1, c);
    EXPECT_EQ(c, '0');
    // A wider blank field converts nothing: the destination keeps its value.
    number = 0;
    tigercore::ScanField("     ", 5, number);
    EXPECT_EQ(number, 0);
    double degrees = 0.0;
    tigercore::ScanField("          ", 10, degrees);
    EXPECT_EQ(degrees, 0.0);
    number = 5;
    tigercore::ScanField("  ab ", 5, number);
    EXPECT_EQ(number, 5);
}

TEST(RecordFieldsTest, ScanFieldReadsOnlyItsColumns) {
    int number = 0;
    tigercore::ScanField(" 12345678", 4, number);  // " 123"
    EXPECT_EQ(number, 123);
    tigercore::ScanField("-0042xyz", 8, number);
    EXPECT_EQ(number, -42);
    char c = 0;
    tigercore::ScanField("12345", 5, c);
    EXPECT_EQ(c, '1');
    tigercore::ScanField("  345", 5, c);  // white space is a character for "%c"
    EXPECT_EQ(c, ' ');
    double d = 0.0;
    tigercore::ScanField(" -87654321+42", 10, d);
    EXPECT_EQ(d, -87654321.0);
    tigercore::ScanField("+000000000", 10, d);
    EXPECT_EQ(d, 0.0);
    tigercore::ScanField("  1.5e3   ", 10, d);  // not the usual form: the library conversion
    EXPECT_EQ(d, 1500.0);
    tigercore::ScanField("12\0" "45", 5, number);  // stops at a NUL
    EXPECT_EQ(number, 12);
}

TEST(RecordFieldsTest, TenDigitNumbersDoNotOverflow) {
    long long land = 0;
    tigercore::ScanField("4000000000", 10, land);
    EXPECT_EQ(land, 4000000000LL);
    tigercore::ScanField("9999999999", 10, land);
    EXPECT_EQ(land, 9999999999LL);
    int small = 0;
    tigercore::ScanField("9999999999", 10, small);  // held at the limit, never wrapped
    EXPECT_EQ(small, 2147483647);
    tigercore::ScanField("-9999999999", 11, small);
    EXPECT_EQ(small, -2147483647 - 1);
}

TEST(RecordFieldsTest, CopyFieldCopiesExactlyItsWidth) {
    char name[31];
    tigercore::CopyField("Main                          St  ", 30, name);
    EXPECT_EQ(std::string(name), "Main                          ");
    EXPECT_EQ(std::strlen(name), 30u);
    char few[4] = "abc";
    tigercore::CopyField("xyz", 0, few);
    EXPECT_STREQ(few, "");
    char withEnd[4];
    tigercore::CopyField("a\nb", 3, withEnd);
    EXPECT_EQ(std::string(withEnd, 3), "a\nb");
}

TEST(RecordFieldsTest, LineBufferIsPaddedWithBlanks) {
    tigercore::LoadLineBuffer(std::string(200, 'x'));
    tigercore::LoadLineBuffer("short");
    EXPECT_EQ(std::string(tigercore::gLineBuffer, 5), "short");
    EXPECT_EQ(std::string(tigercore::gLineBuffer + 5), std::string(tigercore::kRecordLineLength - 5, ' '));
    tigercore::LoadLineBuffer(std::string(300, 'y'));
    EXPECT_EQ(std::strlen(tigercore::gLineBuffer), static_cast<size_t>(tigercore::kRecordLineLength));
}

// --- Parsers ------------------------------------------------------------

TEST_F(RecordsTest, TypeIParserReadsLinksAndLeavesLandmarkSidesZero) {
    RecordLine line(127);
    line.Put(1, "I1105").Put(6, "25025").PutRight(20, "85719578").PutRight(30, "64683784").PutRight(40, "64683786");
    line.Put(41, "c3454").PutRight(55, "6683").Put(56, "c3455").PutRight(70, "23").Put(71, "SOURCE1234");
    line.Put(81, "FTSEG-0123456789X").Put(98, "RSI1-ABCDE").Put(108, "RSI2-ABCDE").Put(118, "RSI3-ABCDE");
    ParseInto(gTypeIRecords, ParseTypeILine, line);
    const TypeIRecord& r = gTypeIRecords[0];
    EXPECT_EQ(r.RT, 'I');
    EXPECT_EQ(r.VERSION, 1105);
    EXPECT_EQ(r.FILE, 25025);
    EXPECT_STREQ(r.TLID, "  85719578");
    EXPECT_STREQ(r.TZIDS, "  64683784");
    EXPECT_STREQ(r.TZIDE, "  64683786");
    EXPECT_STREQ(r.CENIDL, "c3454");
    EXPECT_STREQ(r.POLYIDL, "      6683");
    EXPECT_STREQ(r.CENIDR, "c3455");
    EXPECT_STREQ(r.POLYIDR, "        23");
    EXPECT_STREQ(r.SOURCE, "SOURCE1234");
    EXPECT_STREQ(r.FTSEG, "FTSEG-0123456789X");
    EXPECT_STREQ(r.RS_I1, "RSI1-ABCDE");
    EXPECT_STREQ(r.RS_I2, "RSI2-ABCDE");
    EXPECT_STREQ(r.RS_I3, "RSI3-ABCDE");
    EXPECT_EQ(r.leftLandmarkRow, 0);
    EXPECT_EQ(r.rightLandmarkRow, 0);
}

TEST_F(RecordsTest, ZeroCellAndOverpassParsers) {
    ParseInto(gTypeTRecords, ParseTypeTLine,
              RecordLine().Put(1, "T1105").Put(6, "25025").PutRight(20, "81043223").Put(21, "SRC-456789")
                  .Put(31, "FTRP-678901234567"));
    const TypeTRecord& t = gTypeTRecords[0];
    EXPECT_EQ(t.FILE, 25025);
    EXPECT_STREQ(t.TZID, "  81043223");
    EXPECT_STREQ(t.SOURCE, "SRC-456789");
    EXPECT_STREQ(t.FTRP, "FTRP-678901234567");

    ParseInto(gTypeURecords, ParseTypeULine,
              RecordLine().Put(1, "U1105").Put(6, "25025").PutRight(20, "81043223").Put(21, "2")
                  .PutRight(31, "11").PutRight(41, "12").PutRight(51, "13").PutRight(61, "14")
                  .Put(62, " -71065432+42354321"));
    const TypeURecord& u = gTypeURecords[0];
    EXPECT_STREQ(u.TZID, "  81043223");
    EXPECT_EQ(u.RTSQ, 2);
    EXPECT_STREQ(u.TLIDOV1, "        11");
    EXPECT_STREQ(u.TLIDOV2, "        12");
    EXPECT_STREQ(u.TLIDUN1, "        13");
    EXPECT_STREQ(u.TLIDUN2, "        14");
    EXPECT_DOUBLE_EQ(u.FRLONG, -71.065432);
    EXPECT_DOUBLE_EQ(u.FRLAT, 42.354321);
}

TEST_F(RecordsTest, TypeCParserReadsTheLaterColumnsFrom2003On) {
    RecordLine line(122);
    line.Put(1, "C1105").Put(6, "25025").Put(11, "2000").Put(15, "07000").Put(20, "C5").Put(22, "9").Put(23, "25");
    line.Put(25, "M").Put(26, "1122").Put(30, "00310").Put(35, "1234").Put(39, "000301").Put(45, "09271");
    line.Put(50, "123").Put(53, "148").Put(56, "14460").Put(61, "3").Put(63, "Boston");
    gEditionCode = 104;
    ParseInto(gTypeCRecords, ParseTypeCLine, line);
    const TypeCRecord& c = gTypeCRecords[0];
    EXPECT_EQ(c.RT, 'C');
    EXPECT_EQ(c.VERSION, 1105);
    EXPECT_STREQ(c.STATE, "25");
    EXPECT_STREQ(c.COUNTY, "025");
    EXPECT_STREQ(c.DATAYR, "2000");
    EXPECT_STREQ(c.FIPS, "07000");
    EXPECT_STREQ(c.FIPSCC, "C5");
    EXPECT_EQ(c.PLACEDC, '9');
    EXPECT_STREQ(c.LSADC, "25");
    EXPECT_EQ(c.ENTITY, 'M');
    EXPECT_STREQ(c.MA, "1122");
    EXPECT_STREQ(c.SD, "00310");
    EXPECT_STREQ(c.AIANHH, "1234");
    EXPECT_STREQ(c.VTDTRACT, "000301");
    EXPECT_STREQ(c.UAUGA, "09271");
    EXPECT_STREQ(c.AITSCE, "123");
    EXPECT_EQ(std::string(c.NAME), "Boston" + std::string(54, ' '));
    EXPECT_STREQ(c.CSACNECTA, "");
    EXPECT_STREQ(c.CBSANECTA, "");
    EXPECT_EQ(c.COMMREG, 0);

    for (int edition : {105, 106}) {
        gEditionCode = edition;
        ParseInto(gTypeCRecords, ParseTypeCLine, line);
        EXPECT_STREQ(gTypeCRecords[0].CSACNECTA, "148") << edition;
        EXPECT_STREQ(gTypeCRecords[0].CBSANECTA, "14460") << edition;
        EXPECT_EQ(gTypeCRecords[0].COMMREG, 3) << edition;
    }
}

// A type A line with every column of every edition filled.
std::string FullTypeALine(char indicator) {
    RecordLine line(210);
    line.Put(1, "A1105").Put(6, "25025").Put(11, "c3454").PutRight(25, "3").Put(26, "25025100602");
    line.Put(37, "1018").Put(41, "AB").Put(43, "12345").Put(48, "6789").Put(52, std::string(1, indicator));
    line.Put(53, "ANRC1").Put(58, "AT1").Put(61, "AITS1").Put(66, "CONC1").Put(71, "07000").Put(76, "SUBM1");
    line.Put(81, "07001").Put(86, "SDEL1").Put(91, "SDSE1").Put(96, "SDUN1").Put(101, "1120").Put(105, "1123");
    line.Put(109, "5350").Put(113, "09").Put(115, "02108").Put(120, "021").Put(123, "xxxxxx").Put(129, "007");
    line.Put(132, "008").Put(135, std::string(17, 'y')).Put(152, "14460").Put(157, "148").Put(160, "71650");
    line.Put(165, "715").Put(168, "14484").Put(173, "71654").Put(178, "zzzz").Put(182, "09271").Put(187, "U");
    return line;
}

TEST_F(RecordsTest, TypeAParserReadsEachEditionsColumns) {
    struct Expect {
        int edition;
        const char *msa, *pmsa, *necma, *zcta5, *zcta3, *sldu, *sldl, *cbsa, *nectadiv, *ua;
        char ur;
    };
    const Expect cases[] = {
        {104, "1120", "1123", "5350", "", "", "", "", "", "", "", 0},
        {105, "", "", "", "02108", "021", "", "", "14460", "71654", "", 0},
        {106, "", "", "", "02108", "021", "007", "008", "14460", "71654", "09271", 'U'},
    };
    for (const Expect& e : cases) {
        gEditionCode = e.edition;
        ParseInto(gTypeARecords, ParseTypeALine, FullTypeALine('T'));
        const TypeARecord& a = gTypeARecords[0];
        SCOPED_TRACE(e.edition);
        EXPECT_EQ(a.RT, 'A');
        EXPECT_EQ(a.VERSION, 1105);
        EXPECT_EQ(a.FILE, 25025);
        EXPECT_STREQ(a.CENID, "c3454");
        EXPECT_STREQ(a.POLYID, "         3");
        EXPECT_STREQ(a.STATECU, "25");
        EXPECT_STREQ(a.COUNTYCU, "025");
        EXPECT_STREQ(a.TRACTCU, "100602");
        EXPECT_STREQ(a.BLOCKCU, "1018");
        EXPECT_EQ(a.BLOCKSUFCU, 'A');
        EXPECT_EQ(a.RS_A1, 'B');
        EXPECT_STREQ(a.AIANHHFPCU, "12345");
        EXPECT_STREQ(a.AIANHHCU, "6789");
        EXPECT_EQ(a.AIHHTLICU, 'T');
        EXPECT_STREQ(a.ANRCCU, "ANRC1");
        EXPECT_STREQ(a.AITSCECU, "AT1");
        EXPECT_STREQ(a.AITSCU, "AITS1");
        EXPECT_STREQ(a.CONCITCU, "CONC1");
        EXPECT_STREQ(a.COUSUBCU, "07000");
        EXPECT_STREQ(a.SUBMCDCU, "SUBM1");
        EXPECT_STREQ(a.PLACECU, "07001");
        EXPECT_STREQ(a.SDELMCU, "SDEL1");
        EXPECT_STREQ(a.SDSECCU, "SDSE1");
        EXPECT_STREQ(a.SDUNICU, "SDUN1");
        EXPECT_STREQ(a.MSACMASCU, e.msa);
        EXPECT_STREQ(a.PMSACU, e.pmsa);
        EXPECT_STREQ(a.NECMACU, e.necma);
        EXPECT_STREQ(a.CDCU, "09");
        EXPECT_STREQ(a.ZCTA5CU, e.zcta5);
        EXPECT_STREQ(a.ZCTA3CU, e.zcta3);
        EXPECT_STREQ(a.SLDUCU, e.sldu);
        EXPECT_STREQ(a.SLDLCU, e.sldl);
        EXPECT_STREQ(a.CBSACU, e.cbsa);
        EXPECT_STREQ(a.NECTADIVCU, e.nectadiv);
        EXPECT_STREQ(a.UACU, e.ua);
        EXPECT_EQ(a.URCU, e.ur);
        // The columns no field reads leave their bytes zero.
        EXPECT_EQ(std::string(a.unreadColumns1, sizeof a.unreadColumns1), std::string(sizeof a.unreadColumns1, '\0'));
        EXPECT_EQ(std::string(a.unreadColumns2, sizeof a.unreadColumns2), std::string(sizeof a.unreadColumns2, '\0'));
    }
    gEditionCode = 105;
    ParseInto(gTypeARecords, ParseTypeALine, FullTypeALine('T'));
    EXPECT_STREQ(gTypeARecords[0].CSACU, "148");
    EXPECT_STREQ(gTypeARecords[0].NECTACU, "71650");
    EXPECT_STREQ(gTypeARecords[0].CNECTACU, "715");
    EXPECT_STREQ(gTypeARecords[0].METDIVCU, "14484");
}

TEST_F(RecordsTest, TrustLandIndicatorsKeepOnlyTIAndH) {
    for (char c : {'T', 'I', 'H', 'R', ' ', 'x'}) {
        ParseInto(gTypeARecords, ParseTypeALine, FullTypeALine(c));
        char kept = (c == 'T' || c == 'I' || c == 'H') ? c : ' ';
        EXPECT_EQ(gTypeARecords[0].AIHHTLICU, kept) << c;
        EXPECT_STREQ(gTypeARecords[0].ANRCCU, "ANRC1") << c;  // later fields still read
        EXPECT_STREQ(gTypeARecords[0].SDUNICU, "SDUN1") << c;

        RecordLine s(168);
        s.Put(1, "S").Put(51, std::string(1, c)).Put(52, "ANRC0");
        ParseInto(gTypeSRecords, ParseTypeSLine, s);
        EXPECT_EQ(gTypeSRecords[0].AIHHTLI00, kept) << c;
        EXPECT_STREQ(gTypeSRecords[0].ANRC00, "ANRC0");

        RecordLine b(90);
        b.Put(1, "B").Put(51, std::string(1, c)).Put(52, "ANRCQ");
        ParseInto(gTypeBRecords, ParseTypeBLine, b);
        EXPECT_EQ(gTypeBRecords[0].AIHHTLICQ, kept) << c;
        EXPECT_STREQ(gTypeBRecords[0].ANRCCQ, "ANRCQ");
    }
}

TEST_F(RecordsTest, TypeSParserReadsEveryColumn) {
    // Real 2005 type S line (Suffolk County), columns as published.
    const std::string line =
        "S110525025c3454         32502510060210181                            07000     07000          "
        "027901122112011230909033042509002122021            09271U  1749 35137     ";
    ParseInto(gTypeSRecords, ParseTypeSLine, line);
    const TypeSRecord& s = gTypeSRecords[0];
    EXPECT_EQ(s.FILE, 25025);
    EXPECT_STREQ(s.CENID, "c3454");
    EXPECT_STREQ(s.POLYID, "         3");
    EXPECT_STREQ(s.STATE00, "25");
    EXPECT_STREQ(s.COUNTY00, "025");
    EXPECT_STREQ(s.TRACT00, "100602");
    EXPECT_STREQ(s.BLOCK00, "1018");
    EXPECT_EQ(s.BLKGRP00, '1');
    EXPECT_STREQ(s.AIANHHFP00, "     ");
    EXPECT_EQ(s.AIHHTLI00, ' ');
    EXPECT_STREQ(s.COUSUB00, "07000");
    EXPECT_STREQ(s.PLACE00, "07000");
    EXPECT_STREQ(s.SDUNI00, "02790");
    EXPECT_STREQ(s.MSACMAS00, "1122");
    EXPECT_STREQ(s.PMSA00, "1120");
    EXPECT_STREQ(s.NECMA00, "1123");
    EXPECT_STREQ(s.CD106, "09");
    EXPECT_STREQ(s.CD108, "09");
    EXPECT_STREQ(s.PUMA5, "03304");
    EXPECT_STREQ(s.PUMA1, "25090");
    EXPECT_STREQ(s.ZCTA00, "02122");
    EXPECT_STREQ(s.ZCTA300, "021");
    EXPECT_STREQ(s.TAZ, "      ");
    EXPECT_STREQ(s.UA, "09271");
    EXPECT_EQ(s.UR, 'U');
    EXPECT_STREQ(s.VTD, "  1749");
    EXPECT_STREQ(s.SLDU, " 35");
    EXPECT_STREQ(s.SLDL, "137");
    EXPECT_STREQ(s.UGA, "     ");
}

TEST_F(RecordsTest, PolygonLocationCorrectionAndEconomicParsers) {
    ParseInto(gTypePRecords, ParseTypePLine, RecordLine().Put(1, "P110525025c3454").PutRight(25, "2")
                                                 .Put(26, " -70737888+423924871"));
    const TypePRecord& p = gTypePRecords[0];
    EXPECT_EQ(p.FILE, 25025);
    EXPECT_STREQ(p.CENID, "c3454");
    EXPECT_STREQ(p.POLYID, "         2");
    EXPECT_DOUBLE_EQ(p.POLYLONG, -70.737888);
    EXPECT_DOUBLE_EQ(p.POLYLAT, 42.392487);
    EXPECT_EQ(p.WATER, 1);

    RecordLine b(98);
    b.Put(1, "B110525025c3454").PutRight(25, "17").Put(26, "25025100602").Put(37, "1018A").Put(42, "12345");
    b.Put(47, "6789").Put(51, "I").Put(52, "ANRCQ").Put(57, "AT2").Put(60, "AITS2").Put(65, "CONC2").Put(70, "07000");
    b.Put(75, "SUBM2").Put(80, "07001").Put(85, "09271").Put(90, "U");
    ParseInto(gTypeBRecords, ParseTypeBLine, b);
    const TypeBRecord& q = gTypeBRecords[0];
    EXPECT_STREQ(q.POLYID, "        17");
    EXPECT_STREQ(q.STATECQ, "25");
    EXPECT_STREQ(q.COUNTYCQ, "025");
    EXPECT_STREQ(q.TRACTCQ, "100602");
    EXPECT_STREQ(q.BLOCKCQ, "1018A");
    EXPECT_STREQ(q.AIANHHFPCQ, "12345");
    EXPECT_STREQ(q.AIANHHCQ, "6789");
    EXPECT_EQ(q.AIHHTLICQ, 'I');
    EXPECT_STREQ(q.AITSCECQ, "AT2");
    EXPECT_STREQ(q.AITSCQ, "AITS2");
    EXPECT_STREQ(q.CONCITCQ, "CONC2");
    EXPECT_STREQ(q.COUSUBCQ, "07000");
    EXPECT_STREQ(q.SUBMCDCQ, "SUBM2");
    EXPECT_STREQ(q.PLACECQ, "07001");
    EXPECT_STREQ(q.UACC, "09271");
    EXPECT_EQ(q.URCC, 'U');

    ParseInto(gTypeERecords, ParseTypeELine,
              RecordLine().Put(1, "E110525025c3454").PutRight(25, "3").Put(26, "25025").Put(31, "9999999999")
                  .Put(41, "07000").Put(46, "8888888888").Put(56, "4"));
    const TypeERecord& e = gTypeERecords[0];
    EXPECT_STREQ(e.STATEEC, "25");
    EXPECT_STREQ(e.COUNTYEC, "025");
    EXPECT_STREQ(e.PLACEEC, "07000");
    EXPECT_EQ(e.COMREGEC, 4);
}

TEST_F(RecordsTest, MetadataParser) {
    ParseInto(gTypeMRecords, ParseTypeMLine,
              RecordLine().Put(1, "M1105").PutRight(15, "85719578").PutRight(18, "1").Put(19, "SOURCEID01")
                  .Put(29, "ID-34567890123456").Put(47, "F"));
    const TypeMRecord& m = gTypeMRecords[0];
    EXPECT_EQ(m.RT, 'M');
    EXPECT_STREQ(m.TLID, "  85719578");
    EXPECT_STREQ(m.RTSQ, "  1");
    EXPECT_STREQ(m.SOURCEID, "SOURCEID01");
    EXPECT_STREQ(m.ID, "ID-34567890123456 ");
    EXPECT_EQ(m.IDFLAG, 'F');
}

// --- Readers ------------------------------------------------------------

TEST_F(RecordsTest, ShortLinesAreDamagedAndCrLfIsNoPartOfARecord) {
    // A whole record with CR LF, then one that ends before ZIP4R, then one
    // cut by the end of the file.
    job.OpenText("Z1105  85720052  04410   0\r\nZ1105  85720053  1\r\n", "county.rtz");
    ReadTypeZRecords();
    EXPECT_EQ(gConversionStatus, -1);
    EXPECT_STREQ(gTypeZRecords[0].ZIP4R, "   0");
    EXPECT_EQ(job.Log(), "ERROR in type Z record 2: 18 characters, fewer than the 26 its fields need\n");
    EXPECT_FALSE(gRecordFile);

    gConversionStatus = 0;
    job.OpenText("Z1105  85720052  04410   0\nZ1105  85720053  04410", "county.rtz");
    ReadTypeZRecords();
    EXPECT_EQ(gConversionStatus, -1);
    EXPECT_HAS(job.Log(), "ERROR in type Z record 2: the file ends inside the record (22 of 26 characters)\n");
}

TEST_F(RecordsTest, EndOfFileMarksAreNoRecords) {
    const std::string line = "T1105250259999999999" + std::string(27, ' ');  // a whole type T record
    struct Case {
        std::string text;
        int count;
    };
    const Case cases[] = {
        {line + "\n" + line, 2},                // no final line end
        {line + "\r\n" + line + "\r\n\x1a", 2},  // Ctrl-Z after the last line
        {line + "\n\n", 1},                     // an empty last line
        {line + "\r\n\r\n\x1a", 1},
        {line + "\n\n" + line + "\n", 3},       // an empty line inside is a (blank) record
        {"\x1a", 0},
        {"\n", 0},
        {line + "\r\n" + line + "\x1a", 2},  // Ctrl-Z right after the last record
        {line + "\x1a\r\x1a", 1},
    };
    for (const Case& c : cases) {
        const size_t before = job.Log().size();
        job.OpenText(c.text, "county.rtt");
        ReadTypeTRecords();
        EXPECT_EQ(gTypeTCount, c.count) << testing::PrintToString(c.text);
        EXPECT_EQ(gTypeTRecords.size(), static_cast<size_t>(c.count));
        EXPECT_LACKS(job.Log().substr(before), "more than the 47");  // no mark kept in a record
    }
}

// A line longer than the line buffer, or than a whole block of the file, is
// one line of its real length (a damaged record), and the line after it
// still counts.
TEST_F(RecordsTest, ALineLongerThanABlockIsOneDamagedRecord) {
    for (const size_t extra : {size_t{400}, size_t{5} << 20}) {
        const std::string longLine = "T1105250259999999999" + std::string(extra, 'x');
        job.OpenText(longLine + "\r\nT1105250258888888888" + std::string(27, ' ') + "\x1a", "county.rtt");
        const size_t before = job.Log().size();
        ReadTypeTRecords();
        EXPECT_EQ(gTypeTCount, 2);
        EXPECT_EQ(job.Log().substr(before), "ERROR in type T record 1: " + std::to_string(20 + extra) +
                                                " characters, more than the 47 of its record type\n");
    }
}

TEST_F(RecordsTest, EmptyFilesGiveEmptyTablesAndTheCountyGoesOn) {
    job.OpenText("", "county.rt1");
    ReadType1Records();
    job.OpenText("", "county.rt2");
    ReadType2Records();
    job.OpenText("", "county.rti");
    ReadTypeIRecords();
    job.OpenText("", "county.rtm");
    ReadTypeMRecords();
    EXPECT_EQ(gConversionStatus, 0);
    EXPECT_EQ(gType1Count, 0);
    EXPECT_EQ(gType2Count, 0);
    EXPECT_EQ(gTypeICount, 0);
    EXPECT_EQ(gTypeMCount, 0);
    EXPECT_TRUE(gType1Records.empty());
    for (unsigned char mark : gTableAllocated) EXPECT_EQ(mark, 0);
    EXPECT_FALSE(gRecordFile);
    EXPECT_EQ(gMaxRtsq, 0);
    EXPECT_FALSE(testsupport::Exists(dir / "date.txt"));
    EXPECT_EQ(job.Log(), "");
}

TEST_F(RecordsTest, FirstType1RowWritesDateFileAndEditionNote) {
    job.OpenText(RecordFile({Type1Line("2", "A41", "1003"), Type1Line("1", "A41", "9999")}, "\n"));
    ReadType1Records();
    EXPECT_EQ(testsupport::ReadFile(dir / "date.txt"), "1003");
    EXPECT_EQ(job.Log(), "Second Edition TIGER 2004\n");
}

TEST_F(RecordsTest, DateFileThatCannotBeWrittenIsLoggedAndPassedOver) {
    ASSERT_TRUE(platform::MakeDirectory(dir / "date.txt"));
    job.OpenText(RecordFile({Type1Line("2", "A41", "1003")}, "\n"));
    ReadType1Records();
    EXPECT_EQ(gConversionStatus, 0);
    EXPECT_EQ(gType1Count, 1);
    EXPECT_EQ(job.Log(), "Could not create version file " + (dir / "date.txt") +
                             " (Is a directory)\nSecond Edition TIGER 2004\n");
}

TEST(RecordReaderNoteTest, BlankVersionAndFirstEdition) {
    testsupport::TempDir dir;
    RecordJob job(dir.path(), 104, false);
    job.OpenText(Type1Line("1", "A41", "    ") + "\n");
    ReadType1Records();
    EXPECT_EQ(testsupport::ReadFile(dir / "date.txt"), "0000");
    EXPECT_EQ(job.Log(), "First Edition TIGER 2004\n");
}

TEST_F(RecordsTest, TypeICountMustEqualType1Count) {
    job.OpenText(RecordFile({Type1Line("1", "A41"), Type1Line("2", "A41")}, "\n"));
    ReadType1Records();
    ASSERT_EQ(gType1Count, 2);
    for (int lines : {1, 3}) {
        gConversionStatus = 0;
        std::vector<std::string> rows;
        for (int k = 1; k <= lines; ++k) rows.push_back(TypeILine(std::to_string(k)));
        job.OpenText(RecordFile(rows, "\n"), "county.rti");
        ReadTypeIRecords();
        EXPECT_EQ(gConversionStatus, -1) << lines;
        EXPECT_EQ(gTypeICount, 0) << lines;
        EXPECT_TRUE(gTypeIRecords.empty()) << lines;
        EXPECT_EQ(gTableAllocated[kTypeITable], 0) << lines;
        EXPECT_FALSE(gRecordFile) << lines;
    }
    EXPECT_EQ(job.Log(),
              "Second Edition TIGER 2004\n"
              "\nTIGER ERROR-The number of Type I records does not equal the number of Type 1 Records\n"
              "\nTIGER ERROR-The number of Type I records does not equal the number of Type 1 Records\n");
}

TEST_F(RecordsTest, TypeIMustDescribeTheSameLinesAsType1) {
    // Type 1 sorted by class, type I by TLID: the lines are compared by TLID.
    job.OpenText(RecordFile({Type1Line("30", "A41"), Type1Line("10", "B11"), Type1Line("20", "A41")}, "\n"));
    ReadType1Records();
    job.OpenText(RecordFile({TypeILine("20"), TypeILine("10"), TypeILine("30")}, "\n"), "county.rti");
    ReadTypeIRecords();
    EXPECT_EQ(gConversionStatus, 0);
    EXPECT_STREQ(gTypeIRecords[0].TLID, "        10");
    EXPECT_STREQ(gTypeIRecords[2].TLID, "        30");

    job.OpenText(RecordFile({TypeILine("20"), TypeILine("10"), TypeILine("25")}, "\n"), "county.rti");
    ReadTypeIRecords();
    EXPECT_EQ(gConversionStatus, -1);
    EXPECT_EQ(job.Log(),
              "Second Edition TIGER 2004\n"
              "\nTIGER ERROR-Type I and Type 1 records do not describe the same lines, TLID 25\n");
}

TEST_F(RecordsTest, AReadErrorIsLoggedAndClosesTheFile) {
    // A directory opens as a stream but cannot be read.
    gRecordFile = platform::FilePtr(std::fopen(dir.path().c_str(), "r"));
    ASSERT_TRUE(gRecordFile);
    ReadType2Records();
    EXPECT_EQ(gConversionStatus, -1);
    EXPECT_FALSE(gRecordFile);
    EXPECT_EQ(job.Log(), "ERROR reading type 2 records (is a directory)\n");
}

TEST_F(RecordsTest, TypeCKeepsFileOrderAndTypePSortsByPolyidFirst) {
    job.OpenText(RecordFile({RecordLine(122).Put(1, "C1105").Put(63, "Zeta").str(),
                             RecordLine(122).Put(1, "C1105").Put(63, "Alpha").str()}, "\n"),
                 "county.rtc");
    ReadTypeCRecords();
    ASSERT_EQ(gTypeCCount, 2);
    EXPECT_EQ(std::string(gTypeCRecords[0].NAME, 4), "Zeta");
    EXPECT_EQ(std::string(gTypeCRecords[1].NAME, 5), "Alpha");

    // POLYID 3 of CENID 00001 after POLYID 2 of CENID 12345.
    job.OpenText(RecordFile({RecordLine(45).Put(1, "P1105").Put(11, "00001").PutRight(25, "3").str(),
                             RecordLine(45).Put(1, "P1105").Put(11, "12345").PutRight(25, "2").str()}, "\n"),
                 "county.rtp");
    ReadTypePRecords();
    ASSERT_EQ(gTypePCount, 2);
    EXPECT_STREQ(gTypePRecords[0].CENID, "12345");
    EXPECT_STREQ(gTypePRecords[1].CENID, "00001");
}

TEST_F(RecordsTest, ReleaseClearsEveryTableMarkAndCount) {
    job.OpenText(RecordFile({Type1Line("1", "A41")}, "\n"));
    ReadType1Records();
    job.OpenText(RecordFile({RecordLine().Put(1, "M1105").PutRight(15, "1").str()}, "\n"), "county.rtm");
    ReadTypeMRecords();
    ASSERT_EQ(gTableAllocated[kType1Table], 1);
    ASSERT_EQ(gTypeMCount, 1);
    job.OpenText("", "left.open");  // a file a failed reader might leave open
    ReleaseRecordStore();
    EXPECT_FALSE(gRecordFile);
    EXPECT_TRUE(gType1Records.empty());
    EXPECT_TRUE(gTypeMRecords.empty());
    EXPECT_EQ(gType1Count, 0);
    EXPECT_EQ(gTypeMCount, 0);
    EXPECT_EQ(gTableAllocated[kType1Table], 0);
}

// --- Sort orders --------------------------------------------------------

// Two rows that differ only in their second key, given first in the wrong
// order, come out ordered by that key.
template <typename Row, typename Set>
void ExpectSecondKeyOrders(int (*compare)(const Row&, const Row&), SortKey (*keyOf)(const Row&), Set setKeys) {
    std::vector<Row> rows(2, Row{});
    setKeys(rows[0], true);   // the greater second key
    setKeys(rows[1], false);
    EXPECT_GT(compare(rows[0], rows[1]), 0);
    EXPECT_LT(compare(rows[1], rows[0]), 0);
    EXPECT_EQ(compare(rows[0], rows[0]), 0);
    // The sort key orders the same way.
    EXPECT_GT(std::memcmp(keyOf(rows[0]).bytes, keyOf(rows[1]).bytes, sizeof(SortKey)), 0);
    Row greater = rows[0];
    SortRecords(rows, compare, keyOf);
    EXPECT_EQ(std::memcmp(&rows[1], &greater, sizeof(Row)), 0);
}

TEST(RecordOrderTest, EveryComparisonOrdersBySecondKeyWhenTheFirstIsEqual) {
    ExpectSecondKeyOrders<Type1Record>(CompareType1Records, Type1ClassKey, [](Type1Record& r, bool hi) {
        r.lineClass = 'F';
        std::strcpy(r.TLID, hi ? "         9" : "         8");
    });
    ExpectSecondKeyOrders<Type2Record>(CompareTlidRtsq, TlidRtsqKey, [](Type2Record& r, bool hi) {
        std::strcpy(r.TLID, "        77");
        std::strcpy(r.RTSQ, hi ? "  2" : "  1");
    });
    ExpectSecondKeyOrders<Type4Record>(CompareTlidRtsq, TlidRtsqKey, [](Type4Record& r, bool hi) {
        std::strcpy(r.TLID, "        77");
        std::strcpy(r.RTSQ, hi ? " 10" : "  9");
    });
    ExpectSecondKeyOrders<Type6Record>(CompareTlidRtsq, TlidRtsqKey, [](Type6Record& r, bool hi) {
        std::strcpy(r.TLID, "        77");
        std::strcpy(r.RTSQ, hi ? "  2" : "  1");
    });
    ExpectSecondKeyOrders<TypeZRecord>(CompareTlidRtsq, TlidRtsqKey, [](TypeZRecord& r, bool hi) {
        std::strcpy(r.TLID, "        77");
        std::strcpy(r.RTSQ, hi ? "  2" : "  1");
    });
    ExpectSecondKeyOrders<TypeMRecord>(CompareTypeMRecords, TlidRtsqKey, [](TypeMRecord& r, bool hi) {
        std::strcpy(r.TLID, "        77");
        std::strcpy(r.RTSQ, hi ? "  2" : "  1");
    });
    ExpectSecondKeyOrders<TypeURecord>(CompareTypeURecords, TypeUKey, [](TypeURecord& r, bool hi) {
        std::strcpy(r.TZID, "        77");
        r.RTSQ = hi ? 10 : 9;  // as numbers
    });
    ExpectSecondKeyOrders<TypeARecord>(CompareTypeARecords, CenidPolyidKey, [](TypeARecord& r, bool hi) {
        std::strcpy(r.CENID, "c3454");
        std::strcpy(r.POLYID, hi ? "        10" : "         9");
    });
    ExpectSecondKeyOrders<TypeSRecord>(CompareTypeSRecords, CenidPolyidKey, [](TypeSRecord& r, bool hi) {
        std::strcpy(r.CENID, "c3454");
        std::strcpy(r.POLYID, hi ? "         2" : "         1");
    });
    ExpectSecondKeyOrders<TypeBRecord>(CompareTypeBRecords, CenidPolyidKey, [](TypeBRecord& r, bool hi) {
        std::strcpy(r.CENID, "c3454");
        std::strcpy(r.POLYID, hi ? "         2" : "         1");
    });
    ExpectSecondKeyOrders<Type8Record>(CompareType8Records, CenidPolyidKey, [](Type8Record& r, bool hi) {
        std::strcpy(r.CENID, "c3454");
        std::strcpy(r.POLYID, hi ? "         2" : "         1");
    });
    ExpectSecondKeyOrders<TypeERecord>(CompareTypeERecords, CenidPolyidKey, [](TypeERecord& r, bool hi) {
        std::strcpy(r.CENID, "c3454");
        std::strcpy(r.POLYID, hi ? "         2" : "         1");
    });
    ExpectSecondKeyOrders<TypePRecord>(CompareTypePRecords, PolyidCenidKey, [](TypePRecord& r, bool hi) {
        std::strcpy(r.POLYID, "         5");
        std::strcpy(r.CENID, hi ? "c3455" : "c3454");
    });
}

TEST(RecordOrderTest, FirstKeyDecidesBeforeTheSecond) {
    Type1Record a{}, b{};
    a.lineClass = 'B';
    std::strcpy(a.TLID, "         1");
    b.lineClass = 'A';
    std::strcpy(b.TLID, "         9");
    EXPECT_GT(CompareType1Records(a, b), 0);
    EXPECT_LT(CompareTextAt6(a, b), 0);  // the polygon stage's order: TLID alone

    TypeURecord u1{}, u2{};
    std::strcpy(u1.TZID, "         2");
    u1.RTSQ = 1;
    std::strcpy(u2.TZID, "         1");
    u2.RTSQ = 2;
    EXPECT_GT(CompareTypeURecords(u1, u2), 0);

    TypePRecord p1{}, p2{};
    std::strcpy(p1.CENID, "12345");
    std::strcpy(p1.POLYID, "         2");
    std::strcpy(p2.CENID, "00001");
    std::strcpy(p2.POLYID, "         3");
    EXPECT_LT(CompareTypePRecords(p1, p2), 0);

    TypeARecord a1{}, a2{};
    std::strcpy(a1.CENID, "00001");
    std::strcpy(a1.POLYID, "         3");
    std::strcpy(a2.CENID, "12345");
    std::strcpy(a2.POLYID, "         2");
    EXPECT_LT(CompareTypeARecords(a1, a2), 0);

    Type7Record l1{}, l2{};
    l1.LAND = 4000000000LL;  // beyond 32 bits, still ordered as a number
    l2.LAND = 5;
    EXPECT_GT(CompareType7Records(l1, l2), 0);
    Type5Record f1{}, f2{};
    std::strcpy(f1.FEAT, "      10");
    std::strcpy(f2.FEAT, "       9");
    EXPECT_GT(CompareType5Records(f1, f2), 0);
    TypeIRecord i1{}, i2{};
    std::strcpy(i1.TLID, "        10");
    std::strcpy(i2.TLID, "         9");
    EXPECT_GT(CompareTextAt12(i1, i2), 0);
    TypeTRecord t1{}, t2{};
    std::strcpy(t1.TZID, "        10");
    std::strcpy(t2.TZID, "         9");
    EXPECT_GT(CompareTextAt12(t1, t2), 0);
}

// The sort key of each order compares as its comparison does, also for the
// odd values: a NUL inside a text field, negative and large numbers.
TEST(RecordOrderTest, SortKeysOrderExactlyAsTheComparisons) {
    auto sign = [](int v) { return (v > 0) - (v < 0); };
    const char* tlids[] = {"        10", "         9", "       1\0" "0", "       1\0" "5", "       1  ", "       1\0\0"};
    std::vector<Type1Record> lines;
    for (char c : {'A', 'G', 'F'}) {
        for (const char* t : tlids) {
            Type1Record r{};
            r.lineClass = c;
            std::memcpy(r.TLID, t, 10);
            lines.push_back(r);
        }
    }
    for (const Type1Record& a : lines) {
        for (const Type1Record& b : lines) {
            EXPECT_EQ(sign(CompareType1Records(a, b)),
                      sign(std::memcmp(Type1ClassKey(a).bytes, Type1ClassKey(b).bytes, sizeof(SortKey))));
            EXPECT_EQ(sign(CompareTextAt6(a, b)),
                      sign(std::memcmp(Type1TlidKey(a).bytes, Type1TlidKey(b).bytes, sizeof(SortKey))));
        }
    }
    std::vector<Type7Record> marks;
    for (long long land : {-5000000000LL, -1LL, 0LL, 1LL, 2147483648LL, 9999999999LL}) {
        Type7Record r{};
        r.LAND = land;
        marks.push_back(r);
    }
    for (const Type7Record& a : marks) {
        for (const Type7Record& b : marks) {
            EXPECT_EQ(sign(CompareType7Records(a, b)),
                      sign(std::memcmp(LandKey(a).bytes, LandKey(b).bytes, sizeof(SortKey))));
        }
    }
    std::vector<TypeURecord> passes;
    for (int rtsq : {-3, 0, 2, 10}) {
        for (const char* tzid : {"         1", "         2"}) {
            TypeURecord r{};
            r.RTSQ = rtsq;
            std::strcpy(r.TZID, tzid);
            passes.push_back(r);
        }
    }
    for (const TypeURecord& a : passes) {
        for (const TypeURecord& b : passes) {
            EXPECT_EQ(sign(CompareTypeURecords(a, b)),
                      sign(std::memcmp(TypeUKey(a).bytes, TypeUKey(b).bytes, sizeof(SortKey))));
        }
    }
}

TEST(RecordOrderTest, EqualKeysKeepTheirFileOrder) {
    std::vector<Type8Record> rows(50, Type8Record{});
    for (int k = 0; k < 50; ++k) {
        std::strcpy(rows[static_cast<size_t>(k)].CENID, k % 2 ? "c0002" : "c0001");
        std::strcpy(rows[static_cast<size_t>(k)].POLYID, "         7");
        rows[static_cast<size_t>(k)].LAND = k;
    }
    SortRecords(rows, CompareType8Records, CenidPolyidKey);
    for (int k = 0; k < 25; ++k) {
        EXPECT_EQ(rows[static_cast<size_t>(k)].LAND, 2 * k);
        EXPECT_EQ(rows[static_cast<size_t>(25 + k)].LAND, 2 * k + 1);
    }
}

}  // namespace
