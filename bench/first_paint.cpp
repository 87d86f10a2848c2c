// The first painted client area of a program's window, timed from the X
// side: starts the command, finds its top-level window by its X class,
// reads the window's pixels through shared memory about every millisecond
// and keeps each new look with the time it was first seen. Once the window
// has looked the same for the settling time, its client area is the box of
// the pixels of the given background colour, which must be of the given
// size; the first paint is the first look from which on the client area is
// as it ends. Then the program is ended.
//   first_paint CLASS WIDTHxHEIGHT RRGGBB COMMAND [ARGS...]
// prints "window_ms=M paint_ms=P": when the window was first seen mapped,
// and when its client area was first painted whole, in milliseconds from
// the command's start. Exits 1 where the window or its client area is not
// found.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XShm.h>
#include <signal.h>
#include <strings.h>
#include <sys/ipc.h>
#include <sys/shm.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

constexpr auto kSettle = std::chrono::milliseconds(1500);  // unchanged this long: the window is done
constexpr auto kTimeout = std::chrono::seconds(30);
constexpr auto kPoll = std::chrono::milliseconds(1);

struct Look {
  double ms;  // first seen, from the start
  int width, height;
  std::vector<std::uint32_t> pixels;  // 0x00RRGGBB, rows from the top
};

struct Box {
  int x, y, width, height;
};

// Where pixel (x, y) lies in a look of that width.
std::size_t At(int width, int x, int y) {
  return static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x);
}

double Since(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

bool HasClass(Display* display, Window window, const char* wanted) {
  XClassHint hint{};
  if (XGetClassHint(display, window, &hint) == 0) return false;
  const bool match = (hint.res_name && strcasecmp(hint.res_name, wanted) == 0) ||
                     (hint.res_class && strcasecmp(hint.res_class, wanted) == 0);
  if (hint.res_name) XFree(hint.res_name);
  if (hint.res_class) XFree(hint.res_class);
  return match;
}

// The mapped top-level window of that class, if there is one yet.
std::optional<Window> FindWindow(Display* display, const char* wanted) {
  Window root = 0, parent = 0, *children = nullptr;
  unsigned count = 0;
  if (XQueryTree(display, DefaultRootWindow(display), &root, &parent, &children, &count) == 0) return std::nullopt;
  std::optional<Window> found;
  for (unsigned i = 0; i < count && !found; ++i) {
    XWindowAttributes a;
    if (XGetWindowAttributes(display, children[i], &a) != 0 && a.map_state == IsViewable &&
        HasClass(display, children[i], wanted))
      found = children[i];
  }
  if (children) XFree(children);
  return found;
}

// Reads whole windows through one shared-memory image, made anew when the
// window's size changes.
class Reader {
 public:
  explicit Reader(Display* display) : display_(display) {}
  ~Reader() { Drop(); }
  Reader(const Reader&) = delete;
  Reader& operator=(const Reader&) = delete;

  // The window's pixels now where they differ from the last look (or
  // there is none); nothing where they do not or cannot be read.
  std::optional<Look> ReadChanged(Window window, double ms, const Look* last) {
    XWindowAttributes a;
    if (XGetWindowAttributes(display_, window, &a) == 0 || a.map_state != IsViewable) return std::nullopt;
    if (image_ == nullptr || image_->width != a.width || image_->height != a.height) Make(a);
    if (image_ == nullptr || !XShmGetImage(display_, window, image_, 0, 0, AllPlanes)) return std::nullopt;
    if (last != nullptr && SameAs(*last)) return std::nullopt;
    Look look{ms, a.width, a.height, std::vector<std::uint32_t>(At(a.width, 0, a.height))};
    for (int y = 0; y < a.height; ++y)
      for (int x = 0; x < a.width; ++x) look.pixels[At(a.width, x, y)] = Pixel(x, y);
    return look;
  }

 private:
  void Make(const XWindowAttributes& a) {
    Drop();
    image_ = XShmCreateImage(display_, a.visual, static_cast<unsigned>(a.depth), ZPixmap, nullptr, &shm_,
                             static_cast<unsigned>(a.width), static_cast<unsigned>(a.height));
    if (image_ == nullptr) return;
    if (image_->bits_per_pixel != 32) {
      std::fprintf(stderr, "first_paint: a %d-bit visual; a 32-bit one is needed\n", image_->bits_per_pixel);
      std::exit(1);
    }
    shm_.shmid = shmget(IPC_PRIVATE, At(image_->bytes_per_line, 0, image_->height), IPC_CREAT | 0600);
    shm_.shmaddr = image_->data = static_cast<char*>(shmat(shm_.shmid, nullptr, 0));
    shm_.readOnly = False;
    XShmAttach(display_, &shm_);
    XSync(display_, False);
    shmctl(shm_.shmid, IPC_RMID, nullptr);  // gone once both sides let go
  }
  std::uint32_t Pixel(int x, int y) const {
    std::uint32_t p;
    std::memcpy(&p, image_->data + y * image_->bytes_per_line + x * 4, 4);
    return p & 0x00FFFFFFu;
  }
  bool SameAs(const Look& look) const {
    if (look.width != image_->width || look.height != image_->height) return false;
    for (int y = 0; y < look.height; ++y)
      for (int x = 0; x < look.width; ++x)
        if (Pixel(x, y) != look.pixels[At(look.width, x, y)]) return false;
    return true;
  }
  void Drop() {
    if (image_ == nullptr) return;
    XShmDetach(display_, &shm_);
    XDestroyImage(image_);
    shmdt(shm_.shmaddr);
    image_ = nullptr;
  }

  Display* display_;
  XImage* image_ = nullptr;
  XShmSegmentInfo shm_{};
};

// The box of the pixels of that colour.
std::optional<Box> ColourBox(const Look& look, std::uint32_t colour) {
  int left = look.width, top = look.height, right = -1, bottom = -1;
  for (int y = 0; y < look.height; ++y)
    for (int x = 0; x < look.width; ++x)
      if (look.pixels[At(look.width, x, y)] == colour) {
        if (x < left) left = x;
        if (x > right) right = x;
        if (y < top) top = y;
        if (y > bottom) bottom = y;
      }
  if (right < 0) return std::nullopt;
  return Box{left, top, right - left + 1, bottom - top + 1};
}

bool SameInside(const Look& a, const Look& b, const Box& box) {
  if (a.width != b.width || a.height != b.height) return false;
  for (int y = box.y; y < box.y + box.height; ++y) {
    const std::size_t row = At(a.width, box.x, y);
    if (std::memcmp(&a.pixels[row], &b.pixels[row], static_cast<std::size_t>(box.width) * 4) != 0) return false;
  }
  return true;
}

// Ends the program: asked first, then made to.
void End(pid_t pid) {
  kill(pid, SIGTERM);
  for (int i = 0; i < 200; ++i) {
    if (waitpid(pid, nullptr, WNOHANG) == pid) return;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  kill(pid, SIGKILL);
  waitpid(pid, nullptr, 0);
}

// The looks of the program's window from its start until it settles, and
// when it was first seen mapped; the program is ended then. Nothing where
// it ends first or shows no window in time.
struct Watched {
  double windowMs = 0;
  std::vector<Look> looks;
};

std::optional<Watched> Watch(Display* display, const char* windowClass, char** command) {
  const Clock::time_point start = Clock::now();
  const pid_t pid = fork();
  if (pid == 0) {
    execvp(command[0], command);
    _exit(127);
  }
  if (pid < 0) return std::nullopt;

  Reader reader(display);
  std::optional<Window> window;
  Watched watched;
  Clock::time_point lastChange = Clock::now();
  while (Clock::now() - start < kTimeout) {
    std::this_thread::sleep_for(kPoll);
    if (waitpid(pid, nullptr, WNOHANG) == pid) {
      std::fprintf(stderr, "first_paint: %s ended before its window settled\n", command[0]);
      return std::nullopt;
    }
    const double ms = Since(start);
    if (!window) {
      window = FindWindow(display, windowClass);
      if (!window) continue;
      watched.windowMs = ms;
    }
    auto& looks = watched.looks;
    if (std::optional<Look> look = reader.ReadChanged(*window, ms, looks.empty() ? nullptr : &looks.back())) {
      looks.push_back(std::move(*look));
      lastChange = Clock::now();
    } else if (!looks.empty() && Clock::now() - lastChange >= kSettle) {
      break;
    }
  }
  End(pid);
  if (watched.looks.empty()) {
    std::fprintf(stderr, "first_paint: no window of class %s\n", windowClass);
    return std::nullopt;
  }
  return watched;
}

}  // namespace

int main(int argc, char** argv) {
  int width = 0, height = 0;
  unsigned colour = 0;
  if (argc < 5 || std::sscanf(argv[2], "%dx%d", &width, &height) != 2 || std::sscanf(argv[3], "%x", &colour) != 1) {
    std::fprintf(stderr, "usage: first_paint CLASS WIDTHxHEIGHT RRGGBB COMMAND [ARGS...]\n");
    return 2;
  }
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr || !XShmQueryExtension(display)) {
    std::fprintf(stderr, "first_paint: no X display with shared memory images\n");
    return 2;
  }
  const std::optional<Watched> watched = Watch(display, argv[1], argv + 4);
  XCloseDisplay(display);
  if (!watched) return 1;

  const auto& looks = watched->looks;
  const Look& last = looks.back();
  const std::optional<Box> client = ColourBox(last, colour);
  if (!client || client->width != width || client->height != height) {
    std::fprintf(stderr, "first_paint: the client area is %dx%d, not %dx%d\n", client ? client->width : 0,
                 client ? client->height : 0, width, height);
    return 1;
  }
  std::size_t first = looks.size() - 1;
  while (first > 0 && SameInside(looks[first - 1], last, *client)) --first;
  std::printf("window_ms=%.1f paint_ms=%.1f\n", watched->windowMs, looks[first].ms);
  return 0;
}
