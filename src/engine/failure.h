// The one exception type of platform operations: it carries the platform's own description.
#pragma once

#include <stdexcept>
#include <string>

namespace quire {

class Failure : public std::runtime_error {
public:
    explicit Failure(const std::string& description) : std::runtime_error(description) {}
};

}  // namespace quire
