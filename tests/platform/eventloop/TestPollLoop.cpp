#include "platform/eventloop/PollLoop.h"

#include "EventLoopConformance.h"

#include <gtest/gtest.h>

#include <memory>

namespace rennlupe::platform {
namespace {

INSTANTIATE_TEST_SUITE_P(PollLoop, EventLoopConformance,
                         ::testing::Values(EventLoopFactory{
                             "PollLoop", [] { return std::make_unique<PollLoop>(); }}));

}  // namespace
}  // namespace rennlupe::platform
