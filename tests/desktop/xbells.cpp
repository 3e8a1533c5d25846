// Prints a line "bell" for every bell rung on the X display, until killed.

#include <X11/XKBlib.h>

#include <cstdio>

int main()
{
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fputs("no X display\n", stderr);
        return 2;
    }
    int opcode = 0, eventBase = 0, errorBase = 0, major = XkbMajorVersion, minor = XkbMinorVersion;
    if (!XkbQueryExtension(display, &opcode, &eventBase, &errorBase, &major, &minor)) {
        std::fputs("the X server has no keyboard extension\n", stderr);
        return 2;
    }
    XkbSelectEvents(display, XkbUseCoreKbd, XkbBellNotifyMask, XkbBellNotifyMask);
    XSync(display, False);
    std::puts("listening");
    std::fflush(stdout);
    for (;;) {
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == eventBase && reinterpret_cast<XkbEvent*>(&event)->any.xkb_type == XkbBellNotify) {
            std::puts("bell");
            std::fflush(stdout);
        }
    }
}
