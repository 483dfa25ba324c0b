#include "tigercore/edition_lengths.h"

#include "exports/county_exports.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "platform/text.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <iterator>
#include <vector>

namespace tigercore {

namespace {

// A range of VERSIONs (MMYY), first and last included.
struct VersionRange {
    const char* first;
    const char* last;
};

// Each edition with its log text, its Choose Type button (0: none, the
// editions of .f61 and .bw1 files), the VERSION ranges the README's table
// tells its release by (none where only the title tells it) and the
// releases a .met file's title names it by (2002-2006).
struct Edition {
    char character;
    const char* text;
    int button;
    VersionRange ranges[2];
    const char* titles[3];
};
constexpr Edition kEditions[] = {
    {'0', "TIGER 94", 0, {}, {}},
    {'1', "TIGER 95", 0, {}, {}},
    {'2', "TIGER 97", 20, {{"0697", "1098"}}, {}},
    {'3', "TIGER 98", 21, {{"1298", "0499"}}, {}},
    {'4', "2000 Dress Rehersal", 22, {}, {}},
    {'5', "TIGER 99", 23, {{"0600", "0800"}, {"1000", "1100"}}, {}},
    {'6', "TIGER 2000", 24, {{"0301", "0801"}}, {}},
    {'7', "TIGER 2000 Urban Areas", 25, {{"0302", "0502"}}, {}},
    {'8', "TIGER 2000 CD108", 26, {}, {}},
    {'9', "TIGER 2002", 27, {}, {"2002"}},
    {'a', "TIGER 2003", 28, {}, {"2003"}},
    {'b', "TIGER 2004 first edition", 29, {}, {"2004 First Edition"}},
    {'c', "TIGER 2004 2nd edition/2005 1st or 2nd edition", 30, {},
     {"2004 Second Edition", "2005 First Edition", "2005 Second Edition"}},
    {'d', "TIGER 2006 Second Edition", 31, {}, {"2006 Second Edition"}},
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

// The month a VERSION (MMYY) names, counted from year 0 (the years 1950 to
// 2049); -1 for text that is no such VERSION.
int VersionMonth(const std::string& version) {
    if (version.size() != 4 || version.find_first_not_of("0123456789") != std::string::npos) return -1;
    const int month = std::stoi(version.substr(0, 2));
    const int year = std::stoi(version.substr(2));
    if (month < 1 || month > 12) return -1;
    return ((year < 50 ? 2000 : 1900) + year) * 12 + month - 1;
}

// The range of an edition that holds a VERSION's month; null for none.
const VersionRange* RangeHolding(const Edition& edition, int month) {
    for (const VersionRange& range : edition.ranges)
        if (range.first && VersionMonth(range.first) <= month && month <= VersionMonth(range.last)) return &range;
    return nullptr;
}

// Opens a file of the county whatever the case of its name; null when it
// is not there or, `unreadable` then naming it (errno says why), when it is
// there but cannot be opened.
platform::FilePtr OpenCountyFile(const std::string& path, std::string* unreadable) {
    platform::FilePtr file = platform::OpenAnyCase(path, "rb");
    if (!file && errno != ENOENT && unreadable) *unreadable = path;
    return file;
}

// The release the first "Title:" line of a .met file names: the text after
// "TIGER/Line Files, " up to the next ", "; empty when there is no such
// line or no such file (or it cannot be read: `unreadable`).
std::string TitleRelease(const std::string& metPath, std::string* unreadable) {
    platform::FilePtr file = OpenCountyFile(metPath, unreadable);
    if (!file) return {};
    std::string line;
    for (int c = 0; c != EOF;) {
        line.clear();
        while ((c = std::getc(file.get())) != EOF && c != '\n') line += static_cast<char>(c);
        if (c == EOF && std::ferror(file.get()) && unreadable) {
            *unreadable = metPath;
            return {};
        }
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const std::string::size_type start = line.find_first_not_of(" \t");
        if (start == std::string::npos || line.compare(start, 6, "Title:") != 0) continue;
        const std::string::size_type text = line.find_first_not_of(" \t", start + 6);
        const std::string lead = "TIGER/Line Files, ";
        if (text == std::string::npos || line.compare(text, lead.size(), lead) != 0) return {};
        const std::string::size_type release = text + lead.size();
        const std::string::size_type end = line.find(", ", release);
        return end == std::string::npos ? std::string() : line.substr(release, end - release);
    }
    return {};
}

// The edition a .met title's release names; null for a release of none.
const Edition* EditionOfTitle(const std::string& release) {
    for (const Edition& e : kEditions)
        for (const char* title : e.titles)
            if (title && release == title) return &e;
    return nullptr;
}

// The one edition whose range holds a VERSION's month; null for none or
// more than one.
const Edition* HolderOf(int month) {
    const Edition* holder = nullptr;
    int holders = 0;
    for (const Edition& e : kEditions) {
        if (RangeHolding(e, month)) {
            holder = &e;
            ++holders;
        }
    }
    return holders == 1 ? holder : nullptr;
}

// "VERSION <vvvv> of the county's type 1 file lies in the range the README
// gives <edition>, ..." of the edition whose range holds it.
std::string VersionInRange(const std::string& version, const Edition& holder) {
    const VersionRange* range = RangeHolding(holder, VersionMonth(version));
    return platform::Format("VERSION %s of the county's type 1 file lies in the range the README gives %s, "
                            "%s to %s (Choose Type button %d, edition character '%c')",
                            version.c_str(), holder.text, range->first, range->last, holder.button, holder.character);
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

std::string OtherReleaseNote(char edition, const std::string& typeOnePath, const std::string& metPath,
                             std::string* unreadable) {
    const std::size_t chosen = EditionIndex(edition);
    if (chosen == kEditionCount) return {};
    const std::string head = PELLARD_EDITION_CHOSEN + EditionText(edition) + ". ";
    // A title names a release of 2002-2006, whatever edition is chosen.
    const std::string release = TitleRelease(metPath, unreadable);
    const Edition* named = EditionOfTitle(release);
    if (named && named->character != edition) {
        return head + platform::Format("The title of the county's .met file %s names the release \"%s\": that "
                                       "is %s (Choose Type button %d, edition character '%c')",
                                       platform::FileNameOfPath(platform::FindFileAnyCase(metPath)).c_str(),
                                       release.c_str(), named->text, named->button, named->character);
    }
    if (edition > '8' || (unreadable && !unreadable->empty())) return {};
    const std::string version = FirstVersion(typeOnePath);
    const int month = VersionMonth(version);
    if (month < 0 || !kEditions[chosen].ranges[0].first || RangeHolding(kEditions[chosen], month)) return {};
    const Edition* holder = HolderOf(month);
    if (!holder) return {};
    return head + VersionInRange(version, *holder);
}

std::string OtherFamilyNote(char edition, const std::string& typeOnePath, const std::string& typeIPath,
                            std::string* unreadable) {
    const std::size_t chosen = EditionIndex(edition);
    const TypeLengths* lengths = LengthsOf('I');
    if (chosen == kEditionCount || !lengths) return {};
    // The length of the first type I record tells the family.
    platform::FilePtr file = OpenCountyFile(typeIPath, unreadable);
    if (!file) return {};
    std::size_t length = 0;
    int c;
    while ((c = std::getc(file.get())) != EOF && c != '\n' && c != '\r') ++length;
    if (c == EOF && std::ferror(file.get())) {
        if (unreadable) *unreadable = typeIPath;
        return {};
    }
    const bool older = edition <= '8';
    const std::size_t otherLength = static_cast<std::size_t>(lengths->length[older ? kEditionCount - 1 : 0]);
    if (length == 0 || length != otherLength || length == RecordLength('I', edition)) return {};
    std::string text = PELLARD_EDITION_CHOSEN + EditionText(edition) +
                       platform::Format(". The county's type I records are %zu characters long, as in %s: its "
                                        "record files are of ",
                                        length, EditionsOfLength(*lengths, length).c_str());
    if (!older) {
        // The editions of 1994-2000 are told by VERSION, where a range holds it.
        const std::string version = FirstVersion(typeOnePath);
        const int month = VersionMonth(version);
        if (const Edition* holder = month < 0 ? nullptr : HolderOf(month)) {
            return text + "1994-2000, and " + VersionInRange(version, *holder);
        }
        return text + "1994-2000 (Choose Type buttons 20 to 26; VERSION " + version +
               " of its type 1 file lies in no range the README gives a release of them)";
    }
    return text + "2002-2006 (Choose Type buttons 27 to 31; the title of its .met file tells which)";
}

std::string OtherFilesNote(char edition, const std::string& typeOnePath) {
    const std::size_t chosen = EditionIndex(edition);
    if (chosen == kEditionCount) return {};
    // The family of files each edition reads: .f6x, .bw? or .rt?.
    auto family = [](char e) { return e == '0' ? "f6" : e == '1' ? "bw" : "rt"; };
    const std::string extension = platform::ToLower(platform::ExtensionOfPath(typeOnePath));
    const std::string files = extension.size() == 3 ? extension.substr(0, 2) : std::string();
    if (files == family(edition) || (files != "f6" && files != "bw" && files != "rt")) return {};
    const char* readers = files == "f6"   ? "TIGER 94 (edition character '0'), as pellard takes .f61 files"
                          : files == "bw" ? "TIGER 95 (edition character '1'), as pellard takes .bw1 files"
                                          : "Choose Type buttons 20 to 31 (TIGER 97 to TIGER 2006 Second Edition)";
    return PELLARD_EDITION_CHOSEN + EditionText(edition) +
           platform::Format(". That edition reads .%s1, .%s2 ... files, and the county's are .%s1, .%s2 ... files (%s): "
                            "those are read by %s",
                            family(edition), family(edition), files.c_str(), files.c_str(),
                            platform::FileNameOfPath(typeOnePath).c_str(), readers);
}

}  // namespace tigercore
