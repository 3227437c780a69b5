// The catalogue harnesses' environment: catalogue files from `resources`,
// the user's stores in the scratch folder, no settings store.
#pragma once

#include "fuzzsupport.h"
#include "storeenvironment.h"

namespace fuzz {

inline void useCatalogueEnvironment(const QString& resources)
{
    static bool done = false;
    if (done)
        return;
    done = true;
    Catalogue::Environment environment;
    environment.resourcesPath = resources;
    environment.configPath = scratch();
    environment.readSetting = [](const QString&, int) { return QVariant(); };
    environment.writeSetting = [](const QString&, const QVariant&, int) {};
    Catalogue::setEnvironment(environment);
}

} // namespace fuzz
