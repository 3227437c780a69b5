#include "dialogmanager.h"

#include "kit.h"
#include "shelldialogs.h"

DialogManager* DialogManager::instance()
{
    static DialogManager manager;
    return &manager;
}

bool DialogManager::isOpen(int type) const
{
    return !m_open.value(type).isNull();
}

QDialog* DialogManager::dialog(int type) const
{
    return m_open.value(type).data();
}

int DialogManager::showDialog(int type, const QVariantMap& data)
{
    if (isOpen(type))
        return -1;
    QDialog* created = nullptr;
    if (type == DT_About) {
        created = new AboutDialog(Kit::currentWindow());
    } else if (type == DT_Upgrade) {
        auto* upgrade = new UpgradeDialog(Kit::currentWindow());
        if (!data.isEmpty())
            upgrade->setResult(data);
        created = upgrade;
    } else {
        return -1;
    }
    created->setAttribute(Qt::WA_DeleteOnClose);
    m_open.insert(type, created);
    emit dialogOpened(type, created);
    return created->exec();
}

void DialogManager::updateDialog(int type, const QVariantMap& data)
{
    if (type != DT_Upgrade)
        return;
    if (auto* upgrade = qobject_cast<UpgradeDialog*>(m_open.value(type).data()))
        upgrade->setResult(data);
}
