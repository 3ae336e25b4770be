// Smoke test of the window program: starts it on the X display of DISPLAY
// (an Xvfb server under xvfb-run), waits until its window is shown and the
// board painted, asks the window to close as a window manager does, and
// checks that the program then ends with exit code 0.
//   fumee_xvfb PROGRAM

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>
#include <thread>

namespace {

using Horloge = std::chrono::steady_clock;

int Echec(const char* texte, pid_t pid = 0) {
  std::fprintf(stderr, "fumee_xvfb: %s\n", texte);
  if (pid > 0) {
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
  }
  return 1;
}

// The first viewable window under w whose name starts with "Ilvane".
Window Cherche(Display* d, Window w) {
  char* nom = nullptr;
  if (XFetchName(d, w, &nom) && nom) {
    const bool trouve = std::strncmp(nom, "Ilvane", 6) == 0;
    XFree(nom);
    XWindowAttributes a;
    if (trouve && XGetWindowAttributes(d, w, &a) && a.map_state == IsViewable) return w;
  }
  Window racine, parent, *enfants = nullptr;
  unsigned int n = 0;
  Window resultat = 0;
  if (XQueryTree(d, w, &racine, &parent, &enfants, &n)) {
    for (unsigned int i = 0; i < n && !resultat; i++) resultat = Cherche(d, enfants[i]);
    if (enfants) XFree(enfants);
  }
  return resultat;
}

// The colour of a pixel of the window.
void Pixel(Display* d, Window w, int x, int y, int& r, int& g, int& b) {
  r = g = b = -1;
  XImage* image = XGetImage(d, w, x, y, 1, 1, AllPlanes, ZPixmap);
  if (!image) return;
  const unsigned long p = XGetPixel(image, 0, 0);
  r = static_cast<int>((p & image->red_mask) >> 16);
  g = static_cast<int>((p & image->green_mask) >> 8);
  b = static_cast<int>(p & image->blue_mask);
  XDestroyImage(image);
}

bool Bois(int r, int g, int b) {
  return r > 140 && r > g && g > b && b > 30 && r - b > 60;
}

// The child's exit status once it has ended, or -1 at the deadline.
int Attends(pid_t pid, Horloge::time_point limite) {
  while (Horloge::now() < limite) {
    int statut = 0;
    if (waitpid(pid, &statut, WNOHANG) == pid) return statut;
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  return -1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return Echec("usage: fumee_xvfb PROGRAM");
  Display* d = XOpenDisplay(nullptr);
  if (!d) return Echec("no X display");
  XSetErrorHandler([](Display*, XErrorEvent*) { return 0; });  // windows may vanish meanwhile

  const pid_t pid = fork();
  if (pid < 0) return Echec("fork failed");
  if (pid == 0) {
    execv(argv[1], argv + 1);
    _exit(127);
  }

  const auto limite = Horloge::now() + std::chrono::seconds(60);
  Window fenetre = 0;
  while (!fenetre && Horloge::now() < limite) {
    int statut = 0;
    if (waitpid(pid, &statut, WNOHANG) == pid) return Echec("the program ended before its window");
    fenetre = Cherche(d, DefaultRootWindow(d));
    if (!fenetre) std::this_thread::sleep_for(std::chrono::milliseconds(100));
  }
  if (!fenetre) return Echec("no window named Ilvane was shown", pid);

  XWindowAttributes a;
  XGetWindowAttributes(d, fenetre, &a);
  std::printf("fumee_xvfb: window %dx%d\n", a.width, a.height);
  if (a.width != 948 || a.height != 710) return Echec("the window is not 948 x 710", pid);

  // The board image starts at (264, 8): a point between the lines of an
  // empty board shows the wood once the window is painted.
  int r = -1, g = -1, b = -1;
  while (Horloge::now() < limite) {
    Pixel(d, fenetre, 264 + 80 + 30, 8 + 80 + 30, r, g, b);
    if (Bois(r, g, b)) break;
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
  }
  std::printf("fumee_xvfb: board pixel %d %d %d\n", r, g, b);
  if (!Bois(r, g, b)) return Echec("the board was not painted with its wood", pid);

  XEvent e{};
  e.xclient.type = ClientMessage;
  e.xclient.window = fenetre;
  e.xclient.message_type = XInternAtom(d, "WM_PROTOCOLS", False);
  e.xclient.format = 32;
  e.xclient.data.l[0] = static_cast<long>(XInternAtom(d, "WM_DELETE_WINDOW", False));
  e.xclient.data.l[1] = CurrentTime;
  XSendEvent(d, fenetre, False, NoEventMask, &e);
  XFlush(d);

  const int statut = Attends(pid, Horloge::now() + std::chrono::seconds(30));
  if (statut == -1) return Echec("the program did not end when its window was closed", pid);
  XCloseDisplay(d);
  if (!WIFEXITED(statut)) return Echec("the program was killed by a signal");
  std::printf("fumee_xvfb: exit code %d\n", WEXITSTATUS(statut));
  return WEXITSTATUS(statut) == 0 ? 0 : Echec("the exit code is not 0");
}
