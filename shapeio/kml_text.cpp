#include "shapeio/kml_text.h"

namespace shapeio {

namespace {

// Length of the valid UTF-8 sequence that starts at `i`, 0 when there is none.
size_t Utf8SequenceLength(const char* s, size_t size, size_t i) {
    const unsigned char lead = static_cast<unsigned char>(s[i]);
    size_t length;
    unsigned char low = 0x80, high = 0xBF;  // range of the second byte
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0) low = 0xA0;        // no overlong forms
        if (lead == 0xED) high = 0x9F;       // no surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0) low = 0x90;
        if (lead == 0xF4) high = 0x8F;       // nothing above U+10FFFF
    } else {
        return 0;
    }
    if (i + length > size) return 0;
    for (size_t k = 1; k < length; ++k) {
        const unsigned char c = static_cast<unsigned char>(s[i + k]);
        if (k == 1 ? (c < low || c > high) : (c < 0x80 || c > 0xBF)) return 0;
    }
    return length;
}

}  // namespace

void AppendKmlText(std::string& out, const char* bytes, size_t size, bool escape) {
    for (size_t i = 0; i < size;) {
        // A run of characters kept as they are goes in one piece.
        size_t plain = i;
        while (plain < size) {
            const unsigned char c = static_cast<unsigned char>(bytes[plain]);
            if (c >= 0x80 || (c < 0x20 && c != '\t' && c != '\n' && c != '\r') ||
                (escape && (c == '&' || c == '<' || c == '>'))) {
                break;
            }
            ++plain;
        }
        out.append(bytes + i, plain - i);
        i = plain;
        if (i == size) break;
        const unsigned char c = static_cast<unsigned char>(bytes[i]);
        if (c < 0x80) {
            if (c == '&') {
                out += "&amp;";
            } else if (c == '<') {
                out += "&lt;";
            } else if (c == '>') {
                out += "&gt;";
            } else {
                out.push_back(' ');
            }
            ++i;
            continue;
        }
        size_t length = Utf8SequenceLength(bytes, size, i);
        if (length > 0) {
            out.append(bytes + i, length);
            i += length;
        } else {
            out.push_back(static_cast<char>(0xC0 | (c >> 6)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
            ++i;
        }
    }
}

namespace {

std::string Convert(const std::string& bytes, bool escape) {
    std::string out;
    out.reserve(bytes.size());
    AppendKmlText(out, bytes.data(), bytes.size(), escape);
    return out;
}

}  // namespace

std::string KmlText(const std::string& bytes) { return Convert(bytes, true); }

std::string CdataSafe(const std::string& text) {
    std::string out;
    size_t start = 0;
    for (size_t found; (found = text.find("]]>", start)) != std::string::npos; start = found + 3) {
        out.append(text, start, found - start);
        out += "]]]]><![CDATA[>";
    }
    out.append(text, start, std::string::npos);
    return out;
}

std::string TrimWhiteSpace(const std::string& text) {
    auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f' || c == '\0'; };
    size_t begin = 0, end = text.size();
    while (begin < end && blank(text[begin])) ++begin;
    while (end > begin && blank(text[end - 1])) --end;
    return text.substr(begin, end - begin);
}

}  // namespace shapeio
