#include "insim-sim/parseSimOptions.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

namespace rennlupe::tools {
namespace {

std::optional<SimOptions> parse(std::vector<std::string_view> arguments, std::string& error) {
    return parseSimOptions(arguments, error);
}

TEST(SimOptions, DefaultsAndEveryOption) {
    std::string error;
    const auto defaults = parse({}, error);
    ASSERT_TRUE(defaults);
    EXPECT_EQ(defaults->bind, "127.0.0.1");
    EXPECT_EQ(defaults->port, 29999);
    EXPECT_FALSE(defaults->silentAfter);

    const auto all =
        parse({"--bind",          "127.1.2.3", "--port",    "30000", "--cars",         "24",
               "--rate",          "50",        "--laps",    "3",     "--silent-after", "2.5",
               "--restart-every", "9",         "--drop",    "0.25",  "--password",     "pw",
               "--seed",          "42",        "--run-for", "1",     "--help"},
              error);
    ASSERT_TRUE(all) << error;
    EXPECT_EQ(all->bind, "127.1.2.3");
    EXPECT_EQ(all->port, 30000);
    EXPECT_EQ(all->cars, 24);
    EXPECT_EQ(all->rate, 50);
    EXPECT_EQ(all->laps, 3);
    EXPECT_EQ(all->silentAfter, 2.5);
    EXPECT_EQ(all->restartEvery, 9.0);
    EXPECT_EQ(all->drop, 0.25);
    EXPECT_EQ(all->password, "pw");
    EXPECT_EQ(all->seed, 42U);
    EXPECT_EQ(all->runFor, 1.0);
    EXPECT_TRUE(all->help);
}

TEST(SimOptions, BadOptionsAreRefusedWithAMessage) {
    const std::vector<std::pair<std::vector<std::string_view>, std::string>> cases = {
        {{"--cars", "0"}, "--cars: '0' is not"},
        {{"--cars", "25"}, "--cars: '25'"},
        {{"--cars", "3x"}, "--cars: '3x'"},
        {{"--port", "65536"}, "--port"},
        {{"--rate", "0"}, "--rate"},
        {{"--laps", "31"}, "--laps"},
        {{"--drop", "1.5"}, "--drop"},
        {{"--silent-after", "0"}, "--silent-after"},
        {{"--bind", "localhost"}, "--bind: 'localhost' is not an IPv4 address"},
        {{"--password", "seventeen chars.."}, "--password"},
        {{"--port"}, "--port needs a value"},
        {{"--fast"}, "unknown option --fast"},
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
