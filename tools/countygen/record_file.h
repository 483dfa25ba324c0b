// Record files of a synthetic county: a file written through a large
// buffer, the record order of a file, and the set of files of one county
// with the number of records written to each.
#pragma once

#include "county_model.h"
#include "county_writer.h"
#include "fixed_line.h"

#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace countygen {

// One record file, written through a buffer of about a megabyte; every
// record gets the line end `lineEnd` (CR LF, LF or a lone CR).
class RecordFileWriter {
public:
    RecordFileWriter(std::string path, std::string_view lineEnd);
    ~RecordFileWriter();
    RecordFileWriter(const RecordFileWriter&) = delete;
    RecordFileWriter& operator=(const RecordFileWriter&) = delete;

    void Add(std::string_view line);
    void Add(const FixedLine& line) { Add(line.View()); }
    // Closes the file; returns the number of records. Throws
    // std::runtime_error when the file cannot be written.
    long long Close();
    long long Bytes() const { return bytes_; }

private:
    struct FileCloser {
        void operator()(std::FILE* f) const {
            if (f) std::fclose(f);
        }
    };
    void Flush();

    std::string path_;
    std::string lineEnd_;
    std::unique_ptr<std::FILE, FileCloser> file_;
    std::string buffer_;
    long long records_ = 0;
    long long bytes_ = 0;
};

// The order of n records: natural for seed 0, else a shuffle of its own for
// every file (`salt`), the same for the same seed.
std::vector<int> RecordOrder(size_t n, std::uint64_t seed, std::uint64_t salt);

// The record files of one county in a directory, by lower-case suffix
// ("rt1", "f6a"); each file's record count and size go into the result.
class CountyFiles {
public:
    CountyFiles(const CountySpec& spec, std::string directory, GeneratedCounty& result)
        : spec_(spec), directory_(std::move(directory)), result_(result) {}

    std::unique_ptr<RecordFileWriter> Open(const std::string& suffix) const {
        return std::make_unique<RecordFileWriter>(CountyFilePath(spec_, directory_, suffix),
                                                  spec_.loneCr ? "\r" : spec_.crlf ? "\r\n" : "\n");
    }
    void Finish(const std::string& suffix, RecordFileWriter& writer) {
        result_.records[suffix] = writer.Close();
        result_.bytes += writer.Bytes();
    }

private:
    const CountySpec& spec_;
    std::string directory_;
    GeneratedCounty& result_;
};

// The records that the 2002-2006 and the 1994-2000 editions write alike:
// types 2, 4, 6, Z, 7 and 8. Each takes its file's suffix.
void WriteShapePointRecords(const CountyModel& model, CountyFiles& files, const std::string& suffix);
void WriteAlternateNameRecords(const CountyModel& model, CountyFiles& files, const std::string& suffix);
void WriteAdditionalAddressRecords(const CountyModel& model, CountyFiles& files, const std::string& suffix);
void WriteZip4Records(const CountyModel& model, CountyFiles& files, const std::string& suffix);
void WriteLandmarkRecords(const CountyModel& model, CountyFiles& files, const std::string& suffix7,
                          const std::string& suffix8);

}  // namespace countygen
