// The controls of pellard's dialogs as its help lists them. The list is read
// from the dialogs themselves: each dialog is built and its controls taken
// back, the layer dialogs once for every edition they serve, so that the
// list shows which editions offer a box and what it is labelled for each.
#pragma once

#include <string>

namespace frontend {

// Every control a session can drive, dialog by dialog: its ID, kind and
// label, the editions of a layer box, and what a control does beyond its
// label where that matters to a script.
std::string ControlListText();

}  // namespace frontend
