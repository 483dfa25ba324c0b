#include "tigercore/line_classes.h"

#include "platform/text.h"
#include "tigercore/table_reader.h"

#include <string>

namespace tigercore {

const LineClass kLineClasses[kLineClassCount] = {
    {'A', "roads"},        {'B', "rails"},   {'C', "misc_trans"}, {'D', "landmark_lines"},
    {'E', "physicalfeatures"}, {'F', "nonvisible"}, {'H', "hydrography"}, {'X', "unknown"},
};

bool LineClassOf(char cfcc, char& letter, LineClassSlot& slot) {
    switch (cfcc) {
        case 'A': case 'P': letter = 'A'; slot = kClassA; return true;
        case 'B': letter = 'B'; slot = kClassB; return true;
        case 'C': letter = 'C'; slot = kClassC; return true;
        case 'D': letter = 'D'; slot = kClassD; return true;
        case 'E': letter = 'E'; slot = kClassE; return true;
        case 'F': letter = 'F'; slot = kClassF; return true;
        case 'G': letter = 'G'; slot = kClassF; return true;
        case 'H': letter = 'H'; slot = kClassH; return true;
        case 'X': letter = 'X'; slot = kClassX; return true;
        default: return false;
    }
}

bool TakeLineClass(shapeio::JobServices& services, platform::FilePtr& file, int row, std::string_view line,
                   const char* cfcc, const char* tlid, char& lineClass,
                   std::array<int, kLineClassCount>& classCounts) {
    LineClassSlot slot;
    if (!LineClassOf(cfcc[0], lineClass, slot)) {
        services.WriteLogLine(platform::Format("Unknown CFCC code: %s", cfcc));
        const std::string record = std::string(line) + "\n";
        FailReading(services, file,
                    platform::Format("Record %d, TLID = %s\n Full Record = \n%s", row + 1, tlid, record.c_str()));
        return false;
    }
    ++classCounts[slot];
    return true;
}

void AddNameAndAddresses(shapeio::DbfRecord& record, const Type1Record& line) {
    record.Add(line.FEDIRP)
        .Add(line.FENAME)
        .Add(line.FETYPE)
        .Add(line.FEDIRS)
        .Add(line.CFCC)
        .Add(line.FRADDL)
        .Add(line.TOADDL)
        .Add(line.FRADDR)
        .Add(line.TOADDR)
        .Add(line.ZIPL)
        .Add(line.ZIPR);
}

}  // namespace tigercore
