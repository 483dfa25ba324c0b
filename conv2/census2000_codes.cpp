#include "conv2/census2000_codes.h"

#include "conv2/entity_names.h"
#include "conv2/record_store.h"

namespace vornak2 {

void PutCounty2000(const TypeSRecord& row, char* out) {
    CodeText county;
    Census2000LevelCode(kCounty2000Level, row, county);
    PutCodeText(out, county.text, 5);
}

bool BlankPart(const char* text, int offset, int width) {
    for (int i = 0; i < width; ++i) {
        char c = text[offset + i];
        if (c == '\0') return true;
        if (c != ' ') return false;
    }
    return true;
}

namespace {

const TypeCRecord* FoundRow() {
    if (gEntityRow < 0 || static_cast<size_t>(gEntityRow) >= gTypeCRecords.size()) return nullptr;
    return &gTypeCRecords[static_cast<size_t>(gEntityRow)];
}

std::string OneCharacter(char c) { return std::string(1, c ? c : ' '); }

}  // namespace

std::string FoundLsadc() {
    const TypeCRecord* row = FoundRow();
    return row ? std::string(row->LSADC) : "  ";
}

std::string FoundFipscc() {
    const TypeCRecord* row = FoundRow();
    return row ? std::string(row->FIPSCC) : "  ";
}

std::string FoundEntity() {
    const TypeCRecord* row = FoundRow();
    return row ? OneCharacter(row->ENTITY) : " ";
}

std::string FoundPlacedc() {
    const TypeCRecord* row = FoundRow();
    return row ? OneCharacter(row->PLACEDC) : " ";
}

}  // namespace vornak2
