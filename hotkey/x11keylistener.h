#pragma once

// Watches every key press of the X server, whichever client has the focus,
// through the RECORD extension on connections of its own. Keys are only
// observed, never grabbed: the focused program receives them as well.

#include "hotkeytable.h"

#include <QObject>

#include <memory>

class X11KeyListener : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(X11KeyListener)

public:
    explicit X11KeyListener(QObject* parent = nullptr);
    ~X11KeyListener() override;

    // False, with a log line, when there is no X display or no RECORD.
    bool start();
    void stop();
    bool isRunning() const;

    // The virtual-key number of an X keysym: letters 65-90, digits 48-57,
    // keypad digits 96-105, Shift 160/161, Ctrl 162/163, Alt 164/165; 0 for
    // keys no binding can name.
    static int virtualKey(unsigned long keysym);

signals:
    // `system` when Alt is involved: an Alt key, or a key pressed with Alt
    // and without Ctrl.
    void keyPressed(int code, const HotKey::Modifiers& modifiers, bool system);

private:
    struct Private;
    std::unique_ptr<Private> d;
};
