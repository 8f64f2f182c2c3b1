#include "bits/Error.h"

#include <utility>

namespace rennlupe::bits {

Error::Error(int number, std::string description)
    : m_number(number), m_description(std::move(description)) {}

const char* Error::what() const noexcept {
    return m_description.c_str();
}

}  // namespace rennlupe::bits
