#include "support/real_county.h"

#include "platform/zip_control.h"

namespace testsupport {

std::string RealCountyArchive() {
    std::string path = std::string(PELLARD_SOURCE_DIR) + "/../shared/data/real/tgr25025.zip";
    return Exists(path) ? path : std::string();
}

const char kNoRealCounty[] = "the real county archive ../shared/data/real/tgr25025.zip is absent";

bool UnpackRealCounty(const std::string& folder, const std::string& masks) {
    platform::ZipControl zip;
    zip.SetExtractFolder(folder);
    zip.SetZipFileName(RealCountyArchive());
    zip.SetFileSpecs(masks);
    return zip.ExtractFiles() == platform::ZipControl::kSuccess;
}

void RealCountyTest::SetUp() {
    archive = RealCountyArchive();
    if (archive.empty()) GTEST_SKIP() << kNoRealCounty;
}

}  // namespace testsupport
