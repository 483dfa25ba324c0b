#include "frontend/library_entries.h"

namespace frontend {

LibraryEntries& Libraries() {
    static LibraryEntries entries;
    return entries;
}

}  // namespace frontend
