// The record a merged folder (organisation '3') keeps of the counties each
// of its merged files holds: the text file ".pellard-counties" in the
// folder. It changes only when a county's change of the merged layers is
// committed (county_change.h), journaled like a layer, so that a stop
// anywhere leaves the record and the files agreeing.
//
// Its first line is "pellard counties 2"; each line after it is one file a
// county was added to, written when its change is committed:
//   "<how> <code> <version> <edition> <size> <file>"
// with <how> 'n' (the county made the file anew: it holds that county
// alone from then on) or 'a' (the county was appended to it), the county's
// key in fixed widths (CountyKey::Text; a county that cannot be told has a
// blank code), the file's size in bytes once that county was in it, and the
// file relative to the folder, in it or in a folder right below it. The
// lines are only ever appended; the last 'n' line of a file starts its list
// of counties again, and the last line of a file gives its size. A record of
// version 1 ("pellard counties 1") has no sizes: it is read as it is and
// written again whole as version 2 by the next county that changes it.
#pragma once

#include "shapeio/job_services.h"

#include <map>
#include <string>
#include <vector>

namespace shapeio {

inline constexpr char kCountyRecordName[] = ".pellard-counties";

// What a merged folder knows a county by, whatever its file's name: its
// county code (state and county, as its type I records give it), the
// VERSION of its type 1 file and the edition chosen (its edition
// character). Two releases of one county are two counties.
struct CountyKey {
    std::string code;     // 5 characters
    std::string version;  // 4 characters
    char edition = '0';

    // "<code> <version> <edition>": 12 characters, control characters read
    // as '?'.
    std::string Text() const;
    // "county <code>, VERSION <version>, edition <edition>", for messages.
    std::string Describe() const;
};

class CountyRecord {
public:
    // Reads the record of `folder`, checked whole. A record that is not
    // there is an empty one (Begun() false). False (logged, the county
    // failed) when a link stands there, or when it is no regular file, cannot
    // be read or is damaged: nothing is touched and it is left for a person.
    bool Load(const std::string& folder, JobServices& services);
    // The record file was there.
    bool Begun() const { return begun_; }
    // The version of its lines: 2 (with sizes) or 1; 2 for a record not begun.
    int Version() const { return version_; }
    // The edition characters of the counties it holds, each once, in the
    // order of their first lines.
    const std::string& Editions() const { return editions_; }
    // The county the record is asked about from now on (Holds, Line).
    void Identify(const CountyKey& county);
    // Whether the record names `relative` as a file that holds the county.
    bool Holds(const std::string& relative) const;
    // `relative` holds the county, whatever the record says.
    void Hold(const std::string& relative) { holds_[relative] = true; }
    // Whether the record names `relative` at all.
    bool Knows(const std::string& relative) const { return holds_.count(relative) != 0; }
    // Every file the record names, each once.
    std::vector<std::string> Files() const;
    // The size the record's last line of `relative` gives it; -1 when no
    // line names it or the record has no sizes (version 1).
    long long LastSize(const std::string& relative) const;

    // The record's first line; the line of the county added to `relative`
    // (`made`: the county made the file anew), `size` bytes long after it.
    static std::string FirstLine();
    std::string Line(const std::string& relative, bool made, long long size) const;
    // The lines of a record of version 1 after its first, as lines of
    // version 2: each with the size its file in `folder` has now (0 for one
    // that is not there).
    std::string LinesWithSizes(const std::string& folder) const;

private:
    struct Entry {
        bool made;        // an 'n' line
        std::string key;  // CountyKey::Text
        long long size;   // -1 in a record of version 1
        std::string file;
    };
    std::string key_;
    bool begun_ = false;
    int version_ = 2;
    std::vector<Entry> entries_;  // its lines after the first, in order
    std::string editions_;
    std::map<std::string, bool> holds_;  // every file the record names: whether it holds the county
};

}  // namespace shapeio
