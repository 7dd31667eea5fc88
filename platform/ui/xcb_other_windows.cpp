#include "platform/ui/xcb_other_windows.h"

#include <xcb/res.h>
#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>
#include <optional>

namespace pemo::ui {
namespace {

// Replies are owned by xcb and freed with free().
template <typename Reply>
using Owned = std::unique_ptr<Reply, decltype(&std::free)>;

template <typename Reply>
Owned<Reply> own(Reply* reply) {
  return Owned<Reply>(reply, &std::free);
}

// A property's text in UTF-8: `_NET_WM_NAME` already is; a Latin-1 STRING is converted.
std::string latin1ToUtf8(const char* bytes, int length) {
  std::string text;
  for (int i = 0; i < length; ++i) {
    const auto c = static_cast<unsigned char>(bytes[i]);
    if (c < 0x80) {
      text += static_cast<char>(c);
    } else {
      text += static_cast<char>(0xC0 | (c >> 6));
      text += static_cast<char>(0x80 | (c & 0x3F));
    }
  }
  return text;
}

// Long enough for any title or client list a desktop holds (in 32-bit units).
constexpr uint32_t kLongLength = 1u << 16;

}  // namespace

struct XcbOtherWindows::Connection {
  xcb_connection_t* c = nullptr;
  xcb_window_t root = 0;
  xcb_atom_t clientList = 0, wmPid = 0, netWmName = 0, utf8String = 0, activeWindow = 0, wmCheck = 0;
  // The server can name the process behind any window of a local client (X-Resource 1.2).
  bool serverKnowsClients = false;

  xcb_atom_t atom(const char* name) {
    auto reply = own(xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, std::strlen(name), name), nullptr));
    return reply ? reply->atom : static_cast<xcb_atom_t>(XCB_ATOM_NONE);
  }

  // The first 32-bit value of a property, or 0 when the window does not have it.
  static uint32_t firstValue(xcb_get_property_reply_t* reply) {
    if (!reply || reply->format != 32 || xcb_get_property_value_length(reply) < 4) return 0;
    return *static_cast<uint32_t*>(xcb_get_property_value(reply));
  }

  xcb_get_property_cookie_t ask(xcb_window_t window, xcb_atom_t property, xcb_atom_t type, uint32_t length) {
    return xcb_get_property(c, 0, window, property, type, 0, length);
  }
  Owned<xcb_get_property_reply_t> answer(xcb_get_property_cookie_t cookie) {
    return own(xcb_get_property_reply(c, cookie, nullptr));
  }

  // A window manager that follows the desktop hints names a window of its own on the
  // root, and that window names itself.
  bool windowManagerRuns() {
    const uint32_t check = firstValue(answer(ask(root, wmCheck, XCB_ATOM_WINDOW, 1)).get());
    return check != 0 && firstValue(answer(ask(check, wmCheck, XCB_ATOM_WINDOW, 1)).get()) == check;
  }

  std::vector<xcb_window_t> managedWindows() {
    auto reply = answer(ask(root, clientList, XCB_ATOM_WINDOW, kLongLength));
    if (!reply || reply->format != 32) return {};
    auto* ids = static_cast<xcb_window_t*>(xcb_get_property_value(reply.get()));
    return {ids, ids + xcb_get_property_value_length(reply.get()) / 4};
  }

  // Without a window manager: the root's children that are shown and are not menus or
  // tooltips (which bypass a window manager).
  std::vector<xcb_window_t> mappedChildren() {
    auto tree = own(xcb_query_tree_reply(c, xcb_query_tree(c, root), nullptr));
    if (!tree) return {};
    xcb_window_t* children = xcb_query_tree_children(tree.get());
    const int count = xcb_query_tree_children_length(tree.get());
    std::vector<xcb_get_window_attributes_cookie_t> cookies;
    for (int i = 0; i < count; ++i) cookies.push_back(xcb_get_window_attributes(c, children[i]));
    std::vector<xcb_window_t> shown;
    for (int i = 0; i < count; ++i) {
      auto attributes = own(xcb_get_window_attributes_reply(c, cookies[i], nullptr));
      if (attributes && attributes->map_state == XCB_MAP_STATE_VIEWABLE && !attributes->override_redirect)
        shown.push_back(children[i]);
    }
    return shown;
  }

  // Asks the server which local process owns the window; nothing is sent to a server
  // without the extension.
  std::optional<xcb_res_query_client_ids_cookie_t> askOwner(xcb_window_t window) {
    if (!serverKnowsClients) return std::nullopt;
    const xcb_res_client_id_spec_t wanted{window, XCB_RES_CLIENT_ID_MASK_LOCAL_CLIENT_PID};
    return xcb_res_query_client_ids(c, 1, &wanted);
  }

  // The process id in the server's answer, or 0 (a remote client, a window gone).
  long ownerPid(const std::optional<xcb_res_query_client_ids_cookie_t>& cookie) {
    if (!cookie) return 0;
    xcb_generic_error_t* error = nullptr;
    auto reply = own(xcb_res_query_client_ids_reply(c, *cookie, &error));
    std::free(error);
    if (!reply) return 0;
    for (auto ids = xcb_res_query_client_ids_ids_iterator(reply.get()); ids.rem; xcb_res_client_id_value_next(&ids)) {
      if (ids.data->spec.mask == XCB_RES_CLIENT_ID_MASK_LOCAL_CLIENT_PID &&
          xcb_res_client_id_value_value_length(ids.data) >= 1)
        return static_cast<long>(*xcb_res_client_id_value_value(ids.data));
    }
    return 0;
  }

  // Client ids came with version 1.2 of the extension.
  bool serverHasClientIds() {
    const xcb_query_extension_reply_t* extension = xcb_get_extension_data(c, &xcb_res_id);
    if (!extension || !extension->present) return false;
    auto version = own(xcb_res_query_version_reply(c, xcb_res_query_version(c, 1, 2), nullptr));
    return version && (version->server_major > 1 || (version->server_major == 1 && version->server_minor >= 2));
  }

  bool viewable(xcb_window_t window) {
    auto attributes = own(xcb_get_window_attributes_reply(c, xcb_get_window_attributes(c, window), nullptr));
    return attributes && attributes->map_state == XCB_MAP_STATE_VIEWABLE;
  }
};

XcbOtherWindows::XcbOtherWindows(const char* display) : x_(std::make_unique<Connection>()) {
  int screenNumber = 0;
  x_->c = xcb_connect(display, &screenNumber);
  if (xcb_connection_has_error(x_->c)) {
    xcb_disconnect(x_->c);
    x_->c = nullptr;
    return;
  }
  xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(x_->c));
  for (int i = 0; i < screenNumber && screens.rem; ++i) xcb_screen_next(&screens);
  x_->root = screens.data->root;
  x_->clientList = x_->atom("_NET_CLIENT_LIST");
  x_->wmPid = x_->atom("_NET_WM_PID");
  x_->netWmName = x_->atom("_NET_WM_NAME");
  x_->utf8String = x_->atom("UTF8_STRING");
  x_->activeWindow = x_->atom("_NET_ACTIVE_WINDOW");
  x_->wmCheck = x_->atom("_NET_SUPPORTING_WM_CHECK");
  x_->serverKnowsClients = x_->serverHasClientIds();
}

XcbOtherWindows::~XcbOtherWindows() {
  if (x_->c) xcb_disconnect(x_->c);
}

bool XcbOtherWindows::connected() const { return x_->c != nullptr; }

std::vector<OtherWindow> XcbOtherWindows::topLevelWindows() {
  if (!x_->c) return {};
  Connection& x = *x_;
  const std::vector<xcb_window_t> ids = x.windowManagerRuns() ? x.managedWindows() : x.mappedChildren();

  // Every question goes out before the first answer is read: one round trip in all. The
  // server is asked for each window's owner as well, since many X programs (Xt and
  // Athena ones among them) never set _NET_WM_PID.
  struct Asked {
    xcb_get_property_cookie_t pid, transientFor, netName, name;
    std::optional<xcb_res_query_client_ids_cookie_t> owner;
  };
  std::vector<Asked> asked;
  asked.reserve(ids.size());
  for (xcb_window_t id : ids)
    asked.push_back({x.ask(id, x.wmPid, XCB_ATOM_CARDINAL, 1), x.ask(id, XCB_ATOM_WM_TRANSIENT_FOR, XCB_ATOM_WINDOW, 1),
                     x.ask(id, x.netWmName, x.utf8String, kLongLength),
                     x.ask(id, XCB_ATOM_WM_NAME, XCB_GET_PROPERTY_TYPE_ANY, kLongLength), x.askOwner(id)});

  std::vector<OtherWindow> windows;
  windows.reserve(ids.size());
  for (size_t i = 0; i < ids.size(); ++i) {
    OtherWindow window;
    window.id = ids[i];
    window.pid = static_cast<long>(Connection::firstValue(x.answer(asked[i].pid).get()));
    // Read either way, so that no answer is left waiting on the connection.
    const long owner = x.ownerPid(asked[i].owner);
    if (window.pid == 0) window.pid = owner;
    window.hasParent = Connection::firstValue(x.answer(asked[i].transientFor).get()) != 0;
    auto netName = x.answer(asked[i].netName);
    auto name = x.answer(asked[i].name);
    if (netName && netName->format == 8 && netName->type == x.utf8String) {
      window.title.assign(static_cast<const char*>(xcb_get_property_value(netName.get())),
                          xcb_get_property_value_length(netName.get()));
    } else if (name && name->format == 8) {
      const auto* bytes = static_cast<const char*>(xcb_get_property_value(name.get()));
      const int length = xcb_get_property_value_length(name.get());
      window.title = name->type == XCB_ATOM_STRING ? latin1ToUtf8(bytes, length) : std::string(bytes, length);
    }
    windows.push_back(std::move(window));
  }
  return windows;
}

void XcbOtherWindows::bringToFront(uint32_t id) {
  if (!x_->c || id == 0) return;
  Connection& x = *x_;
  if (x.windowManagerRuns()) {
    // Asked as a pager would: window managers honour that more readily than a program's own request.
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = id;
    message.type = x.activeWindow;
    message.data.data32[0] = 2;
    message.data.data32[1] = XCB_CURRENT_TIME;
    xcb_send_event(x.c, 0, x.root, XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&message));
  } else if (x.viewable(id)) {
    const uint32_t above = XCB_STACK_MODE_ABOVE;
    xcb_configure_window(x.c, id, XCB_CONFIG_WINDOW_STACK_MODE, &above);
    xcb_set_input_focus(x.c, XCB_INPUT_FOCUS_POINTER_ROOT, id, XCB_CURRENT_TIME);
  }
  xcb_flush(x.c);
  // Errors of a window that went in between arrive as events nobody reads here.
  while (auto* event = xcb_poll_for_event(x.c)) std::free(event);
}

}  // namespace pemo::ui
