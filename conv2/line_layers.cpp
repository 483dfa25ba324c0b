#include "conv2/line_layers.h"

#include "conv2/conversion_dialog.h"
#include "conv2/job_state.h"
#include "conv2/line_output.h"
#include "conv2/record_search.h"
#include "conv2/record_store.h"
#include "conv2/shape_points.h"
#include "conv2/stages.h"
#include "platform/text.h"
#include "shapeio/county_change.h"
#include "shapeio/shapefile_layer_writer.h"
#include "tigercore/line_classes.h"
#include "tigercore/shape_points.h"

#include <array>

namespace vornak2 {

using shapeio::DbfFieldDef;

namespace {

constexpr size_t kLineFieldCount = 44;
using LineFieldTable = std::array<DbfFieldDef, kLineFieldCount + 1>;

constexpr LineFieldTable kTextAddressFields{{
    {"TLID", 'N', 10, 0},     {"FNODE", 'N', 10, 0},    {"TNODE", 'N', 10, 0},     {"FOVRUNDR", 'C', 1, 0},
    {"TOVRUNDR", 'C', 1, 0},  {"LENGTH", 'N', 10, 5},   {"FEDIRP", 'C', 2, 0},     {"FENAME", 'C', 30, 0},
    {"FETYPE", 'C', 4, 0},    {"FEDIRS", 'C', 2, 0},    {"CFCC", 'C', 3, 0},       {"FRADDL", 'C', 11, 0},
    {"TOADDL", 'C', 11, 0},   {"FRADDR", 'C', 11, 0},   {"TOADDR", 'C', 11, 0},    {"ZIPL", 'C', 5, 0},
    {"ZIPR", 'C', 5, 0},      {"CFCC1", 'C', 1, 0},     {"CFCC2", 'C', 2, 0},      {"SOURCE", 'C', 1, 0},
    {"FRIADDL", 'C', 1, 0},   {"TOIADDL", 'C', 1, 0},   {"FRIADDR", 'C', 1, 0},    {"TOIADDR", 'C', 1, 0},
    {"AIANHHFPL", 'C', 5, 0}, {"AIANHHFPR", 'C', 5, 0}, {"AIHHTLIL", 'C', 1, 0},   {"AIHHTLIR", 'C', 1, 0},
    {"CENSUS1", 'C', 1, 0},   {"CENSUS2", 'C', 1, 0},   {"STATEL", 'C', 2, 0},     {"STATER", 'C', 2, 0},
    {"COUNTYL", 'C', 3, 0},   {"COUNTYR", 'C', 3, 0},   {"COUSUBL", 'C', 5, 0},    {"COUSUBR", 'C', 5, 0},
    {"SUBMCDL", 'C', 5, 0},   {"SUBMCDR", 'C', 5, 0},   {"PLACEL", 'C', 5, 0},     {"PLACER", 'C', 5, 0},
    {"TRACTL", 'C', 6, 0},    {"TRACTR", 'C', 6, 0},    {"BLOCKL", 'C', 4, 0},     {"BLOCKR", 'C', 4, 0},
    {nullptr, 0, 0, 0},
}};

// The numeric table: the four address range ends are numbers, and the trust
// land indicators are named AIHHTLI and AIHHTLR.
constexpr LineFieldTable NumericAddressVariant(LineFieldTable fields) {
    for (size_t i = 11; i <= 14; ++i) fields[i].type = 'N';  // FRADDL, TOADDL, FRADDR, TOADDR
    fields[26].name = "AIHHTLI";
    fields[27].name = "AIHHTLR";
    return fields;
}
constexpr LineFieldTable kNumericAddressFields = NumericAddressVariant(kTextAddressFields);

}  // namespace

const DbfFieldDef* const LineFields = kTextAddressFields.data();
const DbfFieldDef* const LineNumericAddressFields = kNumericAddressFields.data();

namespace {

std::string Chars(char c) { return std::string(1, c); }
std::string Chars(char a, char b) { return std::string{a, b}; }
// An address-range imputation flag (stored as its number 0 to 9) as its digit.
std::string Digit(unsigned char value) { return Chars(static_cast<char>('0' + (value <= 9 ? value : 0))); }

}  // namespace

std::string LineRecord(const DbfFieldDef* fields, const Type1Record& line, const TypeIRecord* node, char fromFlag,
                       char toFlag, double miles) {
    shapeio::DbfRecord record(fields);
    record.Add(line.TLID)
        .Add(node ? node->TZIDS : "")
        .Add(node ? node->TZIDE : "")
        .Add(Chars(fromFlag))
        .Add(Chars(toFlag))
        .AddNumber(miles);
    tigercore::AddNameAndAddresses(record, line);
    record.Add(Chars(line.CFCC[0]))
        .Add(Chars(line.CFCC[0], line.CFCC[1]))
        .Add(Chars(line.SOURCE))
        .Add(Digit(line.FRIADDL))
        .Add(Digit(line.TOIADDL))
        .Add(Digit(line.FRIADDR))
        .Add(Digit(line.TOIADDR))
        .Add(line.AIANHHFPL)
        .Add(line.AIANHHFPR)
        .Add(Chars(line.AIHHTLIL))
        .Add(Chars(line.AIHHTLIR))
        .Add(Chars(line.CENSUS1))
        .Add(Chars(line.CENSUS2))
        .Add(line.STATEL)
        .Add(line.STATER)
        .Add(line.COUNTYL)
        .Add(line.COUNTYR)
        .Add(line.COUSUBL)
        .Add(line.COUSUBR)
        .Add(line.SUBMCDL)
        .Add(line.SUBMCDR)
        .Add(line.PLACEL)
        .Add(line.PLACER)
        .Add(line.TRACTL)
        .Add(line.TRACTR)
        .Add(line.BLOCKL)
        .Add(line.BLOCKR);
    return record.text();
}

namespace {

// Writes the layer of one class from its block of the class-sorted type 1
// table. False when the county failed (the layer's files are then undone).
bool BuildClassLayer(const tigercore::LineClass& lineClass, int firstRow, int rows) {
    const std::string mergedStem = platform::Format("lk%c", lineClass.letter);
    // A merged layer that holds the county already is passed over.
    if (shapeio::AlreadyMerged(Services(), shapeio::MergedLayerPath({gOutputPrefix, gOrganisationMode},
                                                                    lineClass.themeFolder, mergedStem, ".shp"))) {
        return true;
    }
    const shapeio::LayerOutput output = PlaceLineOutput(
        lineClass.themeFolder, platform::Format("%slk%c", gCountyBaseName.c_str(), lineClass.letter), mergedStem);
    const DbfFieldDef* fields = gNumericAddressFields ? LineNumericAddressFields : LineFields;

    shapeio::ShapefileLayerWriter layer(Services());
    tigercore::gLayerBox = shapeio::EmptyBox();
    if (!layer.Open(output, shapeio::kShapePolyLine, fields)) return false;
    tigercore::gLayerBox = layer.layerBox();  // an existing layer's box when it is continued

    Services().ShowStatus(platform::Format("Building Lines of Type %c", lineClass.letter));
    for (int n = 1; n <= rows; ++n) {
        const Type1Record& line = gType1Records[static_cast<size_t>(firstRow + n - 1)];
        const shapeio::PointXY start{line.FRLONG, line.FRLAT};
        const shapeio::PointXY end{line.TOLONG, line.TOLAT};

        tigercore::gShapePointCount = 0;
        tigercore::gShapeBox = shapeio::EmptyBox();
        for (const shapeio::PointXY& p : {start, end}) {
            shapeio::WidenBox(tigercore::gShapeBox, p.x, p.y);
            shapeio::WidenBox(tigercore::gLayerBox, p.x, p.y);
        }

        const int nodeRow = FindTypeIRecord(line.TLID);
        const TypeIRecord* node = nodeRow >= 0 ? &gTypeIRecords[static_cast<size_t>(nodeRow)] : nullptr;
        if (!node) Services().WriteLogText(platform::Format("Cannot find matching I record for tlid %s\n", line.TLID));

        tigercore::PutShapePoint(start);
        AppendShapePoints(line.TLID, 0);
        tigercore::PutShapePoint(end);
        const double miles =
            tigercore::ComputeLineMiles(tigercore::gShapePointBuffer.data(), tigercore::gShapePointCount);

        const char fromFlag = node ? LookupOverUnderFlag(node->TZIDS, line.TLID) : ' ';
        const char toFlag = node ? LookupOverUnderFlag(node->TZIDE, line.TLID) : ' ';
        if (gConversionStatus == -1) return false;

        if (!layer.AddArc(tigercore::gShapePointBuffer.data(), tigercore::gShapePointCount,
                          LineRecord(fields, line, node, fromFlag, toFlag, miles))) {
            return false;
        }
        Services().SetProgress(static_cast<int>(100LL * n / rows));
    }
    if (!layer.Finish()) return false;
    Services().WriteLogText(platform::Format("Wrote %ld Type %c lines to shape %s%s\n", static_cast<long>(rows),
                                             lineClass.letter, output.folder.c_str(), output.fileStem.c_str()));

    Services().SetProgress(0);
    Services().ShowStatus("");
    Services().ShowLayer("");
    return true;
}

}  // namespace

void BuildLineLayers() {
    if (!gCurrentJob) return;
    Services().ShowLayer("Lines");
    tigercore::ForEachLineClassBlock(
        gCfccClassCounts, gCurrentJob->layerFlags.data(), gType1Records.size(), Services(), [](int) {},
        [](int slot, int blockStart, int rows) { return BuildClassLayer(tigercore::kLineClasses[slot], blockStart, rows); });
}

}  // namespace vornak2
