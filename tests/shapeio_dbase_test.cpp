// dBASE tables: header, descriptors and records byte for byte, the append of
// organisation '3', and what a failed table leaves behind.
#include "shapeio/dbase.h"
#include "shapeio/dbase_table_writer.h"
#include "shapeio/number_format.h"
#include "support/bytes.h"
#include "support/fake_job_services.h"
#include "support/file_size_limit.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

using shapeio::DbfFieldDef;
using shapeio::DbfTableWriter;
using testsupport::Hex;
using testsupport::ReadFile;

namespace {

const DbfFieldDef kTwoFields[] = {{"TLID", 'N', 10, 0}, {"NAME", 'C', 5, 0}, {nullptr, 0, 0, 0}};

std::string Row(const std::string& tlid, const std::string& name) {
    return shapeio::DbfRecord(kTwoFields).Add(tlid).Add(name).text();
}

// A table of `rows` records written through the writer.
void WriteTable(const std::string& path, int rows, int firstTlid, DbfTableWriter::OpenMode mode) {
    testsupport::FakeJobServices services;
    DbfTableWriter table(services);
    ASSERT_TRUE(table.Open(path, kTwoFields, mode));
    for (int i = 0; i < rows; ++i) ASSERT_TRUE(table.WriteRecord(Row(std::to_string(firstTlid + i), "N" + std::to_string(i))));
    ASSERT_TRUE(table.Finish(true));
    EXPECT_FALSE(services.failed);
}

}  // namespace

TEST(DbaseFormat, HeaderAndDescriptorsByteForByte) {
    EXPECT_EQ(Hex("03 7c 03 07  02 00 00 00  61 00  10 00  00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00"),
              shapeio::DBF_Prepare_Header(2, kTwoFields, {2024, 3, 7}));
    EXPECT_EQ(Hex("54 4c 49 44 00 00 00 00 00 00 00  4e  00 00 00 00  0a 00  00 00 00 00 00 00 00 00 00 00 00 00 00 00"
                  "4e 41 4d 45 00 00 00 00 00 00 00  43  00 00 00 00  05 00  00 00 00 00 00 00 00 00 00 00 00 00 00 00"
                  "0d"),
              shapeio::DBF_Prepare_Field_Descriptors(kTwoFields));
}

TEST(DbaseFormat, TenCharacterNameKeepsOneNulAndLengthsAddUp) {
    const DbfFieldDef fields[] = {{"ABCDEFGHIJ", 'C', 200, 0}, {"LENGTH", 'N', 19, 5}, {nullptr, 0, 0, 0}};
    std::string descriptors = shapeio::DBF_Prepare_Field_Descriptors(fields);
    ASSERT_EQ(65u, descriptors.size());
    EXPECT_EQ(std::string("ABCDEFGHIJ\0C", 12), descriptors.substr(0, 12));
    EXPECT_EQ('\x05', descriptors[32 + 17]);  // decimals of LENGTH
    std::string header = shapeio::DBF_Prepare_Header(0, fields, {1999, 12, 31});
    EXPECT_EQ(Hex("03 63 0c 1f"), header.substr(0, 4));
    EXPECT_EQ(Hex("61 00 dc 00"), header.substr(8, 4));  // 97 and 220 = 1 + 219
}

TEST(DbaseFormat, RecordFieldsAtTheirWidths) {
    const DbfFieldDef fields[] = {
        {"TLID", 'N', 10, 0}, {"NAME", 'C', 5, 0}, {"LENGTH", 'N', 10, 5}, {"FLAG", 'C', 1, 0}, {nullptr, 0, 0, 0}};
    shapeio::DbfRecord record(fields);
    record.Add("123").Add(std::string("Ma\0n Street", 11)).AddNumber(1.5);
    EXPECT_FALSE(record.Complete());
    record.Add("");
    EXPECT_TRUE(record.Complete());
    EXPECT_EQ("        123Ma n    1.50000 ", record.text());
    EXPECT_EQ(shapeio::DbfRecordLength(fields), static_cast<int>(record.text().size()));
    // A value more than the fields: no text that a writer would take.
    record.AddNumber(2.0);
    EXPECT_FALSE(record.Complete());
    EXPECT_EQ(record.text(), "");
    // Nor a number too wide for its field, whose first digits would be kept.
    const DbfFieldDef numbers[] = {{"GIST_ID", 'N', 8, 0}, {"AREA", 'N', 6, 2}, {nullptr, 0, 0, 0}};
    EXPECT_EQ(shapeio::DbfRecord(numbers).AddNumber(12345678LL).AddNumber(345.678).text(), " 12345678345.68");
    const shapeio::DbfRecord tooManyDigits = shapeio::DbfRecord(numbers).AddNumber(123456789LL).AddNumber(1.0);
    EXPECT_EQ(shapeio::OverfullReason(), " (GIST_ID 123456789 does not fit its 8 characters)");
    const shapeio::DbfRecord tooWide = shapeio::DbfRecord(numbers).Add("1").AddNumber(12345.678);
    EXPECT_EQ(shapeio::OverfullReason(), " (AREA 12345.68 does not fit its 6 characters)");
    for (const shapeio::DbfRecord* wide : {&tooManyDigits, &tooWide}) {
        EXPECT_FALSE(wide->Complete());
        EXPECT_EQ(wide->text(), "");
    }
    // The writer's line names the field and the value.
    testsupport::TempDir dir;
    testsupport::FakeJobServices services;
    shapeio::DbfTableWriter table(services);
    ASSERT_TRUE(table.Open(dir / "t.dbf", numbers, shapeio::DbfTableWriter::OpenMode::kCreate));
    EXPECT_FALSE(table.WriteRecord(shapeio::DbfRecord(numbers).Add("1").AddNumber(12345.678).text()));
    EXPECT_EQ(services.log, "Wrong record length for file " + dir / "t.dbf" + " (AREA 12345.68 does not fit its 6 characters)\n");
}

TEST(DbaseFormat, ReadHeaderOfShortFileGivesZero) {
    testsupport::TempDir dir;
    testsupport::WriteFile(dir / "short.dbf", Hex("03 7c 03 07 05 00 00 00"));
    platform::FilePtr file = platform::OpenFile(dir / "short.dbf", "rb");
    EXPECT_EQ(0u, shapeio::DBF_Read_Header(file.get()));
}

TEST(DbaseTable, NewTableLayout) {
    testsupport::TempDir dir;
    const std::string path = dir / "t.dbf";
    WriteTable(path, 5, 100, DbfTableWriter::OpenMode::kCreate);
    std::string bytes = ReadFile(path);
    ASSERT_EQ(97u + 5 * 16 + 1, bytes.size());
    shapeio::DbfDate today = shapeio::DbfToday();
    EXPECT_EQ(shapeio::DBF_Prepare_Header(5, kTwoFields, today), bytes.substr(0, 32));
    EXPECT_EQ(shapeio::DBF_Prepare_Field_Descriptors(kTwoFields), bytes.substr(32, 65));
    EXPECT_EQ("        100N0   ", bytes.substr(97, 16));  // the first record at 32 × 2 + 33
    EXPECT_EQ("        104N4   ", bytes.substr(97 + 4 * 16, 16));
    EXPECT_EQ('\x1a', bytes.back());
}

TEST(DbaseTable, AppendingThreeToFive) {
    testsupport::TempDir dir;
    const std::string path = dir / "t.dbf";
    WriteTable(path, 5, 100, DbfTableWriter::OpenMode::kCreate);
    const std::string before = ReadFile(path);
    WriteTable(path, 3, 200, DbfTableWriter::OpenMode::kContinueOrCreate);
    const std::string after = ReadFile(path);
    ASSERT_EQ(97u + 8 * 16 + 1, after.size());
    EXPECT_EQ(Hex("08 00 00 00"), after.substr(4, 4));
    EXPECT_EQ(before.substr(32, 65 + 5 * 16), after.substr(32, 65 + 5 * 16));  // descriptors and first rows
    EXPECT_EQ("        200N0   ", after.substr(97 + 5 * 16, 16));
    EXPECT_EQ(after.size() - 1, after.find('\x1a'));
}

TEST(DbaseTable, ContinuingAMissingOrEmptyTableCreatesIt) {
    testsupport::TempDir dir;
    testsupport::WriteFile(dir / "empty.dbf", "");
    WriteTable(dir / "empty.dbf", 2, 1, DbfTableWriter::OpenMode::kContinueOrCreate);
    WriteTable(dir / "missing.dbf", 2, 1, DbfTableWriter::OpenMode::kContinueOrCreate);
    EXPECT_EQ(97u + 2 * 16 + 1, ReadFile(dir / "empty.dbf").size());
    EXPECT_EQ(ReadFile(dir / "empty.dbf"), ReadFile(dir / "missing.dbf"));
}

TEST(DbaseTable, TableWithoutRecordsIsRemoved) {
    testsupport::TempDir dir;
    testsupport::WriteFile(dir / "old.dbf", "an older table of that name");
    WriteTable(dir / "old.dbf", 0, 1, DbfTableWriter::OpenMode::kCreate);
    WriteTable(dir / "new.dbf", 0, 1, DbfTableWriter::OpenMode::kContinueOrCreate);
    EXPECT_FALSE(testsupport::Exists(dir / "old.dbf"));
    EXPECT_FALSE(testsupport::Exists(dir / "new.dbf"));
}

TEST(DbaseTableFailure, UnwritableFolder) {
    testsupport::TempDir dir;
    testsupport::FakeJobServices services;
    DbfTableWriter table(services);
    const std::string path = dir / "no-such-folder/t.dbf";
    EXPECT_FALSE(table.Open(path, kTwoFields, DbfTableWriter::OpenMode::kCreate));
    EXPECT_TRUE(services.failed);
    EXPECT_EQ("Could not open file " + path + " (no such file or directory)\n", services.log);
    EXPECT_FALSE(table.WriteRecord(Row("1", "A")));
    EXPECT_FALSE(table.Finish(true));
}

TEST(DbaseTableFailure, ContinuingAMissingTableThatMustExist) {
    testsupport::TempDir dir;
    testsupport::FakeJobServices services;
    DbfTableWriter table(services);
    EXPECT_FALSE(table.Open(dir / "t.dbf", kTwoFields, DbfTableWriter::OpenMode::kContinue));
    EXPECT_EQ("Could not open file " + dir / "t.dbf" + " (no such file or directory)\n", services.log);
    EXPECT_FALSE(testsupport::Exists(dir / "t.dbf"));
}

TEST(DbaseTableFailure, TableOfAnotherLayoutIsNotContinued) {
    testsupport::TempDir dir;
    const std::string path = dir / "t.dbf";
    WriteTable(path, 5, 100, DbfTableWriter::OpenMode::kCreate);
    const std::string before = ReadFile(path);
    const DbfFieldDef other[] = {{"TLID", 'N', 10, 0}, {nullptr, 0, 0, 0}};
    testsupport::FakeJobServices services;
    DbfTableWriter table(services);
    EXPECT_FALSE(table.Open(path, other, DbfTableWriter::OpenMode::kContinueOrCreate));
    EXPECT_TRUE(services.failed);
    EXPECT_EQ("Could not append to file " + path + " (its fields are not this table's)\n", services.log);
    EXPECT_EQ(before, ReadFile(path));
}

TEST(DbaseTableFailure, FailedAppendLeavesEarlierRowsAsTheyWere) {
    testsupport::TempDir dir;
    const std::string path = dir / "t.dbf";
    WriteTable(path, 5, 100, DbfTableWriter::OpenMode::kCreate);
    const std::string before = ReadFile(path);
    {
        testsupport::FakeJobServices services;
        DbfTableWriter table(services);
        ASSERT_TRUE(table.Open(path, kTwoFields, DbfTableWriter::OpenMode::kContinueOrCreate));
        EXPECT_TRUE(table.WriteRecord(Row("7", "A")));
        EXPECT_FALSE(table.WriteRecord("too short"));
        EXPECT_TRUE(services.failed);
        EXPECT_EQ("Wrong record length for file " + path + "\n", services.log);
    }
    EXPECT_EQ(before, ReadFile(path));
    {
        // The disk fills up while the rows are written.
        testsupport::FakeJobServices services;
        DbfTableWriter table(services);
        ASSERT_TRUE(table.Open(path, kTwoFields, DbfTableWriter::OpenMode::kContinueOrCreate));
        testsupport::FileSizeLimit limit(before.size() + 20);
        bool ok = true;
        for (int i = 0; i < 1000 && ok; ++i) ok = table.WriteRecord(Row(std::to_string(i), "B"));
        if (ok) ok = table.Finish(true);
        EXPECT_FALSE(ok);
        EXPECT_TRUE(services.failed);
        EXPECT_EQ("Could not write to file " + path + " (file too large)\n", services.log);
    }
    EXPECT_EQ(before, ReadFile(path));
}

TEST(DbaseTableFailure, FailedNewTableIsRemoved) {
    testsupport::TempDir dir;
    testsupport::FakeJobServices services;
    {
        DbfTableWriter table(services);
        ASSERT_TRUE(table.Open(dir / "t.dbf", kTwoFields, DbfTableWriter::OpenMode::kCreate));
        testsupport::FileSizeLimit limit(150);
        bool ok = true;
        for (int i = 0; i < 1000 && ok; ++i) ok = table.WriteRecord(Row(std::to_string(i), "B"));
        EXPECT_FALSE(ok || table.Finish(true));
    }
    EXPECT_TRUE(services.failed);
    EXPECT_FALSE(testsupport::Exists(dir / "t.dbf"));
}

TEST(NumberFormat, FixedDecimals) {
    EXPECT_EQ("69.05655", shapeio::FormatFixed(69.056554, 5));
    EXPECT_EQ("  -0.50000", shapeio::FormatFixed(-0.5, 10, 5));
    EXPECT_EQ("-84.123457", shapeio::FormatFixed(-84.1234567, 6));
    EXPECT_EQ("1.000000", shapeio::FormatFixed(0.9999999, 6));
}

// The text of every value is printf's: ties and near-ties of the decimal
// that is cut, carries through every digit, zeros of both signs, values too
// small or too large for the quick way, and many coordinates as a county's
// records give them (millionths of a degree), each moved by one unit of its
// last binary place either way.
TEST(NumberFormat, FixedTextIsPrintfs) {
    std::vector<double> values = {0.0,        -0.0,       0.9999995,   -0.9999995,      0.0000005,   -0.0000005,
                                  0.00000049, -0.0000005, 1.0000005,   179.9999995,     -179.9999995, 123.4564995,
                                  2.5,        -2.5,       0.125,       9999999.9999995, 0.5,          1.5,
                                  4503599627.3704965,     9007199254.740993, 1e300,     -1e300,       5e-324,
                                  -2.2250738585072014e-308, 0.1,      -71.123456,      42.999999999};
    uint64_t state = 12345;
    auto next = [&state] { return state = state * 6364136223846793005ULL + 1442695040888963407ULL; };
    for (int i = 0; i < 100000; ++i) {
        const int64_t micro = static_cast<int64_t>(next() >> 33) - (int64_t{1} << 30);
        values.push_back(static_cast<double>(micro) / 1e6);                 // a record's coordinate
        values.push_back((static_cast<double>(micro) + 0.5) / 1e6);         // half way to the next
        values.push_back(static_cast<double>(next() >> 11) / 1099511627776.0 - 4096.0);  // any fraction
    }
    const size_t chosen = values.size();
    for (size_t i = 0; i < chosen; ++i) {
        values.push_back(std::nextafter(values[i], 1e308));
        values.push_back(std::nextafter(values[i], -1e308));
    }
    char expected[512];
    int differing = 0;
    for (int decimals : {6, 0, 1, 5, 7, 9}) {
        for (double value : values) {
            std::snprintf(expected, sizeof expected, "%.*f", decimals, value);
            const std::string ours = shapeio::FormatFixed(value, decimals);
            if (ours != expected && ++differing <= 5) {
                ADD_FAILURE() << "%." << decimals << "f of " << std::hexfloat << value << ": " << ours << " instead of "
                              << expected;
            }
        }
    }
    EXPECT_EQ(0, differing);
}

TEST(NumberFormat, DecimalPointWhateverTheLocale) {
    // Build a locale whose decimal separator is a comma and switch to it.
    testsupport::TempDir dir;
    std::string command = "localedef -i de_DE -f UTF-8 '" + dir.path() + "/de_DE.UTF-8' >/dev/null 2>&1";
    if (std::system(command.c_str()) != 0) GTEST_SKIP() << "localedef cannot make de_DE.UTF-8 here";
    const char* oldLocPath = std::getenv("LOCPATH");
    std::string saved = oldLocPath ? oldLocPath : "";
    setenv("LOCPATH", dir.path().c_str(), 1);
    const char* set = std::setlocale(LC_NUMERIC, "de_DE.UTF-8");
    if (!set) {
        oldLocPath ? setenv("LOCPATH", saved.c_str(), 1) : unsetenv("LOCPATH");
        GTEST_SKIP() << "the de_DE.UTF-8 locale cannot be set";
    }
    char printed[32];
    std::snprintf(printed, sizeof printed, "%.1f", 1.5);
    std::string localised = printed;
    std::string ours = shapeio::FormatFixed(-71.25, 10, 5);
    std::string record = shapeio::DbfRecord(kTwoFields).AddNumber(2.75).Add("x").text();
    std::setlocale(LC_NUMERIC, "C");
    oldLocPath ? setenv("LOCPATH", saved.c_str(), 1) : unsetenv("LOCPATH");
    EXPECT_EQ("1,5", localised);  // the locale is really in effect
    EXPECT_EQ(" -71.25000", ours);
    EXPECT_EQ("          3x    ", record);  // N 10 with no decimals
}
