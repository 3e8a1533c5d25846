#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/core/errors.h"
#include "pages/mediaplayer.h"
#include "tests/doubles/doubles.h"

namespace pocketrix {
namespace {

TEST(MediaPlayer, RewindsOnlyAfterPlayingToTheEnd)
{
    struct Case {
        std::uint64_t position;
        bool seeks;
    } cases[] = {{6000, true}, {0, false}, {2500, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.position);
        test::FakeWavePlayer device;
        MediaPlayer player;
        player.setDevice(&device);
        player.setFileName("/sounds/albeep.wav");
        player.Open();
        device.at = c.position;
        device.calls.clear();
        player.Play();
        const std::vector<std::string> expected =
            c.seeks ? std::vector<std::string>{"seek", "play"} : std::vector<std::string>{"play"};
        EXPECT_EQ(device.calls, expected);
    }
}

// A failed check only tells; what decides is whether the play itself sounds.
TEST(MediaPlayer, RaisesOnlyWhenThePlayItselfFails)
{
    struct Case {
        const char* what;
        bool checkFails;
        bool playRefused;
        bool raises;
    } cases[] = {
        {"the check failed, the output works", true, false, false},
        {"the check failed, no output", true, true, true},
        {"the check passed, the output went away", false, true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        test::FakeWavePlayer device;
        if (c.checkFails)
            device.openFailure = "Couldn't open /sounds/albeep.wav";
        device.playRefused = c.playRefused;
        MediaPlayer player;
        player.setDevice(&device);
        EXPECT_EQ(
            [&] {
                try {
                    player.Open();
                } catch (const Error&) {
                    return true;
                }
                return false;
            }(),
            c.checkFails);
        try {
            player.Play();
            EXPECT_FALSE(c.raises);
        } catch (const Error& error) {
            EXPECT_TRUE(c.raises);
            EXPECT_STREQ(error.what(), "No MCI device open");
        }
        EXPECT_EQ(device.count("play"), 1) << "every play tries the output";
    }
}

} // namespace
} // namespace pocketrix
