// Arbitrary bytes as one record file of the 1994-2000 editions, read by its
// type's reader with the job state of a county run (log, output folder,
// release), no progress dialog.
#include "fuzz_entries.h"
#include "scratch_folder.h"
#include "table_promises.h"

#include "conv1/job_state.h"
#include "conv1/record_store.h"
#include "conv1/stages.h"
#include "county_model.h"

#include <cstdlib>
#include <string>
#include <string_view>

namespace fuzz {

namespace {

struct OldReader {
    char type;
    void (*read)();
};

const OldReader kOldReaders[kOldRecordTypeCount] = {
    {'1', vornak::ReadType1Records}, {'2', vornak::ReadType2Records}, {'3', vornak::ReadType3Records},
    {'4', vornak::ReadType4Records}, {'5', vornak::ReadType5Records}, {'6', vornak::ReadType6Records},
    {'7', vornak::ReadType7Records}, {'8', vornak::ReadType8Records}, {'9', vornak::ReadType9Records},
    {'a', vornak::ReadTypeARecords}, {'c', vornak::ReadTypeCRecords}, {'i', vornak::ReadTypeIRecords},
    {'s', vornak::ReadTypeSRecords}, {'z', vornak::ReadTypeZRecords},
};

// The job state the readers need, for one input: put back afterwards.
class OldReaderJob {
public:
    OldReaderJob(const ScratchFolder& folder, int release) {
        vornak::ResetRecordStore();
        vornak::gEditionCode = release;
        vornak::gOutputDir = folder.path();
        vornak::gOutputPrefix = folder.path() + "/";
        vornak::gCurrentJob = nullptr;
        vornak::gConversionStatus = 0;
        vornak::gLogFile = platform::OpenFile(folder / "county.log", "w");
        if (!vornak::gLogFile) std::abort();
    }
    ~OldReaderJob() {
        vornak::ReleaseRecordStore();
        vornak::gRecordFile.reset();
        vornak::gLogFile.reset();
        vornak::gConversionStatus = 0;
    }
    OldReaderJob(const OldReaderJob&) = delete;
    OldReaderJob& operator=(const OldReaderJob&) = delete;
};

// Writes `bytes` as a record file of the folder, opens it into gRecordFile
// as the driver does and calls the reader.
void Read(const ScratchFolder& folder, const OldReader& reader, std::string_view bytes) {
    std::string path = folder / (std::string("county.rt") + reader.type);
    WriteBytes(path, bytes);
    vornak::gRecordFile = platform::OpenAnyCase(path, "r");
    if (!vornak::gRecordFile) std::abort();
    reader.read();
    // A reader closes its file whether it succeeded or not.
    if (vornak::gRecordFile) std::abort();
    if (reader.type == '2' && vornak::gConversionStatus == 0) AbortOnRepeatedShapeRows(vornak::gType2Records);
}

}  // namespace

char OldRecordType(int index) { return kOldReaders[index].type; }

char OldEditionCharacter(int index) { return static_cast<char>('0' + index); }

void ReadOldRecordFile(const uint8_t* data, size_t size) {
    if (size < 2) return;
    static const ScratchFolder folder;
    folder.Clear();
    const OldReader& reader = kOldReaders[data[0] % kOldRecordTypeCount];
    OldReaderJob job(folder, countygen::EditionCode(OldEditionCharacter(data[1] % kOldEditionCount)));
    std::string_view bytes(reinterpret_cast<const char*>(data) + 2, size - 2);

    if (reader.type == '3' || reader.type == 'i') {
        // These readers check their lines against the type 1 table, which
        // the driver keeps as its lines' ends sorted by TLID before them.
        std::string_view::size_type cut = bytes.find(kTypeISeparator);
        std::string_view type1 = cut == std::string_view::npos ? std::string_view() : bytes.substr(0, cut);
        if (cut != std::string_view::npos) bytes.remove_prefix(cut + std::string_view(kTypeISeparator).size());
        Read(folder, kOldReaders[0], type1);
        if (vornak::gConversionStatus != 0) return;
        vornak::KeepLineEndsByTlid();
    }
    Read(folder, reader, bytes);
}

}  // namespace fuzz
