#include "county_writer.h"

#include "old_edition_writer.h"
#include "record_file.h"

#include <cctype>
#include <cstdio>
#include <memory>
#include <stdexcept>

namespace countygen {

namespace {

// Record lengths of the files written here (the others: record_file.cpp).
constexpr int kLength1 = 228, kLengthI = 127, kLength5 = 56, kLengthA = 210, kLengthB = 98, kLengthC = 122,
              kLengthE = 73, kLengthM = 90, kLengthP = 45, kLengthS = 168, kLengthT = 47, kLengthU = 80;

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
        : spec_(spec), model_(spec), files_(spec, directory, result_), directory_(directory),
          version_(model_.Version()), fileNumber_(std::stoll(spec.state + spec.county)) {}

    GeneratedCounty Write();

private:
    std::unique_ptr<RecordFileWriter> Open(const char* suffix) { return files_.Open(suffix); }
    void Finish(const char* suffix, RecordFileWriter& writer) { files_.Finish(suffix, writer); }
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
    GeneratedCounty result_;
    CountyFiles files_;
    std::string directory_;
    int version_;
    long long fileNumber_;  // state and county as a number, the FILE field
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

void CountyWriter::WriteShapePoints() { WriteShapePointRecords(model_, files_, "rt2"); }

void CountyWriter::WritePolygons() {
    auto rta = Open("rta");
    auto rts = Open("rts");
    auto rtp = Open("rtp");
    auto rtb = spec_.typeB ? Open("rtb") : nullptr;
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
        r.Text(112, 113, c.cd106);
        r.Text(114, 115, c.cd108);
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

        if (rtb) {
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
        }

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
    if (rtb) Finish("rtb", *rtb);
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

    WriteAlternateNameRecords(model_, files_, "rt4");
    WriteAdditionalAddressRecords(model_, files_, "rt6");
    WriteZip4Records(model_, files_, "rtz");
}

void CountyWriter::WriteLandmarks() { WriteLandmarkRecords(model_, files_, "rt7", "rt8"); }

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
    if (!spec_.metTitle.empty()) met->Add("      Title: " + spec_.metTitle);
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
    if (IsOldEdition(spec.edition)) return WriteOldEditionCounty(spec, directory);
    return CountyWriter(spec, directory).Write();
}

}  // namespace countygen
