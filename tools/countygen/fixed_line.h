// One fixed-column record line: values placed at their 1-based columns,
// blanks elsewhere.
#pragma once

#include <cstring>
#include <string>
#include <string_view>

namespace countygen {

class FixedLine {
public:
    static constexpr int kMaxLength = 256;

    // A line of `length` blanks with the record type at column 1 and the
    // VERSION in columns 2-5.
    void Start(char recordType, int version, int length) {
        length_ = length < kMaxLength ? length : kMaxLength;
        std::memset(buffer_, ' ', static_cast<size_t>(length_));
        buffer_[0] = recordType;
        ZeroPadded(2, 5, version);
    }
    // Text from column `first`, left-aligned, cut at column `last`.
    void Text(int first, int last, std::string_view text) {
        size_t width = static_cast<size_t>(last - first + 1);
        std::memcpy(buffer_ + first - 1, text.data(), text.size() < width ? text.size() : width);
    }
    void Char(int column, char c) { buffer_[column - 1] = c; }
    // A number right-aligned in its columns, blank-padded.
    void Number(int first, int last, long long value) { Put(first, last, value, ' ', false); }
    void ZeroPadded(int first, int last, long long value) { Put(first, last, value, '0', false); }
    // A signed number (millionths of a degree): the sign and the digits
    // right-aligned, blank-padded: " -71500000", "+42000000".
    void Signed(int first, int last, long long value) { Put(first, last, value, ' ', true); }
    // A signed number whose digits are zero-padded: "+000000000".
    void SignedZeroPadded(int first, int last, long long value) { Put(first, last, value, '0', true); }

    std::string_view View() const { return std::string_view(buffer_, static_cast<size_t>(length_)); }

private:
    void Put(int first, int last, long long value, char pad, bool sign) {
        char digits[24];
        int n = 0;
        unsigned long long magnitude = value < 0 ? 0ULL - static_cast<unsigned long long>(value)
                                                 : static_cast<unsigned long long>(value);
        do {
            digits[n++] = static_cast<char>('0' + magnitude % 10);
            magnitude /= 10;
        } while (magnitude != 0);
        char signChar = value < 0 ? '-' : '+';
        bool withSign = sign || value < 0;
        int position = last;
        for (int k = 0; k < n && position >= first; ++k) buffer_[--position] = digits[k];
        if (pad == '0') {
            int stop = first - 1 + (withSign ? 1 : 0);
            while (position > stop) buffer_[--position] = '0';
            if (withSign && position > first - 1) buffer_[--position] = signChar;
        } else {
            if (withSign && position > first - 1) buffer_[--position] = signChar;
            while (position > first - 1) buffer_[--position] = ' ';
        }
    }

    char buffer_[kMaxLength];
    int length_ = 0;
};

}  // namespace countygen
