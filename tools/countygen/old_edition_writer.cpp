#include "old_edition_writer.h"

#include "old_edition_layouts.h"
#include "record_file.h"

namespace countygen {

namespace {

// The fields of `columns` from `row`, each side of a line `shift` columns on
// (0 for the left side, the field's width for the right side).
template <class Row>
void PutColumns(FixedLine& r, const std::vector<Column<Row>>& columns, const Row& row, bool rightSide = false) {
    for (const Column<Row>& c : columns) {
        const int shift = rightSide ? c.Width() : 0;
        if (c.text) r.Text(c.first + shift, c.last + shift, row.*c.text);
        if (c.character) r.Char(c.first + shift, row.*c.character);
    }
}

template <class Row>
void PutSides(FixedLine& r, const std::vector<Column<Row>>& columns, const Row& left, const Row& right) {
    PutColumns(r, columns, left);
    PutColumns(r, columns, right, true);
}

class OldEditionWriter {
public:
    OldEditionWriter(const CountySpec& spec, const std::string& directory)
        : spec_(spec), model_(spec), files_(spec, directory, result_), directory_(directory),
          release_(model_.EditionCode()), version_(model_.Version()),
          fileNumber_(std::stoll(spec.state + spec.county)),
          columnsA_(ColumnsOf(CellColumns(), 'A', release_)), columnsS_(ColumnsOf(CellColumns(), 'S', release_)),
          sides1_(ColumnsOf(SideColumns(), '1', release_)), sides3_(ColumnsOf(SideColumns(), '3', release_)),
          columnsC_(ColumnsOf(EntityColumns(), 'C', release_)) {}

    GeneratedCounty Write();

private:
    std::string Suffix(char recordType) const { return RecordSuffix(spec_.edition, recordType); }
    void Start(FixedLine& r, char recordType) const { r.Start(recordType, version_, OldRecordLength(recordType)); }
    void WriteLines();
    void WritePolygons();
    void WriteFeatureNames();
    void WriteKeyLocations();
    void WriteEntityNames();

    const CountySpec& spec_;
    CountyModel model_;
    GeneratedCounty result_;
    CountyFiles files_;
    std::string directory_;
    int release_;
    int version_;
    long long fileNumber_;  // state and county as a number
    // The release's fields, read once.
    std::vector<Column<OldCellCodes>> columnsA_, columnsS_;
    std::vector<Column<OldSideCodes>> sides1_, sides3_;
    std::vector<Column<OldEntityName>> columnsC_;
};

void OldEditionWriter::WriteLines() {
    auto rt1 = files_.Open(Suffix('1'));
    auto rt3 = files_.Open(Suffix('3'));
    auto rti = files_.Open(Suffix('i'));
    FixedLine r;
    for (int line : RecordOrder(static_cast<size_t>(model_.LineCount()), spec_.seed, 1)) {
        const LineInfo l = model_.Line(line);
        const OldSideCodes left = model_.OldSide(l.leftCell);
        const OldSideCodes right = model_.OldSide(l.rightCell);
        Start(r, '1');
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
        PutSides(r, sides1_, left, right);
        r.Signed(191, 200, l.from.lon);
        r.Signed(201, 209, l.from.lat);
        r.Signed(210, 219, l.to.lon);
        r.Signed(220, 228, l.to.lat);
        rt1->Add(r);

        Start(r, '3');
        r.Text(6, 15, l.tlid);
        PutSides(r, sides3_, left, right);
        rt3->Add(r);

        Start(r, 'I');
        r.Text(6, 15, l.tlid);
        r.ZeroPadded(16, 20, fileNumber_);
        r.Text(22, 26, left.CENID);
        r.Text(27, 36, left.POLYID);
        r.Text(37, 41, right.CENID);
        r.Text(42, 51, right.POLYID);
        rti->Add(r);
    }
    files_.Finish(Suffix('1'), *rt1);
    files_.Finish(Suffix('3'), *rt3);
    files_.Finish(Suffix('i'), *rti);
}

void OldEditionWriter::WritePolygons() {
    auto rta = files_.Open(Suffix('a'));
    auto rts = files_.Open(Suffix('s'));
    FixedLine r;
    for (int cell : RecordOrder(static_cast<size_t>(model_.CellCount()), spec_.seed, 3)) {
        const OldCellCodes c = model_.OldCell(cell);
        Start(r, 'A');
        PutColumns(r, columnsA_, c);
        rta->Add(r);
        Start(r, 'S');
        PutColumns(r, columnsS_, c);
        r.Number(26, 26, c.WATER);
        rts->Add(r);
    }
    files_.Finish(Suffix('a'), *rta);
    files_.Finish(Suffix('s'), *rts);
}

// Type 5 of these editions has no VERSION: state and county fill columns 2-6.
void OldEditionWriter::WriteFeatureNames() {
    const std::vector<Feature> features = model_.Features();
    auto rt5 = files_.Open(Suffix('5'));
    FixedLine r;
    for (int index : RecordOrder(features.size(), spec_.seed, 6)) {
        const Feature& f = features[static_cast<size_t>(index)];
        Start(r, '5');
        r.Text(2, 3, spec_.state);
        r.Text(4, 6, spec_.county);
        r.Text(7, 14, f.feat);
        r.Text(17, 46, f.fename);
        r.Text(47, 50, f.fetype);
        rt5->Add(r);
    }
    files_.Finish(Suffix('5'), *rt5);
}

void OldEditionWriter::WriteKeyLocations() {
    const std::vector<KeyLocation> locations = model_.KeyLocations();
    auto rt9 = files_.Open(Suffix('9'));
    FixedLine r;
    for (int index : RecordOrder(locations.size(), spec_.seed, 12)) {
        const KeyLocation& k = locations[static_cast<size_t>(index)];
        Start(r, '9');
        r.ZeroPadded(6, 10, fileNumber_);
        r.Text(11, 15, k.CENID);
        r.Text(16, 25, k.POLYID);
        r.Text(27, 29, k.CFCC);
        r.Text(30, 59, k.KGLNAME);
        r.Text(60, 70, k.ADDRESS);
        r.Text(71, 75, k.ZIPCODE);
        r.Text(76, 79, k.ZIP4);
        r.Text(80, 87, k.FEAT);
        rt9->Add(r);
    }
    files_.Finish(Suffix('9'), *rt9);
}

void OldEditionWriter::WriteEntityNames() {
    // File order is kept: the first matching name wins.
    auto rtc = files_.Open(Suffix('c'));
    FixedLine r;
    for (const OldEntityName& e : model_.OldEntityNames()) {
        Start(r, 'C');
        PutColumns(r, columnsC_, e);
        rtc->Add(r);
    }
    files_.Finish(Suffix('c'), *rtc);
}

GeneratedCounty OldEditionWriter::Write() {
    result_.directory = directory_;
    result_.baseName = (spec_.upperCaseNames ? "TGR" : "tgr") + spec_.state + spec_.county;
    result_.type1Path = CountyFilePath(spec_, directory_, Suffix('1'));
    WriteLines();
    WriteShapePointRecords(model_, files_, Suffix('2'));
    WritePolygons();
    WriteFeatureNames();
    WriteAlternateNameRecords(model_, files_, Suffix('4'));
    WriteAdditionalAddressRecords(model_, files_, Suffix('6'));
    WriteZip4Records(model_, files_, Suffix('z'));
    WriteLandmarkRecords(model_, files_, Suffix('7'), Suffix('8'));
    WriteKeyLocations();
    WriteEntityNames();
    return result_;
}

}  // namespace

GeneratedCounty WriteOldEditionCounty(const CountySpec& spec, const std::string& directory) {
    return OldEditionWriter(spec, directory).Write();
}

}  // namespace countygen
