// A clipboard owner that gives nothing: it takes a selection (CLIPBOARD or PRIMARY) and answers
// every request with a refusal ("refuse"), or offers an empty list of formats and refuses the rest
// ("noformats"). It prints "ready" once it owns the selection and runs until it loses it or is killed.
#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <cstdio>
#include <cstring>

int main(int argc, char** argv) {
  if (argc != 3 || (std::strcmp(argv[2], "refuse") != 0 && std::strcmp(argv[2], "noformats") != 0)) {
    std::fprintf(stderr, "usage: clip_owner CLIPBOARD|PRIMARY refuse|noformats\n");
    return 2;
  }
  Display* display = XOpenDisplay(nullptr);
  if (!display) return 1;
  const bool offerNoFormats = std::strcmp(argv[2], "noformats") == 0;
  const Atom selection = XInternAtom(display, argv[1], False);
  const Atom targets = XInternAtom(display, "TARGETS", False);
  const Window window = XCreateSimpleWindow(display, DefaultRootWindow(display), 0, 0, 1, 1, 0, 0, 0);
  XSetSelectionOwner(display, selection, window, CurrentTime);
  if (XGetSelectionOwner(display, selection) != window) return 1;
  std::printf("ready\n");
  std::fflush(stdout);
  for (;;) {
    XEvent event;
    XNextEvent(display, &event);
    if (event.type == SelectionClear) return 0;
    if (event.type != SelectionRequest) continue;
    const XSelectionRequestEvent& request = event.xselectionrequest;
    XEvent reply{};
    reply.xselection.type = SelectionNotify;
    reply.xselection.requestor = request.requestor;
    reply.xselection.selection = request.selection;
    reply.xselection.target = request.target;
    reply.xselection.time = request.time;
    reply.xselection.property = None;  // refused
    if (offerNoFormats && request.target == targets && request.property != None) {
      XChangeProperty(display, request.requestor, request.property, XA_ATOM, 32, PropModeReplace, nullptr, 0);
      reply.xselection.property = request.property;
    }
    XSendEvent(display, request.requestor, False, NoEventMask, &reply);
    XFlush(display);
  }
}
