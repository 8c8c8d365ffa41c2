// SPDX-License-Identifier: GPL-3.0-or-later
// Milliseconds from the exec of a command to the map of its window titled TITLE, on the
// X display of $DISPLAY, without a window manager (the window is then a child of the root).
//   time_to_map TITLE COMMAND [ARGUMENT...]
// The map is learnt from the X server's MapNotify event rather than by polling, so that the
// timing takes no processor time from the program it times. The command is ended once its
// window is mapped. Exits 1 if it ends first or has no such window within 30 s.
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>
#include <xcb/xcb.h>

static double nowMs(void)
{
    struct timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

static int titled(xcb_connection_t *x, xcb_window_t window, const char *title)
{
    xcb_get_property_reply_t *reply = xcb_get_property_reply(
        x, xcb_get_property(x, 0, window, XCB_ATOM_WM_NAME, XCB_GET_PROPERTY_TYPE_ANY, 0, 256), NULL);
    if (!reply)
        return 0;
    const int length = xcb_get_property_value_length(reply);
    const int same
        = length == (int)strlen(title) && memcmp(xcb_get_property_value(reply), title, length) == 0;
    free(reply);
    return same;
}

int main(int argc, char **argv)
{
    if (argc < 3) {
        fprintf(stderr, "usage: time_to_map TITLE COMMAND [ARGUMENT...]\n");
        return 2;
    }
    xcb_connection_t *x = xcb_connect(NULL, NULL);
    if (xcb_connection_has_error(x)) {
        fprintf(stderr, "cannot open the display\n");
        return 2;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(x)).data->root;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_void_cookie_t selected = xcb_change_window_attributes_checked(x, root, XCB_CW_EVENT_MASK, &mask);
    xcb_generic_error_t *error = xcb_request_check(x, selected);
    if (error) {
        fprintf(stderr, "cannot watch the root window\n");
        return 2;
    }

    // The command gets a connection of its own, not this one.
    fcntl(xcb_get_file_descriptor(x), F_SETFD, FD_CLOEXEC);
    const double start = nowMs();
    const pid_t child = fork();
    if (child == 0) {
        freopen("/dev/null", "r", stdin);
        freopen("/dev/null", "w", stdout);
        freopen("/dev/null", "w", stderr);
        execvp(argv[2], argv + 2);
        _exit(127);
    }
    double mapped = -1;
    struct pollfd fd = { xcb_get_file_descriptor(x), POLLIN, 0 };
    while (mapped < 0 && nowMs() - start < 30000) {
        xcb_generic_event_t *event;
        while (mapped < 0 && (event = xcb_poll_for_event(x))) {
            if ((event->response_type & 0x7f) == XCB_MAP_NOTIFY) {
                const double at = nowMs();
                if (titled(x, ((xcb_map_notify_event_t *)event)->window, argv[1]))
                    mapped = at;
            }
            free(event);
        }
        if (mapped >= 0 || waitpid(child, NULL, WNOHANG) == child)
            break;
        poll(&fd, 1, 100);
    }
    kill(child, SIGTERM);
    waitpid(child, NULL, 0);
    xcb_disconnect(x);
    if (mapped < 0) {
        fprintf(stderr, "no window titled \"%s\" was mapped\n", argv[1]);
        return 1;
    }
    printf("%.1f\n", mapped - start);
    return 0;
}
