// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// Start-up measurement helper: starts a program, waits until X maps a top-level window with the
// given title, and prints the time from launch to that moment (ms) and the program's resident
// memory once the window is shown (KiB). Then it ends the program.
//
// Usage: launch-and-wait TITLE PROGRAM [ARGS...]   (DISPLAY must name a running X server)
#include <X11/Xlib.h>
#include <X11/Xutil.h>

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
    const Window root = DefaultRootWindow(display);
    XSelectInput(display, root, SubstructureNotifyMask);
    XSync(display, False);

    const auto started = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[2], argv + 2);
        _exit(127);
    }

    const int fd = ConnectionNumber(display);
    bool found = false;
    while (!found) {
        while (XPending(display)) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == MapNotify && windowTitle(display, event.xmap.window) == wanted)
                found = true;
        }
        if (found)
            break;
        if (std::chrono::steady_clock::now() - started > std::chrono::seconds(30)) {
            std::fprintf(stderr, "timed out waiting for \"%s\"\n", wanted.c_str());
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
    const double ms = std::chrono::duration<double, std::milli>(
                          std::chrono::steady_clock::now() - started)
                          .count();
    // Let the first frame settle before reading the memory.
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    const long rss = residentKiB(child);
    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
    XCloseDisplay(display);
    std::printf("%.1f %ld\n", ms, rss);
    return 0;
}
