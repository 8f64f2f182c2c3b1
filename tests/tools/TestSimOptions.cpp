#include "insim-sim/parseSimOptions.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <tuple>
#include <utility>
#include <vector>

namespace rennlupe::tools {
namespace {

std::optional<SimOptions> parse(std::vector<std::string_view> arguments, std::string& error) {
    return parseSimOptions(arguments, error);
}

TEST(SimOptions, EveryOptionReachesItsField) {
    std::string error;
    const auto all =
        parse({"--bind",          "127.1.2.3", "--port",    "30000", "--cars",         "24",
               "--rate",          "50",        "--laps",    "3",     "--silent-after", "2.5",
               "--restart-every", "9",         "--drop",    "0.25",  "--password",     "pw",
               "--seed",          "42",        "--run-for", "1",     "--help"},
              error);
    ASSERT_TRUE(all) << error;
    EXPECT_EQ(
        std::tie(all->bind, all->port, all->cars, all->rate, all->laps, all->silentAfter,
                 all->restartEvery, all->drop, all->password, all->seed, all->runFor, all->help),
        std::make_tuple("127.1.2.3", 30000, 24, 50, 3, 2.5, 9.0, 0.25, "pw", 42U, 1.0, true));
}

TEST(SimOptions, BadOptionsAreRefusedWithAMessage) {
    const std::vector<std::pair<std::vector<std::string_view>, std::string>> cases = {
        {{"--cars", "0"}, "--cars: '0' is not a number of cars from 1 to 24"},
        {{"--drop", "1.5"}, "--drop: '1.5' is not a fraction from 0 to 1"},
        {{"--bind", "localhost"}, "--bind: 'localhost' is not an IPv4 address"},
        {{"--password", "seventeen chars.."}, "--password"},
        {{"--port"}, "--port needs a value"},
        {{"--fast", "1"}, "unknown option --fast"},
        {{"extra"}, "unknown option extra"},
    };
    for (const auto& [arguments, message] : cases) {
        std::string error;
        EXPECT_FALSE(parse(arguments, error)) << message;
        EXPECT_TRUE(error.starts_with(message)) << error;
    }
}

}  // namespace
}  // namespace rennlupe::tools
