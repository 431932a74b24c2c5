// Starts a program and times it until its first top-level window is mapped on
// the X display, by listening to the root window's structure events (no
// polling); then, after a settling pause, reads its resident memory.
//
//   kemurina_bench_probe [--settle SECONDS] [--timeout SECONDS] [--name TEXT] [--keep]
//                        -- PROGRAM [ARGS...]
//
// Only a window of the started process counts (_NET_WM_PID), and with --name
// only one whose title contains TEXT: a message box the program shows instead
// of its window (say, "already running") must not pass for the window.
//
// Prints one line: pid=… window=0x… map_ms=… cpu_ms=… rss_kib=… pss_kib=… hwm_kib=…
// where cpu_ms is the CPU time the program had used when its window was
// mapped (all threads), which a busy machine disturbs far less than map_ms.
// The program is ended (SIGTERM) afterwards unless --keep is given.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <dirent.h>
#include <fcntl.h>
#include <poll.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fstream>
#include <string>

namespace {

double Seconds() {
  timespec ts{};
  clock_gettime(CLOCK_MONOTONIC, &ts);
  return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) * 1e-9;
}

// The _NET_WM_PID a window carries, or -1.
long WindowPid(Display* dpy, Window w, Atom pidAtom) {
  Atom type = None;
  int format = 0;
  unsigned long count = 0;
  unsigned long after = 0;
  unsigned char* data = nullptr;
  long pid = -1;
  if (XGetWindowProperty(dpy, w, pidAtom, 0, 1, False, XA_CARDINAL, &type, &format, &count, &after,
                         &data) == Success &&
      data && type == XA_CARDINAL && format == 32 && count == 1) {
    pid = static_cast<long>(*reinterpret_cast<unsigned long*>(data));
  }
  if (data) XFree(data);
  return pid;
}

// The window's _NET_WM_NAME (UTF-8), or empty.
std::string WindowName(Display* dpy, Window w, Atom nameAtom, Atom utf8Atom) {
  Atom type = None;
  int format = 0;
  unsigned long count = 0;
  unsigned long after = 0;
  unsigned char* data = nullptr;
  std::string name;
  if (XGetWindowProperty(dpy, w, nameAtom, 0, 1024, False, utf8Atom, &type, &format, &count, &after,
                         &data) == Success &&
      data && type == utf8Atom && format == 8) {
    name.assign(reinterpret_cast<const char*>(data), count);
  }
  if (data) XFree(data);
  return name;
}

// A "Name:   1234 kB" field of a /proc file, in KiB, or -1.
long ProcField(const std::string& file, const char* name) {
  std::ifstream in(file);
  std::string line;
  const std::size_t len = std::strlen(name);
  while (std::getline(in, line)) {
    if (line.compare(0, len, name) == 0 && line.size() > len && line[len] == ':') {
      return std::strtol(line.c_str() + len + 1, nullptr, 10);
    }
  }
  return -1;
}

// CPU time in ms all threads of a process have used so far, from the
// scheduler's nanosecond counters; -1 when unreadable.
double CpuMilliseconds(pid_t pid) {
  const std::string tasks = "/proc/" + std::to_string(pid) + "/task";
  DIR* dir = opendir(tasks.c_str());
  if (!dir) return -1;
  double total = 0;
  while (dirent* e = readdir(dir)) {
    if (e->d_name[0] == '.') continue;
    std::ifstream in(tasks + "/" + e->d_name + "/schedstat");
    unsigned long long onCpuNs = 0;
    if (in >> onCpuNs) total += static_cast<double>(onCpuNs) / 1e6;
  }
  closedir(dir);
  return total;
}

int IgnoreXErrors(Display*, XErrorEvent*) { return 0; }  // a window may vanish meanwhile

}  // namespace

int main(int argc, char** argv) {
  double settle = 0.5;
  double timeout = 20.0;
  bool keep = false;
  std::string wantedName;
  int i = 1;
  for (; i < argc; ++i) {
    const std::string a = argv[i];
    if (a == "--settle" && i + 1 < argc) {
      settle = std::atof(argv[++i]);
    } else if (a == "--timeout" && i + 1 < argc) {
      timeout = std::atof(argv[++i]);
    } else if (a == "--name" && i + 1 < argc) {
      wantedName = argv[++i];
    } else if (a == "--keep") {
      keep = true;
    } else if (a == "--") {
      ++i;
      break;
    } else {
      break;
    }
  }
  if (i >= argc) {
    std::fprintf(
        stderr,
        "usage: %s [--settle S] [--timeout S] [--name TEXT] [--keep] -- PROGRAM [ARGS...]\n",
        argv[0]);
    return 2;
  }

  Display* dpy = XOpenDisplay(nullptr);
  if (!dpy) {
    std::fprintf(stderr, "cannot open the X display\n");
    return 1;
  }
  XSetErrorHandler(IgnoreXErrors);
  const int xfd = ConnectionNumber(dpy);
  fcntl(xfd, F_SETFD, FD_CLOEXEC);
  const Window root = DefaultRootWindow(dpy);
  const Atom pidAtom = XInternAtom(dpy, "_NET_WM_PID", False);
  const Atom nameAtom = XInternAtom(dpy, "_NET_WM_NAME", False);
  const Atom utf8Atom = XInternAtom(dpy, "UTF8_STRING", False);
  XSelectInput(dpy, root, SubstructureNotifyMask);
  XSync(dpy, False);

  const double start = Seconds();
  const pid_t child = fork();
  if (child < 0) {
    std::perror("fork");
    return 1;
  }
  if (child == 0) {
    // Without --keep the program must not outlive the probe, however it ends.
    if (!keep) prctl(PR_SET_PDEATHSIG, SIGTERM);
    execvp(argv[i], argv + i);
    std::perror("exec");
    _exit(127);
  }

  Window mapped = None;
  double mappedAt = 0;
  double cpuAtMap = -1;
  while (mapped == None) {
    while (XPending(dpy) && mapped == None) {
      XEvent ev;
      XNextEvent(dpy, &ev);
      if (ev.type != MapNotify || ev.xmap.event != root || ev.xmap.override_redirect) continue;
      const double at = Seconds();
      if (WindowPid(dpy, ev.xmap.window, pidAtom) != child) continue;
      const std::string name = WindowName(dpy, ev.xmap.window, nameAtom, utf8Atom);
      if (wantedName.empty() || name.find(wantedName) != std::string::npos) {
        mapped = ev.xmap.window;
        mappedAt = at;
        cpuAtMap = CpuMilliseconds(child);
      }
    }
    if (mapped != None) break;
    int status = 0;
    if (waitpid(child, &status, WNOHANG) == child) {
      std::fprintf(stderr, "the program ended before mapping a window\n");
      return 1;
    }
    const double left = timeout - (Seconds() - start);
    if (left <= 0) {
      std::fprintf(stderr, "no window mapped within %.1f s\n", timeout);
      kill(child, SIGKILL);
      waitpid(child, nullptr, 0);
      return 1;
    }
    pollfd p{xfd, POLLIN, 0};
    poll(&p, 1, static_cast<int>(left * 1000 > 100 ? 100 : left * 1000 + 1));
  }

  if (settle > 0) {
    timespec ts{
        static_cast<time_t>(settle),
        static_cast<long>((settle - static_cast<double>(static_cast<time_t>(settle))) * 1e9)};
    while (nanosleep(&ts, &ts) == -1 && errno == EINTR) {
    }
  }
  const std::string proc = "/proc/" + std::to_string(child);
  const long rss = ProcField(proc + "/status", "VmRSS");
  const long hwm = ProcField(proc + "/status", "VmHWM");
  const long pss = ProcField(proc + "/smaps_rollup", "Pss");
  std::printf("pid=%d window=0x%lx map_ms=%.2f cpu_ms=%.2f rss_kib=%ld pss_kib=%ld hwm_kib=%ld\n",
              static_cast<int>(child), static_cast<unsigned long>(mapped),
              (mappedAt - start) * 1000.0, cpuAtMap, rss, pss, hwm);
  std::fflush(stdout);
  XCloseDisplay(dpy);

  if (!keep) {
    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
  }
  return 0;
}
