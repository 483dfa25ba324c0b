// Every side layer of both libraries takes only sides its border-line count
// was made of: a column of a side's record that changes the layer's key
// changes the code of the level whose count the layer takes. A level row and
// a layer that name different fields for one code fail here.
#include "conv1/job_state.h"
#include "conv1/layer_catalogue.h"
#include "conv1/polygon_borders.h"
#include "conv1/record_parsers.h"
#include "conv1/record_store.h"
#include "conv2/job_state.h"
#include "conv2/layer_catalogue.h"
#include "conv2/polygon_sides.h"
#include "conv2/record_parsers.h"
#include "conv2/record_store.h"
#include "tigercore/record_fields.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

using tigercore::SideTable;

struct Library {
    std::vector<int> editions;
    void (*selectEdition)(int edition);
    std::vector<tigercore::SideLayer> (*layers)();
    // The side tables whose counts are numbered 1000 + slot, 2000 + slot ...
    // so that the count a layer takes tells its level.
    std::vector<SideTable> tables;
    // Parses a record of a table into its row 0.
    const void* (*parse)(SideTable table);
    // The code of level `slot` of a table for a row of it.
    std::string (*levelCode)(SideTable table, int slot, const void* row);
};

template <typename Counts>
void NumberSlots(Counts& counts, int base) {
    for (size_t i = 0; i < counts.size(); ++i) counts[i] = base + static_cast<int>(i);
}

std::string Key(const tigercore::SideLayer& layer, const void* row) {
    tigercore::SideCode code;
    layer.sideCode(tigercore::SideOf{row, 0, true, true}, code);
    return std::string(code.key, strnlen(code.key, sizeof code.key));
}

void ExpectKeysWithinLevels(const Library& library) {
    for (int edition : library.editions) {
        library.selectEdition(edition);
        for (const tigercore::SideLayer& layer : library.layers()) {
            SCOPED_TRACE(std::to_string(edition) + " " + layer.layer.abbreviation);
            const int count = layer.borderLineCount(), slot = count % 1000;
            ASSERT_TRUE(count >= 1000 && count / 1000 <= static_cast<int>(library.tables.size()));
            const SideTable table = library.tables[static_cast<size_t>(count / 1000 - 1)];
            EXPECT_EQ(table, layer.source);
            // Commercial regions are coded by an int, counted by a rule of its own.
            if (std::strcmp(layer.layer.abbreviation, "comreg") == 0) continue;
            for (const char* digits : {"12", "TI"}) {  // records of digits, then of letters
                tigercore::LoadLineBuffer(std::string(tigercore::kRecordLineLength, digits[0]));
                const void* row = library.parse(table);
                const std::string code = library.levelCode(table, slot, row), key = Key(layer, row);
                for (int c = 0; c < tigercore::kRecordLineLength; ++c) {
                    std::string line(tigercore::kRecordLineLength, digits[0]);
                    line[static_cast<size_t>(c)] = digits[1];
                    tigercore::LoadLineBuffer(line);
                    row = library.parse(table);
                    if (Key(layer, row) != key) {
                        EXPECT_NE(library.levelCode(table, slot, row), code) << "column " << c + 1;
                    }
                }
            }
        }
    }
}

TEST(SideLayerLevels, EveryLayerKeysItsSidesByTheFieldsOfItsLevel) {
    vornak2::ResetRecordStore();
    vornak2::gTypeARecords.assign(1, {});
    vornak2::gTypeSRecords.assign(1, {});
    vornak2::gTypeERecords.assign(1, {});
    NumberSlots(vornak2::gBorderLineCountsA, 1000);
    NumberSlots(vornak2::gBorderLineCountsS, 2000);
    NumberSlots(vornak2::gBorderLineCountsE, 3000);
    ExpectKeysWithinLevels(Library{
        {104, 105, 106}, [](int edition) { vornak2::gEditionCode = edition; }, vornak2::SideLayers,
        {SideTable::kTypeA, SideTable::kTypeS, SideTable::kTypeE},
        [](SideTable table) -> const void* {
            using namespace vornak2;
            if (table == SideTable::kTypeA) return ParseTypeALine(0), &gTypeARecords[0];
            if (table == SideTable::kTypeS) return ParseTypeSLine(0), &gTypeSRecords[0];
            return ParseTypeELine(0), &gTypeERecords[0];
        },
        [](SideTable table, int slot, const void* row) {
            using namespace vornak2;
            tigercore::CodeText text;
            if (table == SideTable::kTypeA) CurrentLevelCode(slot, *static_cast<const TypeARecord*>(row), text);
            if (table == SideTable::kTypeS) Census2000LevelCode(slot, *static_cast<const TypeSRecord*>(row), text);
            if (table == SideTable::kTypeE) EconomicLevelCode(slot, *static_cast<const TypeERecord*>(row), text);
            return std::string(text.text);
        }});
    vornak2::ReleaseRecordStore();
    vornak2::gBorderLineCountsA.fill(0);
    vornak2::gBorderLineCountsS.fill(0);
    vornak2::gBorderLineCountsE.fill(0);

    vornak::ResetRecordStore();
    // The line of the sides, whose type I and type 3 rows some layers read.
    vornak::gTypeIRecords.assign(1, {});
    vornak::gType3Records.assign(1, {});
    vornak::gTypeARecords.assign(1, {});
    vornak::gTypeSRecords.assign(1, {});
    NumberSlots(vornak::gBorderLineCountsA, 1000);
    NumberSlots(vornak::gBorderLineCountsS, 2000);
    ExpectKeysWithinLevels(Library{
        {94, 95, 97, 98, 99, 100, 101, 102, 103},
        [](int release) {
            using namespace vornak;
            gEditionCode = release;
            SelectReleaseLayouts(release);
            tigercore::LoadLineBuffer(std::string(tigercore::kRecordLineLength, '3'));
            ParseTypeILine(0);
            ParseType3Line(0);
        },
        vornak::SideLayers, {SideTable::kTypeA, SideTable::kTypeS},
        [](SideTable table) -> const void* {
            using namespace vornak;
            if (table == SideTable::kTypeA) return ParseTypeALine(0), &gTypeARecords[0];
            return ParseTypeSLine(0), &gTypeSRecords[0];
        },
        [](SideTable table, int slot, const void* row) {
            using namespace vornak;
            tigercore::CodeText text;
            if (table == SideTable::kTypeA)
                TypeALevelCode(slot, *static_cast<const TypeARecord*>(row), 0, LineSide::kLeft, text);
            else
                TypeSLevelCode(slot, *static_cast<const TypeSRecord*>(row), text);
            return std::string(text.text);
        }});
    vornak::ReleaseRecordStore();
    vornak::gBorderLineCountsA.fill(0);
    vornak::gBorderLineCountsS.fill(0);
    vornak::SelectReleaseLayouts(97);
}

}  // namespace
