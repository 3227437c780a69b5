// Plug-ins driven through the host on test signals.
#pragma once

#include "unitsignal.h"
#include "vstplugin.h"

#include <algorithm>
#include <vector>

namespace unitsignal {

// Runs a mono signal on both channels in 10 ms blocks; the left output.
inline std::vector<float> run(VstPlugin& plugin, const std::vector<float>& mono)
{
    std::vector<float> stereo(mono.size() * 2), out(mono.size());
    for (std::size_t i = 0; i < mono.size(); ++i)
        stereo[2 * i] = stereo[2 * i + 1] = mono[i];
    for (std::size_t i = 0; i < mono.size(); i += kBlock)
        plugin.process(stereo.data() + 2 * i,
                       2 * static_cast<int>(std::min<std::size_t>(kBlock, mono.size() - i)));
    for (std::size_t i = 0; i < mono.size(); ++i)
        out[i] = stereo[2 * i];
    return out;
}

} // namespace unitsignal
