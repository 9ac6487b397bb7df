// Asks a window to close as a window manager does when its close button is
// pressed: a WM_DELETE_WINDOW message. The tests' bare Xvfb runs no window
// manager, and xdotool can only destroy a window or kill its owner, which no
// user can do and which no program is expected to survive gracefully.
#include <xcb/xcb.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

xcb_atom_t atom(xcb_connection_t* connection, const char* name)
{
    const xcb_intern_atom_cookie_t cookie =
        xcb_intern_atom(connection, 0, std::uint16_t(std::strlen(name)), name);
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(connection, cookie, nullptr);
    const xcb_atom_t found = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    std::free(reply);
    return found;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s WINDOW_ID\n", argv[0]);
        return 2;
    }
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection)) {
        std::fprintf(stderr, "cannot open the display\n");
        return 1;
    }
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = xcb_window_t(std::strtoul(argv[1], nullptr, 0));
    message.type = atom(connection, "WM_PROTOCOLS");
    message.data.data32[0] = atom(connection, "WM_DELETE_WINDOW");
    message.data.data32[1] = XCB_CURRENT_TIME;
    const xcb_void_cookie_t sent = xcb_send_event_checked(connection, 0, message.window,
        XCB_EVENT_MASK_NO_EVENT, reinterpret_cast<const char*>(&message));
    xcb_generic_error_t* error = xcb_request_check(connection, sent);
    const bool failed = error != nullptr;
    if (failed)
        std::fprintf(stderr, "window %s cannot be sent a message (X error %d)\n", argv[1],
                     error->error_code);
    std::free(error);
    xcb_disconnect(connection);
    return failed ? 1 : 0;
}
