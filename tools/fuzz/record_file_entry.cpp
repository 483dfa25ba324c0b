// Arbitrary bytes as one record file, read by its type's reader with the job
// state of a county run (log, output folder, edition), no progress dialog.
#include "fuzz_entries.h"
#include "scratch_folder.h"
#include "table_promises.h"

#include "conv2/job_state.h"
#include "conv2/record_store.h"
#include "conv2/stages.h"

#include <cstdlib>
#include <string>
#include <string_view>

namespace fuzz {

namespace {

struct Reader {
    const char* suffix;
    void (*read)();
};

const Reader kReaders[kRecordTypeCount] = {
    {"rt1", vornak2::ReadType1Records}, {"rt2", vornak2::ReadType2Records}, {"rti", vornak2::ReadTypeIRecords},
    {"rt4", vornak2::ReadType4Records}, {"rt5", vornak2::ReadType5Records}, {"rt6", vornak2::ReadType6Records},
    {"rtt", vornak2::ReadTypeTRecords}, {"rtu", vornak2::ReadTypeURecords}, {"rtz", vornak2::ReadTypeZRecords},
    {"rtc", vornak2::ReadTypeCRecords}, {"rta", vornak2::ReadTypeARecords}, {"rts", vornak2::ReadTypeSRecords},
    {"rtp", vornak2::ReadTypePRecords}, {"rtb", vornak2::ReadTypeBRecords}, {"rt7", vornak2::ReadType7Records},
    {"rt8", vornak2::ReadType8Records}, {"rte", vornak2::ReadTypeERecords}, {"rtm", vornak2::ReadTypeMRecords},
};

struct Edition {
    char character;
    int code;
    int year;
    unsigned char second;
};

const Edition kEditions[kEditionCount] = {
    {'9', 104, 2002, 0}, {'a', 105, 2003, 0}, {'b', 105, 2004, 0}, {'c', 105, 2004, 1}, {'d', 106, 2006, 1},
};

// The job state the readers need, for one input: put back afterwards.
class ReaderJob {
public:
    ReaderJob(const ScratchFolder& folder, const Edition& edition) {
        vornak2::ResetRecordStore();
        vornak2::gEditionCode = edition.code;
        vornak2::gEditionYear = edition.year;
        vornak2::gSecondEdition = edition.second;
        vornak2::gOutputDir = folder.path();
        vornak2::gOutputPrefix = folder.path() + "/";
        vornak2::gCurrentJob = nullptr;
        vornak2::gConversionStatus = 0;
        vornak2::gLogFile = platform::OpenFile(folder / "county.log", "w");
        if (!vornak2::gLogFile) std::abort();
    }
    ~ReaderJob() {
        vornak2::ReleaseRecordStore();
        vornak2::gRecordFile.reset();
        vornak2::gLogFile.reset();
        vornak2::gConversionStatus = 0;
    }
    ReaderJob(const ReaderJob&) = delete;
    ReaderJob& operator=(const ReaderJob&) = delete;
};

// Writes `bytes` as a record file of the folder, opens it into gRecordFile
// as the driver does and calls the reader.
void Read(const ScratchFolder& folder, const Reader& reader, std::string_view bytes) {
    std::string path = folder / (std::string("county.") + reader.suffix);
    WriteBytes(path, bytes);
    vornak2::gRecordFile = platform::OpenAnyCase(path, "r");
    if (!vornak2::gRecordFile) std::abort();
    reader.read();
    // A reader closes its file whether it succeeded or not.
    if (vornak2::gRecordFile) std::abort();
    if (reader.read == vornak2::ReadType2Records && vornak2::gConversionStatus == 0)
        AbortOnRepeatedShapeRows(vornak2::gType2Records);
}

}  // namespace

const char* RecordTypeSuffix(int index) { return kReaders[index].suffix; }

char EditionCharacter(int index) { return kEditions[index].character; }

void ReadRecordFile(const uint8_t* data, size_t size) {
    if (size < 2) return;
    static const ScratchFolder folder;
    folder.Clear();
    const Reader& reader = kReaders[data[0] % kRecordTypeCount];
    ReaderJob job(folder, kEditions[data[1] % kEditionCount]);
    std::string_view bytes(reinterpret_cast<const char*>(data) + 2, size - 2);

    if (reader.read == vornak2::ReadTypeIRecords) {
        // The type I reader checks its lines against the type 1 table.
        std::string_view::size_type cut = bytes.find(kTypeISeparator);
        std::string_view type1 = cut == std::string_view::npos ? std::string_view() : bytes.substr(0, cut);
        if (cut != std::string_view::npos) bytes.remove_prefix(cut + std::string_view(kTypeISeparator).size());
        Read(folder, kReaders[0], type1);
        if (vornak2::gConversionStatus != 0) return;
    }
    Read(folder, reader, bytes);
}

}  // namespace fuzz
