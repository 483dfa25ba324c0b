#include "conv1/line_layers.h"

#include "conv1/conversion_dialog.h"
#include "conv1/job_state.h"
#include "conv1/record_store.h"
#include "conv1/shape_points.h"
#include "conv1/stages.h"
#include "platform/text.h"
#include "shapeio/county_change.h"
#include "shapeio/layer_output.h"
#include "shapeio/shapefile_layer_writer.h"
#include "tigercore/line_classes.h"
#include "tigercore/shape_points.h"

#include <algorithm>
#include <numeric>
#include <vector>

namespace vornak {

using shapeio::DbfFieldDef;

const DbfFieldDef NodeFields[] = {{"NODE_ID", 'N', 10, 0}, {nullptr, 0, 0, 0}};

#define LINE_FIELDS(addressType)                                                                            \
    {                                                                                                       \
        {"TLID", 'N', 10, 0}, {"FNODE", 'N', 10, 0}, {"TNODE", 'N', 10, 0}, {"LENGTH", 'N', 10, 5},         \
            {"FEDIRP", 'C', 2, 0}, {"FENAME", 'C', 30, 0}, {"FETYPE", 'C', 4, 0}, {"FEDIRS", 'C', 2, 0},    \
            {"CFCC", 'C', 3, 0}, {"FRADDL", addressType, 11, 0}, {"TOADDL", addressType, 11, 0},           \
            {"FRADDR", addressType, 11, 0}, {"TOADDR", addressType, 11, 0}, {"ZIPL", 'C', 5, 0},           \
            {"ZIPR", 'C', 5, 0}, {"CENSUS1", 'C', 1, 0}, {"CENSUS2", 'C', 1, 0}, {"CFCC1", 'C', 1, 0},      \
            {"CFCC2", 'C', 2, 0}, {"SOURCE", 'C', 1, 0}, {nullptr, 0, 0, 0},                               \
    }

const DbfFieldDef LineFields[] = LINE_FIELDS('C');
const DbfFieldDef LineNumericAddressFields[] = LINE_FIELDS('N');

#undef LINE_FIELDS

std::string LineRecord(const DbfFieldDef* fields, const Type1Record& line, long fromNode, long toNode,
                       double miles) {
    shapeio::DbfRecord record(fields);
    record.Add(line.TLID)
        .AddNumber(static_cast<long long>(fromNode))
        .AddNumber(static_cast<long long>(toNode))
        .AddNumber(miles);
    tigercore::AddNameAndAddresses(record, line);
    record.Add(std::string(1, line.CENSUS1))
        .Add(std::string(1, line.CENSUS2))
        .Add(std::string(1, line.CFCC[0]))
        .Add(std::string(line.CFCC, 2))
        .Add(std::string(1, line.SOURCE));
    return record.text();
}

namespace {

// The nodes of one class: every distinct end point of its lines, numbered in
// longitude-then-latitude order (equal points, compared exactly, are one
// node), and each line end's node.
class ClassNodes {
public:
    ClassNodes(int firstRow, int rows) {
        ends_.reserve(2 * static_cast<size_t>(rows));
        for (int i = 0; i < rows; ++i) {
            const Type1Record& line = gType1Records[static_cast<size_t>(firstRow + i)];
            ends_.push_back({line.FRLONG, line.FRLAT});
            ends_.push_back({line.TOLONG, line.TOLAT});
        }
        // One sort of the ends; a node is a run of equal points in it.
        std::vector<int> order(ends_.size());
        std::iota(order.begin(), order.end(), 0);
        std::stable_sort(order.begin(), order.end(), [this](int a, int b) {
            const shapeio::PointXY& p = ends_[static_cast<size_t>(a)];
            const shapeio::PointXY& q = ends_[static_cast<size_t>(b)];
            return p.x < q.x || (p.x == q.x && p.y < q.y);
        });
        nodeOfEnd_.resize(ends_.size());
        for (size_t k = 0; k < order.size(); ++k) {
            const shapeio::PointXY& p = ends_[static_cast<size_t>(order[k])];
            if (nodes_.empty() || nodes_.back().x != p.x || nodes_.back().y != p.y) nodes_.push_back(p);
            nodeOfEnd_[static_cast<size_t>(order[k])] = static_cast<long>(nodes_.size());
        }
    }

    const std::vector<shapeio::PointXY>& nodes() const { return nodes_; }
    // The node (1 for the first) of line i's from end or to end.
    long FromNode(int i) const { return nodeOfEnd_[2 * static_cast<size_t>(i)]; }
    long ToNode(int i) const { return nodeOfEnd_[2 * static_cast<size_t>(i) + 1]; }

private:
    std::vector<shapeio::PointXY> ends_;  // from end then to end of each line, in row order
    std::vector<shapeio::PointXY> nodes_;
    std::vector<long> nodeOfEnd_;
};

// The files of one class's layer placed by the organisation.
shapeio::LayerOutput PlaceLayer(const tigercore::LineClass& lineClass, const char* kind) {
    return shapeio::PlaceLayerOutput(
        Services(), {gOutputPrefix, gOrganisationMode}, lineClass.themeFolder,
        platform::Format("%s%s%c", gCountyBaseName.c_str(), kind, lineClass.letter),
        platform::Format("%s%c", kind, lineClass.letter));
}

// Whether the merged node and line layers of the class hold the county
// already: both are passed over. They go together, the lines numbering
// their ends after the nodes the node layer held before the county: when
// only one of them holds it, or either disagrees with the folder's record,
// the county fails (false, `held` unset).
bool ClassAlreadyMerged(const tigercore::LineClass& lineClass, bool& held) {
    const shapeio::CountyOutput county{gOutputPrefix, gOrganisationMode};
    const std::string lines = shapeio::MergedLayerPath(county, lineClass.themeFolder,
                                                       platform::Format("lk%c", lineClass.letter), ".shp");
    const std::string nodes = shapeio::MergedLayerPath(county, lineClass.themeFolder,
                                                       platform::Format("nd%c", lineClass.letter), ".shp");
    shapeio::CountyChange* change = Services().Change();
    if (change && (!change->Agrees(nodes, Services()) || !change->Agrees(lines, Services()))) return false;
    const bool linesHeld = change && change->Holds(lines), nodesHeld = change && change->Holds(nodes);
    held = linesHeld && nodesHeld;
    if (linesHeld != nodesHeld) {
        WriteLogLine((linesHeld ? lines : nodes) + " holds " + gCountyBaseName + " and " +
                     (linesHeld ? nodes : lines) + " does not: the lines and nodes of a class go together; "
                     "remove both to make them again");
        Services().FailCounty();
        return false;
    }
    if (held) {
        change->PassOver(nodes);
        change->PassOver(lines);
    }
    return true;
}

// Writes the node layer; `existingNodes` gets the nodes the layer held before
// (merged counties continue the numbering). False when the county failed.
bool WriteNodeLayer(const tigercore::LineClass& lineClass, const shapeio::LayerOutput& output,
                    const ClassNodes& nodes, long& existingNodes) {
    shapeio::ShapefileLayerWriter layer(Services());
    if (!layer.Open(output, shapeio::kShapePoint, NodeFields)) return false;
    existingNodes = layer.existingRecordCount();
    long number = existingNodes;
    for (const shapeio::PointXY& node : nodes.nodes()) {
        shapeio::DbfRecord record(NodeFields);
        record.AddNumber(static_cast<long long>(++number));
        if (!layer.AddPoint(node, record.text())) return false;
    }
    if (!layer.Finish()) return false;
    Services().WriteLogText(platform::Format("Wrote %d Type %c nodes to shape %s%s \n",
                                             static_cast<int>(nodes.nodes().size()), lineClass.letter,
                                             output.folder.c_str(), output.fileStem.c_str()));
    return true;
}

// Writes the line layer of the class's rows.
bool WriteLineLayer(const tigercore::LineClass& lineClass, const shapeio::LayerOutput& output, int firstRow,
                    int rows, const ClassNodes& nodes, long existingNodes) {
    const DbfFieldDef* fields = gNumericAddressFields ? LineNumericAddressFields : LineFields;
    shapeio::ShapefileLayerWriter layer(Services());
    tigercore::gLayerBox = shapeio::EmptyBox();
    if (!layer.Open(output, shapeio::kShapePolyLine, fields)) return false;
    Services().ShowStatus(platform::Format("Building Lines of Type %c", lineClass.letter));
    for (int i = 0; i < rows; ++i) {
        const Type1Record& line = gType1Records[static_cast<size_t>(firstRow + i)];
        tigercore::gShapePointCount = 0;
        tigercore::gShapeBox = shapeio::EmptyBox();
        const shapeio::PointXY from{line.FRLONG, line.FRLAT};
        const shapeio::PointXY to{line.TOLONG, line.TOLAT};
        for (const shapeio::PointXY& p : {from, to}) {
            shapeio::WidenBox(tigercore::gShapeBox, p.x, p.y);
            shapeio::WidenBox(tigercore::gLayerBox, p.x, p.y);
        }
        tigercore::PutShapePoint(from);
        AppendShapePoints(line.TLID, 0);
        tigercore::PutShapePoint(to);
        if (gConversionStatus == -1) return false;
        const double miles =
            tigercore::ComputeLineMiles(tigercore::gShapePointBuffer.data(), tigercore::gShapePointCount);
        const std::string record =
            LineRecord(fields, line, existingNodes + nodes.FromNode(i), existingNodes + nodes.ToNode(i), miles);
        if (!layer.AddArc(tigercore::gShapePointBuffer.data(), tigercore::gShapePointCount, record)) return false;
        Services().SetProgress(static_cast<int>(100LL * (i + 1) / rows));
    }
    if (!layer.Finish()) return false;
    Services().WriteLogText(platform::Format("Wrote %ld Type %c lines to shape %s%s\n", static_cast<long>(rows),
                                             lineClass.letter, output.folder.c_str(), output.fileStem.c_str()));
    return true;
}

}  // namespace

void BuildNodesAndLines() {
    if (!gCurrentJob) return;
    Services().ShowLayer("Nodes and Lines");
    const bool walked = tigercore::ForEachLineClassBlock(
        gCfccClassCounts, gCurrentJob->layerFlags.data(), gType1Records.size(), Services(),
        [](int slot) {
            Services().ShowStatus(platform::Format("Nodes of Type %c", tigercore::kLineClasses[slot].letter));
        },
        [](int slot, int blockStart, int rows) {
            const tigercore::LineClass& lineClass = tigercore::kLineClasses[slot];
            bool held = false;
            if (!ClassAlreadyMerged(lineClass, held)) return false;
            if (held) return true;
            const ClassNodes nodes(blockStart, rows);
            Services().SetProgress(0);
            // One folder (made and logged once) holds both layers of the class.
            const shapeio::LayerOutput lineOutput = PlaceLayer(lineClass, "lk");
            shapeio::LayerOutput nodeOutput = lineOutput;
            nodeOutput.fileStem = gOrganisationMode == '3' ? platform::Format("nd%c", lineClass.letter)
                                                           : platform::Format("%snd%c", gCountyBaseName.c_str(),
                                                                              lineClass.letter);
            long existingNodes = 0;
            if (!WriteNodeLayer(lineClass, nodeOutput, nodes, existingNodes)) return false;
            return WriteLineLayer(lineClass, lineOutput, blockStart, rows, nodes, existingNodes);
        });
    if (!walked) return;
    Services().ShowStatus("");
    Services().ShowLayer("");
    Services().SetProgress(0);
}

}  // namespace vornak
