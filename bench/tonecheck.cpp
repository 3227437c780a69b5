// Prints how clean a recorded tone is: the worst tone-to-rest ratio (dB) over
// 1.5 s windows of a raw 48000 Hz stereo float recording. The soak reads the
// virtual cable with it.
//
//   zelvani-tonecheck FILE [HZ]     (HZ: 1000 unless given)

#include "tonemeasure.h"

#include <cstdio>
#include <cstdlib>
#include <vector>

int main(int argc, char** argv)
{
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: zelvani-tonecheck FILE [HZ]\n");
        return 2;
    }
    const double hz = argc == 3 ? std::atof(argv[2]) : 1000.0;
    std::FILE* file = std::fopen(argv[1], "rb");
    if (!file) {
        std::perror(argv[1]);
        return 1;
    }
    std::vector<float> stereo;
    float buffer[4096];
    std::size_t got = 0;
    while ((got = std::fread(buffer, sizeof(float), 4096, file)) > 0)
        stereo.insert(stereo.end(), buffer, buffer + got);
    std::fclose(file);
    if (stereo.size() / 2 < 72000) {
        std::fprintf(stderr, "zelvani-tonecheck: %s holds less than 1.5 s\n", argv[1]);
        return 1;
    }
    std::printf("%.1f\n", audiosignal::worstToneToRest(stereo, hz));
    return 0;
}
