// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
// Starts a program on the current X display, waits until it maps its first
// top-level window, then closes that window the way a window manager's close
// box does (a WM_DELETE_WINDOW message) and waits for the program to end.
//
//   ringfeld_x11_probe [--timeout-ms N] [--keep-ms N] [--second-window-key K] -- program [arguments]
//
// With --second-window-key K it first presses Ctrl+K in that window, waits for
// the program's second top-level window, closes it through its close box, which
// must only hide it, and presses Ctrl+K once more, so that the main window is
// closed while the second one stands open.
//
// Prints shown_ms (process start to window mapped), exit_status and maxrss_kb
// (the program's peak resident memory) and exits with 0 only when the window
// appeared and the program then ended with status 0.

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <poll.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;

double msSince(Clock::time_point t0) { return std::chrono::duration<double, std::milli>(Clock::now() - t0).count(); }

long windowPid(Display* dpy, Window w) {
    const Atom pidAtom = XInternAtom(dpy, "_NET_WM_PID", False);
    Atom type;
    int format;
    unsigned long count, after;
    unsigned char* data = nullptr;
    long pid = -1;
    if (XGetWindowProperty(dpy, w, pidAtom, 0, 1, False, XA_CARDINAL, &type, &format, &count, &after, &data) ==
            Success &&
        data && count == 1 && format == 32)
        pid = static_cast<long>(*reinterpret_cast<unsigned long*>(data));
    if (data) XFree(data);
    return pid;
}

int usage() {
    std::fprintf(stderr,
                 "usage: ringfeld_x11_probe [--timeout-ms N] [--keep-ms N] [--second-window-key K] -- program "
                 "[arguments]\n");
    return 2;
}

// The request a window manager sends when the user clicks a window's close box.
void closeBox(Display* dpy, Window w) {
    XEvent close{};
    close.xclient.type = ClientMessage;
    close.xclient.window = w;
    close.xclient.message_type = XInternAtom(dpy, "WM_PROTOCOLS", False);
    close.xclient.format = 32;
    close.xclient.data.l[0] = static_cast<long>(XInternAtom(dpy, "WM_DELETE_WINDOW", False));
    close.xclient.data.l[1] = CurrentTime;
    XSendEvent(dpy, w, False, NoEventMask, &close);
    XFlush(dpy);
}

// Gives the window the keyboard focus and presses Ctrl+letter in it.
void ctrlKey(Display* dpy, Window w, const char* letter) {
    XSetInputFocus(dpy, w, RevertToParent, CurrentTime);
    XSync(dpy, False);
    std::this_thread::sleep_for(std::chrono::milliseconds(300));  // let the program take the focus
    XEvent key{};
    key.xkey.display = dpy;
    key.xkey.window = w;
    key.xkey.root = DefaultRootWindow(dpy);
    key.xkey.time = CurrentTime;
    key.xkey.same_screen = True;
    key.xkey.state = ControlMask;
    key.xkey.keycode = XKeysymToKeycode(dpy, XStringToKeysym(letter));
    for (int type : {KeyPress, KeyRelease}) {
        key.xkey.type = type;
        XSendEvent(dpy, w, True, type == KeyPress ? KeyPressMask : KeyReleaseMask, &key);
    }
    XFlush(dpy);
}

// Waits for a top-level window of the program other than `not` to be mapped
// (or, with unmap, for `not` itself to be unmapped); 0 when none came in time.
Window awaitWindow(Display* dpy, pid_t pid, Window not_, bool unmap, long timeoutMs) {
    const auto t0 = Clock::now();
    while (msSince(t0) < timeoutMs) {
        while (XPending(dpy)) {
            XEvent ev;
            XNextEvent(dpy, &ev);
            if (unmap && ev.type == UnmapNotify && ev.xunmap.window == not_) return not_;
            if (!unmap && ev.type == MapNotify && !ev.xmap.override_redirect && ev.xmap.window != not_ &&
                windowPid(dpy, ev.xmap.window) == pid)
                return ev.xmap.window;
        }
        pollfd fd{ConnectionNumber(dpy), POLLIN, 0};
        poll(&fd, 1, 2);
    }
    return 0;
}

}  // namespace

int main(int argc, char* argv[]) {
    long timeoutMs = 20000, keepMs = 0;
    const char* secondWindowKey = nullptr;
    int i = 1;
    for (; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--")) break;
        if (!std::strcmp(argv[i], "--timeout-ms") && i + 1 < argc)
            timeoutMs = std::atol(argv[++i]);
        else if (!std::strcmp(argv[i], "--keep-ms") && i + 1 < argc)
            keepMs = std::atol(argv[++i]);
        else if (!std::strcmp(argv[i], "--second-window-key") && i + 1 < argc)
            secondWindowKey = argv[++i];
        else
            return usage();
    }
    if (i + 1 >= argc) return usage();
    char** command = argv + i + 1;

    Display* dpy = XOpenDisplay(nullptr);
    if (!dpy) {
        std::fprintf(stderr, "cannot open the X display\n");
        return 2;
    }
    const Window root = DefaultRootWindow(dpy);
    XSelectInput(dpy, root, SubstructureNotifyMask);
    XSync(dpy, False);

    const auto t0 = Clock::now();
    const pid_t child = fork();
    if (child < 0) return 2;
    if (child == 0) {
        close(ConnectionNumber(dpy));
        execvp(command[0], command);
        std::perror("exec");
        _exit(127);
    }

    Window shown = 0;
    double shownMs = 0;
    int status = 0;
    bool ended = false;
    while (!shown && !ended && msSince(t0) < timeoutMs) {
        while (XPending(dpy)) {
            XEvent ev;
            XNextEvent(dpy, &ev);
            if (ev.type == MapNotify && !ev.xmap.override_redirect && windowPid(dpy, ev.xmap.window) == child) {
                shown = ev.xmap.window;
                shownMs = msSince(t0);
                break;
            }
        }
        if (shown) break;
        if (waitpid(child, &status, WNOHANG) == child) ended = true;
        pollfd fd{ConnectionNumber(dpy), POLLIN, 0};
        poll(&fd, 1, 2);
    }

    if (!shown) {
        std::printf("shown_ms=none\n");
        if (!ended) kill(child, SIGKILL);
        return 1;
    }
    std::printf("shown_ms=%.1f\n", shownMs);
    if (keepMs > 0) std::this_thread::sleep_for(std::chrono::milliseconds(keepMs));

    if (secondWindowKey) {
        ctrlKey(dpy, shown, secondWindowKey);
        const Window second = awaitWindow(dpy, child, shown, false, timeoutMs);
        std::printf("second_shown=%s\n", second ? "yes" : "no");
        bool hidden = false;
        if (second) {
            closeBox(dpy, second);
            hidden = awaitWindow(dpy, child, second, true, timeoutMs) != 0 && waitpid(child, &status, WNOHANG) == 0;
        }
        std::printf("second_hidden_by_close_box=%s\n", hidden ? "yes" : "no");
        const bool again = hidden && (ctrlKey(dpy, shown, secondWindowKey),
                                      awaitWindow(dpy, child, shown, false, timeoutMs) == second);
        std::printf("second_shown_again=%s\n", again ? "yes" : "no");
        if (!again) {
            kill(child, SIGKILL);
            waitpid(child, &status, 0);
            return 1;
        }
    }

    closeBox(dpy, shown);

    rusage usage{};
    const auto closeAt = Clock::now();
    while (true) {
        const pid_t done = wait4(child, &status, WNOHANG, &usage);
        if (done == child) break;
        if (msSince(closeAt) > timeoutMs) {
            std::printf("exit_status=none (still running after the close request)\n");
            kill(child, SIGKILL);
            waitpid(child, &status, 0);
            return 1;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    XCloseDisplay(dpy);

    const int code = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    std::printf("exit_status=%d\nmaxrss_kb=%ld\n", code, usage.ru_maxrss);
    return code == 0 ? 0 : 1;
}
