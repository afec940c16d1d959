// SPDX-License-Identifier: MIT
// Starts a program and reports how long it took until its first window was
// mapped and until that window showed something other than the black root
// behind it; then asks the window to close, as its close button would, and
// waits for the program to end.
//
//   first_frame [--timeout-ms N] [--settle-ms N] -- program [args...]
//
// Prints "mapped_ms=<ms> frame_ms=<ms>" on stdout. Needs DISPLAY, a root
// window painted black (Xvfb -br) and no window manager.
#include <xcb/xcb.h>

#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double ms_since(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

xcb_atom_t atom(xcb_connection_t* c, const char* name) {
    const auto cookie = xcb_intern_atom(c, 0, static_cast<std::uint16_t>(std::strlen(name)), name);
    std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
        xcb_intern_atom_reply(c, cookie, nullptr), &std::free);
    return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

// True once any pixel of a row through the window's middle is not black.
bool painted(xcb_connection_t* c, xcb_window_t window) {
    const auto geometry_cookie = xcb_get_geometry(c, window);
    std::unique_ptr<xcb_get_geometry_reply_t, decltype(&std::free)> geometry(
        xcb_get_geometry_reply(c, geometry_cookie, nullptr), &std::free);
    if (!geometry || geometry->width == 0) {
        return false;
    }
    const auto row = static_cast<std::int16_t>(geometry->height / 2);
    const auto cookie =
        xcb_get_image(c, XCB_IMAGE_FORMAT_Z_PIXMAP, window, 0, row, geometry->width, 1, ~0u);
    std::unique_ptr<xcb_get_image_reply_t, decltype(&std::free)> image(
        xcb_get_image_reply(c, cookie, nullptr), &std::free);
    if (!image) {
        return false;
    }
    const std::uint8_t* data = xcb_get_image_data(image.get());
    const int length = xcb_get_image_data_length(image.get());
    for (int i = 0; i < length; ++i) {
        if (data[i] != 0) {
            return true;
        }
    }
    return false;
}

void close_politely(xcb_connection_t* c, xcb_window_t window) {
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = window;
    message.type = atom(c, "WM_PROTOCOLS");
    message.data.data32[0] = atom(c, "WM_DELETE_WINDOW");
    message.data.data32[1] = XCB_CURRENT_TIME;
    xcb_send_event(c, 0, window, XCB_EVENT_MASK_NO_EVENT, reinterpret_cast<const char*>(&message));
    xcb_flush(c);
}

// Waits for the child for up to the given time, then kills it.
int reap(pid_t child, int within_ms) {
    const auto start = Clock::now();
    int status = 0;
    while (ms_since(start) < within_ms) {
        if (waitpid(child, &status, WNOHANG) == child) {
            return status;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    kill(child, SIGKILL);
    waitpid(child, &status, 0);
    return status;
}

} // namespace

int main(int argc, char** argv) {
    int timeout_ms = 30000;
    int settle_ms = 300;
    int first = 1;
    for (; first < argc && std::strcmp(argv[first], "--") != 0; ++first) {
        if (std::strcmp(argv[first], "--timeout-ms") == 0 && first + 1 < argc) {
            timeout_ms = std::atoi(argv[++first]);
        } else if (std::strcmp(argv[first], "--settle-ms") == 0 && first + 1 < argc) {
            settle_ms = std::atoi(argv[++first]);
        }
    }
    if (first + 1 >= argc) {
        std::fprintf(stderr,
                     "usage: first_frame [--timeout-ms N] [--settle-ms N] -- program [args...]\n");
        return 2;
    }

    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c) != 0) {
        std::fprintf(stderr, "first_frame: cannot open the display\n");
        return 2;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    // Listening before the program starts, so no mapping can be missed.
    const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(c, root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(c);

    const auto start = Clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[first + 1], argv + first + 1);
        std::perror("first_frame: exec");
        _exit(127);
    }

    xcb_window_t window = XCB_WINDOW_NONE;
    double mapped_ms = -1;
    pollfd fd{xcb_get_file_descriptor(c), POLLIN, 0};
    while (window == XCB_WINDOW_NONE && ms_since(start) < timeout_ms) {
        poll(&fd, 1, 10);
        while (xcb_generic_event_t* event = xcb_poll_for_event(c)) {
            if ((event->response_type & 0x7F) == XCB_MAP_NOTIFY && window == XCB_WINDOW_NONE) {
                const auto* map = reinterpret_cast<xcb_map_notify_event_t*>(event);
                if (map->override_redirect == 0) {
                    window = map->window;
                    mapped_ms = ms_since(start);
                }
            }
            std::free(event);
        }
        if (waitpid(child, nullptr, WNOHANG) == child) {
            std::fprintf(stderr, "first_frame: the program ended before showing a window\n");
            return 1;
        }
    }
    if (window == XCB_WINDOW_NONE) {
        std::fprintf(stderr, "first_frame: no window within %d ms\n", timeout_ms);
        reap(child, 0);
        return 1;
    }

    double frame_ms = -1;
    while (ms_since(start) < timeout_ms) {
        if (painted(c, window)) {
            frame_ms = ms_since(start);
            break;
        }
        std::this_thread::sleep_for(std::chrono::microseconds(500));
    }
    std::printf("mapped_ms=%.1f frame_ms=%.1f\n", mapped_ms, frame_ms);
    std::fflush(stdout);

    std::this_thread::sleep_for(std::chrono::milliseconds(settle_ms));
    close_politely(c, window);
    const int status = reap(child, 5000);
    xcb_disconnect(c);
    return frame_ms < 0 ? 1 : (WIFEXITED(status) ? WEXITSTATUS(status) : 1);
}
