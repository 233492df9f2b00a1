// A clipboard owner that gives nothing: it takes a selection (CLIPBOARD or PRIMARY) and answers
// every request with a refusal ("refuse"), offers an empty list of formats and refuses the rest
// ("noformats"), or offers UTF8_STRING when first asked for its formats and then quits at once, as
// a program that copies and exits does ("vanish"). It prints "ready" once it owns the selection and
// runs until it loses it, quits or is killed.
#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <cstdio>
#include <cstring>

int main(int argc, char** argv) {
  const char* mode = argc == 3 ? argv[2] : "";
  const bool offerNoFormats = std::strcmp(mode, "noformats") == 0, vanish = std::strcmp(mode, "vanish") == 0;
  if (!offerNoFormats && !vanish && std::strcmp(mode, "refuse") != 0) {
    std::fprintf(stderr, "usage: clip_owner CLIPBOARD|PRIMARY refuse|noformats|vanish\n");
    return 2;
  }
  Display* display = XOpenDisplay(nullptr);
  if (!display) return 1;
  const Atom selection = XInternAtom(display, argv[1], False);
  const Atom targets = XInternAtom(display, "TARGETS", False);
  const Atom offered[] = {targets, XInternAtom(display, "UTF8_STRING", False)};
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
    const bool formatsAsked = request.target == targets && request.property != None;
    if (formatsAsked && (offerNoFormats || vanish)) {
      XChangeProperty(display, request.requestor, request.property, XA_ATOM, 32, PropModeReplace,
                      reinterpret_cast<const unsigned char*>(offered), vanish ? 2 : 0);
      reply.xselection.property = request.property;
    }
    XSendEvent(display, request.requestor, False, NoEventMask, &reply);
    XFlush(display);
    if (formatsAsked && vanish) {
      XCloseDisplay(display);
      return 0;
    }
  }
}
