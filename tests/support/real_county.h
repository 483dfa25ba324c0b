// The real county archive ../shared/data/real/tgr25025.zip (Suffolk County,
// Massachusetts, TIGER/Line 2005 Second Edition), for the tests that run
// where it is there and are skipped where it is not.
#pragma once

#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <string>

namespace testsupport {

// The path of the archive; "" when it is absent.
std::string RealCountyArchive();
// The message of a test skipped for want of the archive.
extern const char kNoRealCounty[];

// Unpacks the members of the archive that match `masks` (separated by '\r',
// as platform::ZipControl takes them) into `folder`.
bool UnpackRealCounty(const std::string& folder, const std::string& masks = "*");

// A test of the real county: skipped when the archive is absent, otherwise
// given an empty temporary directory.
class RealCountyTest : public ::testing::Test {
protected:
    void SetUp() override;

    TempDir dir;
    std::string archive;  // RealCountyArchive()
};

}  // namespace testsupport
