#pragma once
// The core layer: the program's logic with no Qt at all (time and date text, the
// date-time formatter, fixed-capacity text, the clock state and the errors handlers
// raise). It builds on platform/ and is used by every layer above it.

#include <stdexcept>
#include <string>

namespace pocketrix {

// An error a handler raises for the user to see. Its message has no closing full stop:
// the error rule adds one when it shows the message.
class Error : public std::runtime_error {
public:
    explicit Error(const std::string& message) : std::runtime_error(message) {}
};

// An abort the user is not told about.
class SilentAbort : public std::exception {
public:
    const char* what() const noexcept override { return "silent abort"; }
};

// Builds a message from one of the program's "%s" texts.
std::string withArgument(const std::string& pattern, const std::string& argument);

} // namespace pocketrix
