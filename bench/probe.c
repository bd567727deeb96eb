/* Measures one run of a program from X events, not by polling.
 *
 * Usage: probe CLICK_X CLICK_Y BOXES PROGRAM [ARGUMENT...]
 *
 * It starts PROGRAM and reports, on one line:
 *   start   ms from exec to the main window ("Ionvale,1st Edition") mapped
 *           and painted all over (DAMAGE);
 *   click   ms from a synthetic click (XTest) at CLICK_X, CLICK_Y in the
 *           client area below the menu bar to the first box ("IONVAL~1")
 *           mapped;
 *   return  ms from Return to the next box mapped;
 *   hwm     peak resident memory (VmHWM) in KiB after BOXES boxes;
 *   libs    shared libraries mapped, and plugins among them;
 * then the plugins' paths. */

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/extensions/Xdamage.h>
#include <X11/keysym.h>

#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#define CLIENT_HEIGHT 460 /* the main window's client area below its menu bar */

static Display* display;
static Atom netWmName, utf8;
static int damageEvent, damageError;

static double nowMs(void)
{
    struct timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return (double)t.tv_sec * 1e3 + (double)t.tv_nsec / 1e6;
}

static int titled(Window window, const char* title)
{
    Atom type;
    int format;
    unsigned long count, after;
    unsigned char* name = NULL;
    int same = 0;
    if (XGetWindowProperty(display, window, netWmName, 0, 256, False, utf8, &type, &format, &count, &after,
                           &name) == Success && name) {
        same = strcmp((const char*)name, title) == 0;
        XFree(name);
    }
    return same;
}

/* Windows the program creates, as they are created; we follow their
 * properties and mapping. A window manager puts each in a frame of its own:
 * the root window hears of the reparenting and of the frame's mapping in
 * order, which a late look at the window itself could miss. */
enum { maxWindows = 256 };
static Window windows[maxWindows];
static int windowCount;
static Window frames[maxWindows], framed[maxWindows];
static int frameCount;

static Window clientOf(Window window)
{
    for (int i = 0; i < frameCount; ++i)
        if (frames[i] == window)
            return framed[i];
    return window;
}

static int ignoreErrors(Display* d, XErrorEvent* e)
{
    (void)d;
    (void)e;
    return 0;
}

/* Waits for the next event, at most until `deadline`; returns 0 on timeout. */
static int nextEvent(XEvent* event, double deadline)
{
    while (!XPending(display)) {
        if (nowMs() > deadline)
            return 0;
        fd_set fds;
        FD_ZERO(&fds);
        FD_SET(ConnectionNumber(display), &fds);
        struct timeval wait = {0, 2000};
        select(ConnectionNumber(display) + 1, &fds, NULL, NULL, &wait);
    }
    XNextEvent(display, event);
    if (event->type == CreateNotify && windowCount < maxWindows) {
        windows[windowCount++] = event->xcreatewindow.window;
        XSelectInput(display, event->xcreatewindow.window, StructureNotifyMask | PropertyChangeMask);
    } else if (event->type == ReparentNotify && frameCount < maxWindows
               && event->xreparent.parent != DefaultRootWindow(display)) {
        frames[frameCount] = event->xreparent.parent;
        framed[frameCount++] = event->xreparent.window;
    }
    return 1;
}

/* Waits until a window titled `title`, other than `other`, is mapped. */
static Window waitForMap(const char* title, Window other, double timeoutMs)
{
    const double deadline = nowMs() + timeoutMs;
    /* It may already be mapped by the time we look. */
    for (int i = 0; i < windowCount; ++i) {
        XWindowAttributes a;
        if (windows[i] != other && XGetWindowAttributes(display, windows[i], &a) && a.map_state == IsViewable
            && titled(windows[i], title))
            return windows[i];
    }
    XEvent event;
    while (nextEvent(&event, deadline)) {
        if (event.type != MapNotify)
            continue;
        const Window window = clientOf(event.xmap.window);
        if (window != other && titled(window, title))
            return window;
    }
    return 0;
}

static void settle(double ms)
{
    XEvent event;
    const double deadline = nowMs() + ms;
    while (nextEvent(&event, deadline)) {
    }
}

/* Waits until the keyboard focus is in `window` (the window manager gives
 * it to a new box), at most two seconds. */
static int waitForFocus(Window window)
{
    const double deadline = nowMs() + 2000;
    for (;;) {
        Window focus, rootReturn, parent, *children;
        int revert;
        unsigned count;
        XGetInputFocus(display, &focus, &revert);
        for (Window w = focus; w && w != DefaultRootWindow(display);) {
            if (w == window)
                return 1;
            if (!XQueryTree(display, w, &rootReturn, &parent, &children, &count))
                break;
            if (children)
                XFree(children);
            w = parent;
        }
        if (nowMs() > deadline)
            return 0;
        settle(2);
    }
}

static void key(KeySym symbol)
{
    const KeyCode code = XKeysymToKeycode(display, symbol);
    XTestFakeKeyEvent(display, code, True, 0);
    XTestFakeKeyEvent(display, code, False, 0);
    XFlush(display);
}

int main(int argc, char** argv)
{
    if (argc < 5) {
        fprintf(stderr, "usage: probe CLICK_X CLICK_Y BOXES PROGRAM [ARGUMENT...]\n");
        return 2;
    }
    const int clickX = atoi(argv[1]), clickY = atoi(argv[2]), boxes = atoi(argv[3]);
    display = XOpenDisplay(NULL);
    if (!display) {
        fprintf(stderr, "probe: no display\n");
        return 1;
    }
    XSetErrorHandler(ignoreErrors);
    netWmName = XInternAtom(display, "_NET_WM_NAME", False);
    utf8 = XInternAtom(display, "UTF8_STRING", False);
    int major, minor;
    if (!XDamageQueryExtension(display, &damageEvent, &damageError)
        || !XTestQueryExtension(display, &major, &minor, &major, &minor)) {
        fprintf(stderr, "probe: the X server lacks DAMAGE or XTEST\n");
        return 1;
    }
    const Window root = DefaultRootWindow(display);
    XSelectInput(display, root, SubstructureNotifyMask);
    XSync(display, False);

    const double started = nowMs();
    const pid_t pid = fork();
    if (pid == 0) {
        execvp(argv[4], argv + 4);
        _exit(127);
    }

    /* Start-up: the main window mapped, then painted all over. */
    Window main = waitForMap("Ionvale,1st Edition", 0, 20000);
    if (!main) {
        fprintf(stderr, "probe: the main window never came up\n");
        kill(pid, SIGKILL);
        return 1;
    }
    XWindowAttributes attributes;
    XGetWindowAttributes(display, main, &attributes);
    const Damage damage = XDamageCreate(display, main, XDamageReportRawRectangles);
    long painted = 0;
    const long area = (long)attributes.width * attributes.height;
    XEvent event;
    const double paintDeadline = nowMs() + 20000;
    while (painted < area * 9 / 10 && nextEvent(&event, paintDeadline)) {
        if (event.type == damageEvent + XDamageNotify) {
            const XDamageNotifyEvent* d = (const XDamageNotifyEvent*)&event;
            if (d->drawable == main)
                painted += (long)d->area.width * d->area.height;
        }
    }
    const double startMs = nowMs() - started;
    XDamageDestroy(display, damage);
    settle(700); /* let the program finish what it does after its first paint */

    /* A click on the button, then Return through the boxes. */
    XGetWindowAttributes(display, main, &attributes);
    int x, y;
    Window child;
    XTranslateCoordinates(display, main, root, clickX, clickY + attributes.height - CLIENT_HEIGHT, &x, &y, &child);
    XTestFakeMotionEvent(display, -1, x, y, 0);
    XSync(display, False);
    settle(50);
    const double clicked = nowMs();
    XTestFakeButtonEvent(display, 1, True, 0);
    XTestFakeButtonEvent(display, 1, False, 0);
    XFlush(display);
    Window box = waitForMap("IONVAL~1", 0, 10000);
    const double clickMs = nowMs() - clicked;

    double returnMs = -1;
    for (int shown = 1; box && shown < boxes; ++shown) {
        if (!waitForFocus(box))
            break;
        settle(20);
        const double pressed = nowMs();
        key(XK_Return);
        Window next = waitForMap("IONVAL~1", box, 10000);
        if (shown == 1)
            returnMs = nowMs() - pressed;
        box = next;
    }
    if (box && waitForFocus(box)) {
        settle(20);
        key(XK_Return);
        settle(100);
    }

    /* Memory and what is mapped. */
    char path[64], line[4096];
    long hwm = -1;
    snprintf(path, sizeof path, "/proc/%d/status", (int)pid);
    FILE* file = fopen(path, "r");
    while (file && fgets(line, sizeof line, file))
        if (strncmp(line, "VmHWM:", 6) == 0)
            hwm = atol(line + 6);
    if (file)
        fclose(file);

    static char seen[512][512];
    int libraries = 0, plugins = 0;
    snprintf(path, sizeof path, "/proc/%d/maps", (int)pid);
    file = fopen(path, "r");
    while (file && fgets(line, sizeof line, file)) {
        char* name = strchr(line, '/');
        if (!name || !strstr(name, ".so"))
            continue;
        name[strcspn(name, "\n")] = '\0';
        int known = 0;
        for (int i = 0; i < libraries && !known; ++i)
            known = strcmp(seen[i], name) == 0;
        if (!known && libraries < 512) {
            snprintf(seen[libraries++], sizeof seen[0], "%s", name);
            plugins += strstr(name, "/plugins/") != NULL;
        }
    }
    if (file)
        fclose(file);

    kill(pid, SIGTERM);
    waitpid(pid, NULL, 0);

    printf("start=%.2f click=%.2f return=%.2f hwm=%ld libs=%d plugins=%d\n", startMs, box || clickMs ? clickMs : -1,
           returnMs, hwm, libraries, plugins);
    for (int i = 0; i < libraries; ++i)
        if (strstr(seen[i], "/plugins/"))
            printf("plugin %s\n", seen[i]);
    return clickMs > 0 && returnMs > 0 ? 0 : 1;
}
