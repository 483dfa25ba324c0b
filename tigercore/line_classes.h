// The line classes of the type 1 records, by the first letter of the CFCC:
// their order in the class-sorted type 1 table, the letter that names their
// files and their theme folder.
#pragma once

namespace tigercore {

// The classes in table order: A (with P), B, C, D, E, F (with G), H, X.
enum LineClassSlot { kClassA, kClassB, kClassC, kClassD, kClassE, kClassF, kClassH, kClassX, kLineClassCount };

struct LineClass {
    char letter;
    const char* themeFolder;
};
extern const LineClass kLineClasses[kLineClassCount];

// The class of a CFCC's first letter: the letter a type 1 row keeps (its
// sort key) and the class it counts in. False for a letter of no class.
bool LineClassOf(char cfcc, char& letter, LineClassSlot& slot);

}  // namespace tigercore
