// A journal beside the files of a layer that a county changes in a merged
// folder (organisation '3'): before a continued file is changed, its length
// and the bytes the change will overwrite are kept in the journal and on
// disk; before a new file is put in place, the journal notes that it was not
// there (or keeps the whole of the file it replaces). The journal lives
// until the county's change is committed or undone (county_change.h). A
// journal still there when a later run starts means the run that wrote it
// was stopped half-way: Restore() puts every file it names back as it was.
#pragma once

#include "platform/files.h"
#include "platform/private_file.h"
#include "shapeio/held_stream.h"
#include "shapeio/job_services.h"

#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace shapeio {

// The ending of every journal's name: the journal of the files "<stem>"
// and "<stem>.<ext>" is "<stem>.journal".
inline constexpr char kJournalEnding[] = ".journal";
// The journal of a county's change of a merged folder, in the folder.
inline constexpr char kChangeJournalName[] = ".pellard-change.journal";

// Whether `path` is a county's change's journal under its private name,
// as a stop before its head was on disk leaves it (Journal::Restore reads
// it as the journal).
bool IsUnplacedChangeJournal(const std::string& path);

// A name that stands for one file in a folder and one line of a log: no
// '/', no control character.
bool PlainName(const std::string& name);
// A file named relative to a folder, in it or in a folder right below it
// ("name" or "folder/name"): plain names, neither "." nor "..".
bool NameInFolderOrBelow(const std::string& relative);

// What Restore found at a journal's path.
struct StoppedJournal {
    bool found = false;  // a journal of this program: the run that wrote it stopped before it ended
    std::string county;  // the county of that run; empty when the journal names none
};

// A journal is either that of one layer's files (beside them, each record
// on disk before the change it guards is made), or that of a county's
// change of a merged folder (kChangeJournalName in the folder): it guards
// the files `folderFiles` names (relative to the folder) and any other the
// change continues. The change's journal is made, with the length of every
// file it guards, at the change's first use of a file there and made
// durable at once (the county's one flush of it); the records that
// follow go to disk with the county's later flushes, for the change defers
// everything they guard: what is written over a file's first bytes is held
// (HeldStream) and a new file stays under its private name until the
// change's commit writes them in (Prepare, then Apply), and a file only
// grows before that.
class Journal {
public:
    enum class Kind { kLayer, kChange };

    // The journal at `path` of the county of `services`, which it names and
    // where it says what stands in its way; none: a journal without a county.
    explicit Journal(std::string path, JobServices* services = nullptr, Kind kind = Kind::kLayer,
                     std::vector<std::string> folderFiles = {})
        : path_(std::move(path)), services_(services), kind_(kind), folderFiles_(std::move(folderFiles)) {}
    Journal(const Journal&) = delete;
    Journal& operator=(const Journal&) = delete;

    const std::string& path() const { return path_; }
    // Something is recorded: the journal's file exists (under its private
    // name until its head is on disk).
    bool Written() const { return Stream() != nullptr || closed_; }
    // The journal of a county's change, which defers what it guards.
    bool Defers() const { return kind_ == Kind::kChange; }

    // Records that `file` is continued from its `length` bytes. Only the
    // first record of a file counts: the journal keeps each file as it was
    // before the first change.
    bool Begin(const std::string& file, int64_t length);
    // Records the bytes of `file` at `offset` before they are overwritten:
    // the part within the file's first length (none for a file the journal
    // saw made).
    bool Save(const std::string& file, int64_t offset, const std::string& bytes);
    // Records what is at `file` before a new file is put in place there:
    // nothing (undoing removes the new file) or a file, kept whole.
    bool Replacing(const std::string& file);

    // A change's journal: the file `file` made under a private name is put
    // in its place at the commit, and the writes held over the first bytes
    // of the continued file `file` are written into it then.
    void PlaceAtCommit(const std::string& file, platform::PrivateFile&& made);
    void WriteAtCommit(const std::string& file, HeldWrites&& held);
    // The length `file` has once the commit has written it in.
    int64_t SizeAtCommit(const std::string& file) const;
    // Whether anything is to be written in at the commit.
    bool Deferred() const { return !placements_.empty() || !held_.empty(); }
    // The commit's first step: the journal records what stands where each
    // new file goes (Replacing). The files to make durable before Apply
    // (the journal and every file written) are added to `files`.
    bool Prepare(std::vector<std::string>& files);
    // Writes in what the change deferred: the held writes, then the new
    // files put in place. False (errno set) when one could not be; what
    // was written in is put back by the journal (Restore). The files it
    // changed are added to `files`.
    bool Apply(std::vector<std::string>& files);
    // Forgets what was deferred (the new files are removed).
    void Drop();

    // Closes the journal's file; it stays on disk.
    void Close();
    // Closes the journal's file and removes it: the change is complete.
    // False (errno says why) when it could not be removed: a later run
    // would take it for that of a stopped change.
    bool Remove();

    // Puts back every file the journal at `path` names, makes them durable
    // (the county's flush, JobServices::Kept), then removes it. A journal
    // only names files beside it of its own layer (or, a change's, in its
    // folder and the folders right below it), and only
    // shortens them, puts back bytes they had or removes files they did not
    // have. `logEach`: each file put back is logged. A file of it that is
    // gone is logged and passed over. False (logged, county failed, the
    // journal left) when the journal is damaged, a file cannot be put back
    // or a symbolic link stands where a file goes, or when the journal
    // cannot be removed once its files are back. A file of that name that
    // is no journal at all is left alone. `stopped` given: the journal was
    // found in the folder, and is this program's only when it is a regular
    // file that begins with the journal's first line or, empty or holding
    // the start of that line, lies beside a file it would guard; anything
    // else is never read, never removed and gets no word. `stopped` then
    // says whether a journal was there and the county it names. Not given:
    // the journal this run wrote, which must stand where it wrote it.
    static bool Restore(const std::string& path, JobServices& services, bool logEach,
                        StoppedJournal* stopped = nullptr);

private:
    struct FileState {
        int64_t length = -1;  // -1: the journal saw the file made
    };
    bool Append(const std::string& record);
    // Gives the journal, under its private name until now, its own.
    bool Place();
    std::FILE* Stream() const { return file_ ? file_.get() : unplaced_.get(); }
    // Logs what stands where the journal could not be made, someone's own
    // (a link is refused).
    void SayWhatIsInTheWay() const;
    // Logs a failed flush of the journal (`failure_`): the county's cause.
    void SayFlushFailed();
    std::string Header(const char* kind, const std::string& name, const std::string& numbers) const;

    // The name of `file` in the journal's records.
    std::string NameOf(const std::string& file) const;
    // The first records of a change's journal: the length of every file it
    // guards.
    std::string Lengths();

    std::string path_;
    JobServices* services_;
    Kind kind_;
    std::vector<std::string> folderFiles_;
    platform::FilePtr file_;
    platform::PrivateFile unplaced_;  // the journal until it has its name
    std::string digits_;              // that its frames are checked with
    std::string failure_;             // what a flush that failed said
    bool closed_ = false;
    bool preparing_ = false;  // in Prepare, whose flush follows
    std::map<std::string, FileState> files_;
    std::vector<std::pair<std::string, platform::PrivateFile>> placements_;
    std::vector<std::pair<std::string, HeldWrites>> held_;
};

}  // namespace shapeio
