// quillo-mapprobe COMMAND [ARGUMENT...]: starts the command under the X server of $DISPLAY and
// prints the milliseconds from the start until its first top-level window is mapped, and the
// process's resident memory in kB once it has settled; then ends it. Only one program may map
// windows on that server meanwhile: the first window mapped is taken for the command's.

#include <xcb/xcb.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <sstream>
#include <string>

#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

double now()
{
    timespec time{};
    clock_gettime(CLOCK_MONOTONIC, &time);
    return time.tv_sec * 1e3 + time.tv_nsec / 1e6;
}

// The processor time the process has used so far, in clock ticks: fields 14 and 15 of its stat.
long cpuTicks(pid_t pid)
{
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string text((std::istreambuf_iterator<char>(stat)), {});
    std::istringstream fields(text.substr(text.rfind(')') + 2));
    std::string field;
    long utime = 0, stime = 0;
    for (int i = 3; i <= 15 && fields >> field; ++i) {
        if (i == 14)
            utime = std::stol(field);
        if (i == 15)
            stime = std::stol(field);
    }
    return utime + stime;
}

long residentKb(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmRSS:", 0) == 0)
            return std::stol(line.substr(6));
    }
    return -1;
}

// Settled: no processor time used over a tenth of a second; ten seconds at most.
void waitUntilSettled(pid_t pid)
{
    const double deadline = now() + 10000;
    long ticks = cpuTicks(pid);
    int quiet = 0;
    while (quiet < 5 && now() < deadline) {
        usleep(20000);
        const long later = cpuTicks(pid);
        quiet = later == ticks ? quiet + 1 : 0;
        ticks = later;
    }
}

// The milliseconds since start when the first top-level window was mapped; -1 when none was
// within ten seconds or the child ended first.
double waitForMap(xcb_connection_t *connection, xcb_window_t root, pid_t child, double start)
{
    pollfd server{xcb_get_file_descriptor(connection), POLLIN, 0};
    while (now() - start < 10000 && waitpid(child, nullptr, WNOHANG) == 0) {
        poll(&server, 1, 100);
        while (xcb_generic_event_t *event = xcb_poll_for_event(connection)) {
            const auto *map = reinterpret_cast<xcb_map_notify_event_t *>(event);
            const bool topLevel = (event->response_type & 0x7f) == XCB_MAP_NOTIFY
                                  && map->event == root && !map->override_redirect;
            std::free(event);
            if (topLevel)
                return now() - start;
        }
    }
    return -1;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s COMMAND [ARGUMENT...]\n", argv[0]);
        return 2;
    }
    xcb_connection_t *connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection)) {
        std::fprintf(stderr, "cannot connect to the X server\n");
        return 1;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_request_check(connection, xcb_change_window_attributes_checked(connection, root,
                                                                       XCB_CW_EVENT_MASK, &mask));

    const double start = now();
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[1], argv + 1);
        _exit(127);
    }
    const double mapped = waitForMap(connection, root, child, start);
    if (mapped < 0) {
        kill(child, SIGTERM);
        waitpid(child, nullptr, 0);
        std::fprintf(stderr, "no window was mapped within ten seconds\n");
        return 1;
    }
    waitUntilSettled(child);
    std::printf("%.1f %ld\n", mapped, residentKb(child));
    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
    xcb_disconnect(connection);
    return 0;
}
