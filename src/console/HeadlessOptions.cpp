#include "console/HeadlessOptions.h"

#include "bits/textToNumber.h"

namespace rennlupe::console {

std::string_view HeadlessOptions::usage() {
    return "usage: rennlupe [--headless] [--host H] [--recv-port N] [--password P] [--connect]\n"
           "                [--keepalive-ms N] [--help]\n"
           "  (without --headless the window opens; the options below fill in its boxes)\n"
           "  --headless        run without a window: status, link and overlay lines on stdout\n"
           "  --host H          the game's address (empty: this machine)\n"
           "  --recv-port N     the local port for the game's datagrams (default 29998)\n"
           "  --password P      the game's admin password\n"
           "  --connect         click Connect once the window has loaded\n"
           "  --keepalive-ms N  interval of the keep-alive timer, default 1000 (a setting for "
           "tests)\n"
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
