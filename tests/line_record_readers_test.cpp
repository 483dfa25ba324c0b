// The readers of the type 1 and type 2 tables, which both libraries share:
// one table of cases run over the readers of each library.
#include "conv1/job_state.h"
#include "conv1/record_store.h"
#include "conv1/stages.h"
#include "conv2/job_state.h"
#include "conv2/record_store.h"
#include "conv2/stages.h"
#include "support/conv1_record_job.h"
#include "support/record_job.h"
#include "support/record_line.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <string>
#include <vector>

using testsupport::RecordFile;
using testsupport::RecordJobFiles;
using testsupport::kLineEnds;
using testsupport::RecordLine;

namespace {

// What the cases read of one library.
struct Library {
    const char* name;
    std::unique_ptr<RecordJobFiles> (*makeJob)(const std::string& dir);
    const char* firstRowNote;  // what row 0 of type 1 logs of its own
    void (*readType1)();
    void (*readType2)();
    std::vector<tigercore::Type1Record>* type1;
    std::vector<tigercore::Type2Record>* type2;
    std::array<int, tigercore::kLineClassCount>* classCounts;
    int* maxRtsq;
    int* status;
    platform::FilePtr* file;
};

template <typename Job>
std::unique_ptr<RecordJobFiles> MakeJob(const std::string& dir) {
    return std::make_unique<Job>(dir);
}

const Library kLibraries[] = {
    {"1994-2000", MakeJob<testsupport::Conv1RecordJob>, "", vornak::ReadType1Records, vornak::ReadType2Records,
     &vornak::gType1Records, &vornak::gType2Records, &vornak::gCfccClassCounts, &vornak::gMaxRtsq,
     &vornak::gConversionStatus, &vornak::gRecordFile},
    {"2002-2006", MakeJob<testsupport::RecordJob>, "Second Edition TIGER 2004\n", vornak2::ReadType1Records,
     vornak2::ReadType2Records, &vornak2::gType1Records, &vornak2::gType2Records, &vornak2::gCfccClassCounts,
     &vornak2::gMaxRtsq, &vornak2::gConversionStatus, &vornak2::gRecordFile},
};

std::string Type1Line(const std::string& tlid, const std::string& cfcc) {
    return RecordLine(228).Put(1, "1").Put(2, "0597").PutRight(15, tlid).Put(56, cfcc).Put(191, kLineEnds);
}

TEST(LineRecordReadersTest, Type1ClassesAndUnknownCfccs) {
    struct Case {
        std::vector<std::string> lines;
        std::string order;  // class letter and TLID of each row, when the county goes on
        std::string log;    // after the first row's note
    };
    const Case cases[] = {
        // Class A holds A and P (by TLID), F holds F, then G sorts after F.
        {{Type1Line("9", "X00"), Type1Line("5", "G20"), Type1Line("4", "A41"), Type1Line("3", "P12"),
          Type1Line("8", "F10"), Type1Line("2", "B11"), Type1Line("7", "H11"), Type1Line("1", "A41"),
          Type1Line("6", "F40"), Type1Line("10", "C31"), Type1Line("11", "D10"), Type1Line("12", "E20")},
         "A 1 A 3 A 4 B 2 C10 D11 E12 F 6 F 8 G 5 H 7 X 9 ",
         ""},
        {{Type1Line("1", "A41"), Type1Line("12345678", "a10"), Type1Line("3", "Q99")},
         "",
         "Unknown CFCC code: a10\nRecord 2, TLID =   12345678\n Full Record = \n" + Type1Line("12345678", "a10") +
             "\n\n"},
        {{Type1Line("1", "   ")},
         "",
         "Unknown CFCC code:    \nRecord 1, TLID =          1\n Full Record = \n" + Type1Line("1", "   ") + "\n\n"},
    };
    for (const Library& library : kLibraries) {
        for (const Case& c : cases) {
            SCOPED_TRACE(library.name);
            testsupport::TempDir dir;
            const std::unique_ptr<RecordJobFiles> job = library.makeJob(dir.path());
            job->OpenText(RecordFile(c.lines, "\r\n"));
            library.readType1();
            EXPECT_EQ(*library.status, c.order.empty() ? -1 : 0);
            EXPECT_FALSE(*library.file);  // closed on a failure too
            EXPECT_EQ(job->Log(), library.firstRowNote + c.log);
            if (c.order.empty()) continue;
            std::string order;
            for (const tigercore::Type1Record& r : *library.type1) order += r.lineClass + std::string(r.TLID + 8) + " ";
            EXPECT_EQ(order, c.order);
            EXPECT_EQ(*library.classCounts, (std::array<int, tigercore::kLineClassCount>{3, 1, 1, 1, 1, 3, 1, 1}));
        }
    }
}

TEST(LineRecordReadersTest, Type2LargestShapeSequenceAndOrder) {
    auto line = [](const char* tlid, const char* rtsq) {
        return RecordLine(208).Put(1, "20597").PutRight(15, tlid).PutRight(18, rtsq).str();
    };
    for (const Library& library : kLibraries) {
        SCOPED_TRACE(library.name);
        testsupport::TempDir dir;
        const std::unique_ptr<RecordJobFiles> job = library.makeJob(dir.path());
        job->OpenText(RecordFile({line("7", "10"), line("7", "2"), line("7", "1"), line("5", "1"), line("5", "1")}),
                      "county.rt2");
        library.readType2();
        EXPECT_EQ(*library.status, 0);
        EXPECT_EQ(*library.maxRtsq, 10);
        // By TLID, then sequence (2 before 10); the repeated row dropped.
        std::string order;
        for (const tigercore::Type2Record& r : *library.type2) order += std::string(r.TLID + 8) + r.RTSQ + " ";
        EXPECT_EQ(order, " 5  1  7  1  7  2  7 10 ");
    }
}

}  // namespace
