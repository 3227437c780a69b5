#pragma once

#include <algorithm>

namespace zdsp {

// The channels of a block a processor runs: no more than it keeps state for
// (`capacity`), nor than a `limit` set by its user (0 for none).
constexpr int channelLimit(int channels, int capacity, int limit = 0)
{
    const int count = std::clamp(channels, 0, capacity);
    return limit > 0 ? std::min(count, limit) : count;
}

} // namespace zdsp
