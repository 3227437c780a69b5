// A window of another client that takes the keyboard focus and reports every
// key press it receives ("press <keysym>"), so a test can check that global
// shortcuts leave the keys to the focused program. Prints "ready" once it has
// the focus, with Num Lock on so the keypad types digits.

#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/keysym.h>

#include <cstdio>

int main()
{
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "x11_keysink: no X display\n");
        return 1;
    }
    const Window window = XCreateSimpleWindow(display, DefaultRootWindow(display), 0, 0, 320, 200, 0, 0,
                                              WhitePixel(display, 0));
    XSelectInput(display, window, KeyPressMask | StructureNotifyMask);
    XMapWindow(display, window);
    XEvent event;
    do
        XNextEvent(display, &event);
    while (event.type != MapNotify);
    XSetInputFocus(display, window, RevertToParent, CurrentTime);
    const unsigned numLock = XkbKeysymToModifiers(display, XK_Num_Lock);
    XkbLockModifiers(display, XkbUseCoreKbd, numLock, numLock);
    XSync(display, False);
    std::printf("ready\n");
    std::fflush(stdout);
    for (;;) {
        XNextEvent(display, &event);
        if (event.type == KeyPress) {
            const KeySym keysym = XLookupKeysym(&event.xkey, 0);
            const char* name = XKeysymToString(keysym);
            std::printf("press %s\n", name ? name : "?");
            std::fflush(stdout);
        }
    }
}
