// Does to a window on the X server what a user's hand or a window manager
// would: a left click at a point of the screen (through XTEST, so that the
// program sees a real pointer), or the close request of a title bar's close
// box, which no one sends under a server that runs without a window manager.
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

int main(int argc, char** argv)
{
    const bool click = argc == 4 && std::strcmp(argv[1], "click") == 0;
    const bool close = argc == 3 && std::strcmp(argv[1], "close") == 0;
    if (!click && !close) {
        std::fprintf(stderr, "usage: %s click X Y | close WINDOW-ID\n", argv[0]);
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "cannot open the X display\n");
        return 2;
    }

    if (click) {
        int event, error, major, minor;
        if (!XTestQueryExtension(display, &event, &error, &major, &minor)) {
            std::fprintf(stderr, "the X server has no XTEST\n");
            return 2;
        }
        XTestFakeMotionEvent(display, -1, std::atoi(argv[2]), std::atoi(argv[3]), CurrentTime);
        XTestFakeButtonEvent(display, 1, True, CurrentTime);
        XTestFakeButtonEvent(display, 1, False, CurrentTime);
    } else {
        const Window window = std::strtoul(argv[2], nullptr, 0);
        XEvent request{};
        request.xclient.type = ClientMessage;
        request.xclient.window = window;
        request.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
        request.xclient.format = 32;
        request.xclient.data.l[0] = long(XInternAtom(display, "WM_DELETE_WINDOW", False));
        request.xclient.data.l[1] = CurrentTime;
        XSendEvent(display, window, False, NoEventMask, &request);
    }
    XSync(display, False);
    XCloseDisplay(display);
    return 0;
}
