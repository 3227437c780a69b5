#include "hotkeyhook.h"

#include "cutesettings.h"
#include "effectmanager.h"
#include "soundmanager.h"
#include "x11keylistener.h"

struct HotKeyHook::Private
{
    HotKey::Table table;
    QString path;
    bool suspended = false;
    bool enabled = true;
    // Whether the table was read: one never read is not written over the file.
    bool loaded = false;
    X11KeyListener* listener = nullptr;
};

HotKeyHook* HotKeyHook::instance()
{
    static HotKeyHook* hook = new HotKeyHook(CuteSettings::configPath() + QStringLiteral("/HotKey.dat"));
    return hook;
}

HotKeyHook::HotKeyHook(const QString& path, QObject* parent) : QObject(parent), d(std::make_unique<Private>())
{
    d->path = path;
    qRegisterMetaType<QPair<int, int>>("QPair<int,int>");
}

HotKeyHook::~HotKeyHook() = default;

void HotKeyHook::installHook()
{
    if (!d->listener) {
        d->listener = new X11KeyListener(this);
        connect(d->listener, &X11KeyListener::keyPressed, this, &HotKeyHook::keyPressed);
        d->listener->start();
    }
    loadTable();
}

void HotKeyHook::loadTable()
{
    HotKey::readTable(d->path, &d->table);
    d->loaded = true;
}

void HotKeyHook::uninstallHook()
{
    delete d->listener;
    d->listener = nullptr;
    if (d->loaded)
        writeTable();
}

bool HotKeyHook::isListening() const
{
    return d->listener && d->listener->isRunning();
}

bool HotKeyHook::setBinding(const HotKey::Ids& item, const QString& text, int kind)
{
    if (text.isEmpty())
        return false;
    const HotKey::Ids pair = HotKey::encode(item, kind);
    for (auto it = d->table.cbegin(); it != d->table.cend(); ++it) {
        if (it.value() != text)
            continue;
        if (it.key() == pair) {
            writeTable();
            return true;
        }
        if (it.key().second != pair.second)
            return false;
        break; // the same item through another group: the binding moves
    }
    removeBinding(item, kind);
    d->table.insert(pair, text);
    writeTable();
    return true;
}

void HotKeyHook::removeBinding(const HotKey::Ids& item, int kind)
{
    const HotKey::Ids pair = HotKey::encode(item, kind);
    d->table.remove(pair);
    for (auto it = d->table.begin(); it != d->table.end(); ++it) {
        if (it.key().second == pair.second) {
            d->table.erase(it);
            break;
        }
    }
    writeTable();
}

QString HotKeyHook::bindingText(const HotKey::Ids& item, int kind) const
{
    const HotKey::Ids pair = HotKey::encode(item, kind);
    QString text;
    for (auto it = d->table.cbegin(); it != d->table.cend(); ++it) {
        if (it.key().second == pair.second)
            text = it.value();
    }
    return text;
}

HotKey::Ids HotKeyHook::bindingForText(const QString& text) const
{
    for (auto it = d->table.cbegin(); it != d->table.cend(); ++it) {
        if (it.value() == text)
            return it.key();
    }
    return HotKey::noIds();
}

QPair<QString, QString> HotKeyHook::describeBinding(const HotKey::Ids& pair) const
{
    const HotKey::Ids item = HotKey::decode(pair);
    switch (HotKey::classify(pair)) {
    case HotKey::EffectKind: {
        const int language = CuteSettings::instance()->value(QStringLiteral("Language")).toInt();
        EffectManager* effects = EffectManager::instance();
        QString name = effects->effectsOfGroup(item.first).value(item.second).languages.value(language);
        if (name.isEmpty())
            name = effects->allEffects().value(item.second).languages.value(language);
        return {tr("VoiceBox"), name};
    }
    case HotKey::SoundKind:
        return {tr("Soundboard"),
                SoundManager::instance()->soundsOfGroup(item.first).value(item.second).name};
    case HotKey::ActionKind:
        if (item == HotKey::Ids(HotKey::kHearMyself, HotKey::kHearMyself))
            return {tr("Settings"), tr("Hear myself")};
        if (item == HotKey::Ids(HotKey::kApplyVoiceChanger, HotKey::kApplyVoiceChanger))
            return {tr("Settings"), tr("Apply voice changer")};
        return {tr("Settings"), QString()};
    default:
        return {};
    }
}

HotKey::Table HotKeyHook::table() const
{
    return d->table;
}

bool HotKeyHook::isSuspended() const
{
    return d->suspended;
}

void HotKeyHook::setSuspended(bool suspended)
{
    d->suspended = suspended;
}

bool HotKeyHook::isEnabled() const
{
    return d->enabled;
}

void HotKeyHook::setEnabled(bool enabled)
{
    d->enabled = enabled;
}

void HotKeyHook::keyPressed(int code, const HotKey::Modifiers& modifiers, bool system)
{
    if (!d->enabled || d->suspended || d->table.isEmpty())
        return;
    // Listeners may change the table: match on a copy.
    const HotKey::Table table = d->table;
    const QList<HotKey::Ids> fired = system ? HotKey::matchSystemKey(table, code, modifiers)
                                            : HotKey::matchKeyDown(table, code, modifiers);
    for (const HotKey::Ids& pair : fired)
        emit activated(pair);
}

void HotKeyHook::writeTable() const
{
    HotKey::writeTable(d->path, d->table);
}
