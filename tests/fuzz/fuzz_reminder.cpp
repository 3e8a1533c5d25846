// Any bytes as a reminder file: the decoder gives the same text whatever pieces it is
// fed in, the text has CR LF line breaks only and stops at the first NUL, it fails on
// capacity exactly when the text is longer than the capacity, and reading the bytes
// from a file gives what decoding them gives.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <optional>
#include <string>
#include <unistd.h>

#include "app/core/errors.h"
#include "app/core/reminderfile.h"
#include "tests/fuzz/fuzzsupport.h"

namespace {

using pocketrix::Error;
using pocketrix::fuzz::check;
using pocketrix::fuzz::writeAll;

// The text, or nothing when the capacity error was raised; any other error is a fault.
template <class F> std::optional<std::string> capacityChecked(F&& decode)
{
    try {
        return decode();
    } catch (const Error& error) {
        check(std::string(error.what()) == "Text exceeds memo capacity", "only the capacity error");
        return std::nullopt;
    }
}

bool wellFormed(const std::string& text)
{
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\0')
            return false;
        if (text[i] == '\r' && (i + 1 >= text.size() || text[i + 1] != '\n'))
            return false;
        if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r'))
            return false;
    }
    return true;
}

const std::string& scratchFile()
{
    static const std::string name = [] {
        const char* dir = std::getenv("TMPDIR");
        return std::string(dir != nullptr ? dir : "/tmp") + "/pocketrix-fuzz-reminder-" + std::to_string(::getpid()) +
               ".rem";
    }();
    return name;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 3)
        return 0;
    // Byte 0: the capacity (small ones make the capacity error reachable), byte 1: how
    // the bytes are cut into pieces, byte 2: where a file read's buffer boundary falls.
    const std::size_t capacity = data[0] < 200 ? data[0] : pocketrix::kMemoCapacity;
    std::uint32_t cut = data[1] | 1u;
    const std::size_t boundary = data[2];
    const std::string bytes(reinterpret_cast<const char*>(data + 3), size - 3);

    const std::string whole = pocketrix::decodeMemoText(bytes, std::numeric_limits<std::size_t>::max());
    check(wellFormed(whole), "only CR LF line breaks and no NUL");
    check(whole == pocketrix::encodeMemoText(bytes.substr(0, bytes.find('\0'))),
          "decoding breaks lines as encoding does, up to the first NUL");
    check(pocketrix::decodeMemoText(whole, std::numeric_limits<std::size_t>::max()) == whole,
          "decoding a decoded text keeps it");
    check(pocketrix::encodeMemoText(whole) == whole, "encoding a decoded text keeps it");
    const std::string shown = pocketrix::shownText(whole);
    check(pocketrix::shownText(shown) == shown, "a shown text is UTF-8 without CR LF, so showing it again keeps it");

    const std::optional<std::string> oneGo =
        capacityChecked([&] { return pocketrix::decodeMemoText(bytes, capacity); });
    check(oneGo.has_value() == (whole.size() <= capacity), "capacity error exactly when the text is longer");
    if (oneGo)
        check(*oneGo == whole, "a capacity that is not reached changes nothing");

    const std::optional<std::string> pieces = capacityChecked([&] {
        pocketrix::MemoTextDecoder decoder(capacity);
        std::size_t at = 0;
        while (at < bytes.size()) {
            cut ^= cut << 13, cut ^= cut >> 17, cut ^= cut << 5;
            const std::size_t length = cut % 9; // empty pieces too
            const std::size_t taken = length < bytes.size() - at ? length : bytes.size() - at;
            decoder.feed(std::string_view(bytes).substr(at, taken));
            at += taken;
        }
        check(decoder.ended() == (bytes.find('\0') != std::string::npos), "ended exactly after a NUL");
        if (decoder.ended())
            decoder.feed("ignored\r"); // after the NUL
        return decoder.finish();
    });
    check(pieces == oneGo, "the pieces do not matter");

    // The same bytes after a run of letters that puts the read buffer's boundary among them.
    const std::string padded = std::string(4096 - (boundary < bytes.size() ? boundary : bytes.size()), 'a') + bytes;
    writeAll(scratchFile(), padded);
    const std::size_t fileCapacity = capacity == pocketrix::kMemoCapacity ? capacity : 4096 + capacity;
    const auto fromFile = capacityChecked([&] { return pocketrix::readMemoTextFile(scratchFile(), fileCapacity); });
    const auto decoded = capacityChecked([&] { return pocketrix::decodeMemoText(padded, fileCapacity); });
    check(fromFile == decoded, "a file reads as its bytes decode");
    std::remove(scratchFile().c_str());
    return 0;
}
