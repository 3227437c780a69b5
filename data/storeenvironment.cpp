#include "storeenvironment.h"

#include "catalogueformat.h"

namespace Catalogue {

namespace {

Environment& currentEnvironment()
{
    static Environment environment;
    return environment;
}

} // namespace

void setEnvironment(const Environment& environment)
{
    currentEnvironment() = environment;
}

const Environment& environment()
{
    return currentEnvironment();
}

void MarkerList::load()
{
    const Environment& env = environment();
    m_ids.clear();
    if (!env.readSetting)
        return;
    // Held as ints, whatever form the settings file gave them back in.
    for (const QVariant& id : env.readSetting(m_key, kIniStore).toList())
        m_ids.append(id.toInt());
}

void MarkerList::append(int id)
{
    m_ids.append(id);
    write();
}

void MarkerList::removeOne(int id)
{
    m_ids.removeOne(QVariant(id));
    write();
}

void MarkerList::clear()
{
    m_ids.clear();
    write();
}

void MarkerList::write() const
{
    const Environment& env = environment();
    if (env.writeSetting)
        env.writeSetting(m_key, m_ids, kIniStore);
}

void FavoriteList::load()
{
    readIdList(m_path, &m_ids);
}

void FavoriteList::append(int id)
{
    m_ids.append(id);
    write();
}

bool FavoriteList::removeOne(int id)
{
    if (!m_ids.removeOne(id))
        return false;
    write();
    return true;
}

void FavoriteList::write() const
{
    writeIdList(m_path, m_ids);
}

} // namespace Catalogue
