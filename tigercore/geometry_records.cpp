#include "tigercore/geometry_records.h"

#include "platform/text.h"

namespace tigercore {

namespace {

constexpr ColumnRange kType1Coordinates[] = {{191, 200, false}, {201, 209, true}, {210, 219, false}, {220, 228, true}};
// LONGk in columns 19 + 19k to 28 + 19k, LATk in 29 + 19k to 37 + 19k.
constexpr ColumnRange kType2Coordinates[] = {
    {19, 28, false},   {29, 37, true},    {38, 47, false},   {48, 56, true},    {57, 66, false},
    {67, 75, true},    {76, 85, false},   {86, 94, true},    {95, 104, false},  {105, 113, true},
    {114, 123, false}, {124, 132, true},  {133, 142, false}, {143, 151, true},  {152, 161, false},
    {162, 170, true},  {171, 180, false}, {181, 189, true},  {190, 199, false}, {200, 208, true}};

// The millionths of a degree of a coordinate field that holds a number.
long long Millionths(std::string_view field) {
    size_t i = field.find_first_not_of(' ');
    bool negative = field[i] == '-';
    if (field[i] == '+' || field[i] == '-') ++i;
    long long value = 0;
    for (; i < field.size(); ++i) value = value * 10 + (field[i] - '0');
    return negative ? -value : value;
}

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

std::string GeometryRecordFault(const GeometryRecordShape& shape, int row, std::string_view line, size_t length) {
    if (length != shape.length) {
        return platform::Format("ERROR in type %c record %d: %zu characters instead of %zu", shape.type, row + 1,
                                length, shape.length);
    }
    for (size_t k = 0; k < shape.coordinateCount; ++k) {
        const ColumnRange& c = shape.coordinates[k];
        const size_t first = static_cast<size_t>(c.first - 1);
        const std::string_view field = line.substr(first, static_cast<size_t>(c.last) - first);
        if (!IsCoordinateField(field)) {
            return platform::Format("ERROR in type %c record %d: the coordinate in columns %d-%d is not a number",
                                    shape.type, row + 1, c.first, c.last);
        }
        if (field.find_first_not_of(' ') == std::string_view::npos) continue;
        const long long value = Millionths(field);
        const long long bound = c.latitude ? 90000000LL : 180000000LL;
        if (value < -bound || value > bound) {
            return platform::Format("ERROR in type %c record %d: the %s in columns %d-%d is out of range (%lld)",
                                    shape.type, row + 1, c.latitude ? "latitude" : "longitude", c.first, c.last,
                                    value);
        }
    }
    return {};
}

}  // namespace tigercore
