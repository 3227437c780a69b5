// .fxp presets read into our plug-ins. The first byte picks the plug-in; the
// rest is the preset file.

#include "fuzzsupport.h"
#include "vstplugin.h"

#include <memory>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 1)
        return 0;
    static std::vector<std::unique_ptr<VstPlugin>> plugins = [] {
        fuzz::scratch();
        std::vector<std::unique_ptr<VstPlugin>> loaded;
        const QDir folder(QStringLiteral(ZELVANI_RESOURCES "/vst"));
        for (const QString& name : folder.entryList({QStringLiteral("*.so")}, QDir::Files, QDir::Name)) {
            auto plugin = std::make_unique<VstPlugin>();
            if (plugin->load(folder.filePath(name))) {
                plugin->prepare(48000);
                loaded.push_back(std::move(plugin));
            }
        }
        if (loaded.empty())
            std::abort(); // nothing to read presets into: the harness would test nothing
        return loaded;
    }();
    VstPlugin& plugin = *plugins[data[0] % plugins.size()];
    const QString file = fuzz::writeFile("preset.fxp", data + 1, size - 1);
    if (plugin.loadFxp(file)) {
        // What was read must leave the plug-in able to run.
        float block[2 * 256] = {};
        plugin.process(block, 2 * 256);
        for (int i = 0; i < plugin.parameterCount(); ++i)
            plugin.parameterDisplay(i);
    }
    return 0;
}
