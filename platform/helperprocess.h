#pragma once

#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace pocketrix {

// A short-lived helper program. Whatever it does, it can neither hold the program up nor
// outlive it: it runs in a process group of its own that is ended with the helper, when
// its time is up, and when the program ends (its parent's death ends it too); and only
// the first line of what it prints is read, up to kHelperOutputLimit bytes.
class HelperProcess {
public:
    enum class Outcome { Succeeded, Failed, NotStarted };
    // Told once: how the helper ended, and the first line it printed, made printable.
    using Finished = std::function<void(Outcome outcome, const std::string& firstLine)>;

    HelperProcess();
    // Ends the helper, and all it started, without telling.
    ~HelperProcess();

    // A helper that has not ended within the limit is ended and counts as failed.
    void start(const std::string& program, const std::string& argument, std::chrono::milliseconds limit,
               Finished finished);
    bool running() const;

private:
    struct State;
    std::unique_ptr<State> m;
};

constexpr std::size_t kHelperOutputLimit = 256;

// The first line of output as a message may show it: trimmed, at most kHelperOutputLimit
// bytes, every character that cannot be printed replaced by "?".
std::string printableFirstLine(std::string_view output);

} // namespace pocketrix
