#include "county_writer.h"

#include "fixed_line.h"

#include <cctype>
#include <cstdio>
#include <memory>
#include <numeric>
#include <stdexcept>

namespace countygen {

namespace {

// Record lengths of the files written.
constexpr int kLength1 = 228, kLength2 = 208, kLengthI = 127, kLength4 = 58, kLength5 = 56, kLength6 = 76,
              kLength7 = 74, kLength8 = 36, kLengthA = 210, kLengthB = 98, kLengthC = 122, kLengthE = 73,
              kLengthM = 90, kLengthP = 45, kLengthS = 168, kLengthT = 47, kLengthU = 80, kLengthZ = 26;

struct FileCloser {
    void operator()(std::FILE* f) const { if (f) std::fclose(f); }
};

// A record file written through a large buffer.
class RecordFileWriter {
public:
    RecordFileWriter(std::string path, bool crlf) : path_(std::move(path)), crlf_(crlf) {
        file_.reset(std::fopen(path_.c_str(), "wb"));
        if (!file_) throw std::runtime_error("cannot create " + path_);
        buffer_.reserve(kFlushSize + 512);
    }
    ~RecordFileWriter() {
        try {
            Close();
        } catch (...) {
        }
    }
    void Add(std::string_view line) {
        buffer_.append(line.data(), line.size());
        if (crlf_) buffer_ += '\r';
        buffer_ += '\n';
        ++records_;
        if (buffer_.size() >= kFlushSize) Flush();
    }
    void Add(const FixedLine& line) { Add(line.View()); }
    // Closes the file; returns the number of records.
    long long Close() {
        if (!file_) return records_;
        Flush();
        bool ok = std::fclose(file_.release()) == 0;
        if (!ok) throw std::runtime_error("cannot write " + path_);
        return records_;
    }
    long long Bytes() const { return bytes_; }

private:
    static constexpr size_t kFlushSize = size_t{1} << 20;
    void Flush() {
        if (!buffer_.empty() && std::fwrite(buffer_.data(), 1, buffer_.size(), file_.get()) != buffer_.size()) {
            throw std::runtime_error("cannot write " + path_);
        }
        bytes_ += static_cast<long long>(buffer_.size());
        buffer_.clear();
    }

    std::string path_;
    bool crlf_;
    std::unique_ptr<std::FILE, FileCloser> file_;
    std::string buffer_;
    long long records_ = 0;
    long long bytes_ = 0;
};

// splitmix64: a small, well-mixed generator for the record orders.
std::uint64_t NextRandom(std::uint64_t& state) {
    std::uint64_t z = (state += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

// The order of n records: natural for seed 0, else a shuffle of its own for
// every file (`salt`).
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

std::string Suffix(const CountySpec& spec, const std::string& suffix) {
    std::string s = suffix;
    if (spec.upperCaseNames) {
        for (char& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    return s;
}

class CountyWriter {
public:
    CountyWriter(const CountySpec& spec, const std::string& directory)
        : spec_(spec), model_(spec), directory_(directory), version_(model_.Version()),
          fileNumber_(std::stoll(spec.state + spec.county)) {}

    GeneratedCounty Write();

private:
    std::unique_ptr<RecordFileWriter> Open(const char* suffix) {
        return std::make_unique<RecordFileWriter>(CountyFilePath(spec_, directory_, suffix), spec_.crlf);
    }
    void Finish(const char* suffix, RecordFileWriter& writer) {
        result_.records[suffix] = writer.Close();
        result_.bytes += writer.Bytes();
    }
    void WriteLines();
    void WriteShapePoints();
    void WritePolygons();
    void WriteNodes();
    void WriteFeatures();
    void WriteLandmarks();
    void WriteEntityNames();
    void WriteMetadataText();
    void PutCodes1(FixedLine& r, int cell, bool left);

    const CountySpec& spec_;
    CountyModel model_;
    std::string directory_;
    int version_;
    long long fileNumber_;  // state and county as a number, the FILE field
    GeneratedCounty result_;
};


// The left (or right) cell's codes in the type 1 record.
void CountyWriter::PutCodes1(FixedLine& r, int cell, bool left) {
    if (cell < 0) return;
    const CellCodes c = model_.Cell(cell);
    const int shift = left ? 0 : 1;
    r.Text(117 + 5 * shift, 121 + 5 * shift, c.aianhhfp);
    r.Char(127 + shift, c.aihhtli);
    r.Text(131 + 2 * shift, 132 + 2 * shift, c.state);
    r.Text(135 + 3 * shift, 137 + 3 * shift, c.county);
    r.Text(141 + 5 * shift, 145 + 5 * shift, c.cousub);
    r.Text(151 + 5 * shift, 155 + 5 * shift, c.submcd);
    r.Text(161 + 5 * shift, 165 + 5 * shift, c.place);
    r.Text(171 + 6 * shift, 176 + 6 * shift, c.tract);
    r.Text(183 + 4 * shift, 186 + 4 * shift, c.block);
}

void CountyWriter::WriteLines() {
    auto rt1 = Open("rt1");
    auto rti = Open("rti");
    auto rtm = Open("rtm");
    FixedLine r;
    for (int line : RecordOrder(static_cast<size_t>(model_.LineCount()), spec_.seed, 1)) {
        const LineInfo l = model_.Line(line);
        r.Start('1', version_, kLength1);
        r.Text(6, 15, l.tlid);
        r.Char(17, 'J');
        r.Text(20, 49, l.fename);
        r.Text(50, 53, l.fetype);
        r.Text(56, 58, l.cfcc);
        r.Text(59, 69, l.fraddl);
        r.Text(70, 80, l.toaddl);
        r.Text(81, 91, l.fraddr);
        r.Text(92, 102, l.toaddr);
        r.Text(107, 111, l.zipl);
        r.Text(112, 116, l.zipr);
        PutCodes1(r, l.leftCell, true);
        PutCodes1(r, l.rightCell, false);
        r.Signed(191, 200, l.from.lon);
        r.Signed(201, 209, l.from.lat);
        r.Signed(210, 219, l.to.lon);
        r.Signed(220, 228, l.to.lat);
        rt1->Add(r);

        r.Start('I', version_, kLengthI);
        r.ZeroPadded(6, 10, fileNumber_);
        r.Text(11, 20, l.tlid);
        r.Text(21, 30, model_.Tzid(l.fromNode));
        r.Text(31, 40, model_.Tzid(l.toNode));
        if (l.leftCell >= 0) {
            const CellCodes c = model_.Cell(l.leftCell);
            r.Text(41, 45, c.cenid);
            r.Text(46, 55, c.polyid);
        }
        if (l.rightCell >= 0) {
            const CellCodes c = model_.Cell(l.rightCell);
            r.Text(56, 60, c.cenid);
            r.Text(61, 70, c.polyid);
        }
        rti->Add(r);

        r.Start('M', version_, kLengthM);
        r.Text(6, 15, l.tlid);
        r.Number(16, 18, 1);
        r.Text(19, 28, "COUNTYGEN");
        rtm->Add(r);
    }
    Finish("rt1", *rt1);
    Finish("rti", *rti);
    Finish("rtm", *rtm);
}

void CountyWriter::WriteShapePoints() {
    struct ShapeRecord {
        int line;
        int rtsq;
    };
    std::vector<ShapeRecord> records;
    for (int line = 3; line < model_.LineCount(); line += 7) {
        for (int k = 1; k <= model_.ShapeRecordCount(line); ++k) records.push_back({line, k});
    }
    auto rt2 = Open("rt2");
    FixedLine r;
    for (int index : RecordOrder(records.size(), spec_.seed, 2)) {
        const ShapeRecord& s = records[static_cast<size_t>(index)];
        const LineInfo l = model_.Line(s.line);
        r.Start('2', version_, kLength2);
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
        rt2->Add(r);
    }
    Finish("rt2", *rt2);
}

void CountyWriter::WritePolygons() {
    auto rta = Open("rta");
    auto rts = Open("rts");
    auto rtp = Open("rtp");
    auto rtb = Open("rtb");
    auto rte = Open("rte");
    const int edition = model_.EditionCode();
    FixedLine r;
    for (int cell : RecordOrder(static_cast<size_t>(model_.CellCount()), spec_.seed, 3)) {
        const CellCodes c = model_.Cell(cell);
        auto head = [&](char type, int length) {
            r.Start(type, version_, length);
            r.ZeroPadded(6, 10, fileNumber_);
            r.Text(11, 15, c.cenid);
            r.Text(16, 25, c.polyid);
        };
        head('A', kLengthA);
        r.Text(26, 27, c.state);
        r.Text(28, 30, c.county);
        r.Text(31, 36, c.tract);
        r.Text(37, 40, c.block);
        r.Text(41, 41, c.blockSuffix);
        r.Text(43, 47, c.aianhhfp);
        r.Text(48, 51, c.aianhh);
        r.Char(52, c.aihhtli);
        r.Text(53, 57, c.anrc);
        r.Text(58, 60, c.aitsce);
        r.Text(61, 65, c.aits);
        r.Text(66, 70, c.concit);
        r.Text(71, 75, c.cousub);
        r.Text(76, 80, c.submcd);
        r.Text(81, 85, c.place);
        r.Text(86, 90, c.sdelm);
        r.Text(91, 95, c.sdsec);
        r.Text(96, 100, c.sduni);
        if (edition == 104) {
            r.Text(101, 104, c.msacmas);
            r.Text(105, 108, c.pmsa);
            r.Text(109, 112, c.necma);
        }
        r.Text(113, 114, c.cd);
        if (edition >= 105) {
            r.Text(115, 119, c.zcta5);
            r.Text(120, 122, c.zcta3);
            r.Text(152, 156, c.cbsa);
            r.Text(157, 159, c.csa);
            r.Text(160, 164, c.necta);
            r.Text(165, 167, c.cnecta);
            r.Text(168, 172, c.metdiv);
            r.Text(173, 177, c.nectadiv);
        }
        if (edition == 106) {
            r.Text(129, 131, c.sldu);
            r.Text(132, 134, c.sldl);
            r.Text(182, 186, c.ua);
            r.Char(187, c.ur);
        }
        rta->Add(r);

        head('S', kLengthS);
        r.Text(26, 27, c.state);
        r.Text(28, 30, c.county);
        r.Text(31, 36, c.tract);
        r.Text(37, 40, c.block);
        r.Char(41, c.blockGroup);
        r.Text(42, 46, c.aianhhfp);
        r.Text(47, 50, c.aianhh);
        r.Char(51, c.aihhtli);
        r.Text(52, 56, c.anrc);
        r.Text(57, 59, c.aitsce);
        r.Text(60, 64, c.aits);
        r.Text(65, 69, c.concit);
        r.Text(70, 74, c.cousub);
        r.Text(75, 79, c.submcd);
        r.Text(80, 84, c.place);
        r.Text(85, 89, c.sdelm);
        r.Text(90, 94, c.sdsec);
        r.Text(95, 99, c.sduni);
        r.Text(100, 103, c.msacmas);
        r.Text(104, 107, c.pmsa);
        r.Text(108, 111, c.necma);
        r.Text(112, 113, c.cd);
        r.Text(114, 115, c.cd);
        r.Text(116, 120, c.puma5);
        r.Text(121, 125, c.puma1);
        r.Text(126, 130, c.zcta5);
        r.Text(131, 133, c.zcta3);
        r.Text(134, 139, c.taz);
        r.Text(146, 150, c.ua);
        r.Char(151, c.ur);
        r.Text(152, 157, c.vtd);
        r.Text(158, 160, c.sldu);
        r.Text(161, 163, c.sldl);
        rts->Add(r);

        head('P', kLengthP);
        r.Signed(26, 35, c.centre.lon);
        r.Signed(36, 44, c.centre.lat);
        r.Number(45, 45, c.water ? 1 : 0);
        rtp->Add(r);

        head('B', kLengthB);
        r.Text(26, 27, c.state);
        r.Text(28, 30, c.county);
        r.Text(31, 36, c.tract);
        r.Text(37, 40, c.block);
        r.Text(41, 41, c.blockSuffix);
        r.Text(42, 46, c.aianhhfp);
        r.Text(47, 50, c.aianhh);
        r.Char(51, c.aihhtli);
        r.Text(52, 56, c.anrc);
        r.Text(57, 59, c.aitsce);
        r.Text(60, 64, c.aits);
        r.Text(65, 69, c.concit);
        r.Text(70, 74, c.cousub);
        r.Text(75, 79, c.submcd);
        r.Text(80, 84, c.place);
        r.Text(85, 89, c.ua);
        r.Char(90, c.ur);
        rtb->Add(r);

        head('E', kLengthE);
        r.Text(26, 27, c.state);
        r.Text(28, 30, c.county);
        r.Text(41, 45, c.place);
        r.Number(56, 56, c.commercialRegion);
        rte->Add(r);
    }
    Finish("rta", *rta);
    Finish("rts", *rts);
    Finish("rtp", *rtp);
    Finish("rtb", *rtb);
    Finish("rte", *rte);
}

void CountyWriter::WriteNodes() {
    auto rtt = Open("rtt");
    FixedLine r;
    for (int node : RecordOrder(static_cast<size_t>(model_.NodeCount()), spec_.seed, 4)) {
        r.Start('T', version_, kLengthT);
        r.ZeroPadded(6, 10, fileNumber_);
        r.Text(11, 20, model_.Tzid(node));
        rtt->Add(r);
    }
    Finish("rtt", *rtt);

    const std::vector<OverUnderPass> passes = model_.OverUnderPasses();
    auto rtu = Open("rtu");
    for (int index : RecordOrder(passes.size(), spec_.seed, 5)) {
        const OverUnderPass& p = passes[static_cast<size_t>(index)];
        const PointM at = model_.NodePoint(p.node);
        r.Start('U', version_, kLengthU);
        r.ZeroPadded(6, 10, fileNumber_);
        r.Text(11, 20, model_.Tzid(p.node));
        r.Number(21, 21, 1);
        r.Text(22, 31, p.tlidov1);
        r.Text(32, 41, p.tlidov2);
        r.Text(42, 51, p.tlidun1);
        r.Text(52, 61, p.tlidun2);
        r.Signed(62, 71, at.lon);
        r.Signed(72, 80, at.lat);
        rtu->Add(r);
    }
    Finish("rtu", *rtu);
}

void CountyWriter::WriteFeatures() {
    FixedLine r;
    const std::vector<Feature> features = model_.Features();
    auto rt5 = Open("rt5");
    for (int index : RecordOrder(features.size(), spec_.seed, 6)) {
        const Feature& f = features[static_cast<size_t>(index)];
        r.Start('5', version_, kLength5);
        r.ZeroPadded(6, 10, fileNumber_);
        r.Text(11, 18, f.feat);
        r.Text(21, 50, f.fename);
        r.Text(51, 54, f.fetype);
        rt5->Add(r);
    }
    Finish("rt5", *rt5);

    const std::vector<AlternateNames> alternates = model_.AlternateNameRows();
    auto rt4 = Open("rt4");
    for (int index : RecordOrder(alternates.size(), spec_.seed, 7)) {
        const AlternateNames& a = alternates[static_cast<size_t>(index)];
        r.Start('4', version_, kLength4);
        r.Text(6, 15, model_.Tlid(a.line));
        r.Number(16, 18, 1);
        r.Text(19, 26, a.feat1);
        r.Text(27, 34, a.feat2);
        rt4->Add(r);
    }
    Finish("rt4", *rt4);

    const std::vector<int> additional = model_.AdditionalAddressLines();
    auto rt6 = Open("rt6");
    for (int index : RecordOrder(additional.size(), spec_.seed, 8)) {
        const LineInfo l = model_.Line(additional[static_cast<size_t>(index)]);
        const long long base = std::stoll(l.fraddr) + 100;
        r.Start('6', version_, kLength6);
        r.Text(6, 15, l.tlid);
        r.Number(16, 18, 1);
        r.Number(19, 29, base + 1);
        r.Number(30, 40, base + 99);
        r.Number(41, 51, base);
        r.Number(52, 62, base + 98);
        r.Text(67, 71, l.zipl);
        r.Text(72, 76, l.zipr);
        rt6->Add(r);
    }
    Finish("rt6", *rt6);

    const std::vector<int> zip4 = model_.Zip4Lines();
    auto rtz = Open("rtz");
    for (int index : RecordOrder(zip4.size(), spec_.seed, 9)) {
        const int line = zip4[static_cast<size_t>(index)];
        r.Start('Z', version_, kLengthZ);
        r.Text(6, 15, model_.Tlid(line));
        r.Number(16, 18, 1);
        r.Text(19, 22, CountyModel::Zip4Left(line));
        r.Text(23, 26, CountyModel::Zip4Right(line));
        rtz->Add(r);
    }
    Finish("rtz", *rtz);
}

void CountyWriter::WriteLandmarks() {
    FixedLine r;
    const std::vector<Landmark> marks = model_.Landmarks();
    auto rt7 = Open("rt7");
    for (int index : RecordOrder(marks.size(), spec_.seed, 10)) {
        const Landmark& m = marks[static_cast<size_t>(index)];
        r.Start('7', version_, kLength7);
        r.ZeroPadded(6, 10, fileNumber_);
        r.Number(11, 20, m.land);
        r.Text(22, 24, m.cfcc);
        r.Text(25, 54, m.laname);
        if (!m.area) {
            const CellCodes c = model_.Cell(m.cell);
            r.Signed(55, 64, c.centre.lon);
            r.Signed(65, 73, c.centre.lat);
        }
        rt7->Add(r);
    }
    Finish("rt7", *rt7);

    auto rt8 = Open("rt8");
    std::vector<const Landmark*> areas;
    for (const Landmark& m : marks) {
        if (m.area) areas.push_back(&m);
    }
    for (int index : RecordOrder(areas.size(), spec_.seed, 11)) {
        const Landmark& m = *areas[static_cast<size_t>(index)];
        const CellCodes c = model_.Cell(m.cell);
        r.Start('8', version_, kLength8);
        r.ZeroPadded(6, 10, fileNumber_);
        r.Text(11, 15, c.cenid);
        r.Text(16, 25, c.polyid);
        r.Number(26, 35, m.land);
        rt8->Add(r);
    }
    Finish("rt8", *rt8);
}

void CountyWriter::WriteEntityNames() {
    // File order is kept: the first matching name wins.
    auto rtc = Open("rtc");
    FixedLine r;
    for (const EntityName& e : model_.EntityNames()) {
        r.Start('C', version_, kLengthC);
        r.Text(6, 7, e.state);
        r.Text(8, 10, e.county);
        r.Text(11, 14, e.datayr);
        r.Text(15, 19, e.fips);
        r.Text(20, 21, e.fipscc);
        r.Char(22, e.placedc);
        r.Text(23, 24, e.lsadc);
        r.Char(25, e.entity);
        r.Text(26, 29, e.ma);
        r.Text(30, 34, e.sd);
        r.Text(35, 38, e.aianhh);
        r.Text(39, 44, e.vtdtract);
        r.Text(45, 49, e.uauga);
        r.Text(53, 55, e.csanecta);
        r.Text(56, 60, e.cbsanecta);
        if (e.commreg >= 0) r.Number(61, 61, e.commreg);
        r.Text(63, 122, e.name);
        rtc->Add(r);
    }
    Finish("rtc", *rtc);
}

void CountyWriter::WriteMetadataText() {
    auto met = Open("met");
    met->Add("Synthetic TIGER/Line county " + result_.baseName);
    met->Add("Written by countygen: " + std::to_string(spec_.width) + " x " + std::to_string(spec_.height) +
             " cells, edition " + std::string(1, spec_.edition) + ", seed " + std::to_string(spec_.seed));
    met->Add("");
    met->Add("Complete chains: " + std::to_string(model_.LineCount()));
    met->Add("Polygons: " + std::to_string(model_.CellCount()));
    met->Add("Nodes: " + std::to_string(model_.NodeCount()));
    Finish("met", *met);
}

GeneratedCounty CountyWriter::Write() {
    result_.directory = directory_;
    result_.baseName = (spec_.upperCaseNames ? "TGR" : "tgr") + spec_.state + spec_.county;
    result_.type1Path = CountyFilePath(spec_, directory_, "rt1");
    WriteLines();
    WriteShapePoints();
    WritePolygons();
    WriteNodes();
    WriteFeatures();
    WriteLandmarks();
    WriteEntityNames();
    WriteMetadataText();
    return result_;
}

}  // namespace

std::string CountyFilePath(const CountySpec& spec, const std::string& directory, const std::string& suffix) {
    return directory + "/" + (spec.upperCaseNames ? "TGR" : "tgr") + spec.state + spec.county + "." +
           Suffix(spec, suffix);
}

GeneratedCounty WriteCounty(const CountySpec& spec, const std::string& directory) {
    if (spec.width < 1 || spec.height < 1) throw std::runtime_error("the grid needs at least one cell");
    if (spec.state.size() != 2 || spec.county.size() != 3) throw std::runtime_error("state 2 digits, county 3");
    return CountyWriter(spec, directory).Write();
}

}  // namespace countygen
