// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// Start-up measurement helper: starts a program and prints two times from launch (ms): until X
// maps a top-level window with the given title, and until that window's first frame is drawn
// (the program has drawn over the whole window: what a user sees); then the program's resident
// memory once the window is shown (KiB), and the processor time the program had used by its
// first frame (ms; steadier than the times on a busy machine). Then it ends the program.
//
// The first frame is the fair moment to compare: a window whose size needs no text is mapped
// before it loads its fonts and draws, one whose fixed size includes a menu bar only after.
// It is seen through the X DAMAGE extension, on every top-level window from its creation.
//
// Usage: launch-and-wait TITLE PROGRAM [ARGS...]   (DISPLAY must name a running X server)
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/Xdamage.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

std::string windowTitle(Display *display, Window window)
{
    char *name = nullptr;
    std::string title;
    if (XFetchName(display, window, &name) && name)
        title = name;
    if (name)
        XFree(name);
    return title;
}

long residentKiB(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0)
            return std::strtol(line.c_str() + 6, nullptr, 10);
    }
    return -1;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s TITLE PROGRAM [ARGS...]\n", argv[0]);
        return 64;
    }
    const std::string wanted = argv[1];
    Display *display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "cannot open the display\n");
        return 1;
    }
    int damageEvent = 0;
    int damageError = 0;
    if (!XDamageQueryExtension(display, &damageEvent, &damageError)) {
        std::fprintf(stderr, "the X server has no DAMAGE extension\n");
        return 1;
    }
    const Window root = DefaultRootWindow(display);
    XSelectInput(display, root, SubstructureNotifyMask);
    XSync(display, False);

    const auto started = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[2], argv + 2);
        _exit(127);
    }
    const auto since = [&started] {
        return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - started)
            .count();
    };

    // Each top-level window is watched from its creation, so that no drawing goes unseen (the
    // damage objects go with the connection); its size at the map says how much must be drawn
    // for a whole frame.
    Window shown = 0;
    long area = 0;
    long drawn = 0;
    double mappedMs = -1;
    double frameMs = -1;
    long long cpuNs = 0;
    const int fd = ConnectionNumber(display);
    while (frameMs < 0) {
        while (XPending(display)) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == CreateNotify && event.xcreatewindow.parent == root) {
                XDamageCreate(display, event.xcreatewindow.window, XDamageReportRawRectangles);
                XFlush(display);
            } else if (event.type == MapNotify && !shown
                       && windowTitle(display, event.xmap.window) == wanted) {
                mappedMs = since();
                shown = event.xmap.window;
                XWindowAttributes attributes;
                XGetWindowAttributes(display, shown, &attributes);
                area = long(attributes.width) * attributes.height;
            } else if (event.type == damageEvent + XDamageNotify) {
                const auto &damage = reinterpret_cast<const XDamageNotifyEvent &>(event);
                if (shown && damage.drawable == shown) {
                    drawn += long(damage.area.width) * damage.area.height;
                    if (drawn >= area) {
                        frameMs = since();
                        // The first field of schedstat: nanoseconds on a processor.
                        std::ifstream sched("/proc/" + std::to_string(child) + "/schedstat");
                        sched >> cpuNs;
                    }
                }
            }
        }
        if (frameMs >= 0)
            break;
        if (std::chrono::steady_clock::now() - started > std::chrono::seconds(30)) {
            std::fprintf(stderr, "timed out waiting for \"%s\" %s\n", wanted.c_str(),
                shown ? "to be drawn" : "to be mapped");
            kill(child, SIGKILL);
            waitpid(child, nullptr, 0);
            return 1;
        }
        fd_set readable;
        FD_ZERO(&readable);
        FD_SET(fd, &readable);
        timeval timeout{0, 20000};
        select(fd + 1, &readable, nullptr, nullptr, &timeout);
    }
    // Let the first frame settle before reading the memory.
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    const long rss = residentKiB(child);
    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
    XCloseDisplay(display);
    std::printf("%.1f %.1f %ld %.1f\n", mappedMs, frameMs, rss, cpuNs / 1e6);
    return 0;
}
