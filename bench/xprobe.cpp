// Measures a program on an X server without disturbing it.
//   xprobe start PROGRAM...    milliseconds from exec to the first window mapped, then
//                              after 3 s the peak and current resident and the private
//                              memory (kB)
//   xprobe latency N PROGRAM...  for N title changes, milliseconds past the turn of the minute
//   xprobe shot FILE.ppm       the whole screen as a picture
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <initializer_list>
#include <poll.h>
#include <signal.h>
#include <string>
#include <sys/time.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

double nowMs()
{
    timeval tv{};
    gettimeofday(&tv, nullptr);
    return static_cast<double>(tv.tv_sec) * 1000.0 + static_cast<double>(tv.tv_usec) / 1000.0;
}

// The sum of the named fields (kB) of a /proc file of the process.
long sumKb(pid_t pid, const char* file, std::initializer_list<const char*> fields)
{
    std::ifstream in("/proc/" + std::to_string(pid) + "/" + file);
    std::string line;
    long total = 0;
    while (std::getline(in, line))
        for (const char* field : fields)
            if (line.rfind(field, 0) == 0)
                total += std::atol(line.c_str() + std::strlen(field));
    return total;
}

pid_t launch(char** argv)
{
    const pid_t pid = fork();
    if (pid == 0) {
        execvp(argv[0], argv);
        _exit(127);
    }
    return pid;
}

// The next X event, or false when the program ended or nothing came for ten seconds.
bool nextEvent(Display* display, pid_t pid, XEvent& event)
{
    const double deadline = nowMs() + 10000;
    while (XPending(display) == 0) {
        if (waitpid(pid, nullptr, WNOHANG) == pid || nowMs() > deadline)
            return false;
        pollfd connection{ConnectionNumber(display), POLLIN, 0};
        poll(&connection, 1, 50);
    }
    XNextEvent(display, &event);
    return true;
}

// The first large window mapped: the main window, when nothing comes up before it.
Window waitForMap(Display* display, pid_t pid)
{
    XEvent event;
    while (nextEvent(display, pid, event)) {
        if (event.type != MapNotify)
            continue;
        XWindowAttributes attributes;
        if (XGetWindowAttributes(display, event.xmap.window, &attributes) != 0 && attributes.width > 50 &&
            !attributes.override_redirect)
            return event.xmap.window;
    }
    return None;
}

std::string title(Display* display, Window window)
{
    const Atom name = XInternAtom(display, "_NET_WM_NAME", False);
    const Atom utf8 = XInternAtom(display, "UTF8_STRING", False);
    Atom type;
    int format;
    unsigned long items, after;
    unsigned char* data = nullptr;
    std::string text;
    if (XGetWindowProperty(display, window, name, 0, 1024, False, utf8, &type, &format, &items, &after, &data) ==
            Success &&
        data != nullptr) {
        text.assign(reinterpret_cast<char*>(data), items);
        XFree(data);
    }
    return text;
}

int writeScreen(Display* display, const char* path)
{
    const Window root = DefaultRootWindow(display);
    XWindowAttributes attributes;
    XGetWindowAttributes(display, root, &attributes);
    XImage* image = XGetImage(display, root, 0, 0, static_cast<unsigned>(attributes.width),
                              static_cast<unsigned>(attributes.height), AllPlanes, ZPixmap);
    std::FILE* out = image != nullptr ? std::fopen(path, "wb") : nullptr;
    if (out == nullptr) {
        std::fprintf(stderr, "xprobe: cannot write %s\n", path);
        return 1;
    }
    std::fprintf(out, "P6\n%d %d\n255\n", image->width, image->height);
    for (int y = 0; y < image->height; ++y)
        for (int x = 0; x < image->width; ++x) {
            const unsigned long pixel = XGetPixel(image, x, y);
            const unsigned char rgb[3] = {static_cast<unsigned char>(pixel >> 16),
                                          static_cast<unsigned char>(pixel >> 8), static_cast<unsigned char>(pixel)};
            std::fwrite(rgb, 1, 3, out);
        }
    std::fclose(out);
    XDestroyImage(image);
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: xprobe start PROGRAM... | xprobe latency N PROGRAM... | xprobe shot FILE.ppm\n");
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "xprobe: no X display\n");
        return 1;
    }
    if (std::strcmp(argv[1], "shot") == 0)
        return writeScreen(display, argv[2]);
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);

    const bool latency = std::strcmp(argv[1], "latency") == 0;
    const int samples = latency ? std::atoi(argv[2]) : 0;
    char** program = argv + (latency ? 3 : 2);

    const double start = nowMs();
    const pid_t pid = launch(program);
    const Window window = waitForMap(display, pid);
    if (window == None) {
        std::fprintf(stderr, "xprobe: %s showed no window\n", program[0]);
        kill(pid, SIGKILL);
        return 1;
    }
    if (!latency) {
        std::printf("mapped_ms %.1f\n", nowMs() - start);
        std::fflush(stdout);
        sleep(3);
        std::printf("peak_rss_kb %ld\n", sumKb(pid, "status", {"VmHWM:"}));
        std::printf("rss_kb %ld\n", sumKb(pid, "status", {"VmRSS:"}));
        // What the process alone holds: its private pages, shared with no other process.
        std::printf("uss_kb %ld\n", sumKb(pid, "smaps_rollup", {"Private_Clean:", "Private_Dirty:"}));
    } else {
        XSelectInput(display, window, PropertyChangeMask);
        const Atom name = XInternAtom(display, "_NET_WM_NAME", False);
        std::string last = title(display, window);
        for (int seen = 0; seen < samples;) {
            XEvent event;
            if (XPending(display) == 0 && waitpid(pid, nullptr, WNOHANG) == pid) {
                std::fprintf(stderr, "xprobe: %s ended\n", program[0]);
                return 1;
            }
            XNextEvent(display, &event);
            if (event.type != PropertyNotify || event.xproperty.atom != name)
                continue;
            const std::string now = title(display, window);
            if (now == last)
                continue;
            last = now;
            const double ms = nowMs();
            std::printf("title_ms_past_minute %.1f %s\n",
                        static_cast<double>(static_cast<long long>(ms) % 60000) +
                            (ms - static_cast<double>(static_cast<long long>(ms))),
                        now.c_str());
            std::fflush(stdout);
            ++seen;
        }
    }
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    XCloseDisplay(display);
    return 0;
}
