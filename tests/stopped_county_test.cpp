// A county merged after another that stops part-way (killed, a full disk, a
// failure at its end) leaves the merged layers as they were before it, and
// running it again gives the tree of a run that was never stopped; journals
// whose files are gone and scratch left by other runs are dealt with by the
// next run, what a live run holds is not.
#include "conv1/conversion_dialog.h"
#include "conv2/conversion_dialog.h"
#include "county_writer.h"
#include "platform/dialog.h"
#include "platform/paths.h"
#include "support/county_files.h"
#include "support/fault_job.h"
#include "support/file_size_limit.h"
#include "support/temp_dir.h"
#include "support/text_checks.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdio>
#include <csignal>
#include <cstring>
#include <cstddef>
#include <fcntl.h>
#include <linux/filter.h>
#include <linux/seccomp.h>
#include <sys/file.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/ucontext.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

using namespace testsupport;

namespace {

// Line layers and tables, two current-geography layers and all polygons
// (the last layer; the metadata table follows it).
const std::string kOptions = Options('c', '3', {0, 1, 2, 3, 9, 39, 71});

countygen::CountySpec Spec(const char* county) {
    countygen::CountySpec spec;
    spec.width = 8;
    spec.height = 8;
    spec.county = county;
    return spec;
}

// Kills its process the moment the status text (of the control
// `statusId`) becomes `status` or, with a `percent`, when the progress bar
// reaches it under that status.
class KillAt : public platform::SilentRenderer {
public:
    KillAt(std::string status, int percent, int statusId = vornak2::ConversionDialog::kStatusId)
        : status_(std::move(status)), percent_(percent), statusId_(statusId) {}
    void ControlChanged(const platform::Dialog&, const platform::Control& control) override {
        if (control.id == statusId_) under_ = control.text == status_;
        const bool reached = percent_ < 0 || (control.kind == platform::ControlKind::ProgressBar &&
                                              control.position >= percent_);
        if (under_ && reached) ::raise(SIGKILL);
    }

private:
    std::string status_;
    int percent_;
    int statusId_;
    bool under_ = false;
};

using Convert = int (*)(const std::string&, const std::string&, const std::string&, int, int);

// The signal that ended a child process in which `renderer` draws the
// dialogs while `run` converts; 0 when it ended by itself.
template <typename Run>
int StopSignal(platform::SilentRenderer& renderer, Run run) {
    const pid_t child = ::fork();
    if (child == 0) {
        platform::SetModelessRenderer(&renderer);
        run();
        ::_exit(0);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFSIGNALED(status) ? WTERMSIG(status) : 0;
}

}  // namespace

TEST(StoppedCounty, RunAgainGivesTheTreeOfARunNeverStopped) {
    TempDir dir;
    const std::string in = dir / "in", ref = dir / "ref";
    for (const std::string& folder : {in, ref}) ASSERT_TRUE(platform::MakeDirectory(folder));
    const std::string first = countygen::WriteCounty(Spec("901"), in).type1Path;
    const std::string second = countygen::WriteCounty(Spec("903"), in).type1Path;
    ConvertCounty(first, ref, kOptions);
    ASSERT_EQ(ConvertCounty(second, ref, kOptions), 0);

    enum class Stop { kKilled, kDiskFull, kFailed };
    const struct {
        const char* name;
        Stop stop;
        const char* status;  // kKilled: where
        int percent;
    } cases[] = {
        {"killed during the first layer", Stop::kKilled, "Building Lines of Type A", 50},
        {"killed between layers", Stop::kKilled, "Building Lines of Type B", -1},
        {"killed during the last layer", Stop::kKilled, "Metadata", 100},
        {"disk full during a late layer", Stop::kDiskFull, nullptr, 0},
        {"failed at its end", Stop::kFailed, nullptr, 0},
    };
    const std::string rtt = countygen::CountyFilePath(Spec("903"), in, "rtt");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string out = dir / c.name;
        ASSERT_TRUE(platform::MakeDirectory(out));
        ConvertCounty(first, out, kOptions);
        const std::map<std::string, std::string> before = Tree(out);
        if (c.stop == Stop::kKilled) {
            KillAt killer(c.status, c.percent);
            ASSERT_EQ(StopSignal(killer, [&] { ConvertCounty(second, out, kOptions); }), SIGKILL);
        } else {
            const std::string away = rtt + ".away";
            if (c.stop == Stop::kFailed) {
                ASSERT_EQ(::rename(rtt.c_str(), away.c_str()), 0);
            }
            {
                // All polygons, the largest, is the one to fill the disk.
                FileSizeLimit full(c.stop == Stop::kDiskFull ? ReadFile(out + "/allpolys/all.kml").size() * 3 / 2
                                                             : RLIM_INFINITY);
                EXPECT_EQ(ConvertCounty(second, out, kOptions), 1);
            }
            if (c.stop == Stop::kFailed) {
                ASSERT_EQ(::rename(away.c_str(), rtt.c_str()), 0);
            }
            EXPECT_HAS(ReadFile(out + "/TGR25903.log"),
                       "The merged layers of " + out + " were put back as they were before this county\n");
            EXPECT_TRUE(Tree(out) == before);
        }
        // The whole job run again: the first county, passed over, puts back
        // the stopped run's layers.
        const size_t logBefore = ReadFile(out + "/TGR25901.log").size();
        EXPECT_EQ(ConvertCounty(first, out, kOptions), 0);
        EXPECT_EQ(ConvertCounty(second, out, kOptions), 0);
        if (c.stop == Stop::kKilled) {
            const std::string said = ReadFile(out + "/TGR25901.log").substr(logBefore);
            EXPECT_HAS(said, "Restored file ");
            EXPECT_EQ(CountOf(said, "TGR25903's run stopped before it ended: the merged layers of " + out +
                                        " were put back without it; converting it again adds it\n"),
                      1);
        }
        EXPECT_TRUE(Tree(out) == Tree(ref));
    }
}

// A job killed in its second county and run again whole holds each county
// once, as a job never stopped, in both libraries; a layer file the user
// removed since is made again with every county of the job.
TEST(StoppedCounty, TheJobRunAgainCompletesIt) {
    const struct {
        char edition;
        std::string options;
        Convert convert;
        int statusId;
        const char* removed;
    } libraries[] = {
        {'c', Options('c', '3', {0, 1, 9}), ConvertCounty, vornak2::ConversionDialog::kStatusId, "/county/ctycu.kml"},
        {'6', OldOptions('6', '3', {0, 1, 9}), ConvertOldCounty, vornak::ConversionDialog::kStatusId,
         "/county00/cty00.kml"},
    };
    for (const auto& lib : libraries) {
        SCOPED_TRACE(lib.edition);
        TempDir dir;
        const std::pair<std::string, std::string> counties = WriteTwoCounties(dir.path(), lib.edition);
        const std::string &first = counties.first, &second = counties.second;
        const std::string ref = dir / "ref", out = dir / "out";
        auto job = [&](const std::string& folder) {
            return lib.convert(first, folder, lib.options, 1, 2) + lib.convert(second, folder, lib.options, 2, 2);
        };
        for (const std::string& folder : {ref, out}) ASSERT_TRUE(platform::MakeDirectory(folder));
        ASSERT_EQ(job(ref), 0);
        ASSERT_EQ(lib.convert(first, out, lib.options, 1, 2), 0);
        KillAt killer("Building Lines of Type B", -1, lib.statusId);
        ASSERT_EQ(StopSignal(killer, [&] { lib.convert(second, out, lib.options, 2, 2); }), SIGKILL);
        EXPECT_EQ(job(out), 0);
        EXPECT_HAS(ReadFile(out + "/TGR25901.log"), "TGR25901 (county 25901, VERSION ");
        EXPECT_TRUE(Tree(out) == Tree(ref));

        ASSERT_TRUE(platform::RemoveFile(out + lib.removed));
        EXPECT_EQ(job(out), 0);
        std::map<std::string, std::string> after = Tree(out), never = Tree(ref);
        EXPECT_EQ(after[lib.removed + 1], never[lib.removed + 1]);
        EXPECT_GT(after[".pellard-counties"].size(), never[".pellard-counties"].size());
        after.erase(".pellard-counties");
        never.erase(".pellard-counties");
        EXPECT_TRUE(after == never);
    }
}

// A journal of a stopped run whose layer the user deleted since: the next
// run says so and goes on, and names the stopped county (in its own log
// too), or "A county" for a journal of an earlier version.
TEST(StoppedCounty, JournalWhoseFilesAreGoneIsRemoved) {
    TempDir dir;
    const countygen::GeneratedCounty county = countygen::WriteCounty(countygen::CountySpec(), dir.path());
    const std::string options = Options('c', '3', {1});
    const std::string journal = dir / "rails/lkX.journal", stoppedLog = dir / "TGR25905.log";
    ASSERT_TRUE(platform::MakeDirectory(dir / "rails"));
    WriteFile(stoppedLog, "");
    const struct {
        std::string record, said;
    } cases[] = {
        {"", "A county"},
        {"county 8\nTGR25905", "TGR25905"},
        {"county " + std::to_string(county.baseName.size()) + "\n" + county.baseName, county.baseName},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.said);
        WriteFile(journal, "pellard journal 1\n" + c.record + "file 100 7\nlkX.shpfile 108 7\nlkX.shx");
        const size_t before = ReadFile(dir / (county.baseName + ".log")).size();
        EXPECT_EQ(ConvertCounty(county.type1Path, dir.path(), options), 0);
        const std::string log = ReadFile(dir / (county.baseName + ".log")).substr(before);
        for (const char* name : {"lkX.shp", "lkX.shx"}) {
            EXPECT_HAS(log, "File " + dir / "rails/" + name + " of the journal " + journal +
                                " is gone: nothing is put back for it\n");
        }
        const std::string line = c.said + "'s run stopped before it ended: the merged layers of " + dir.path() +
                                 " were put back without it; converting it again adds it\n";
        EXPECT_EQ(CountOf(log, line), 1);
        EXPECT_EQ(CountOf(ReadFile(stoppedLog), line), c.said == "TGR25905" ? 1 : 0);
        EXPECT_FALSE(Exists(journal));
    }
}

// A file of someone's own where the merged layers' journal goes is left as
// it is and named; the county fails with the merged layers as they were.
TEST(StoppedCounty, AFileInTheWayOfAJournalIsNamed) {
    TempDir dir;
    const auto [first, second] = WriteTwoCounties(dir.path());
    const std::string options = Options('c', '3', {1, 9});
    const std::string out = dir / "out";
    ASSERT_TRUE(platform::MakeDirectory(out));
    ASSERT_EQ(ConvertCounty(first, out, options), 0);
    const std::string inTheWay = out + "/.pellard-change.journal";
    WriteFile(inTheWay, "my notes\n");
    const std::map<std::string, std::string> before = Tree(out);
    EXPECT_EQ(ConvertCounty(second, out, options), 1);
    EXPECT_HAS(ReadFile(out + "/TGR25903.log"), "The file " + inTheWay +
                                                    " stands where the journal of the merged layers goes: it is no "
                                                    "journal this program wrote and is left as it is. ");
    EXPECT_TRUE(Tree(out) == before);
}

// Files of the user's named like journals, in the folder or a folder below
// it, are no journals of this program unless they begin as one does or, no
// longer than the start of its first line, lie beside a file one guards:
// they are left as they are, without a word.
TEST(StoppedCounty, TheUsersJournalsAreLeftAlone) {
    TempDir dir;
    const countygen::GeneratedCounty county = countygen::WriteCounty(countygen::CountySpec(), dir.path());
    const std::string out = dir / "out";
    for (const std::string& folder : {out, out + "/notes", out + "/x.journal"}) {
        ASSERT_TRUE(platform::MakeDirectory(folder));
    }
    WriteFile(out + "/notes/todo.journal", "");
    WriteFile(out + "/notes/plan.journal", "pellard jour");
    ASSERT_EQ(::mkfifo((out + "/notes/pipe.journal").c_str(), 0644), 0);
    EXPECT_EQ(ConvertCounty(county.type1Path, out, Options('c', '3', {1})), 0);
    for (const char* mine : {"/notes/todo.journal", "/notes/plan.journal", "/notes/pipe.journal", "/x.journal"}) {
        EXPECT_NE(platform::KindOfPath(out + mine), platform::PathKind::kMissing) << mine;
    }
    EXPECT_EQ(ReadFile(out + "/notes/plan.journal"), "pellard jour");
    const std::string log = ReadFile(out + "/" + county.baseName + ".log");
    EXPECT_LACKS(log, "journal");
    EXPECT_LACKS(log, "run stopped");
}

namespace {

// From now on the system calls `calls` of the process meet `action`
// (SECCOMP_RET_TRAP: SIGSYS; SECCOMP_RET_KILL_PROCESS).
void FilterCalls(std::initializer_list<long> calls, unsigned action) {
    std::vector<sock_filter> filter = {BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, nr))};
    for (const long call : calls) {
        filter.push_back(BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, static_cast<unsigned>(call), 0, 1));
        filter.push_back(BPF_STMT(BPF_RET | BPF_K, action));
    }
    filter.push_back(BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ALLOW));
    const sock_fprog program{static_cast<unsigned short>(filter.size()), filter.data()};
    if (::prctl(PR_SET_NO_NEW_PRIVS, 1, 0, 0, 0) != 0 || ::prctl(PR_SET_SECCOMP, SECCOMP_MODE_FILTER, &program) != 0) {
        ::_exit(3);
    }
}

// From now on every flush of the process (fsync, fdatasync, syncfs) goes
// to `onSync` (SIGSYS) instead of the kernel.
void TrapSyncs(void (*onSync)(int, siginfo_t*, void*)) {
    struct sigaction action {};
    action.sa_sigaction = onSync;
    action.sa_flags = SA_SIGINFO;
    ::sigaction(SIGSYS, &action, nullptr);
    FilterCalls({__NR_fsync, __NR_fdatasync, __NR_syncfs}, SECCOMP_RET_TRAP);
}

// Stops the process at its `count`-th flush from the moment
// the layer text of its progress dialog becomes `layer`: the calls before
// are passed over as if they succeeded.
class KillAtSync : public platform::SilentRenderer {
public:
    KillAtSync(std::string layer, int count) : layer_(std::move(layer)) { left_ = count; }
    void ControlChanged(const platform::Dialog&, const platform::Control& control) override {
        if (armed_ || control.id != vornak2::ConversionDialog::kLayerId || control.text != layer_) return;
        armed_ = true;
        TrapSyncs(OnSync);
    }

private:
    static void OnSync(int, siginfo_t*, void* context) {
        if (--left_ == 0) ::raise(SIGKILL);
        static_cast<ucontext_t*>(context)->uc_mcontext.gregs[REG_RAX] = 0;
    }
    static inline volatile sig_atomic_t left_ = 0;
    std::string layer_;
    bool armed_ = false;
};

// What a flush meets: success, an I/O error, or a stop.
enum class Flush { kDone, kFailed, kStopped };

// From the county dialog's first control on, every flush succeeds without
// reaching the disk, but the first of `target` (a file, or the folder whose
// file system is flushed) once `when`
// stands there, which meets `atTarget`, and the `later`-th flush after it,
// which meets `atLater`. (The trap comes at the call: the handler may
// allocate.)
class FlushAt : public platform::SilentRenderer {
public:
    FlushAt(std::string target, std::string when, Flush atTarget, int later = 0, Flush atLater = Flush::kDone) {
        target_ = std::move(target), when_ = std::move(when), atTarget_ = atTarget, later_ = later, atLater_ = atLater;
    }
    void ControlChanged(const platform::Dialog&, const platform::Control&) override {
        if (!armed_) TrapSyncs(OnSync);
        armed_ = true;
    }

private:
    static void OnSync(int, siginfo_t*, void* context) {
        greg_t* registers = static_cast<ucontext_t*>(context)->uc_mcontext.gregs;
        char path[PATH_MAX] = {};
        const std::string fd = "/proc/self/fd/" + std::to_string(registers[REG_RDI]);
        const bool target = !met_ && ::readlink(fd.c_str(), path, sizeof path - 1) > 0 && target_ == path &&
                            ::access(when_.c_str(), F_OK) == 0;
        const Flush flush = target ? atTarget_ : met_ && later_ > 0 && --later_ == 0 ? atLater_ : Flush::kDone;
        met_ = met_ || target;
        if (flush == Flush::kStopped) ::raise(SIGKILL);
        registers[REG_RAX] = flush == Flush::kFailed ? -EIO : 0;
    }
    static inline std::string target_, when_;
    static inline Flush atTarget_ = Flush::kDone, atLater_ = Flush::kDone;
    static inline int later_ = 0;
    static inline bool met_ = false;
    bool armed_ = false;
};

}  // namespace

// A run stopped about the making of its first journal leaves no journal, or
// one that names its county: the next run never says "A county's run".
TEST(StoppedCounty, AStopAtAJournalsMakingNamesItsCounty) {
    TempDir dir;
    const std::pair<std::string, std::string> counties = WriteTwoCounties(dir.path());
    const std::string &first = counties.first, &second = counties.second;
    const std::string options = Options('c', '3', {1}), ref = dir / "ref";
    ASSERT_TRUE(platform::MakeDirectory(ref));
    for (const std::string& county : {first, second}) ASSERT_EQ(ConvertCounty(county, ref, options), 0);
    for (int count = 1; count <= 3; ++count) {
        SCOPED_TRACE(count);
        TempDir outDir;
        const std::string out = outDir.path();
        ASSERT_EQ(ConvertCounty(first, out, options), 0);
        KillAtSync killer("Lines", count);
        ASSERT_EQ(StopSignal(killer, [&] { ConvertCounty(second, out, options); }), SIGKILL);
        const size_t before = ReadFile(out + "/TGR25903.log").size();
        EXPECT_EQ(ConvertCounty(second, out, options), 0);
        const std::string said = ReadFile(out + "/TGR25903.log").substr(before);
        EXPECT_LACKS(said, "A county's run");
        if (count > 1) {
            EXPECT_HAS(said, "TGR25903's run stopped before it ended");
        }
        EXPECT_TRUE(Tree(out) == Tree(ref));
    }
}

// Scratch folders and private files of runs that have ended go; those a live
// run holds (a lock, whatever its process) stay until it lets go.
TEST(StoppedCounty, WhatALiveRunHoldsStays) {
    TempDir dir;
    const countygen::GeneratedCounty county = countygen::WriteCounty(countygen::CountySpec(), dir.path());
    const std::string out = dir / "out";
    ASSERT_TRUE(platform::MakeDirectory(out));
    ASSERT_TRUE(platform::MakeDirectory(out + "/roads"));
    const std::string heldFolder = out + "/.pellard-scratch-held", endedFolder = out + "/.pellard-scratch-ended";
    const std::string heldFile = out + "/roads/lkA.shp.partial-0123456789abcdef";
    const std::string endedFile = out + "/date.txt.partial-fedcba9876543210";
    for (const std::string& folder : {heldFolder, endedFolder}) {
        ASSERT_TRUE(platform::MakeDirectory(folder));
        WriteFile(folder + "/a.tmp", "scratch");
    }
    for (const std::string& file : {heldFile, endedFile}) WriteFile(file, "partial");
    const int folderLock = ::open(heldFolder.c_str(), O_RDONLY | O_DIRECTORY);
    const int fileLock = ::open(heldFile.c_str(), O_RDONLY);
    ASSERT_EQ(::flock(folderLock, LOCK_EX), 0);
    ASSERT_EQ(::flock(fileLock, LOCK_EX), 0);
    for (const char organisation : {'0', '3'}) {
        EXPECT_EQ(ConvertCounty(county.type1Path, out, Options('c', organisation, {1})), 0);
        EXPECT_TRUE(Exists(heldFolder + "/a.tmp") && Exists(heldFile));
        EXPECT_FALSE(Exists(endedFolder) || Exists(endedFile));
    }
    ::close(folderLock);
    ::close(fileLock);
    // The layer folders are looked into organised by theme.
    EXPECT_EQ(ConvertCounty(county.type1Path, out, Options('c', '2', {1})), 0);
    EXPECT_FALSE(Exists(heldFolder) || Exists(heldFile));
}

// A run stopped while it removed the journals of its committed change left
// the list of them: the next run removes them and puts nothing back.
TEST(StoppedCounty, StoppedWhileCommittingKeepsTheChange) {
    TempDir dir;
    const auto [first, second] = WriteTwoCounties(dir.path());
    const std::string options = Options('c', '3', {1});
    for (const char* out : {"ref", "out"}) {
        ASSERT_TRUE(platform::MakeDirectory(dir / out));
        ConvertCounty(first, dir / out, options);
    }
    WriteFile(dir / "out/rails/lkB.journal", "pellard journal 1\nfile 100 7\nlkB.shp");
    WriteFile(dir / "out/.pellard-committed", "rails/lkB.journal\n");
    for (const char* out : {"ref", "out"}) EXPECT_EQ(ConvertCounty(second, dir / out, options), 0);
    EXPECT_TRUE(Tree(dir / "out") == Tree(dir / "ref"));
}

// A run stopped after its commit list was placed had converted its county
// whole: the next run says so, in its log, in the stopped county's log (once
// when they are one; not made when it is gone) and on screen, by the list's
// first line. A list of an older run names no county; one left by a run
// that ended says nothing.
TEST(StoppedCounty, StopAfterTheCommitListIsSaid) {
    TempDir dir;
    const auto [first, second] = WriteTwoCounties(dir.path());
    const std::string options = Options('c', '3', {1});
    const std::string stopped = "pellard commit 8 12 TGR25903TGR25903.log\n";
    const struct {
        std::string head;  // the list's first line
        std::string next;  // the county run next
        std::string said;  // who is said to be converted
        int in901, in903;  // how often each county's log says it
    } cases[] = {
        {stopped, second, "TGR25903", 0, 1},
        {stopped, first, "TGR25903", 1, 1},
        {"pellard commit 8 12 TGR25905TGR25905.log\n", first, "TGR25905", 1, 0},
        {"", first, "A county", 1, 0},
        {"pellard ended 8 12 TGR25903TGR25903.log\n", first, "TGR25903", 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.head);
        TempDir outDir;
        const std::string out = outDir.path();
        for (const std::string& county : {first, second}) ASSERT_EQ(ConvertCounty(county, out, options), 0);
        WriteFile(out + "/rails/lkB.journal", "pellard journal 1\nfile 100 7\nlkB.shp");
        WriteFile(out + "/.pellard-committed", c.head + "rails/lkB.journal\n");
        const std::string before901 = ReadFile(out + "/TGR25901.log"), before903 = ReadFile(out + "/TGR25903.log");
        EXPECT_EQ(ConvertCounty(c.next, out, options), 0);
        const std::string line = c.said + " was converted whole into the merged layers of " + out +
                                 " before its run stopped: running it again passes it over\n";
        const std::string new901 = ReadFile(out + "/TGR25901.log").substr(before901.size());
        const std::string new903 = ReadFile(out + "/TGR25903.log").substr(before903.size());
        EXPECT_EQ(CountOf(new901, line), c.in901);
        EXPECT_EQ(CountOf(new903, line), c.in903);
        EXPECT_EQ(CountOf(new901 + new903, "was converted whole"), c.in901 + c.in903);
        EXPECT_FALSE(Exists(out + "/rails/lkB.journal") || Exists(out + "/.pellard-committed") ||
                     Exists(out + "/TGR25905.log"));
    }
}

namespace {

// Kills the process at its next removal or renaming of a file, from now on.
void KillAtNextRemoval() {
    FilterCalls({
#ifdef __NR_unlink
                    __NR_unlink, __NR_rename,
#endif
                    __NR_unlinkat, __NR_renameat, __NR_renameat2},
                SECCOMP_RET_KILL_PROCESS);
}

// Stops the county's run when its progress dialog is hidden, its commit list
// placed: at once, or at the removal of that list, after the log's "Process
// ended" line.
class StopAtTheEnd : public platform::SilentRenderer {
public:
    explicit StopAtTheEnd(bool atOnce) : atOnce_(atOnce) {}
    void Hidden(const platform::Dialog&) override {
        if (atOnce_) ::raise(SIGKILL);
        KillAtNextRemoval();
    }

private:
    bool atOnce_;
};

}  // namespace

// A run stopped at its end had converted its county whole: the same county
// run again is passed over by every layer that holds it and says so, in
// both libraries; with one more layer only that layer gains it.
TEST(StoppedCounty, AStopAtTheEndLeavesTheCountyInOnce) {
    const struct {
        const char* library;
        char edition;
        std::string options, oneMore;
        Convert convert;
        bool lowerCaseFile;  // the type 1 file named otherwise than its path is spelt
    } libraries[] = {
        {"2002-2006", 'c', Options('c', '3', {1, 9}), Options('c', '3', {1, 9, 12}), ConvertCounty, false},
        {"1994-2000", '6', OldOptions('6', '3', {1, 9}), OldOptions('6', '3', {1, 9, 10}), ConvertOldCounty, true},
    };
    const struct {
        const char* name;
        bool atOnce;
        bool oneMoreLayer;
    } stops[] = {
        {"after the commit list is placed", true, false},
        {"after the Process ended line", false, false},
        {"after the Process ended line, run again with one more layer", false, true},
    };
    for (const auto& lib : libraries) {
        for (const auto& stop : stops) {
            SCOPED_TRACE(std::string(lib.library) + ", " + stop.name);
            TempDir dir;
            const std::pair<std::string, std::string> counties = WriteTwoCounties(dir.path(), lib.edition);
            const std::string &first = counties.first, &second = counties.second;
            if (lib.lowerCaseFile) {
                ASSERT_TRUE(platform::RenameFile(second, dir / "tgr25903.rt1"));
            }
            const std::string ref = dir / "ref", out = dir / "out";
            for (const std::string& folder : {ref, out}) {
                ASSERT_TRUE(platform::MakeDirectory(folder));
                ASSERT_EQ(lib.convert(first, folder, lib.options, 1, 2), 0);
            }
            ASSERT_EQ(lib.convert(second, ref, lib.options, 2, 2), 0);
            StopAtTheEnd stopper(stop.atOnce);
            // The log's path spelt otherwise than the folder's.
            ASSERT_EQ(StopSignal(stopper, [&] { lib.convert(second, out + "/", lib.options, 2, 2); }),
                      stop.atOnce ? SIGKILL : SIGSYS);
            const std::string log = ReadFile(out + "/TGR25903.log");
            EXPECT_EQ(CountOf(log, "Process ended on "), stop.atOnce ? 0 : 1);

            EXPECT_EQ(lib.convert(second, out, stop.oneMoreLayer ? lib.oneMore : lib.options, 2, 2), 0);
            const std::string said = ReadFile(out + "/TGR25903.log").substr(log.size());
            EXPECT_EQ(CountOf(said, "TGR25903 was converted whole into the merged layers of " + out +
                                        " before its run stopped: running it again passes it over\n"),
                      1);
            EXPECT_EQ(CountOf(said, "TGR25903 (county 25903, VERSION "), 1);
            // Held by every file asked for: said in short; else the files.
            EXPECT_EQ(CountOf(said, ") is already in every merged file asked for (3) of the merged layers of " + out +
                                        ": it is not added again\n"),
                      stop.oneMoreLayer ? 0 : 1);
            EXPECT_HAS(said, " of the merged layers of " + out + ": it is not added again\n");
            EXPECT_FALSE(Exists(out + "/.pellard-committed"));
            std::map<std::string, std::string> after = Tree(out);
            const std::map<std::string, std::string> never = Tree(ref);
            if (!stop.oneMoreLayer) {
                EXPECT_TRUE(after == never);
                continue;
            }
            // Only the layer asked for anew gains the county: its folder and
            // its document of one county are new, every other file is as it
            // was (the record has one more line).
            for (const auto& [file, bytes] : never) {
                if (file != ".pellard-counties") {
                    EXPECT_EQ(after[file], bytes) << file;
                }
                after.erase(file);
            }
            ASSERT_EQ(after.size(), 2u);
            EXPECT_EQ(CountOf(after.rbegin()->second, "<Folder><name>25903</name>"), 1);
        }
    }
}

// A commit list planted in the folder that names anything but a plain
// county name and "<county>.log" or journals of the folder, reaches one
// through a link, is empty or too long or is no file is damaged: the run
// fails before it touches anything, and the list is left for a person.
TEST(StoppedCounty, DamagedCommitListIsLeftAlone) {
    TempDir dir;
    const auto [first, second] = WriteTwoCounties(dir.path());
    const std::string options = Options('c', '3', {1});
    const std::string victim = dir / "victim.log", elsewhere = dir / "elsewhere";
    const std::string journal = "pellard journal 1\nfile 100 7\nlkB.shp";
    ASSERT_TRUE(platform::MakeDirectory(elsewhere));
    const std::string stopped = "pellard commit 8 12 TGR25903TGR25903.log\n", line = "rails/lkB.journal\n";
    std::string longList = stopped;
    while (longList.size() <= 64 * 1024) longList += line;
    const struct {
        std::string list;  // empty: a folder
        const char* link;  // a link below the output folder to the journal elsewhere, or to its folder
    } cases[] = {
        {"pellard commit 8 " + std::to_string(victim.size()) + " TGR25903" + victim + "\n" + line, nullptr},
        {"pellard commit 8 16 TGR25903../victim.log\n" + line, nullptr},
        {"pellard commit 13 17 TGR25903\nowned\nTGR25903\nowned\n.log\n" + line, nullptr},
        {stopped + "evil/lkB.journal\n", "/evil"},
        {stopped + "rails/v.journal\n", "/rails/v.journal"},
        {stopped + line + "../victim.log\n", nullptr},
        {std::string("\x8f\x01rails/\0\xff\n", 11), nullptr},
        {longList, nullptr},
        {"", nullptr},
        {"/", nullptr},  // a folder
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.list.substr(0, 60));
        TempDir outDir;
        const std::string out = outDir.path();
        ASSERT_EQ(ConvertCounty(first, out, options), 0);
        WriteFile(victim, "the user's own\n");
        WriteFile(elsewhere + "/lkB.journal", journal);
        WriteFile(out + "/rails/lkB.journal", journal);
        if (c.list == "/") ASSERT_TRUE(platform::MakeDirectory(out + "/.pellard-committed"));
        else WriteFile(out + "/.pellard-committed", c.list);
        if (c.link) {
            const std::string target = std::string(c.link) == "/evil" ? elsewhere : elsewhere + "/lkB.journal";
            ASSERT_EQ(::symlink(target.c_str(), (out + c.link).c_str()), 0);
        }
        const std::map<std::string, std::string> before = Tree(out);
        EXPECT_EQ(ConvertCounty(second, out, options), 1);
        EXPECT_EQ(ReadFile(victim), "the user's own\n");
        EXPECT_EQ(ReadFile(elsewhere + "/lkB.journal"), journal);
        EXPECT_TRUE(Tree(out) == before);
        EXPECT_HAS(ReadFile(out + "/TGR25903.log"), "The commit list " + out + "/.pellard-committed is damaged: ");
    }
}

// A record of counties planted in the folder that is not one this program
// keeps (a line of another form, of another version or naming a file
// outside the folder, no first line of its own, a last line cut), no file,
// or a link: the run
// fails before it touches anything, and the record is left for a person.
TEST(StoppedCounty, DamagedRecordIsLeftAlone) {
    TempDir dir;
    const auto [first, second] = WriteTwoCounties(dir.path());
    const std::string options = Options('c', '3', {1});
    const std::string sound = "pellard counties 1\nn 25901 1105 c rails/lkB.shp\n";
    const std::string cases[] = {sound + "a 25903 1105 c ../victim.kml\n", sound + "n 25903 1105 c\n",
                                 "pellard counties 3\n", "pellard counties 2\nn 25901 1105 c rails/lkB.shp\n",
                                 "pellard counties 2\nn 25901 1105 c 12x rails/lkB.shp\n",
                                 sound.substr(0, sound.size() - 1), "", "link"};
    for (const std::string& record : cases) {
        SCOPED_TRACE(record);
        TempDir outDir;
        const std::string out = outDir.path(), path = out + "/.pellard-counties";
        ASSERT_EQ(ConvertCounty(first, out, options), 0);
        ASSERT_TRUE(platform::RemoveFile(path));
        if (record == "link") ASSERT_EQ(::symlink((dir / "victim").c_str(), path.c_str()), 0);
        else if (record.empty()) ASSERT_TRUE(platform::MakeDirectory(path));
        else WriteFile(path, record);
        const std::map<std::string, std::string> before = Tree(out);
        EXPECT_EQ(ConvertCounty(second, out, options), 1);
        EXPECT_TRUE(Tree(out) == before);
        EXPECT_HAS(ReadFile(out + "/TGR25903.log"), record == "link" ? "Refused the symbolic link " + path
                                                                       : "The record of counties " + path +
                                                                             " is damaged: ");
    }
}

// The commit list of a stopped run of an earlier version, which kept no
// record and named the run's options and input: the very same run of its
// county is held by the files its journals guard and recorded so (also
// after a run of it that failed); any other county says that running it
// again adds it again.
TEST(StoppedCounty, AnEarlierVersionsListOfItsRunIsHonoured) {
    TempDir dir;
    const auto [first, second] = WriteTwoCounties(dir.path());
    const std::string options = Options('c', '3', {1}), input = platform::AbsolutePath(second);
    struct stat st {};
    ASSERT_EQ(::stat(input.c_str(), &st), 0);
    const std::string list = "pellard commit 8 12 TGR25903TGR25903.log 86 " + std::to_string(input.size()) + " " +
                             std::to_string(st.st_size) + " " + std::to_string(st.st_mtim.tv_sec) + " " +
                             std::to_string(st.st_mtim.tv_nsec) + " " + options + input +
                             "\nrails/lkB.journal\nmetadata/met.dbf.journal\n";
    for (const std::string& next : {second, first}) {
        TempDir outDir;
        const std::string out = outDir.path(), log = out + (next == second ? "/TGR25903.log" : "/TGR25901.log");
        for (const std::string& county : {first, second}) ASSERT_EQ(ConvertCounty(county, out, options), 0);
        std::map<std::string, std::string> never = Tree(out);
        ASSERT_TRUE(platform::RemoveFile(out + "/.pellard-counties"));
        WriteFile(out + "/.pellard-committed", list);
        for (const char* journal : {"/rails/lkB.journal", "/metadata/met.dbf.journal"}) {
            WriteFile(out + journal, "pellard journal 1\nfile 100 7\nlkB.shp");
        }
        const std::string typeTwo = second.substr(0, second.size() - 1) + "2";
        // A run of it that fails finds the list again.
        if (next == second) {
            ASSERT_TRUE(platform::RenameFile(typeTwo, typeTwo + "x"));
            EXPECT_EQ(ConvertCounty(next, out, options), 1);
            ASSERT_TRUE(platform::RenameFile(typeTwo + "x", typeTwo) && Exists(out + "/.pellard-committed"));
        }
        const size_t before = ReadFile(log).size();
        EXPECT_EQ(ConvertCounty(next, out, options), 0);
        const std::string said = ReadFile(log).substr(before);
        EXPECT_HAS(said, "TGR25903 was converted whole into the merged layers of " + out + " before its run stopped: " +
                             (next == second ? "running it again passes it over\n" : "running it again adds it again\n"));
        if (next != second) continue;
        EXPECT_HAS(said, "TGR25903 (county 25903, VERSION 1105, edition c) is already in every merged file asked for (2)");
        std::map<std::string, std::string> after = Tree(out);
        // The shapefile's three files and the table.
        EXPECT_EQ(CountOf(after[".pellard-counties"], "\na 25903 1105 c "), 4);
        for (auto* files : {&after, &never}) files->erase(".pellard-counties");
        EXPECT_TRUE(after == never);
    }
}

// A county of the older library without a type I file is said to be added
// unchecked only when it is added (not when its type 2 file is missing).
TEST(StoppedCounty, ACountyAddedUncheckedIsSaidOnlyWhenAdded) {
    TempDir dir;
    const auto [first, second] = WriteTwoCounties(dir.path(), '6');
    const std::string options = OldOptions('6', '3', {1}), out = dir / "out", stem = second.substr(0, second.size() - 1);
    ASSERT_TRUE(platform::MakeDirectory(out) && platform::RemoveFile(stem + "I"));
    ASSERT_TRUE(ConvertOldCounty(first, out, options) == 0 && platform::RenameFile(stem + "2", stem + "x"));
    EXPECT_EQ(ConvertOldCounty(second, out, options), 1);
    EXPECT_LACKS(ReadFile(out + "/TGR25903.log"), "has no type I record");
    ASSERT_TRUE(platform::RenameFile(stem + "x", stem + "2"));
    EXPECT_EQ(ConvertOldCounty(second, out, options), 0);
    EXPECT_HAS(ReadFile(out + "/TGR25903.log"), "TGR25903 has no type I record to tell it by: it is added to the merged "
                                                "layers of " + out + " unchecked");
}

// A run stopped after it appended to the record of counties, before its
// commit, has the record put back with the layers; a commit that fails once
// its list is placed (the folder's flush after it gives EIO) puts them back
// and leaves nothing that says the county was committed, and so does a stop
// or another error at any flush of that put-back: the job run again
// completes the folder as one never stopped.
TEST(StoppedCounty, NoStopNorFailedCommitIsTakenForAFinishedOne) {
    TempDir dir;
    const std::string first = countygen::WriteCounty(Spec("901"), dir.path()).type1Path;
    const std::string second = countygen::WriteCounty(Spec("903"), dir.path()).type1Path;
    const std::string options = Options('c', '3', {1}), ref = dir / "ref";
    ASSERT_TRUE(platform::MakeDirectory(ref));
    for (const std::string& county : {first, second}) ASSERT_EQ(ConvertCounty(county, ref, options), 0);
    bool reached = true;  // the last stop came within the put-back
    for (int later = -1; reached; ++later) {
        for (const Flush atLater : {Flush::kStopped, Flush::kFailed}) {
            if (later <= 0 && atLater == Flush::kFailed) continue;
            SCOPED_TRACE(std::to_string(later) + (atLater == Flush::kFailed ? " failed" : " stopped"));
            TempDir outDir;
            const std::string out = platform::AbsolutePath(outDir.path()), list = out + "/.pellard-committed";
            const std::string record = out + "/.pellard-counties";
            ASSERT_EQ(ConvertCounty(first, out, options), 0);
            const std::map<std::string, std::string> before = Tree(out);
            // Stopped at the flush that would make the record's append and the
            // journal durable, or failed at the commit list's.
            FlushAt flush(out, list, Flush::kFailed, later, atLater);
            KillAtSync killer("Lines", 2);
            const int signal =
                StopSignal(later < 0 ? static_cast<platform::SilentRenderer&>(killer) : flush,
                           [&] { ConvertCounty(second, out, options); });
            if (later > 0 && atLater == Flush::kStopped) reached = signal == SIGKILL;
            const std::string log = ReadFile(out + "/TGR25903.log");
            EXPECT_TRUE(later >= 0 || (Exists(out + "/.pellard-change.journal") &&
                                       ReadFile(record).size() > before.at(".pellard-counties").size()));
            if (later >= 0) {
                EXPECT_HAS(log, "Could not commit the merged layers of " + out + ": the flush to disk of the file "
                                "system of " + out + " failed (input/output error) once its commit list was placed\n");
                EXPECT_FALSE(Exists(list));
            }
            EXPECT_TRUE(later != 0 || Tree(out) == before);
            EXPECT_EQ(ConvertCounty(first, out, options) + ConvertCounty(second, out, options), 0);
            EXPECT_LACKS(ReadFile(out + "/TGR25903.log").substr(log.size()), "was converted whole");
            EXPECT_TRUE(Tree(out) == Tree(ref));
        }
    }
}
