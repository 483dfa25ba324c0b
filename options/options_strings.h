// The two options strings: 86 characters for the 2002-2006 editions
// (DisplayV2), 56 for the 1994-2000 editions (Display). One character per
// position; a character other than '0' asks for what the position holds.
// Each family has its table of positions (index, the layer dialog's control
// and its label, and what the position asks for) and its named positions of
// the settings; DecodeOptions reads a string into a value.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace options {

// One row of a family's table: a position and the layer dialog's check box
// for it. A position may have two rows (two boxes), a setting none.
struct OptionPosition {
    int index;
    int control;          // the check box's id in the layer dialog; 0 for none
    const char* label;    // the box's label in the dialog's template; null for none
    const char* meaning;  // what the position asks for; null when another row tells it, or nothing does
    int lastIndex = -1;   // the meaning covers index to lastIndex (a run of positions); -1 for index alone
};

struct OptionsFamily {
    std::size_t length;
    // The named positions.
    std::size_t edition;           // the edition character
    std::size_t organisation;      // '0' to '3'
    std::size_t clipWater;         // a flag
    std::size_t pushPins;          // a flag: a label point per KML polygon
    std::size_t numericAddresses;  // '2' writes the roads' address ranges as numbers
    const std::vector<OptionPosition>& (*rows)();

    std::vector<OptionPosition>::const_iterator begin() const { return rows().begin(); }
    std::vector<OptionPosition>::const_iterator end() const { return rows().end(); }
    // The row of a dialog control; null for none.
    const OptionPosition* RowOfControl(int control) const;
};

const std::vector<OptionPosition>& LaterRows();
const std::vector<OptionPosition>& OlderRows();

// The 2002-2006 editions ('9', 'a' to 'd'), 86 characters.
inline constexpr OptionsFamily kLaterOptions{86, 53, 79, 80, 81, 0, LaterRows};
// The 1994-2000 editions ('0' to '8'), 56 characters.
inline constexpr OptionsFamily kOlderOptions{56, 53, 50, 54, 51, 0, OlderRows};

inline const OptionsFamily& LaterFamily() { return kLaterOptions; }
inline const OptionsFamily& OlderFamily() { return kOlderOptions; }
// The family of an edition character; null for a character of neither.
const OptionsFamily* FamilyOfEdition(char edition);

// The character for "numeric address ranges" at the numeric addresses
// position.
constexpr char kNumericAddressesCharacter = '2';

// An options string as a library reads it: positions past the end of a
// short string read as '0'.
struct DecodedOptions {
    std::vector<int> flags;  // one per position of the family: 1 when not '0'
    char edition = '0';
    char organisation = '0';
    bool clipWater = false;
    bool pushPins = false;
    bool numericAddresses = false;
};

DecodedOptions DecodeOptions(const OptionsFamily& family, const std::string& text);

}  // namespace options
