#include "cataloguesetup.h"

#include "cutesettings.h"
#include "storeenvironment.h"

void configureCatalogues()
{
    Catalogue::Environment environment;
    environment.resourcesPath = CuteSettings::resourcesPath();
    environment.configPath = CuteSettings::configPath();
    environment.readSetting = [](const QString& key, int store) {
        return CuteSettings::instance()->value(key, QVariant(), store);
    };
    environment.writeSetting = [](const QString& key, const QVariant& value, int store) {
        CuteSettings::instance()->setValue(key, value, store);
    };
    Catalogue::setEnvironment(environment);
}
