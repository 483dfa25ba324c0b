// Progress dialogs of the libraries draw nothing during the tests.
#include "platform/dialog.h"

#include <gtest/gtest.h>

namespace {

class SilentProgress : public ::testing::Environment {
public:
    void SetUp() override { platform::SetModelessRenderer(&silent_); }
    void TearDown() override { platform::SetModelessRenderer(nullptr); }

private:
    platform::SilentRenderer silent_;
};

const auto* const kSilentProgress = ::testing::AddGlobalTestEnvironment(new SilentProgress);

}  // namespace
