// The current-geography layers keyed by one code of the type A row: places,
// school districts, metropolitan and statistical areas, districts and ZCTAs.
// Their entries hold the county code at 0 (for the county field of the
// attribute record) and the layer's code at 6; only the layer's code is
// compared, so one polygon is made per distinct code.
#pragma once

#include "conv2/entity_names.h"
#include "conv2/job_state.h"
#include "conv2/polygon_layers.h"
#include "conv2/record_layouts.h"
#include "conv2/record_store.h"

#include <cstring>
#include <string>

namespace vornak2 {
namespace countykeyed {

// Offsets of the two texts in an entry's code fields.
constexpr int kCountyOffset = 0;
constexpr int kCodeOffset = 6;

// `text` right-aligned in `width` characters ("%*s"), then a NUL.
inline void PutRightAligned(char* out, const char* text, int width) {
    int length = static_cast<int>(strnlen(text, static_cast<size_t>(width)));
    int pad = width - length;
    std::memset(out, ' ', static_cast<size_t>(pad));
    std::memcpy(out + pad, text, static_cast<size_t>(length));
    out[width] = '\0';
}

// The side code of a layer keyed by type A field `Field` ("%<Width>s"): the
// county code ("%2s%3s") and the layer's code. A field the edition does not
// carry is empty and reads as the blank code.
template <auto Field, int Width>
void SideCodeOf(const SideOf& side, SideCode& out) {
    const void* row = side.row;
    static_assert(Width + 1 <= static_cast<int>(sizeof(SideCode::key)), "code width");
    if (!row) {
        PutRightAligned(out.key, "", Width);
        return;
    }
    const TypeARecord& a = *static_cast<const TypeARecord*>(row);
    PutRightAligned(out.key, a.*Field, Width);
    PutRightAligned(out.entry + kCountyOffset, a.STATECU, 2);
    PutRightAligned(out.entry + kCountyOffset + 2, a.COUNTYCU, 3);
    std::memcpy(out.entry + kCodeOffset, out.key, static_cast<size_t>(Width) + 1);
}

// What a polygon's record holds after the county field and the code.
enum class Attributes {
    kCodeOnly,             // ZCTAs, congressional districts
    kNameOnly,             // legislative districts
    kNameLsadEntity,       // school districts, MSA/CMSA, PMSA
    kNameLsad,             // NECMA
    kNameLsadEntityFipsPlacedc,  // consolidated cities, county subdivisions, subbarrios, places
    kNameLsadEntityFips,   // statistical areas
    kCbsaMetroMicro,       // the same and the metropolitan/micropolitan text by LSADC '1'/'2'
    kNectaMetroMicro,      // the same by LSADC '5'/'6'
};

// The 34-character area type text of a core based statistical area or NECTA.
inline std::string MetroMicroText(char lsadClass, char metropolitan, char micropolitan) {
    if (lsadClass == metropolitan) return "Metropolitan Statistical Area     ";
    if (lsadClass == micropolitan) return "Micropolitan Statistical Area     ";
    return "Unknown                           ";
}

// The record of a polygon from its first entry: the county code, the code
// (a numeric field right-aligned, a text field left-aligned), and the names
// and codes of the type C row found by an entity lookup of kind `Kind`.
template <int Width, int Kind, Attributes What>
void FillRecord(const polygons::BorderLineEntry& first, shapeio::DbfRecord& record) {
    const std::string code = EntryText(first, kCodeOffset, Width);
    record.Add(EntryText(first, kCountyOffset, 5)).Add(code);
    if constexpr (What == Attributes::kCodeOnly) {
        return;
    } else {
        const std::string name = EntityName(Kind, code, "", gEditionYear);
        record.Add(name);
        if constexpr (What == Attributes::kNameOnly) return;
        const TypeCRecord* row = gEntityRow >= 0 ? &gTypeCRecords[static_cast<size_t>(gEntityRow)] : nullptr;
        const std::string lsadc = row ? row->LSADC : "  ";
        record.Add(lsadc);
        if constexpr (What == Attributes::kNameLsad) return;
        record.Add(std::string(1, row ? row->ENTITY : ' '));
        if constexpr (What == Attributes::kNameLsadEntity) return;
        record.Add(row ? row->FIPSCC : "  ");
        if constexpr (What == Attributes::kNameLsadEntityFipsPlacedc) {
            record.Add(std::string(1, row ? row->PLACEDC : ' '));
        } else if constexpr (What == Attributes::kCbsaMetroMicro) {
            record.Add(MetroMicroText(lsadc.size() > 1 ? lsadc[1] : ' ', '1', '2'));
        } else if constexpr (What == Attributes::kNectaMetroMicro) {
            record.Add(MetroMicroText(lsadc.size() > 1 ? lsadc[1] : ' ', '5', '6'));
        }
    }
}

}  // namespace countykeyed
}  // namespace vornak2
