#include "insim-sim/parseSimOptions.h"

#include "bits/textToNumber.h"
#include "platform/sockets/socket.h"

#include <algorithm>
#include <array>

namespace rennlupe::tools {
namespace {

constexpr std::string_view kUsage =
    "usage: insim-sim [options]\n"
    "  --protocol P         modern (binary packets, the default) or legacy (three-letter)\n"
    "  --bind ADDR          IPv4 address to listen on (default 127.0.0.1)\n"
    "  --port N             port to listen on, 1 to 65535 (default 29999)\n"
    "  --cars N             simulated cars, 1 to 48, legacy 1 to 24 (default 8)\n"
    "  --rate HZ            position sets per second, 1 to 100 (default 10)\n"
    "  --laps L             laps of a race, 1 to 30 (default 5)\n"
    "  --silent-after S     send nothing more S seconds after the link came up\n"
    "  --restart-every S    restart the race every S seconds of link\n"
    "  --drop P             drop this fraction (0 to 1) of the packets sent\n"
    "  --password P         admin password the initialisation must carry\n"
    "  --seed N             seed of the simulation's random numbers (default 1)\n"
    "  --run-for S          stop by itself after S seconds\n"
    "modern only:\n"
    "  --insim-version V    InSim version the VER reply names, 9 or 10 (default 10)\n"
    "  --pit-every S        a car goes to the pits every S seconds, back after 3 s or S/2\n"
    "  --leave-every S      a car that is neither viewed nor last leaves every S seconds\n"
    "  --view-every S       the view moves to another car every S seconds\n"
    "  --truth              after each position set print the viewed car's true gaps:\n"
    "                       truth: at=T view=P V=S H=S (T steady clock, '-' undefined)\n"
    "  --shift-b-every S    the user presses SHIFT+B every S seconds: buttons cleared\n"
    "                       (BFN_USER_CLEAR sent), then asked back (BFN_REQUEST sent)\n"
    "  --type S:TEXT        the user types TEXT in the chat S seconds after the link came\n"
    "                       up (IS_MSO; as a command with the program's prefix first)\n"
    "  --click S:ID         the user clicks button ID S seconds after the link came up\n"
    "                       (IS_BTC, when the program shows a clickable button there)\n"
    "  --screen             show the buttons and the cars in a window (Qt builds only);\n"
    "                       SHIFT+B there acts as above, a click on a clickable button\n"
    "                       sends IS_BTC\n"
    "  --screen-size WxH    the window's size, 200x150 to 3840x2160 (default 960x540)\n"
    "  --free-port          print a free UDP port of the bind address, then end\n"
    "  --help               show this text\n"
    "lines about buttons (text without its colour codes):\n"
    "  button: id=N l=L t=T w=W h=H style=S text=TEXT    placed or replaced\n"
    "  button text: id=N text=TEXT                       text-only update\n"
    "  button: delete id=N | buttons cleared             IS_BFN from the program\n"
    "  button hidden: id=N                               sent while the user cleared them\n"
    "  user cleared buttons | user asked for buttons     SHIFT+B\n";

constexpr std::array<std::string_view, 20> kValueOptions = {
    "--type",      "--click",       "--bind",         "--port",          "--cars",
    "--rate",      "--laps",        "--silent-after", "--restart-every", "--drop",
    "--password",  "--seed",        "--run-for",      "--protocol",      "--insim-version",
    "--pit-every", "--leave-every", "--view-every",   "--shift-b-every", "--screen-size"};
constexpr int kLegacyCars = 24;

// Values as from_chars reads them: a "-" is taken, a "+" and blanks are not.
std::optional<double> wholeIn(std::string_view text, double low, double high) {
    return bits::readNumber(text, {.minus = true, .low = low, .high = high});
}

std::optional<double> decimalIn(std::string_view text, double low, double high) {
    return bits::readNumber(text, {.minus = true, .fraction = true, .low = low, .high = high});
}

}  // namespace

std::optional<SimOptions> parseSimOptions(std::span<const std::string_view> arguments,
                                          std::string& error) {
    SimOptions options;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string_view name = arguments[i];
        if (name == "--help") {
            options.help = true;
            continue;
        }
        if (name == "--free-port" || name == "--truth" || name == "--screen") {
            (name == "--truth"    ? options.truth
             : name == "--screen" ? options.screen
                                  : options.freePort) = true;
            continue;
        }
        if (std::find(kValueOptions.begin(), kValueOptions.end(), name) == kValueOptions.end()) {
            error = "unknown option " + std::string(name);
            return std::nullopt;
        }
        if (i + 1 >= arguments.size()) {
            error = std::string(name) + " needs a value";
            return std::nullopt;
        }
        const std::string_view value = arguments[++i];
        const auto bad = [&](std::string_view expected) {
            error = std::string(name) + ": '" + std::string(value) + "' is not " +
                    std::string(expected);
            return std::nullopt;
        };
        if (name == "--bind") {
            if (!platform::parseIPv4(value)) {
                return bad("an IPv4 address");
            }
            options.bind = std::string(value);
        } else if (name == "--port") {
            const std::optional<double> number = wholeIn(value, 1, 65535);
            if (!number) {
                return bad("a port from 1 to 65535");
            }
            options.port = static_cast<std::uint16_t>(*number);
        } else if (name == "--cars") {
            const std::optional<double> number = wholeIn(value, 1, 48);
            if (!number) {
                return bad("a number of cars from 1 to 48");
            }
            options.cars = static_cast<int>(*number);
        } else if (name == "--rate") {
            const std::optional<double> number = wholeIn(value, 1, 100);
            if (!number) {
                return bad("a rate from 1 to 100 per second");
            }
            options.rate = static_cast<int>(*number);
        } else if (name == "--laps") {
            const std::optional<double> number = wholeIn(value, 1, 30);
            if (!number) {
                return bad("a number of laps from 1 to 30");
            }
            options.laps = static_cast<int>(*number);
        } else if (name == "--protocol") {
            if (value != "modern" && value != "legacy") {
                return bad("modern or legacy");
            }
            options.protocol =
                value == "modern" ? SimOptions::Protocol::Modern : SimOptions::Protocol::Legacy;
        } else if (name == "--insim-version") {
            if (value != "9" && value != "10") {
                return bad("9 or 10");
            }
            options.insimVersion = value == "9" ? 9 : 10;
        } else if (name.ends_with("-after") || name.ends_with("-every") || name == "--run-for") {
            const std::optional<double> number = decimalIn(value, 0.001, 1e6);
            if (!number) {
                return bad("a number of seconds above 0");
            }
            (name == "--silent-after"    ? options.silentAfter
             : name == "--restart-every" ? options.restartEvery
             : name == "--pit-every"     ? options.pitEvery
             : name == "--leave-every"   ? options.leaveEvery
             : name == "--view-every"    ? options.viewEvery
             : name == "--shift-b-every" ? options.shiftBEvery
                                         : options.runFor) = *number;
        } else if (name == "--type" || name == "--click") {
            const std::size_t colon = value.find(':');
            const auto at = colon == std::string_view::npos
                                ? std::nullopt
                                : decimalIn(value.substr(0, colon), 0.001, 1e6);
            const std::string_view rest =
                colon == std::string_view::npos ? std::string_view() : value.substr(colon + 1);
            if (name == "--type") {
                if (!at || rest.empty() || rest.size() > 95) {
                    return bad("S:TEXT, seconds above 0 and 1 to 95 characters");
                }
                options.typed.push_back({*at, std::string(rest)});
            } else {
                const auto id = wholeIn(rest, 0, 239);
                if (!at || !id) {
                    return bad("S:ID, seconds above 0 and a ClickID from 0 to 239");
                }
                options.clicks.push_back({*at, static_cast<std::uint8_t>(*id)});
            }
        } else if (name == "--screen-size") {
            const std::size_t x = value.find('x');
            const auto width = wholeIn(value.substr(0, x), 200, 3840);
            const auto height = x == std::string_view::npos
                                    ? std::nullopt
                                    : wholeIn(value.substr(x + 1), 150, 2160);
            if (!width || !height) {
                return bad("a size WxH from 200x150 to 3840x2160");
            }
            options.screenWidth = static_cast<int>(*width);
            options.screenHeight = static_cast<int>(*height);
        } else if (name == "--drop") {
            const std::optional<double> number = decimalIn(value, 0.0, 1.0);
            if (!number) {
                return bad("a fraction from 0 to 1");
            }
            options.drop = *number;
        } else if (name == "--password") {
            if (value.size() > 16) {
                return bad("a password of at most 16 characters");
            }
            options.password = std::string(value);
        } else {  // --seed
            const std::optional<double> number = wholeIn(value, 0, 4294967295.0);
            if (!number) {
                return bad("a seed from 0 to 4294967295");
            }
            options.seed = static_cast<std::uint32_t>(*number);
        }
    }
    if (options.protocol == SimOptions::Protocol::Legacy && options.cars > kLegacyCars) {
        error = "--cars: the legacy game has at most 24 cars";
        return std::nullopt;
    }
    if (options.protocol == SimOptions::Protocol::Legacy &&
        (options.screen || options.shiftBEvery || !options.typed.empty() ||
         !options.clicks.empty())) {
        error = "--screen, --shift-b-every, --type and --click: the legacy game has no buttons";
        return std::nullopt;
    }
    return options;
}

std::string_view simUsage() {
    return kUsage;
}

}  // namespace rennlupe::tools
