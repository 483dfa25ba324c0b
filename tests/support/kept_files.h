// The files both libraries' layers keep for the county's end, which makes
// them durable (shapeio/kept_files.h). A county run through Display or
// DisplayV2 ends that way; a test that runs stages by themselves ends them
// with EndKeptFiles, or the next county of the process would take them up
// and fail on a folder its test has removed. A test that leaves any kept
// fails.
#pragma once

namespace testsupport {

// Makes the files kept so far durable and forgets them, as a county's end
// does, for both libraries.
void EndKeptFiles();

}  // namespace testsupport
