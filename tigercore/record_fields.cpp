#include "tigercore/record_fields.h"

#include <climits>
#include <cstdlib>
#include <cstring>

namespace tigercore {

char gLineBuffer[kLineBufferSize];
int gLastColumnRead = 0;
std::string gFieldFault;

namespace {

// Notes the last column of a field read from the line buffer.
void NoteColumns(const char* source, int width) {
    if (source < gLineBuffer || source >= gLineBuffer + kLineBufferSize || width <= 0) return;
    const int last = static_cast<int>(source - gLineBuffer) + width;
    if (last > gLastColumnRead) gLastColumnRead = last;
}

// "columns 6-15" or "column 16" of a field of the line buffer.
std::string Columns(const char* source, int width) {
    const int first = static_cast<int>(source - gLineBuffer) + 1;
    if (width <= 1) return "column " + std::to_string(first);
    return "columns " + std::to_string(first) + "-" + std::to_string(first + width - 1);
}

// Notes the first unsound field of the record.
void NoteFault(const std::string& fault) {
    if (gFieldFault.empty()) gFieldFault = fault;
}

// Digits after leading blanks, with a sign in front of the digits when
// `signAllowed`; blanks alone pass as well. The value goes to `value`
// (0 for blanks), held at a bound far above any field's.
bool IsNumberText(std::string_view text, bool signAllowed, long long& value) {
    value = 0;
    size_t i = text.find_first_not_of(' ');
    if (i == std::string_view::npos) return true;
    bool negative = false;
    if (signAllowed && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    if (i == text.size()) return false;
    for (; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9') return false;
        if (value < 1000000000000LL) value = value * 10 + (text[i] - '0');
    }
    if (negative) value = -value;
    return true;
}

// The longest field text a scan looks at.
constexpr int kScanTextLimit = 251;

// The text of a scanned field: its characters up to a NUL, at most `width`;
// a single blank reads as "0".
std::string_view FieldText(const char* source, int width) {
    if (width <= 0) return {};
    NoteColumns(source, width);
    size_t limit = static_cast<size_t>(width < kScanTextLimit ? width : kScanTextLimit);
    size_t n = 0;
    while (n < limit && source[n] != '\0') ++n;
    if (n == 1 && source[0] == ' ') return "0";
    return std::string_view(source, n);
}

bool IsSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// "%d" on a text: white space, a sign, at least one digit. The magnitude is
// held at a bound above every 64-bit value so that nothing overflows.
bool ScanInteger(std::string_view text, long long& value) {
    size_t i = 0;
    while (i < text.size() && IsSpace(text[i])) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    if (i == text.size() || !IsDigit(text[i])) return false;
    constexpr unsigned long long kBound = static_cast<unsigned long long>(LLONG_MAX) + 1;
    unsigned long long magnitude = 0;
    for (; i < text.size() && IsDigit(text[i]); ++i) {
        magnitude = magnitude * 10 + static_cast<unsigned>(text[i] - '0');
        if (magnitude > kBound) magnitude = kBound;
    }
    if (negative) {
        value = magnitude == kBound ? LLONG_MIN : -static_cast<long long>(magnitude);
    } else {
        value = magnitude >= kBound ? LLONG_MAX : static_cast<long long>(magnitude);
    }
    return true;
}

}  // namespace

void NoteColumnsRead(const char* source, int width) { NoteColumns(source, width); }

void CheckNumberField(const char* source, int width) {
    long long value;
    if (width > 0 && !IsNumberText(std::string_view(source, static_cast<size_t>(width)), false, value))
        NoteFault("the field in " + Columns(source, width) + " is not a number");
}

void CheckCoordinateField(const char* source, int width, bool latitude) {
    if (width <= 0) return;
    long long value;
    if (!IsNumberText(std::string_view(source, static_cast<size_t>(width)), true, value)) {
        NoteFault("the coordinate in " + Columns(source, width) + " is not a number");
        return;
    }
    const long long bound = latitude ? 90000000LL : 180000000LL;
    if (value < -bound || value > bound) {
        NoteFault(std::string("the ") + (latitude ? "latitude" : "longitude") + " in " + Columns(source, width) +
                  " is out of range (" + std::to_string(value) + ")");
    }
}

void ScanCoordinate(const char* source, int width, bool latitude, double& degrees) {
    CheckCoordinateField(source, width, latitude);
    ScanField(source, width, degrees);
    degrees *= 0.000001;
}

void CheckEndCoordinate(const char* source, int width, bool latitude, double degrees) {
    if (width <= 0) return;
    if (std::string_view(source, static_cast<size_t>(width)).find_first_not_of(' ') == std::string_view::npos)
        NoteFault("the coordinate in " + Columns(source, width) + " is blank");
    else if (degrees == 0.0)
        NoteFault(std::string("the ") + (latitude ? "latitude" : "longitude") + " in " + Columns(source, width) +
                  " is zero");
}

bool CheckShapePoint(const char* longitude, int longitudeWidth, const char* latitude, int latitudeWidth, double x,
                     double y) {
    const auto blank = [](const char* source, int width) {
        return std::string_view(source, static_cast<size_t>(width)).find_first_not_of(' ') == std::string_view::npos;
    };
    const bool longitudeBlank = blank(longitude, longitudeWidth), latitudeBlank = blank(latitude, latitudeWidth);
    if (longitudeBlank && latitudeBlank) return false;
    if (longitudeBlank) {
        NoteFault("the longitude in " + Columns(longitude, longitudeWidth) + " is blank, its latitude in " +
                  Columns(latitude, latitudeWidth) + " is not");
        return false;
    }
    if (x == 0.0) return false;
    if (latitudeBlank || y == 0.0) {
        NoteFault("the latitude in " + Columns(latitude, latitudeWidth) + (latitudeBlank ? " is blank" : " is zero") +
                  ", its longitude in " + Columns(longitude, longitudeWidth) + " is not");
        return false;
    }
    return true;
}

void CheckSlotAfterRowEnd(const char* slot, int width, int longitudeWidth, const char* ending) {
    const auto unused = [](const char* source, int columns) {
        long long value;
        return IsNumberText(std::string_view(source, static_cast<size_t>(columns)), true, value) && value == 0;
    };
    if (unused(slot, longitudeWidth) && unused(slot + longitudeWidth, width - longitudeWidth)) return;
    NoteFault("the shape point in " + Columns(slot, width) + " follows the slot in " + Columns(ending, width) +
              " that ends its row");
}

void LoadLineBuffer(std::string_view line) {
    size_t n = line.size() < static_cast<size_t>(kRecordLineLength) ? line.size() : kRecordLineLength;
    std::memcpy(gLineBuffer, line.data(), n);
    std::memset(gLineBuffer + n, ' ', static_cast<size_t>(kRecordLineLength) - n);
    gLineBuffer[kRecordLineLength] = '\0';
}

void CopyField(const char* source, int width, char* destination) {
    NoteColumns(source, width);
    if (width > 0) std::memcpy(destination, source, static_cast<size_t>(width));
    destination[width > 0 ? width : 0] = '\0';
}

void ScanField(const char* source, int width, long long& destination) {
    long long value;
    if (ScanInteger(FieldText(source, width), value)) destination = value;
}

void ScanField(const char* source, int width, int& destination) {
    long long value;
    if (!ScanInteger(FieldText(source, width), value)) return;
    destination = value > INT_MAX ? INT_MAX : value < INT_MIN ? INT_MIN : static_cast<int>(value);
}

void ScanField(const char* source, int width, char& destination) {
    std::string_view text = FieldText(source, width);
    if (!text.empty()) destination = text[0];
}

void ScanField(const char* source, int width, double& destination) {
    std::string_view text = FieldText(source, width);
    // The usual field: an optional sign and up to 15 digits, which convert
    // exactly; anything else goes through the library conversion.
    size_t i = 0;
    while (i < text.size() && IsSpace(text[i])) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    size_t first = i;
    long long digits = 0;
    while (i < text.size() && IsDigit(text[i]) && i - first < 15) digits = digits * 10 + (text[i++] - '0');
    bool plain = i > first && (i == text.size() || std::strchr(".eExX0123456789", text[i]) == nullptr);
    if (plain) {
        double value = static_cast<double>(digits);
        destination = negative ? -value : value;
        return;
    }
    char scratch[kScanTextLimit + 1];
    std::memcpy(scratch, text.data(), text.size());
    scratch[text.size()] = '\0';
    char* end = nullptr;
    double value = std::strtod(scratch, &end);
    if (end != scratch) destination = value;
}

}  // namespace tigercore
