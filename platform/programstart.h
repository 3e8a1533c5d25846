#pragma once

#include <string>
#include <vector>

namespace pocketrix {

// Starts a companion program by its bare file name, without arguments and without
// waiting for it.
class ProgramStarter {
public:
    virtual ~ProgramStarter() = default;
    // True when a program of that name was found and started.
    virtual bool start(const std::string& fileName) = 0;
};

// Where a bare program name is looked for: the program's own directory, then the
// absolute directories of the search path. The current directory is never searched (nor
// a relative or empty search-path entry, which would mean it), so a file planted in
// whatever folder the user started from cannot be run by a button.
std::vector<std::string> programSearchDirectories(const std::string& ownDirectory, const std::string& searchPath);

class SystemProgramStarter final : public ProgramStarter {
public:
    bool start(const std::string& fileName) override;
};

} // namespace pocketrix
