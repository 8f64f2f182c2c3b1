#include "bits/guardHandler.h"

namespace rennlupe::bits {

std::string failureText(std::string_view handlerName, int number, std::string_view description) {
    std::string text = "-ERROR- ";
    text.append(handlerName);
    text.append("() - ");
    text.append(std::to_string(number));
    text.append(": ");
    text.append(description);
    return text;
}

std::string failureText(std::string_view handlerName, const std::exception& failure) {
    if (const auto* error = dynamic_cast<const Error*>(&failure)) {
        return failureText(handlerName, error->number(), error->description());
    }
    return failureText(handlerName, kInternalErrorNumber, kInternalErrorDescription);
}

}  // namespace rennlupe::bits
