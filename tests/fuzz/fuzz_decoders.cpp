// Sound files through our audio library's decoder (libsndfile underneath):
// opened, decoded to the end and resampled to the mixer's rate. The first
// byte picks the file name's suffix; the decoder itself goes by content.

#include "fuzzsupport.h"
#include "stream.h"

#include <memory>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 1)
        return 0;
    static const char* const names[] = {"sound.wav", "sound.flac", "sound.ogg", "sound.opus", "sound.mp3"};
    const QString file = fuzz::writeFile(names[data[0] % 5], data + 1, size - 1);
    std::unique_ptr<zaudio::Stream> stream;
    if (zaudio::Stream::open(QFile::encodeName(file).constData(), 48000, true, &stream) != zaudio::Ok)
        return 0;
    stream->setLoopHint(false);
    std::vector<float> out(1024 * static_cast<std::size_t>(stream->channels()));
    bool ended = false;
    // As the mixer and the decoding worker take turns. A pass longer than
    // ten minutes of sound is not decoded to its end here.
    for (int round = 0; round < 30000 && !ended; ++round) {
        if (stream->wantsService())
            stream->service();
        stream->pull(out.data(), 1024, false, &ended);
    }
    return 0;
}
