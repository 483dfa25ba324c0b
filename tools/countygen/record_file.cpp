#include "record_file.h"

#include <numeric>
#include <stdexcept>

namespace countygen {

namespace {

constexpr size_t kFlushSize = size_t{1} << 20;
constexpr int kLength2 = 208, kLength4 = 58, kLength6 = 76, kLength7 = 74, kLength8 = 36, kLengthZ = 26;

// splitmix64: a small, well-mixed generator for the record orders.
std::uint64_t NextRandom(std::uint64_t& state) {
    std::uint64_t z = (state += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

long long FileNumber(const CountyModel& model) { return std::stoll(model.Spec().state + model.Spec().county); }

}  // namespace

RecordFileWriter::RecordFileWriter(std::string path, std::string_view lineEnd)
    : path_(std::move(path)), lineEnd_(lineEnd) {
    file_.reset(std::fopen(path_.c_str(), "wb"));
    if (!file_) throw std::runtime_error("cannot create " + path_);
    buffer_.reserve(kFlushSize + 512);
}

RecordFileWriter::~RecordFileWriter() {
    try {
        Close();
    } catch (...) {
    }
}

void RecordFileWriter::Add(std::string_view line) {
    buffer_.append(line.data(), line.size());
    buffer_.append(lineEnd_.data(), lineEnd_.size());
    ++records_;
    if (buffer_.size() >= kFlushSize) Flush();
}

long long RecordFileWriter::Close() {
    if (!file_) return records_;
    Flush();
    bool ok = std::fclose(file_.release()) == 0;
    if (!ok) throw std::runtime_error("cannot write " + path_);
    return records_;
}

void RecordFileWriter::Flush() {
    if (!buffer_.empty() && std::fwrite(buffer_.data(), 1, buffer_.size(), file_.get()) != buffer_.size()) {
        throw std::runtime_error("cannot write " + path_);
    }
    bytes_ += static_cast<long long>(buffer_.size());
    buffer_.clear();
}

std::vector<int> RecordOrder(size_t n, std::uint64_t seed, std::uint64_t salt) {
    std::vector<int> order(n);
    std::iota(order.begin(), order.end(), 0);
    if (seed == 0) return order;
    std::uint64_t state = seed * 0x2545F4914F6CDD1DULL + salt;
    for (size_t k = n; k > 1; --k) {
        size_t pick = static_cast<size_t>(NextRandom(state) % k);
        std::swap(order[k - 1], order[pick]);
    }
    return order;
}

void WriteShapePointRecords(const CountyModel& model, CountyFiles& files, const std::string& suffix) {
    struct ShapeRecord {
        int line;
        int rtsq;
    };
    std::vector<ShapeRecord> records;
    for (int line = 3; line < model.LineCount(); line += 7) {
        for (int k = 1; k <= model.ShapeRecordCount(line); ++k) records.push_back({line, k});
    }
    auto file = files.Open(suffix);
    FixedLine r;
    for (int index : RecordOrder(records.size(), model.Spec().seed, 2)) {
        const ShapeRecord& s = records[static_cast<size_t>(index)];
        const LineInfo l = model.Line(s.line);
        r.Start('2', model.Version(), kLength2);
        r.Text(6, 15, l.tlid);
        r.Number(16, 18, s.rtsq);
        for (int k = 0; k < 10; ++k) {
            const size_t point = static_cast<size_t>(10 * (s.rtsq - 1) + k);
            const int lon = 19 + 19 * k, lat = 29 + 19 * k;
            if (point < l.shapePoints.size()) {
                r.Signed(lon, lon + 9, l.shapePoints[point].lon);
                r.Signed(lat, lat + 8, l.shapePoints[point].lat);
            } else {
                r.SignedZeroPadded(lon, lon + 9, 0);
                r.SignedZeroPadded(lat, lat + 8, 0);
            }
        }
        file->Add(r);
    }
    files.Finish(suffix, *file);
}

void WriteAlternateNameRecords(const CountyModel& model, CountyFiles& files, const std::string& suffix) {
    const std::vector<AlternateNames> alternates = model.AlternateNameRows();
    auto file = files.Open(suffix);
    FixedLine r;
    for (int index : RecordOrder(alternates.size(), model.Spec().seed, 7)) {
        const AlternateNames& a = alternates[static_cast<size_t>(index)];
        r.Start('4', model.Version(), kLength4);
        r.Text(6, 15, model.Tlid(a.line));
        r.Number(16, 18, 1);
        r.Text(19, 26, a.feat1);
        r.Text(27, 34, a.feat2);
        file->Add(r);
    }
    files.Finish(suffix, *file);
}

void WriteAdditionalAddressRecords(const CountyModel& model, CountyFiles& files, const std::string& suffix) {
    const std::vector<int> additional = model.AdditionalAddressLines();
    auto file = files.Open(suffix);
    FixedLine r;
    for (int index : RecordOrder(additional.size(), model.Spec().seed, 8)) {
        const LineInfo l = model.Line(additional[static_cast<size_t>(index)]);
        const long long base = std::stoll(l.fraddr) + 100;
        r.Start('6', model.Version(), kLength6);
        r.Text(6, 15, l.tlid);
        r.Number(16, 18, 1);
        r.Number(19, 29, base + 1);
        r.Number(30, 40, base + 99);
        r.Number(41, 51, base);
        r.Number(52, 62, base + 98);
        r.Text(67, 71, l.zipl);
        r.Text(72, 76, l.zipr);
        file->Add(r);
    }
    files.Finish(suffix, *file);
}

void WriteZip4Records(const CountyModel& model, CountyFiles& files, const std::string& suffix) {
    const std::vector<int> zip4 = model.Zip4Lines();
    auto file = files.Open(suffix);
    FixedLine r;
    for (int index : RecordOrder(zip4.size(), model.Spec().seed, 9)) {
        const int line = zip4[static_cast<size_t>(index)];
        r.Start('Z', model.Version(), kLengthZ);
        r.Text(6, 15, model.Tlid(line));
        r.Number(16, 18, 1);
        r.Text(19, 22, CountyModel::Zip4Left(line));
        r.Text(23, 26, CountyModel::Zip4Right(line));
        file->Add(r);
    }
    files.Finish(suffix, *file);
}

void WriteLandmarkRecords(const CountyModel& model, CountyFiles& files, const std::string& suffix7,
                          const std::string& suffix8) {
    FixedLine r;
    const long long fileNumber = FileNumber(model);
    const std::vector<Landmark> marks = model.Landmarks();
    auto rt7 = files.Open(suffix7);
    for (int index : RecordOrder(marks.size(), model.Spec().seed, 10)) {
        const Landmark& m = marks[static_cast<size_t>(index)];
        r.Start('7', model.Version(), kLength7);
        r.ZeroPadded(6, 10, fileNumber);
        r.Number(11, 20, m.land);
        r.Text(22, 24, m.cfcc);
        r.Text(25, 54, m.laname);
        if (!m.area) {
            const CellCodes c = model.Cell(m.cell);
            r.Signed(55, 64, c.centre.lon);
            r.Signed(65, 73, c.centre.lat);
        }
        rt7->Add(r);
    }
    files.Finish(suffix7, *rt7);

    auto rt8 = files.Open(suffix8);
    std::vector<const Landmark*> areas;
    for (const Landmark& m : marks) {
        if (m.area) areas.push_back(&m);
    }
    for (int index : RecordOrder(areas.size(), model.Spec().seed, 11)) {
        const Landmark& m = *areas[static_cast<size_t>(index)];
        const CellCodes c = model.Cell(m.cell);
        r.Start('8', model.Version(), kLength8);
        r.ZeroPadded(6, 10, fileNumber);
        r.Text(11, 15, c.cenid);
        r.Text(16, 25, c.polyid);
        r.Number(26, 35, m.land);
        rt8->Add(r);
    }
    files.Finish(suffix8, *rt8);
}

}  // namespace countygen
