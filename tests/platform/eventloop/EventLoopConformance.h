#pragma once

#include "platform/eventloop/EventLoop.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <ostream>
#include <string>

namespace rennlupe::platform {

struct EventLoopFactory {
    std::string name;
    std::function<std::unique_ptr<EventLoop>()> make;

    friend void PrintTo(const EventLoopFactory& factory, std::ostream* out) {
        *out << factory.name;
    }
};

// The rules every event loop keeps; each implementation's test runs them with
// INSTANTIATE_TEST_SUITE_P(ItsName, EventLoopConformance, testing::Values(EventLoopFactory{...})).
class EventLoopConformance : public ::testing::TestWithParam<EventLoopFactory> {
protected:
    EventLoop& loop() { return *m_loop; }

    std::unique_ptr<EventLoop> m_loop = GetParam().make();
};

}  // namespace rennlupe::platform
