#include "platform/sockets/socket.h"

#include <gtest/gtest.h>

// Windows Sockets must be started before a test opens a socket; the program
// starts them in its socket layer's owner, a test has no such owner.
namespace {

class WindowsSockets : public ::testing::Environment {
public:
    void SetUp() override { ASSERT_EQ(rennlupe::platform::startup(), 0); }
    void TearDown() override { rennlupe::platform::cleanup(); }
};

[[maybe_unused]] const auto* const g_sockets =
    ::testing::AddGlobalTestEnvironment(new WindowsSockets);

}  // namespace
