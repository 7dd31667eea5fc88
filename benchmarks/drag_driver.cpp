// Drives a window of another program through the X server as a hand would, and prints how
// long the program takes to follow: a band drawn with the left button over the objects,
// then a group drag of what the band selected. Each pointer step is an XTest event
// followed by a _NET_WM_PING round trip; the toolkit answers the ping only after it has
// handled every event before it, so the time up to the answer is what the user waits.
//
//   drag_driver WINDOW BAND_X1 BAND_Y1 BAND_X2 BAND_Y2 GRAB_X GRAB_Y [STEPS] [LABEL] [PAUSE_MS]
//
// The points are in the window's client area. PAUSE_MS holds the button down that long
// before the release, for a screenshot of the outlines. Run it from tools/xvfb_drag_benchmark.sh.
#include <xcb/xcb.h>
#include <xcb/xtest.h>

#include <poll.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double msSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

class XDriver {
 public:
  XDriver(xcb_connection_t* connection, xcb_window_t window) : c_(connection), window_(window) {
    screen_ = xcb_setup_roots_iterator(xcb_get_setup(c_)).data;
    wmProtocols_ = atom("WM_PROTOCOLS");
    ping_ = atom("_NET_WM_PING");
    // The toolkit sends its answer to the root window, to those who listen there for
    // structure changes (and to the window manager).
    uint32_t mask = XCB_EVENT_MASK_STRUCTURE_NOTIFY;
    xcb_change_window_attributes(c_, screen_->root, XCB_CW_EVENT_MASK, &mask);
    auto* place = xcb_translate_coordinates_reply(
        c_, xcb_translate_coordinates(c_, window_, screen_->root, 0, 0), nullptr);
    if (!place) {
      std::fprintf(stderr, "drag_driver: no window 0x%x\n", window_);
      std::exit(2);
    }
    originX_ = place->dst_x;
    originY_ = place->dst_y;
    std::free(place);
  }

  void moveTo(int x, int y) { fake(XCB_MOTION_NOTIFY, 0, originX_ + x, originY_ + y); }
  void press() { fake(XCB_BUTTON_PRESS, 1, 0, 0); }
  void release() { fake(XCB_BUTTON_RELEASE, 1, 0, 0); }

  // Sends a ping and waits for its answer; false when none comes within five seconds.
  bool ping() {
    const uint32_t stamp = ++pingStamp_;
    xcb_client_message_event_t event{};
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 32;
    event.window = window_;
    event.type = wmProtocols_;
    event.data.data32[0] = ping_;
    event.data.data32[1] = stamp;
    event.data.data32[2] = window_;
    xcb_send_event(c_, false, window_, XCB_EVENT_MASK_NO_EVENT, reinterpret_cast<const char*>(&event));
    xcb_flush(c_);
    const auto start = Clock::now();
    while (msSince(start) < 5000) {
      std::unique_ptr<xcb_generic_event_t, decltype(&std::free)> got(xcb_poll_for_event(c_), &std::free);
      if (!got) {
        if (xcb_connection_has_error(c_)) return false;
        pollfd wait{xcb_get_file_descriptor(c_), POLLIN, 0};
        poll(&wait, 1, 100);
        continue;
      }
      if ((got->response_type & 0x7f) != XCB_CLIENT_MESSAGE) continue;
      auto* answer = reinterpret_cast<xcb_client_message_event_t*>(got.get());
      if (answer->type == wmProtocols_ && answer->data.data32[0] == ping_ && answer->data.data32[1] == stamp)
        return true;
    }
    return false;
  }

 private:
  xcb_atom_t atom(const char* name) {
    auto* reply = xcb_intern_atom_reply(c_, xcb_intern_atom(c_, 0, std::strlen(name), name), nullptr);
    xcb_atom_t found = reply ? reply->atom : XCB_ATOM_NONE;
    std::free(reply);
    return found;
  }

  void fake(uint8_t type, uint8_t button, int rootX, int rootY) {
    xcb_test_fake_input(c_, type, button, XCB_CURRENT_TIME, type == XCB_MOTION_NOTIFY ? screen_->root : XCB_NONE,
                        static_cast<int16_t>(rootX), static_cast<int16_t>(rootY), 0);
  }

  xcb_connection_t* c_;
  xcb_window_t window_;
  xcb_screen_t* screen_ = nullptr;
  xcb_atom_t wmProtocols_ = XCB_ATOM_NONE, ping_ = XCB_ATOM_NONE;
  int originX_ = 0, originY_ = 0;
  uint32_t pingStamp_ = 0;
};

// One step and its round trips, in milliseconds; exits when the program stops answering.
// The first answer comes once the toolkit has handled the step, the second once it has
// also done what that posted for later: the painting.
template <typename Step>
double timed(XDriver& driver, Step step) {
  const auto start = Clock::now();
  step();
  if (!driver.ping() || !driver.ping()) {
    std::fprintf(stderr, "drag_driver: the window stopped answering\n");
    std::exit(3);
  }
  return msSince(start);
}

double average(const std::vector<double>& values) {
  double sum = 0;
  for (double v : values) sum += v;
  return values.empty() ? 0 : sum / values.size();
}

double largest(const std::vector<double>& values) {
  double most = 0;
  for (double v : values) most = std::max(most, v);
  return most;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 8) {
    std::fprintf(stderr,
                 "usage: drag_driver WINDOW BAND_X1 BAND_Y1 BAND_X2 BAND_Y2 GRAB_X GRAB_Y [STEPS] [LABEL] [PAUSE_MS]\n");
    return 1;
  }
  const auto window = static_cast<xcb_window_t>(std::strtoul(argv[1], nullptr, 0));
  int number[6];
  for (int i = 0; i < 6; ++i) number[i] = std::atoi(argv[2 + i]);
  const int steps = argc > 8 ? std::max(1, std::atoi(argv[8])) : 20;
  const std::string label = argc > 9 ? argv[9] : "objects";
  const int pauseMs = argc > 10 ? std::max(0, std::atoi(argv[10])) : 0;
  const auto [x1, y1, x2, y2, grabX, grabY] = number;

  int screenNumber = 0;
  xcb_connection_t* connection = xcb_connect(nullptr, &screenNumber);
  if (xcb_connection_has_error(connection)) {
    std::fprintf(stderr, "drag_driver: no X display\n");
    return 2;
  }
  auto* xtest = xcb_test_get_version_reply(connection, xcb_test_get_version(connection, 2, 2), nullptr);
  if (!xtest) {
    std::fprintf(stderr, "drag_driver: the X server has no XTest\n");
    return 2;
  }
  std::free(xtest);
  XDriver driver(connection, window);

  // The band, in five steps as the walks draw it.
  timed(driver, [&] { driver.moveTo(x1, y1); });
  timed(driver, [&] { driver.press(); });
  std::vector<double> bandSteps;
  for (int step = 1; step <= 5; ++step)
    bandSteps.push_back(timed(driver, [&] { driver.moveTo(x1 + (x2 - x1) * step / 5, y1 + (y2 - y1) * step / 5); }));
  const double bandRelease = timed(driver, [&] { driver.release(); });

  // The group drag: a few pixels a step, to the right and down and back.
  timed(driver, [&] { driver.moveTo(grabX, grabY); });
  const double grab = timed(driver, [&] { driver.press(); });
  std::vector<double> dragSteps;
  for (int step = 1; step <= steps; ++step)
    dragSteps.push_back(timed(driver, [&] { driver.moveTo(grabX + 3 * step, grabY + 2 * step); }));
  if (pauseMs > 0) std::this_thread::sleep_for(std::chrono::milliseconds(pauseMs));
  const double dropped = timed(driver, [&] { driver.release(); });
  // What the release left to paint.
  const double settled = timed(driver, [] {});

  std::printf("%s: band step %.2f ms (largest %.2f), band release with the selection %.2f ms\n", label.c_str(),
              average(bandSteps), largest(bandSteps), bandRelease);
  std::printf("%s: group drag press %.2f ms, %d pointer steps %.2f ms a step (largest %.2f; target 16 ms), "
              "release %.2f ms (+%.2f ms after)\n",
              label.c_str(), grab, steps, average(dragSteps), largest(dragSteps), dropped, settled);
  xcb_disconnect(connection);
  return 0;
}
