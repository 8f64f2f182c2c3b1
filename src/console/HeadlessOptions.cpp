#include "console/HeadlessOptions.h"

#include "bits/textToNumber.h"
#include "ui/DrawChoice.h"
#include "ui/GameScreen.h"
#include "ui/Protocol.h"
#include "ui/TrendColours.h"

namespace rennlupe::console {

std::string_view HeadlessOptions::usage() {
    return "usage: rennlupe [--headless] [--host H] [--game-port N] [--recv-port N] [--password "
           "P]\n"
           "                [--protocol auto|legacy|modern] [--draw auto|game|screen|both]\n"
           "                [--button-base N] [--game-screen WxH] [--trend auto|on|off]\n"
           "                [--connect] [--keepalive-ms N] [--stamp] [--help]\n"
           "  (without --headless the window opens; the options below fill in its boxes)\n"
           "  --headless        run without a window: status, link and overlay lines on stdout\n"
           "  --host H          the game's address (empty: this machine)\n"
           "  --game-port N     the game's InSim port, as /insim N in the game (default 29999)\n"
           "  --recv-port N     the local port for the game's datagrams (default 29998)\n"
           "  --password P      the game's admin password\n"
           "  --protocol P      auto (today's game, else the old one), legacy or modern\n"
           "  --draw D          where the lines go: the game's buttons, the screen, or both;\n"
           "                    auto: buttons with today's game, the screen with the old one\n"
           "  --button-base N   the game buttons' first ClickID, 0 to 237 (default 200)\n"
           "  --game-screen WxH the game's screen, onto which the sliders point (1920x1080)\n"
           "  --trend T         gap lines green while they shrink, red while they grow: auto\n"
           "                    (with today's game), on or off; kept in the settings file\n"
           "  --connect         click Connect once the window has loaded\n"
           "  --keepalive-ms N  interval of the keep-alive timer, default 1000 (a setting for "
           "tests)\n"
           "  --stamp           with --headless: each output line starts with the monotonic\n"
           "                    clock's seconds, as [12.345678]\n"
           "  --help            this text\n";
}

HeadlessOptions HeadlessOptions::parse(std::span<const std::string_view> args) {
    HeadlessOptions options;
    for (std::size_t i = 0; i < args.size() && options.error.empty(); ++i) {
        const std::string_view arg = args[i];
        auto value = [&]() -> std::optional<std::string> {
            if (i + 1 >= args.size()) {
                options.error = std::string(arg) + " needs a value";
                return std::nullopt;
            }
            return std::string(args[++i]);
        };
        if (arg == "--headless") {
            options.headless = true;
        } else if (arg == "--connect") {
            options.connect = true;
        } else if (arg == "--help" || arg == "-h") {
            options.help = true;
        } else if (arg == "--host") {
            options.host = value();
        } else if (arg == "--recv-port") {
            options.recvPort = value();
        } else if (arg == "--password") {
            options.password = value();
        } else if (arg == "--game-port") {
            options.gamePort = value();
        } else if (arg == "--stamp") {
            options.stamp = true;
        } else if (arg == "--draw") {
            options.draw = value();
            if (options.draw && !ui::drawNamed(*options.draw)) {
                options.error = "--draw takes auto, game, screen or both";
            }
        } else if (arg == "--button-base") {
            if (const auto text = value()) {
                if (const auto base = bits::readNumber(*text, {.low = 0, .high = 237})) {
                    options.buttonBase = static_cast<int>(*base);
                } else {
                    options.error = "--button-base takes a ClickID from 0 to 237";
                }
            }
        } else if (arg == "--game-screen") {
            options.gameScreen = value();
            if (options.gameScreen && !ui::GameScreen::named(*options.gameScreen)) {
                options.error = "--game-screen takes WIDTHxHEIGHT in pixels, as 1920x1080";
            }
        } else if (arg == "--protocol") {
            options.protocol = value();
            if (options.protocol && !ui::protocolNamed(*options.protocol)) {
                options.error = "--protocol takes auto, legacy or modern";
            }
        } else if (arg == "--trend") {
            options.trend = value();
            if (options.trend && !ui::trendColoursNamed(*options.trend)) {
                options.error = "--trend takes auto, on or off";
            }
        } else if (arg == "--keepalive-ms") {
            if (const auto text = value()) {
                const auto ms = bits::readNumber(*text, {.low = 1, .high = 3600000});
                if (ms) {
                    options.keepAliveMs = static_cast<int>(*ms);
                } else {
                    options.error =
                        "--keepalive-ms takes a number of milliseconds from 1 to 3600000";
                }
            }
        } else {
            options.error = "unknown option " + std::string(arg);
        }
    }
    return options;
}

}  // namespace rennlupe::console
