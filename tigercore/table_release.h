// Giving back the storage of a county's record tables.
#pragma once

#include <vector>

namespace tigercore {

// Each table becomes empty and holds no storage.
template <typename... Rows>
void ReleaseTables(std::vector<Rows>&... tables) {
    (std::vector<Rows>().swap(tables), ...);
}

// A table released before the county ends: empty, and its allocation mark
// cleared so that the end of the county does not release it again.
template <typename Row>
void ReleaseMarkedTable(std::vector<Row>& table, unsigned char& mark) {
    ReleaseTables(table);
    mark = 0;
}

}  // namespace tigercore
