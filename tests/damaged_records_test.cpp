// Damaged record files read by the readers of both libraries: lines ended
// by lone carriage returns, records run together, records of another type,
// letters in numbers, points out of range, on the equator or the prime
// meridian, blank line ends, NUL bytes and repeated shape rows. Each is read
// right or stops the county with a line naming the record. A record file
// that is there but cannot be opened stops its county.
#include "conv1/job_state.h"
#include "conv1/record_store.h"
#include "conv1/shape_points.h"
#include "conv1/stages.h"
#include "conv2/job_state.h"
#include "conv2/record_store.h"
#include "conv2/shape_points.h"
#include "conv2/stages.h"
#include "support/conv1_record_job.h"
#include "support/county_files.h"
#include "support/fault_job.h"
#include "support/line_records.h"
#include "support/record_job.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace testsupport;

namespace {

// A record of `type` and `length` columns, blank but for its type.
RecordLine Record(char type, int length) { return RecordLine(length).Put(1, std::string(1, type)); }

struct ReaderCase {
    const char* what;
    bool older;  // read by the 1994-2000 library
    void (*read)();
    const int* count;
    const char* file;
    std::string text;
    int rows;         // rows of a sound file; -1 when the county stops
    std::string log;  // what the reader logs
};

TEST(DamagedRecords, EachReaderTakesSoundLinesAndStopsAtDamagedOnes) {
    const std::string typeA = Record('A', 210);
    const std::string typeZ = Record('Z', 26).PutRight(15, "17");
    const RecordLine type1 = Type1Line("17", "A41", {-71000000, 42000000}, {-71000100, 42000100});
    const std::string nul("AB\0CD", 5);
    const ReaderCase cases[] = {
        {"lone CR line ends", false, vornak2::ReadTypeARecords, &vornak2::gTypeACount, "county.rta",
         typeA + "\r" + typeA + "\r" + typeA + "\r", 3, ""},
        {"lone CR, older", true, vornak::ReadTypeZRecords, &vornak::gTypeZCount, "county.rtz",
         typeZ + "\r" + typeZ + "\r\n" + typeZ, 3, ""},
        {"blanks after the record", false, vornak2::ReadTypeZRecords, &vornak2::gTypeZCount, "county.rtz",
         typeZ + "     \r\n", 1, ""},
        {"two records run together", false, vornak2::ReadTypeZRecords, &vornak2::gTypeZCount, "county.rtz",
         RecordFile({typeZ, typeZ + typeZ}), -1,
         "ERROR in type Z record 2: 52 characters, more than the 26 of its record type\n"},
        {"a type 1 line in a type Z file", false, vornak2::ReadTypeZRecords, &vornak2::gTypeZCount, "county.rtz",
         RecordFile({typeZ, Type1Line("17", "A41", {-71000000, 42000000}, {-71000100, 42000100})}), -1,
         "ERROR in type Z record 2: the record type in column 1 is '1'\n"},
        {"a letter in a TLID", false, vornak2::ReadType2Records, &vornak2::gType2Count, "county.rt2",
         RecordFile({Type2Line("123A5", 1, {{-71000000, 42000000}})}), -1,
         "ERROR in type 2 record 1: the field in columns 6-15 is not a number\n"},
        {"a letter in a POLYID, older", true, vornak::ReadType8Records, &vornak::gType8Count, "county.rt8",
         RecordFile({Record('8', 36).PutRight(25, "12O4")}), -1,
         "ERROR in type 8 record 1: the field in columns 16-25 is not a number\n"},
        {"an internal point out of range", false, vornak2::ReadTypePRecords, &vornak2::gTypePCount, "county.rtp",
         RecordFile({Record('P', 45).Put(26, "+999999999").Put(36, "+42000000")}), -1,
         "ERROR in type P record 1: the longitude in columns 26-35 is out of range (999999999)\n"},
        {"a landmark point that is no number, older", true, vornak::ReadType7Records, &vornak::gType7Count,
         "county.rt7", RecordFile({Record('7', 74).Put(65, "+42.00000")}), -1,
         "ERROR in type 7 record 1: the coordinate in columns 65-73 is not a number\n"},
        {"a blank line end", false, vornak2::ReadType1Records, &vornak2::gType1Count, "county.rt1",
         RecordFile({type1, RecordLine(type1).Put(220, std::string(9, ' '))}), -1,
         "Second Edition TIGER 2004\nERROR in type 1 record 2: the coordinate in columns 220-228 is blank\n"},
        {"a blank line end, older", true, vornak::ReadType1Records, &vornak::gType1Count, "county.rt1",
         RecordFile({type1, RecordLine(type1).Put(191, std::string(10, ' '))}), -1,
         "ERROR in type 1 record 2: the coordinate in columns 191-200 is blank\n"},
        // No county lies on the equator or the prime meridian.
        {"a line end on the equator", false, vornak2::ReadType1Records, &vornak2::gType1Count, "county.rt1",
         RecordFile({type1, RecordLine(type1).Put(201, "+00000000")}), -1,
         "Second Edition TIGER 2004\nERROR in type 1 record 2: the latitude in columns 201-209 is zero\n"},
        {"a line end on the equator, older", true, vornak::ReadType1Records, &vornak::gType1Count, "county.rt1",
         RecordFile({RecordLine(type1).Put(220, "-00000000")}), -1,
         "ERROR in type 1 record 1: the latitude in columns 220-228 is zero\n"},
        {"a line end on the prime meridian", false, vornak2::ReadType1Records, &vornak2::gType1Count, "county.rt1",
         RecordFile({type1, RecordLine(type1).Put(210, "+000000000")}), -1,
         "Second Edition TIGER 2004\nERROR in type 1 record 2: the longitude in columns 210-219 is zero\n"},
        {"a line end on the prime meridian, older", true, vornak::ReadType1Records, &vornak::gType1Count,
         "county.rt1", RecordFile({RecordLine(type1).Put(191, "+000000000")}), -1,
         "ERROR in type 1 record 1: the longitude in columns 191-200 is zero\n"},
        // A digit field reads what is no digit as 0.
        {"a sign in an address flag", false, vornak2::ReadType1Records, &vornak2::gType1Count, "county.rt1",
         RecordFile({RecordLine(type1).Put(103, "-")}), 1, "Second Edition TIGER 2004\n"},
        {"a sign in an address flag, older", true, vornak::ReadType6Records, &vornak::gType6Count, "county.rt6",
         RecordFile({Record('6', 76).Put(63, "-")}), 1, ""},
        {"a blank shape point slot, older", true, vornak::ReadType2Records, &vornak::gType2Count, "county.rt2",
         RecordFile({Type2Line("17", 1, {{-71000000, 42000000}}).Put(38, std::string(19, ' '))}), 1, ""},
        // A point blank in one half only would be a vertex on the equator
        // or end its row early; a longitude of zero ends the row, its
        // latitude unread.
        {"a shape point without its latitude", false, vornak2::ReadType2Records, &vornak2::gType2Count, "county.rt2",
         RecordFile({Type2Line("17", 1, {{-71000000, 42000000}}).Put(29, std::string(9, ' '))}), -1,
         "ERROR in type 2 record 1: the latitude in columns 29-37 is blank, its longitude in columns 19-28 is not\n"},
        {"a shape point without its longitude", false, vornak2::ReadType2Records, &vornak2::gType2Count,
         "county.rt2", RecordFile({Type2Line("17", 1, {{-71000000, 42000000}, {-71000001, 42000001}}).Put(38, std::string(10, ' '))}), -1,
         "ERROR in type 2 record 1: the longitude in columns 38-47 is blank, its latitude in columns 48-56 is not\n"},
        {"a shape point without its latitude, older", true, vornak::ReadType2Records, &vornak::gType2Count,
         "county.rt2", RecordFile({Type2Line("17", 1, {{-71000000, 42000000}}), Type2Line("17", 2, {{-71000000, 42000000}}).Put(29, std::string(9, ' '))}), -1,
         "ERROR in type 2 record 2: the latitude in columns 29-37 is blank, its longitude in columns 19-28 is not\n"},
        {"a shape point without its longitude, older", true, vornak::ReadType2Records, &vornak::gType2Count,
         "county.rt2", RecordFile({Type2Line("17", 1, {{-71000000, 42000000}}).Put(19, std::string(10, ' '))}), -1,
         "ERROR in type 2 record 1: the longitude in columns 19-28 is blank, its latitude in columns 29-37 is not\n"},
        {"a shape point on the equator", false, vornak2::ReadType2Records, &vornak2::gType2Count, "county.rt2",
         RecordFile({Type2Line("17", 1, {{-71000000, 42000000}, {-71497000, 0}})}), -1,
         "ERROR in type 2 record 1: the latitude in columns 48-56 is zero, its longitude in columns 38-47 is not\n"},
        {"a shape point on the equator, older", true, vornak::ReadType2Records, &vornak::gType2Count, "county.rt2",
         RecordFile({Type2Line("17", 1, {{-71497000, 0}})}), -1,
         "ERROR in type 2 record 1: the latitude in columns 29-37 is zero, its longitude in columns 19-28 is not\n"},
        {"a zero longitude ends the row", false, vornak2::ReadType2Records, &vornak2::gType2Count, "county.rt2",
         RecordFile({Type2Line("17", 1, {{-71000000, 42000000}}).Put(38, "+000000000").Put(48, "+42000000").Put(76, "    -00000     +000")}), 1, ""},
        // Points after the slot that ends the row would be lost.
        {"points after a blank slot", false, vornak2::ReadType2Records, &vornak2::gType2Count, "county.rt2",
         RecordFile({Type2Line("17", 1, {{-71000000, 42000000}, {1, 1}, {-71000002, 42000002}, {-71000003, 42000003}})
                         .Put(38, std::string(19, ' '))}), -1,
         "ERROR in type 2 record 1: the shape point in columns 57-75 follows the slot in columns 38-56 that ends its row\n"},
        {"a point after a zero longitude, older", true, vornak::ReadType2Records, &vornak::gType2Count, "county.rt2",
         RecordFile({Type2Line("17", 1, {{0, 42000000}}).Put(48, "+00000001")}), -1,
         "ERROR in type 2 record 1: the shape point in columns 38-56 follows the slot in columns 19-37 that ends its row\n"},
        {"a NUL in a name", false, vornak2::ReadTypeCRecords, &vornak2::gTypeCCount, "county.rtc",
         RecordFile({Record('C', 122).Put(63, nul)}), -1, "ERROR in type C record 1: a NUL byte in column 65\n"},
        {"a NUL in a name, older", true, vornak::ReadTypeCRecords, &vornak::gTypeCCount, "county.rtc",
         RecordFile({Record('C', 112), Record('C', 112).Put(53, nul)}), -1,
         "ERROR in type C record 2: a NUL byte in column 55\n"},
        {"a name cut short, older", true, vornak::ReadTypeCRecords, &vornak::gTypeCCount, "county.rtc",
         RecordFile({Record('C', 80).Put(53, "Suffolk")}), -1,
         "ERROR in type C record 1: 80 characters, fewer than the 112 its fields need\n"},
    };
    TempDir dir;
    RecordJob job(dir.path(), 106, true);
    TempDir olderDir;
    Conv1RecordJob olderJob(olderDir.path(), 101);
    for (const ReaderCase& c : cases) {
        SCOPED_TRACE(c.what);
        int& status = c.older ? vornak::gConversionStatus : vornak2::gConversionStatus;
        status = 0;
        const size_t before = (c.older ? olderJob.Log() : job.Log()).size();
        if (c.older) olderJob.OpenText(c.text, c.file);
        else job.OpenText(c.text, c.file);
        c.read();
        EXPECT_EQ(status, c.rows < 0 ? -1 : 0);
        if (c.rows >= 0) {
            EXPECT_EQ(*c.count, c.rows);
        }
        EXPECT_EQ((c.older ? olderJob.Log() : job.Log()).substr(before), c.log);
    }
}

// A type 2 row given twice: the line keeps its points once in both
// libraries; given twice with other points, the county stops.
template <typename Job>
void ExpectRepeatedShapeRows(const Job& job, void (*read)(), const int& count, int& status,
                             void (*append)(const char*, int), int& pointCount) {
    const std::string first = Type2Line("17", 1, {{-71000001, 42000001}, {-71000002, 42000002}});
    const std::string second = Type2Line("17", 2, {{-71000003, 42000003}, {-71000004, 42000004}});
    job.OpenText(RecordFile({first, second, second, second}), "county.rt2");
    read();
    EXPECT_EQ(status, 0);
    EXPECT_EQ(count, 2);
    pointCount = 0;
    append("        17", 0);
    EXPECT_EQ(pointCount, 4);

    const size_t before = job.Log().size();
    job.OpenText(RecordFile({first, second, Type2Line("17", 2, {{-71000003, 42000003}})}), "county.rt2");
    read();
    EXPECT_EQ(status, -1);
    EXPECT_EQ(job.Log().substr(before), "ERROR in type 2 records: TLID 17 RTSQ 2 is given twice with different points\n");
    status = 0;
}

TEST(DamagedRecords, RepeatedShapeRowsCountOnceInBothLibraries) {
    TempDir dir, olderDir;
    RecordJob job(dir.path());
    Conv1RecordJob olderJob(olderDir.path());
    ExpectRepeatedShapeRows(job, vornak2::ReadType2Records, vornak2::gType2Count, vornak2::gConversionStatus,
                            vornak2::AppendShapePoints, tigercore::gShapePointCount);
    ExpectRepeatedShapeRows(olderJob, vornak::ReadType2Records, vornak::gType2Count, vornak::gConversionStatus,
                            vornak::AppendShapePoints, tigercore::gShapePointCount);
}

// An optional record file there that cannot be opened (read as nobody,
// mode 0) is not taken for one that is not there: the county fails, naming
// the file and why, and the merged layers stay as they were; readable
// again, the county converts as if nothing had happened. Both libraries.
TEST(DamagedRecords, ARecordFileThatCannotBeOpenedStopsItsCounty) {
    using Convert = int (*)(const std::string&, const std::string&, const std::string&, int, int);
    const struct {
        char edition;
        Convert convert;
        std::string options;  // railroads and a polygon layer, merged
    } libraries[] = {{'c', ConvertCounty, Options('c', '3', {1, 9})}, {'6', ConvertOldCounty, OldOptions('6', '3', {1, 9})}};
    for (const auto& lib : libraries) {
        SCOPED_TRACE(lib.edition);
        TempDir dir;
        const auto [first, second] = WriteTwoCounties(dir.path(), lib.edition);
        const std::string ref = dir / "ref", out = dir / "out", names = second.substr(0, second.size() - 1) + "C";
        ASSERT_TRUE(platform::MakeDirectory(ref) && platform::MakeDirectory(out));
        ASSERT_EQ(lib.convert(first, ref, lib.options, 1, 2) + lib.convert(second, ref, lib.options, 2, 2), 0);
        ASSERT_EQ(::chmod(out.c_str(), 0777) | ::chmod(dir.path().c_str(), 0755) | ::chmod(names.c_str(), 0), 0);
        EXPECT_TRUE(HoldsAsNobody([&] {
            if (lib.convert(first, out, lib.options, 1, 2) != 0) return false;
            const std::map<std::string, std::string> before = Tree(out);
            return lib.convert(second, out, lib.options, 2, 2) == 1 && Tree(out) == before &&
                   ReadFile(out + "/TGR25903.log").find("Could not read " + names + " (permission denied)") !=
                       std::string::npos;
        }));
        ASSERT_EQ(::chmod(names.c_str(), 0644), 0);
        EXPECT_EQ(lib.convert(second, out, lib.options, 2, 2), 0);
        EXPECT_TRUE(Tree(out) == Tree(ref));
    }
}

}  // namespace
