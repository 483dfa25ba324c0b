#include "tigercore/geometry_records.h"

#include "platform/text.h"
#include "tigercore/table_reader.h"

namespace tigercore {

namespace {

constexpr ColumnRange kType1Coordinates[] = {{191, 200}, {201, 209}, {210, 219}, {220, 228}};
// LONGk in columns 19 + 19k to 28 + 19k, LATk in 29 + 19k to 37 + 19k.
constexpr ColumnRange kType2Coordinates[] = {
    {19, 28},   {29, 37},   {38, 47},   {48, 56},   {57, 66},   {67, 75},   {76, 85},
    {86, 94},   {95, 104},  {105, 113}, {114, 123}, {124, 132}, {133, 142}, {143, 151},
    {152, 161}, {162, 170}, {171, 180}, {181, 189}, {190, 199}, {200, 208}};

template <size_t N>
constexpr GeometryRecordShape Shape(char type, size_t length, const ColumnRange (&coordinates)[N]) {
    return {type, length, coordinates, N};
}

}  // namespace

const GeometryRecordShape kType1Shape = Shape('1', 228, kType1Coordinates);
const GeometryRecordShape kType2Shape = Shape('2', 208, kType2Coordinates);

bool IsCoordinateField(std::string_view field) {
    size_t i = field.find_first_not_of(' ');
    if (i == std::string_view::npos) return true;
    if (field[i] == '+' || field[i] == '-') ++i;
    if (i == field.size()) return false;
    for (; i < field.size(); ++i) {
        if (field[i] < '0' || field[i] > '9') return false;
    }
    return true;
}

std::string GeometryRecordFault(const GeometryRecordShape& shape, int row, std::string_view line) {
    if (line.size() != shape.length) {
        return platform::Format("ERROR in type %c record %d: %zu characters instead of %zu", shape.type, row + 1,
                                line.size(), shape.length);
    }
    for (size_t k = 0; k < shape.coordinateCount; ++k) {
        const ColumnRange& c = shape.coordinates[k];
        const size_t first = static_cast<size_t>(c.first - 1);
        if (!IsCoordinateField(line.substr(first, static_cast<size_t>(c.last) - first))) {
            return platform::Format("ERROR in type %c record %d: the coordinate in columns %d-%d is not a number",
                                    shape.type, row + 1, c.first, c.last);
        }
    }
    return {};
}

bool GeometryRecordFits(shapeio::JobServices& services, platform::FilePtr& file, const GeometryRecordShape& shape,
                        int row, std::string_view line) {
    const std::string fault = GeometryRecordFault(shape, row, line);
    if (fault.empty()) return true;
    FailReading(services, file, fault);
    return false;
}

}  // namespace tigercore
