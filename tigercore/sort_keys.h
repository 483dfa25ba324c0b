// Sorting record tables through fixed-size keys: a row's key holds its
// comparison's fields as bytes whose order (memcmp) is exactly the order of
// the comparison, so a large table sorts as fast as plain bytes do.
#pragma once

#include "shapeio/put_in_order.h"

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <vector>

namespace tigercore {

// A key text made as snprintf makes it into `N` bytes from "%s" parts,
// "%c" parts, "%<w>s" parts (right-justified to at least w characters) and
// "%<w>.<w>s" parts (cut to w, then right-justified), without formatting:
// for the comparators that join an entry's code fields on every comparison
// and the side codes made for every side of every line.
template <size_t N>
class JoinedKey {
public:
    JoinedKey() { text_[0] = '\0'; }
    // "%<width>s", or "%<width>.<width>s" when `cut`.
    JoinedKey& Right(const char* field, size_t width, bool cut = false) {
        size_t length = std::strlen(field);
        if (cut) length = std::min(length, width);
        for (size_t pad = length; pad < width; ++pad) Put(' ');
        for (size_t i = 0; i < length; ++i) Put(field[i]);
        text_[used_] = '\0';
        return *this;
    }
    // "%s".
    JoinedKey& Text(const char* field) {
        while (*field) Put(*field++);
        text_[used_] = '\0';
        return *this;
    }
    // "%c".
    JoinedKey& Char(char c) {
        Put(c);
        text_[used_] = '\0';
        return *this;
    }
    const char* text() const { return text_; }
    // The text as snprintf(out, size, ...) leaves it: cut to size - 1
    // characters and ended by a NUL.
    void CopyTo(char* out, size_t size) const {
        if (size == 0) return;
        const size_t n = std::min(used_, size - 1);
        std::memcpy(out, text_, n);
        out[n] = '\0';
    }

private:
    void Put(char c) {
        if (used_ + 1 < N) text_[used_++] = c;
    }

    char text_[N];
    size_t used_ = 0;
};

// Text fields at full width, cut at a NUL and zero-filled after it, as the
// string comparison sees them; numbers big-endian with the sign bit
// flipped. Equal keys are equal rows for the comparison.
struct SortKey {
    unsigned char bytes[16];
};

// Builds a key field by field.
class KeyWriter {
public:
    KeyWriter() { std::memset(key_.bytes, 0, sizeof key_.bytes); }
    // A text field of `width` characters as the string comparison sees it.
    KeyWriter& Text(const char* field, size_t width) {
        size_t n = 0;
        while (n < width && field[n] != '\0') ++n;
        std::memcpy(key_.bytes + at_, field, n);
        at_ += width;
        return *this;
    }
    KeyWriter& Byte(char c) {
        key_.bytes[at_++] = static_cast<unsigned char>(c);
        return *this;
    }
    // A signed number of `bytes` bytes, ordered as a number.
    KeyWriter& Number(long long value, int bytes) {
        unsigned long long biased = static_cast<unsigned long long>(value) ^ (1ULL << (8 * bytes - 1));
        for (int k = bytes - 1; k >= 0; --k) key_.bytes[at_++] = static_cast<unsigned char>(biased >> (8 * k));
        return *this;
    }
    SortKey Key() const { return key_; }

private:
    SortKey key_;
    size_t at_ = 0;
};

inline bool KeyBefore(const SortKey& a, const SortKey& b) { return std::memcmp(a.bytes, b.bytes, sizeof a.bytes) < 0; }
inline bool SameKey(const SortKey& a, const SortKey& b) { return std::memcmp(a.bytes, b.bytes, sizeof a.bytes) == 0; }

// Sorts a table into the order of `compare`, whose key `keyOf` is. Rows with
// equal keys keep their order (the file order), so the result does not
// depend on the sort's internals. The keys are sorted with their row numbers
// and the rows then moved into place once, which needs no second copy of
// the table.
template <typename Row>
void SortRecords(std::vector<Row>& rows, int (*compare)(const Row&, const Row&), SortKey (*keyOf)(const Row&)) {
    auto before = [compare](const Row& a, const Row& b) { return compare(a, b) < 0; };
    if (std::is_sorted(rows.begin(), rows.end(), before)) return;
    struct KeyedRow {
        SortKey key;
        size_t row;
    };
    std::vector<KeyedRow> keyed(rows.size());
    for (size_t i = 0; i < rows.size(); ++i) keyed[i] = {keyOf(rows[i]), i};
    std::sort(keyed.begin(), keyed.end(), [](const KeyedRow& a, const KeyedRow& b) {
        int c = std::memcmp(a.key.bytes, b.key.bytes, sizeof a.key.bytes);
        return c != 0 ? c < 0 : a.row < b.row;
    });
    std::vector<size_t> order(rows.size());
    for (size_t i = 0; i < rows.size(); ++i) order[i] = keyed[i].row;
    std::vector<KeyedRow>().swap(keyed);
    shapeio::PutInOrder(rows, order);
}

}  // namespace tigercore
