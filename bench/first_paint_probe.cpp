// Times a window program's start-up from outside, on an X display:
//
//   pilaro_first_paint <program> [arguments...]
//
// prints "<ms to map> <ms to first paint> <peak resident KiB> <CPU ms to
// first paint>" and ends the program. The clock starts just before fork(),
// so it covers exec, dynamic linking and everything the program does before
// it shows its window. The first paint is the first moment the mapped
// window holds more than one colour: until the program draws, a window
// without a background shows the uniform root of the display. The peak
// resident size is the child's ru_maxrss from wait4(), the figure
// /usr/bin/time prints as %M. The CPU time is what every thread of the
// program has run until its first paint was seen (from
// /proc/<pid>/task/*/schedstat): unlike the time to the first paint, it
// hardly moves when other work shares the machine's cores, but it counts
// work done beside the main thread as well.
#include <dirent.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

double nowMs() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) * 1e-6;
}

void sleepMs(long ms) {
    timespec t{0, ms * 1'000'000L};
    nanosleep(&t, nullptr);
}

constexpr double kGiveUpMs = 30'000;

// The CPU time (ms) all threads of a process have run so far; -1 where
// the kernel does not tell it.
double cpuMs(pid_t pid) {
    char path[64];
    std::snprintf(path, sizeof path, "/proc/%d/task", static_cast<int>(pid));
    DIR* tasks = opendir(path);
    if (!tasks) return -1;
    double total = 0;
    while (const dirent* task = readdir(tasks)) {
        if (task->d_name[0] == '.') continue;
        char stat[300];
        std::snprintf(stat, sizeof stat, "/proc/%d/task/%s/schedstat", static_cast<int>(pid),
                      task->d_name);
        if (std::FILE* file = std::fopen(stat, "r")) {
            unsigned long long ns = 0;
            if (std::fscanf(file, "%llu", &ns) == 1) total += static_cast<double>(ns) * 1e-6;
            std::fclose(file);
        }
    }
    closedir(tasks);
    return total;
}

// The first top-level window mapped after the program starts; 0 on timeout.
xcb_window_t waitForMap(xcb_connection_t* x, xcb_window_t root, double start) {
    while (nowMs() - start < kGiveUpMs) {
        xcb_generic_event_t* event = xcb_poll_for_event(x);
        if (!event) {
            if (xcb_connection_has_error(x)) return 0;
            sleepMs(1);
            continue;
        }
        xcb_window_t mapped = 0;
        if ((event->response_type & 0x7f) == XCB_MAP_NOTIFY) {
            const auto* map = reinterpret_cast<xcb_map_notify_event_t*>(event);
            if (map->event == root && !map->override_redirect) mapped = map->window;
        }
        std::free(event);
        if (mapped) return mapped;
    }
    return 0;
}

// True when the window's pixels are not all of one value.
bool showsContent(xcb_connection_t* x, xcb_window_t window) {
    xcb_get_geometry_reply_t* geometry =
        xcb_get_geometry_reply(x, xcb_get_geometry(x, window), nullptr);
    if (!geometry) return false;
    const std::uint16_t width = geometry->width;
    const std::uint16_t height = geometry->height;
    std::free(geometry);
    xcb_get_image_reply_t* image = xcb_get_image_reply(
        x, xcb_get_image(x, XCB_IMAGE_FORMAT_Z_PIXMAP, window, 0, 0, width, height, ~0U), nullptr);
    if (!image) return false;  // not viewable yet
    const int length = xcb_get_image_data_length(image);
    const std::uint8_t* data = xcb_get_image_data(image);
    bool varied = false;
    // 24-bit depth comes as 4 bytes a pixel; compare whole pixels.
    for (int i = 4; i + 3 < length && !varied; i += 4) varied = std::memcmp(data, data + i, 3) != 0;
    std::free(image);
    return varied;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s program [arguments...]\n", argv[0]);
        return 2;
    }
    int screenNumber = 0;
    xcb_connection_t* x = xcb_connect(nullptr, &screenNumber);
    if (xcb_connection_has_error(x)) {
        std::fprintf(stderr, "cannot open the display\n");
        return 2;
    }
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(x));
    for (int i = 0; i < screenNumber; ++i) xcb_screen_next(&screens);
    const xcb_window_t root = screens.data->root;
    const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(x, root, XCB_CW_EVENT_MASK, &mask);
    std::free(xcb_get_input_focus_reply(x, xcb_get_input_focus(x), nullptr));  // in effect now

    const double start = nowMs();
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[1], argv + 1);
        _exit(127);
    }
    double mappedMs = -1;
    double paintedMs = -1;
    double paintedCpuMs = -1;
    if (const xcb_window_t window = waitForMap(x, root, start)) {
        mappedMs = nowMs() - start;
        while (nowMs() - start < kGiveUpMs) {
            if (showsContent(x, window)) {
                paintedMs = nowMs() - start;
                paintedCpuMs = cpuMs(child);
                break;
            }
            sleepMs(2);
        }
    }
    // Let the program settle after its first paint before its peak size is
    // read, so that work it does just after showing the window counts too.
    sleepMs(300);
    kill(child, SIGTERM);
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    xcb_disconnect(x);
    if (paintedMs < 0) {
        std::fprintf(stderr, "%s: no window painted\n", argv[1]);
        return 1;
    }
    std::printf("%.1f %.1f %ld %.1f\n", mappedMs, paintedMs, usage.ru_maxrss, paintedCpuMs);
    return 0;
}
