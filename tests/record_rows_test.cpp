// The record types both families lay out alike, read through each library's
// parser: the same line gives the same fields, except that the 1994-2000
// parsers leave the record head and the fields the older files do not carry
// unread.
#include "conv1/record_parsers.h"
#include "conv1/record_store.h"
#include "conv2/record_parsers.h"
#include "conv2/record_store.h"
#include "support/record_line.h"
#include "tigercore/record_fields.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using testsupport::Fields;
using testsupport::kLineEnds;
using testsupport::RecordLine;
using namespace tigercore::rows;

namespace {

std::string Blanks(size_t n) { return std::string(n, ' '); }

// One library's reading of a line: its table, its parser and the fields
// expected in the row.
template <typename Row>
struct Reading {
    const char* library;
    std::vector<Row>* table;
    void (*parse)(int);
    std::string expected;
};

// Parses `line` with each library's parser into row 1 of a two-row table
// (row 0 would also write the county's version) and compares the fields.
template <typename Row, typename FieldsOf>
void ExpectReadings(const std::string& line, std::initializer_list<Reading<Row>> readings, FieldsOf fieldsOf) {
    for (const Reading<Row>& r : readings) {
        r.table->assign(2, Row{});
        tigercore::gFieldFault.clear();
        tigercore::LoadLineBuffer(line);
        r.parse(1);
        EXPECT_EQ(fieldsOf((*r.table)[1]), r.expected) << r.library;
        EXPECT_EQ(tigercore::gFieldFault, "") << r.library;
    }
}

TEST(RecordRowsTest, Type1) {
    RecordLine line(228);
    line.Put(1, "11003").PutRight(15, "12345678").Put(16, "1").Put(18, "N Main").Put(50, "St  SWA41");
    line.PutRight(69, "101").PutRight(80, "199").PutRight(91, "100").PutRight(102, "198").Put(103, "1 09");
    line.Put(107, "0213402135").Put(117, "1234554321").Put(127, "T AB").Put(131, "2526025027");
    line.Put(141, "0700013205").Put(151, "1111122222").Put(161, "3333344444").Put(171, "010100020200");
    line.Put(183, "10012002").Put(191, "-087654321+42123456 -70000001+00000001");
    // A blank "%c" column reads as '0'; the class letter is the reader's.
    const std::string head = "  12345678|";
    const std::string body = "0|N |Main" + Blanks(26) + "|St  |SW|A41|        101|        199|        100|        198|1|0|0|9|02134|02135|";
    const std::string tail = "A|B|25|26|025|027|07000|13205|11111|22222|33333|44444|010100|020200|1001|2002|"
                             "-87.654321|42.123456|-70.000001|0.000001|@";
    ExpectReadings<Type1Record>(line,
                                {{"1994-2000", &vornak::gType1Records, vornak::ParseType1Line,
                                  head + "0|" + body + "||@|@|" + tail},
                                 {"2002-2006", &vornak2::gType1Records, vornak2::ParseType1Line,
                                  head + "1|" + body + "12345|54321|T|0|" + tail}},
                                [](const Type1Record& r) {
                                    return Fields({r.TLID, r.SIDE1, r.SOURCE, r.FEDIRP, r.FENAME, r.FETYPE, r.FEDIRS,
                                                   r.CFCC, r.FRADDL, r.TOADDL, r.FRADDR, r.TOADDR, r.FRIADDL,
                                                   r.TOIADDL, r.FRIADDR, r.TOIADDR, r.ZIPL, r.ZIPR, r.AIANHHFPL,
                                                   r.AIANHHFPR, r.AIHHTLIL, r.AIHHTLIR, r.CENSUS1, r.CENSUS2,
                                                   r.STATEL, r.STATER, r.COUNTYL, r.COUNTYR, r.COUSUBL, r.COUSUBR,
                                                   r.SUBMCDL, r.SUBMCDR, r.PLACEL, r.PLACER, r.TRACTL, r.TRACTR,
                                                   r.BLOCKL, r.BLOCKR, r.FRLONG, r.FRLAT, r.TOLONG, r.TOLAT,
                                                   r.lineClass});
                                });
}

TEST(RecordRowsTest, Type2) {
    RecordLine line(208);
    line.Put(1, "21003").PutRight(15, "85719682").PutRight(18, "2");
    line.Put(19, " -70658179+42376301 -70000000+40000000");
    for (int k = 3; k < 10; ++k) line.Put(19 + 19 * k, "+000000000+00000000");
    // Blank or zero points after the last end the list: all read as 0.
    std::string expected = "  85719682|  2|-70.658179|42.376301|-70.000000|40.000000";
    for (int k = 2; k < 10; ++k) expected += "|0.000000|0.000000";
    ExpectReadings<Type2Record>(line,
                                {{"1994-2000", &vornak::gType2Records, vornak::ParseType2Line, expected},
                                 {"2002-2006", &vornak2::gType2Records, vornak2::ParseType2Line, expected}},
                                [](const Type2Record& r) {
                                    std::string text = Fields({r.TLID, r.RTSQ});
                                    for (const shapeio::PointXY& p : r.points) text += "|" + Fields({p.x, p.y});
                                    return text;
                                });
}

TEST(RecordRowsTest, AlternateNamesAndAddresses) {
    // A full-width type 4 line with only FEAT1 and FEAT5 filled.
    const std::string names = "|  85694314|  1|    5100|        |        |        |   55555";
    ExpectReadings<Type4Record>(
        RecordLine(58).Put(1, "41105").PutRight(15, "85694314").PutRight(18, "1").PutRight(26, "5100").PutRight(58, "55555"),
        {{"1994-2000", &vornak::gType4Records, vornak::ParseType4Line, "@|0" + names},
         {"2002-2006", &vornak2::gType4Records, vornak2::ParseType4Line, "4|1105" + names}},
        [](const Type4Record& r) { return Fields({r.RT, r.VERSION, r.TLID, r.RTSQ, r.FEAT1, r.FEAT2, r.FEAT3, r.FEAT4, r.FEAT5}); });

    RecordLine ranges(76);
    ranges.Put(1, "61105").PutRight(15, "85720433").PutRight(18, "3").PutRight(29, "1").PutRight(40, "9");
    ranges.PutRight(51, "2").PutRight(62, "8").Put(63, " 1 7").Put(67, "0123401235");
    const std::string addresses = "|  85720433|  3|          1|          9|          2|          8|0|1|0|7|01234|01235";
    ExpectReadings<Type6Record>(ranges,
                                {{"1994-2000", &vornak::gType6Records, vornak::ParseType6Line, "@|0" + addresses},
                                 {"2002-2006", &vornak2::gType6Records, vornak2::ParseType6Line, "6|1105" + addresses}},
                                [](const Type6Record& r) {
                                    return Fields({r.RT, r.VERSION, r.TLID, r.RTSQ, r.FRADDL, r.TOADDL, r.FRADDR,
                                                   r.TOADDR, r.FRIADDL, r.TOIADDL, r.FRIADDR, r.TOIADDR, r.ZIPL, r.ZIPR});
                                });

    ExpectReadings<TypeZRecord>(
        RecordLine().Put(1, "Z1105").PutRight(15, "85694292").PutRight(18, "3").Put(19, "11733126"),
        {{"1994-2000", &vornak::gTypeZRecords, vornak::ParseTypeZLine, "@|0|  85694292|  3|1173|3126"},
         {"2002-2006", &vornak2::gTypeZRecords, vornak2::ParseTypeZLine, "Z|1105|  85694292|  3|1173|3126"}},
        [](const TypeZRecord& r) { return Fields({r.RT, r.VERSION, r.TLID, r.RTSQ, r.ZIP4L, r.ZIP4R}); });
}

TEST(RecordRowsTest, FeatureNames) {
    // The same fields, four columns further right in the 2002-2006 files.
    const std::string fields = "     501|E |Elm" + Blanks(27) + "|Ave |N ";
    const struct {
        Reading<Type5Record> reading;
        RecordLine line;
    } cases[] = {
        {{"1994-2000", &vornak::gType5Records, vornak::ParseType5Line, "@|0||" + fields},
         RecordLine().Put(1, "5").PutRight(14, "501").Put(15, "E Elm").Put(47, "Ave N ")},
        {{"2002-2006", &vornak2::gType5Records, vornak2::ParseType5Line, "5|1105|25025|" + fields},
         RecordLine().Put(1, "51105").Put(6, "25025").PutRight(18, "501").Put(19, "E Elm").Put(51, "Ave N ")},
    };
    for (const auto& c : cases) {
        ExpectReadings<Type5Record>(c.line, {c.reading}, [](const Type5Record& r) {
            return Fields({r.RT, r.VERSION, r.FILE, r.FEAT, r.FEDIRP, r.FENAME, r.FETYPE, r.FEDIRS});
        });
    }
}

TEST(RecordRowsTest, Landmarks) {
    // LAND in 64 bits; the coordinates stay the text of the file.
    const std::string landmark = "|4000000001|J|H11|Charles River" + Blanks(17) + "| -71065432|+42354321";
    ExpectReadings<Type7Record>(RecordLine()
                                    .Put(1, "71105")
                                    .Put(6, "12345")
                                    .Put(11, "4000000001JH11Charles River")
                                    .Put(55, " -71065432+42354321"),
                                {{"1994-2000", &vornak::gType7Records, vornak::ParseType7Line, "@|0|@" + landmark},
                                 {"2002-2006", &vornak2::gType7Records, vornak2::ParseType7Line, "7|1105|1" + landmark}},
                                [](const Type7Record& r) {
                                    return Fields({r.RT, r.VERSION, r.FILE, r.LAND, r.SOURCE, r.CFCC, r.LANAME,
                                                   r.LALONG, r.LALAT});
                                });
    // A blank LAND reads as 0.
    ExpectReadings<Type7Record>(RecordLine(73),
                                {{"1994-2000", &vornak::gType7Records, vornak::ParseType7Line, "0"},
                                 {"2002-2006", &vornak2::gType7Records, vornak2::ParseType7Line, "0"}},
                                [](const Type7Record& r) { return Fields({r.LAND}); });

    ExpectReadings<Type8Record>(
        RecordLine().Put(1, "8110525025c3454").PutRight(25, "38").PutRight(35, "3000000000"),
        {{"1994-2000", &vornak::gType8Records, vornak::ParseType8Line, "@|0|@|c3454|        38|3000000000"},
         {"2002-2006", &vornak2::gType8Records, vornak2::ParseType8Line, "8|1105|2|c3454|        38|3000000000"}},
        [](const Type8Record& r) { return Fields({r.RT, r.VERSION, r.FILE, r.CENID, r.POLYID, r.LAND}); });
}

// The older parsers neither read nor check the columns they leave unread;
// the later ones read column 16 as a digit, where a letter is 0.
TEST(RecordRowsTest, OnlyTheColumnsReadAreChecked) {
    const std::string line =
        RecordLine(228).Put(1, "1xxxx").PutRight(15, "7").Put(16, "x").Put(56, "A41").Put(191, kLineEnds);
    for (auto parse : {vornak::ParseType1Line, vornak2::ParseType1Line}) {
        vornak::gType1Records.assign(2, Type1Record{});
        vornak2::gType1Records.assign(2, Type1Record{});
        tigercore::gFieldFault.clear();
        tigercore::LoadLineBuffer(line);
        parse(1);
        EXPECT_EQ(tigercore::gFieldFault, "");
        EXPECT_EQ(vornak2::gType1Records[1].SIDE1, 0);
    }
}

}  // namespace
