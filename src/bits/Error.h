#pragma once

#include <exception>
#include <string>

namespace rennlupe::bits {

// The program's own failures: an error number and the description users read,
// as in "-ERROR- byt2str() - 6: Overflow".
class Error : public std::exception {
public:
    Error(int number, std::string description);

    int number() const noexcept { return m_number; }
    const std::string& description() const noexcept { return m_description; }
    const char* what() const noexcept override;

private:
    int m_number;
    std::string m_description;
};

}  // namespace rennlupe::bits
