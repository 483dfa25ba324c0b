#include "tigercore/edition_lengths.h"

#include "exports/county_exports.h"
#include "platform/files.h"
#include "platform/text.h"

#include <algorithm>
#include <cstdio>
#include <iterator>
#include <vector>

namespace tigercore {

namespace {

struct Edition {
    char character;
    const char* text;
};
constexpr Edition kEditions[] = {
    {'0', "TIGER 94"},
    {'1', "TIGER 95"},
    {'2', "TIGER 97"},
    {'3', "TIGER 98"},
    {'4', "2000 Dress Rehersal"},
    {'5', "TIGER 99"},
    {'6', "TIGER 2000"},
    {'7', "TIGER 2000 Urban Areas"},
    {'8', "TIGER 2000 CD108"},
    {'9', "TIGER 2002"},
    {'a', "TIGER 2003"},
    {'b', "TIGER 2004 first edition"},
    {'c', "TIGER 2004 2nd edition/2005 1st or 2nd edition"},
    {'d', "TIGER 2006 Second Edition"},
};
constexpr std::size_t kEditionCount = std::size(kEditions);

// The length of the records of each type by edition, in the order of
// kEditions; 0 where the edition has no file of the type. From the Census
// Bureau's TIGER/Line technical documentation, as GDAL's TIGER driver
// (ogr/ogrsf_frmts/tiger) reads it. Neither tells the editions of 1994 to
// 2000 apart where lengths are concerned: each type has one length in all
// of them, and one in all of 2002 to 2006 (type M taken from 2002 on). The
// 2005 files of Suffolk County, Massachusetts (25025) have these lengths.
struct TypeLengths {
    char type;
    short length[kEditionCount];
};
constexpr TypeLengths kRecordLengths[] = {
    //    94   95   97   98   99  100  101  102  103 2002 2003 2004 2005 2006
    {'1', {228, 228, 228, 228, 228, 228, 228, 228, 228, 228, 228, 228, 228, 228}},
    {'2', {208, 208, 208, 208, 208, 208, 208, 208, 208, 208, 208, 208, 208, 208}},
    {'3', {111, 111, 111, 111, 111, 111, 111, 111, 111, 0, 0, 0, 0, 0}},
    {'4', {58, 58, 58, 58, 58, 58, 58, 58, 58, 58, 58, 58, 58, 58}},
    {'5', {52, 52, 52, 52, 52, 52, 52, 52, 52, 56, 56, 56, 56, 56}},
    {'6', {76, 76, 76, 76, 76, 76, 76, 76, 76, 76, 76, 76, 76, 76}},
    {'7', {74, 74, 74, 74, 74, 74, 74, 74, 74, 74, 74, 74, 74, 74}},
    {'8', {36, 36, 36, 36, 36, 36, 36, 36, 36, 36, 36, 36, 36, 36}},
    {'9', {88, 88, 88, 88, 88, 88, 88, 88, 88, 0, 0, 0, 0, 0}},
    {'A', {98, 98, 98, 98, 98, 98, 98, 98, 98, 210, 210, 210, 210, 210}},
    {'B', {0, 0, 0, 0, 0, 0, 0, 0, 0, 98, 98, 98, 98, 98}},
    {'C', {112, 112, 112, 112, 112, 112, 112, 112, 112, 122, 122, 122, 122, 122}},
    {'E', {0, 0, 0, 0, 0, 0, 0, 0, 0, 73, 73, 73, 73, 73}},
    {'I', {52, 52, 52, 52, 52, 52, 52, 52, 52, 127, 127, 127, 127, 127}},
    {'M', {0, 0, 0, 0, 0, 0, 0, 0, 0, 90, 90, 90, 90, 90}},
    {'P', {44, 44, 44, 44, 44, 44, 44, 44, 44, 45, 45, 45, 45, 45}},
    {'S', {120, 120, 120, 120, 120, 120, 120, 120, 120, 168, 168, 168, 168, 168}},
    {'T', {0, 0, 0, 0, 0, 0, 0, 0, 0, 47, 47, 47, 47, 47}},
    {'U', {0, 0, 0, 0, 0, 0, 0, 0, 0, 80, 80, 80, 80, 80}},
    {'Z', {26, 26, 26, 26, 26, 26, 26, 26, 26, 26, 26, 26, 26, 26}},
};

// The place of an edition in kEditions; kEditionCount for none.
std::size_t EditionIndex(char edition) {
    std::size_t i = 0;
    while (i < kEditionCount && kEditions[i].character != edition) ++i;
    return i;
}

const TypeLengths* LengthsOf(char type) {
    for (const TypeLengths& t : kRecordLengths)
        if (t.type == type) return &t;
    return nullptr;
}

// The editions whose records of a type have `length` characters, in order,
// three or more in a row as a range ("TIGER 94 to TIGER 2000 CD108"), the
// last joined by "and".
std::string EditionsOfLength(const TypeLengths& lengths, std::size_t length) {
    std::vector<std::string> items;
    for (std::size_t i = 0; i < kEditionCount;) {
        if (static_cast<std::size_t>(lengths.length[i]) != length) {
            ++i;
            continue;
        }
        std::size_t end = i;
        while (end + 1 < kEditionCount && static_cast<std::size_t>(lengths.length[end + 1]) == length) ++end;
        if (end - i >= 2) {
            items.push_back(std::string(kEditions[i].text) + " to " + kEditions[end].text);
        } else {
            for (std::size_t k = i; k <= end; ++k) items.push_back(kEditions[k].text);
        }
        i = end + 1;
    }
    std::string text;
    for (std::size_t k = 0; k < items.size(); ++k) {
        if (k > 0) text += k + 1 == items.size() ? " and " : ", ";
        text += items[k];
    }
    return text;
}

// Columns 2-5 of the first record of a file as they stand, what the record
// lacks as blanks; "blank" when they are all blank or the file cannot be read.
std::string FirstVersion(const std::string& path) {
    std::string version(4, ' ');
    platform::FilePtr file = platform::OpenAnyCase(path, "rb");
    char head[5];
    const std::size_t read = file ? std::fread(head, 1, sizeof head, file.get()) : 0;
    for (std::size_t i = 1; i < read && head[i] != '\n' && head[i] != '\r'; ++i) version[i - 1] = head[i];
    return version.find_first_not_of(' ') == std::string::npos ? "blank" : version;
}

}  // namespace

std::string EditionText(char edition) {
    const std::size_t i = EditionIndex(edition);
    return i < kEditionCount ? kEditions[i].text : "";
}

std::size_t RecordLength(char type, char edition) {
    const TypeLengths* lengths = LengthsOf(type);
    const std::size_t i = EditionIndex(edition);
    return lengths && i < kEditionCount ? static_cast<std::size_t>(lengths->length[i]) : 0;
}

std::size_t LongestRecordLength(char type, char first, char last) {
    std::size_t longest = 0;
    for (std::size_t i = EditionIndex(first); i <= EditionIndex(last) && i < kEditionCount; ++i)
        longest = std::max(longest, RecordLength(type, kEditions[i].character));
    return longest;
}

std::string OtherEditionNote(char type, std::size_t length, char edition, const std::string& typeOnePath) {
    const TypeLengths* lengths = LengthsOf(type);
    if (!lengths || length == 0 || EditionIndex(edition) == kEditionCount || RecordLength(type, edition) == length)
        return {};
    const std::string editions = EditionsOfLength(*lengths, length);
    if (editions.empty()) return {};
    return platform::Format(PELLARD_EDITION_CHOSEN
                            "%s. The county's type %c records are %zu characters long, as in %s: the record files "
                            "may be of another edition (VERSION %s in its type 1 file)",
                            EditionText(edition).c_str(), type, length, editions.c_str(),
                            FirstVersion(typeOnePath).c_str());
}

}  // namespace tigercore
