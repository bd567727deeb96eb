/* The floor the program is measured against: the least an X program can do
 * for the same events. It maps an empty window with the program's caption;
 * a click maps a bare window titled IONVAL~1, and Return in it maps the
 * next, three in all, as the Ferric button does. */

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/keysym.h>

#include <string.h>

static Display* display;
static Atom utf8, netWmName, deleteWindow, protocols;

static Window makeWindow(const char* title, int width, int height, Window owner)
{
    XSetWindowAttributes attributes;
    attributes.event_mask = ExposureMask | ButtonPressMask | KeyPressMask | StructureNotifyMask;
    attributes.background_pixmap = None;
    Window window = XCreateWindow(display, DefaultRootWindow(display), 0, 0, (unsigned)width, (unsigned)height, 0,
                                  CopyFromParent, InputOutput, CopyFromParent, CWEventMask | CWBackPixmap,
                                  &attributes);
    XStoreName(display, window, title);
    XChangeProperty(display, window, netWmName, utf8, 8, PropModeReplace, (const unsigned char*)title,
                    (int)strlen(title));
    XSetWMProtocols(display, window, &deleteWindow, 1);
    if (owner)
        XSetTransientForHint(display, window, owner);
    XMapWindow(display, window);
    return window;
}

int main(void)
{
    display = XOpenDisplay(NULL);
    if (!display)
        return 1;
    utf8 = XInternAtom(display, "UTF8_STRING", False);
    netWmName = XInternAtom(display, "_NET_WM_NAME", False);
    deleteWindow = XInternAtom(display, "WM_DELETE_WINDOW", False);
    protocols = XInternAtom(display, "WM_PROTOCOLS", False);
    GC gc = XCreateGC(display, DefaultRootWindow(display), 0, NULL);
    XSetForeground(display, gc, 0xefefef);

    Window main = makeWindow("Ionvale,1st Edition", 680, 460, 0);
    Window box = 0;
    int shown = 0;
    for (;;) {
        XEvent event;
        XNextEvent(display, &event);
        switch (event.type) {
        case Expose:
            XFillRectangle(display, event.xexpose.window, gc, 0, 0, 2000, 2000);
            XFlush(display);
            break;
        case ButtonPress:
            if (event.xbutton.window == main && !box) {
                box = makeWindow("IONVAL~1", 300, 100, main);
                shown = 1;
            }
            break;
        case KeyPress:
            if (event.xkey.window == box && XLookupKeysym(&event.xkey, 0) == XK_Return) {
                XDestroyWindow(display, box);
                box = shown < 3 ? makeWindow("IONVAL~1", 300, 100, main) : 0;
                shown = box ? shown + 1 : 0;
            }
            break;
        case ClientMessage:
            if (event.xclient.message_type == protocols && (Atom)event.xclient.data.l[0] == deleteWindow
                && event.xclient.window == main)
                return 0;
            break;
        default:
            break;
        }
    }
}
