// The rows a county moves to a scratch file once they are counted (the
// type A rows in a.tmp), read back by row number: from a read-only mapping
// of the file when it can be mapped, with positioned reads when it cannot.
#pragma once

#include <cstddef>
#include <cstdio>

namespace tigercore {

class ScratchRows {
public:
    ScratchRows() = default;
    ~ScratchRows() { Unmap(); }
    ScratchRows(const ScratchRows&) = delete;
    ScratchRows& operator=(const ScratchRows&) = delete;

    // Maps the first `bytes` of `file` (written and flushed); nothing when
    // `bytes` is 0 or the mapping fails.
    void Map(std::FILE* file, size_t bytes);
    void Unmap();

    // Row `row` of `file` (rows of sizeof(Row) bytes from its start); false
    // when there is no file, the row is negative or lies beyond the rows.
    template <typename Row>
    bool Read(std::FILE* file, int row, Row& out) const {
        return file && row >= 0 && Read(file, static_cast<size_t>(row) * sizeof(Row), &out, sizeof(Row));
    }

private:
    bool Read(std::FILE* file, size_t at, void* out, size_t size) const;

    const unsigned char* mapping_ = nullptr;
    size_t size_ = 0;
};

}  // namespace tigercore
