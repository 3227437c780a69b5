#include "x11keylistener.h"

#include "spdlog_qt"

#include <QSocketNotifier>

// The X11 headers come last: their macros clash with Qt's names.
#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/Xproto.h>
#include <X11/extensions/record.h>
#include <X11/keysym.h>

namespace {

// Errors during set-up are counted instead of ending the process, which the
// default handler would do.
int g_setupErrors = 0;

int countSetupError(Display*, XErrorEvent*)
{
    ++g_setupErrors;
    return 0;
}

class SetupErrorScope
{
public:
    explicit SetupErrorScope(Display* display) : m_display(display)
    {
        g_setupErrors = 0;
        m_previous = XSetErrorHandler(&countSetupError);
    }
    ~SetupErrorScope()
    {
        XSync(m_display, False);
        XSetErrorHandler(m_previous);
    }
    SetupErrorScope(const SetupErrorScope&) = delete;
    SetupErrorScope& operator=(const SetupErrorScope&) = delete;

private:
    Display* m_display;
    int (*m_previous)(Display*, XErrorEvent*) = nullptr;
};

} // namespace

struct X11KeyListener::Private
{
    X11KeyListener* owner = nullptr;
    Display* control = nullptr; // requests
    Display* data = nullptr;    // the recorded events
    XRecordRange* range = nullptr;
    XRecordContext context = 0;
    QSocketNotifier* notifier = nullptr;

    static void recorded(XPointer closure, XRecordInterceptData* intercepted)
    {
        auto* self = reinterpret_cast<Private*>(closure);
        if (intercepted->category == XRecordFromServer && intercepted->data_len * 4 >= sizeof(xEvent)) {
            const auto* event = reinterpret_cast<const xEvent*>(intercepted->data);
            if ((event->u.u.type & 0x7f) == KeyPress)
                self->keyPress(event->u.u.detail, event->u.keyButtonPointer.state);
        }
        XRecordFreeData(intercepted);
    }

    void keyPress(unsigned keycode, unsigned state)
    {
        // The key's own symbol: without Shift or Caps Lock, so Shift+1 is the
        // key 1, but with Num Lock, so the keypad reads as its digits.
        KeySym keysym = NoSymbol;
        unsigned consumed = 0;
        if (!XkbLookupKeySym(control, static_cast<KeyCode>(keycode), state & ~(ShiftMask | LockMask),
                             &consumed, &keysym))
            return;
        const int code = virtualKey(keysym);
        if (code == 0)
            return;
        HotKey::Modifiers modifiers;
        modifiers.ctrl = state & ControlMask;
        modifiers.shift = state & ShiftMask;
        modifiers.alt = state & Mod1Mask;
        const bool altKey = code == HotKey::kLeftAlt || code == HotKey::kRightAlt;
        emit owner->keyPressed(code, modifiers, (modifiers.alt || altKey) && !modifiers.ctrl);
    }

    void close()
    {
        delete notifier;
        notifier = nullptr;
        if (context) {
            XRecordDisableContext(control, context);
            XRecordFreeContext(control, context);
            XSync(control, False);
            context = 0;
        }
        if (range) {
            XFree(range);
            range = nullptr;
        }
        if (data) {
            XCloseDisplay(data);
            data = nullptr;
        }
        if (control) {
            XCloseDisplay(control);
            control = nullptr;
        }
    }
};

X11KeyListener::X11KeyListener(QObject* parent) : QObject(parent), d(std::make_unique<Private>())
{
    d->owner = this;
}

X11KeyListener::~X11KeyListener()
{
    d->close();
}

bool X11KeyListener::start()
{
    if (d->context)
        return true;
    d->control = XOpenDisplay(nullptr);
    if (!d->control) {
        LogInfo("[HotKey] no X display; global shortcuts are off");
        return false;
    }
    {
        SetupErrorScope errors(d->control);
        int major = 0;
        int minor = 0;
        if (!XRecordQueryVersion(d->control, &major, &minor)) {
            LogError("[HotKey] the X server has no RECORD extension; global shortcuts are off");
            d->close();
            return false;
        }
        d->data = XOpenDisplay(DisplayString(d->control));
        d->range = XRecordAllocRange();
        if (d->data && d->range) {
            d->range->device_events.first = KeyPress;
            d->range->device_events.last = KeyPress;
            XRecordClientSpec clients = XRecordAllClients;
            d->context = XRecordCreateContext(d->control, 0, &clients, 1, &d->range, 1);
            XSync(d->control, False);
        }
    }
    if (!d->context || g_setupErrors > 0 ||
        !XRecordEnableContextAsync(d->data, d->context, &Private::recorded,
                                   reinterpret_cast<XPointer>(d.get()))) {
        LogError("[HotKey] cannot record the keyboard on this X server; global shortcuts are off");
        d->close();
        return false;
    }
    XFlush(d->data);
    d->notifier = new QSocketNotifier(ConnectionNumber(d->data), QSocketNotifier::Read, this);
    connect(d->notifier, &QSocketNotifier::activated, this, [this] { XRecordProcessReplies(d->data); });
    XRecordProcessReplies(d->data);
    LogInfo(QStringLiteral("[HotKey] listening to the keyboard of X display %1")
                .arg(QString::fromLocal8Bit(DisplayString(d->control))));
    return true;
}

void X11KeyListener::stop()
{
    d->close();
}

bool X11KeyListener::isRunning() const
{
    return d->context != 0;
}

int X11KeyListener::virtualKey(unsigned long keysym)
{
    if (keysym >= XK_a && keysym <= XK_z)
        return static_cast<int>('A' + (keysym - XK_a));
    if (keysym >= XK_A && keysym <= XK_Z)
        return static_cast<int>('A' + (keysym - XK_A));
    if (keysym >= XK_0 && keysym <= XK_9)
        return static_cast<int>('0' + (keysym - XK_0));
    if (keysym >= XK_KP_0 && keysym <= XK_KP_9)
        return static_cast<int>(HotKey::kKeypad0 + (keysym - XK_KP_0));
    switch (keysym) {
    case XK_Shift_L:
        return HotKey::kLeftShift;
    case XK_Shift_R:
        return HotKey::kRightShift;
    case XK_Control_L:
        return HotKey::kLeftCtrl;
    case XK_Control_R:
        return HotKey::kRightCtrl;
    case XK_Alt_L:
    case XK_Meta_L:
        return HotKey::kLeftAlt;
    case XK_Alt_R:
    case XK_Meta_R:
    case XK_ISO_Level3_Shift:
        return HotKey::kRightAlt;
    default:
        return 0;
    }
}
