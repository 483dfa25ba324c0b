#include "tigercore/county_job_state.h"

namespace tigercore {

std::string ScratchFolderPath(const CountyJobState& state) {
    return state.scratchFolder.path().empty() ? state.outputDir + "/" : state.scratchFolder.path();
}

}  // namespace tigercore
