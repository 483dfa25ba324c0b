// The record lines of a record file, read in large blocks. A record line ends
// at a line feed, a carriage return, or a carriage return and a line feed
// together (one line end). Line ends, empty lines and Ctrl-Z characters (the
// old end-of-file mark) at the very end of the file are not records.
#pragma once

#include <cstdio>
#include <memory>
#include <string>
#include <string_view>

namespace tigercore {

class RecordLineReader {
public:
    explicit RecordLineReader(std::FILE* file);

    // Counts the record lines from the file's current position to its end and
    // goes back to that position. -1 when the file cannot be read.
    long long CountRecords();

    // The next physical line (without its line end), valid until the next
    // call. Of a line longer than the block size only its beginning is
    // given (the rest is skipped). False at the end of the file or on a read
    // error.
    bool NextLine(std::string_view& line);
    // The real length of the line NextLine gave last, and whether a line end
    // closed it (the last line of a file may have none).
    size_t LineLength() const { return lineLength_; }
    bool LineEnded() const { return lineEnded_; }

    // The record line `line` as the last record of the file: without the
    // carriage returns and Ctrl-Z characters that end the file.
    static std::string_view WithoutEndOfFileMarks(std::string_view line);

    bool ReadError() const { return readError_; }
    // Why reading stopped short: the reason of a read error (or of a seek
    // back that failed), else that the file ended before `records`.
    std::string StopReason(long long records) const;

private:
    bool Fill();
    // The first line end of the bytes held from position_ on, or null, and
    // how many bytes it takes (`endLength`): 2 for a carriage return and line
    // feed, else 1. A carriage return that closes the block is followed into
    // the file, and a line feed there is taken with it. Each byte is looked
    // at for a line feed only once (feed_), so that lines ended by lone
    // carriage returns are found in one pass too.
    const char* FindLineEnd(size_t& endLength);
    // Takes the line feed that may follow the block's closing carriage
    // return from the file.
    void TakeLineFeedAfterBlock();
    // A line longer than the block: its beginning is kept and the rest read
    // past, counting its length.
    bool LongLine(std::string_view& line);

    std::FILE* file_;
    long start_;
    size_t blockSize_;
    // Not cleared: only the bytes read into it are ever looked at.
    std::unique_ptr<char[]> block_;
    size_t position_ = 0;  // start of the next line in block_
    size_t length_ = 0;    // bytes held in block_
    // When beyond position_: no line feed lies between position_ and feed_
    // (at most length_), so the next one is at feed_ or later.
    size_t feed_ = 0;
    bool endOfFile_ = false;
    bool readError_ = false;
    int error_ = 0;  // errno of the read error or failed seek
    std::string longLine_;  // the beginning of a line longer than the block
    size_t lineLength_ = 0;
    bool lineEnded_ = true;
};

}  // namespace tigercore
