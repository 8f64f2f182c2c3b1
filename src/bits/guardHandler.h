#pragma once

#include "bits/Error.h"
#include "bits/MessageLine.h"

#include <exception>
#include <string>
#include <string_view>

namespace rennlupe::bits {

// What an exception that is not one of ours is reported as.
inline constexpr int kInternalErrorNumber = 51;
inline constexpr std::string_view kInternalErrorDescription = "Internal error";

// "-ERROR- " + name + "() - " + number + ": " + description
std::string failureText(std::string_view handlerName, int number, std::string_view description);
std::string failureText(std::string_view handlerName, const std::exception& failure);

// Runs one event handler; a failure ends it at the failing step and is written
// to the message line, so the program carries on. True when the handler finished.
template <typename Handler>
bool guardHandler(MessageLine& messageLine, std::string_view handlerName, Handler&& handler) {
    try {
        handler();
        return true;
    } catch (const std::exception& failure) {
        messageLine.show(failureText(handlerName, failure));
    } catch (...) {
        messageLine.show(failureText(handlerName, kInternalErrorNumber, kInternalErrorDescription));
    }
    return false;
}

}  // namespace rennlupe::bits
