#pragma once

// Global shortcuts: the binding table (HotKey.dat in the config folder) and
// the keyboard listener that fires `activated` when a bound key is pressed,
// whichever program has the focus. Keys are never taken from that program.

#include "hotkeytable.h"

#include <QObject>

#include <memory>

class HotKeyHook : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(HotKeyHook)

public:
    static HotKeyHook* instance();

    // A hook of its own (tests, tools), with the table at `path`.
    explicit HotKeyHook(const QString& path, QObject* parent = nullptr);
    ~HotKeyHook() override;

    // Starts listening to the keyboard (X11) and reads the table. Without an
    // X display the table still loads; one log line says why nothing fires.
    void installHook();
    // Stops listening and writes the table.
    void uninstallHook();
    // Reads the table alone (what installHook reads).
    void loadTable();
    bool isListening() const;

    // Binds `text` to the item; false when the text belongs to another item.
    bool setBinding(const HotKey::Ids& item, const QString& text, int kind);
    void removeBinding(const HotKey::Ids& item, int kind);
    QString bindingText(const HotKey::Ids& item, int kind) const;
    HotKey::Ids bindingForText(const QString& text) const;
    // The category and name of a bound item, for messages: from the effect
    // and sound catalogues, or the fixed actions.
    QPair<QString, QString> describeBinding(const HotKey::Ids& pair) const;
    HotKey::Table table() const;

    bool isSuspended() const;
    void setSuspended(bool suspended);
    bool isEnabled() const;
    void setEnabled(bool enabled);

    // A key pressed anywhere: `code` is its virtual key; `system` when Alt
    // is involved (an Alt key, or a key pressed with Alt and without Ctrl).
    void keyPressed(int code, const HotKey::Modifiers& modifiers, bool system);

signals:
    void activated(QPair<int, int> ids);

private:
    void writeTable() const;

    struct Private;
    std::unique_ptr<Private> d;
};
