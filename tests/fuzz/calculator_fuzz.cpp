// libFuzzer target: any input is a session of key presses, clicks, pastes
// and saves; every invariant is checked after every event.
#include "event_player.h"

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    EventPlayer player;
    const std::string broken = player.play(data, size);
    if (!broken.empty()) {
        std::fprintf(stderr, "invariant broken: %s\n", broken.c_str());
        std::abort();
    }
    return 0;
}
