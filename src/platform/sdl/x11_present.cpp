// The X11 presenter: Xlib calls on the connection SDL opened for the window.
#include "platform/sdl/x11_present.h"

#include <SDL.h>
#include <SDL_syswm.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XShm.h>
#include <sys/ipc.h>
#include <sys/shm.h>

#include <vector>

#include "platform/sdl/scale565.h"
#include "platform/sdl/scroll_shift.h"

namespace {

// Bands a few rows apart go as one request; at most this many a frame.
constexpr int kBandGap = 8;
constexpr size_t kMaxAreas = 8;

// Set while attaching shared memory: a server that cannot share (one across
// the network) answers with an error, which must not end the program.
bool attachFailed = false;
int NoteAttachError(Display*, XErrorEvent*) {
  attachFailed = true;
  return 0;
}

}  // namespace

struct X11Presenter::TState {
  SDL_Window* SdlWindow = nullptr;
  Display* Dpy = nullptr;
  ::Window Win = 0;
  Visual* Vis = nullptr;
  int Depth = 0;
  GC Gc = nullptr;
  int Factor = 0;
  int WindowW = 0, WindowH = 0;
  // The window's size as the X server has it, and SDL's idea of it when it
  // was asked. Without a window manager a switch to full screen changes only
  // SDL's idea (the window keeps its size), so the picture is laid out by
  // the server's size: read again when SDL's changes, and on ConfigureNotify.
  int ServerW = 0, ServerH = 0;
  int SdlW = -1, SdlH = -1;

  void ReadServerSize() {
    XWindowAttributes attrs;
    if (XGetWindowAttributes(Dpy, Win, &attrs)) ServerW = attrs.width, ServerH = attrs.height;
  }
  // Part of a moved picture could not be copied (covered by another window
  // or off the screen): everything is sent again.
  bool Damaged = false;
  // The scaled pixels, written only where sent: in memory shared with the
  // server where it can (nothing copied through the socket), else ours.
  bool UseShm = false;
  int CompletionEvent = -1;  // the server's "done reading" event
  bool Reading = false;      // the server may still read the shared image
  XShmSegmentInfo Shm{};
  std::vector<uint32_t> Image;
  XImage* XImg = nullptr;
  std::vector<uint16_t> Shown;  // the picture the window shows
  std::vector<TArea> Areas, Uncovered;

  void DropImage() {
    if (XImg) {
      if (Shm.shmaddr) {
        XShmDetach(Dpy, &Shm);
        XSync(Dpy, False);
      }
      XImg->data = nullptr;  // ours, not Xlib's to free
      XDestroyImage(XImg);
      XImg = nullptr;
    }
    if (Shm.shmaddr) shmdt(Shm.shmaddr);
    Shm = XShmSegmentInfo{};
    Reading = false;
    Factor = 0;
  }

  // The image in shared memory, or false (and nothing left behind).
  bool MakeSharedImage(int pw, int ph) {
    XImg = XShmCreateImage(Dpy, Vis, static_cast<unsigned>(Depth), ZPixmap, nullptr, &Shm,
                           static_cast<unsigned>(pw), static_cast<unsigned>(ph));
    if (!XImg) return false;
    const size_t bytes = static_cast<size_t>(XImg->bytes_per_line) * XImg->height;
    Shm.shmid = shmget(IPC_PRIVATE, bytes, IPC_CREAT | 0600);
    void* at = Shm.shmid >= 0 ? shmat(Shm.shmid, nullptr, 0) : reinterpret_cast<void*>(-1);
    if (at != reinterpret_cast<void*>(-1)) {
      Shm.shmaddr = XImg->data = static_cast<char*>(at);
      Shm.readOnly = True;
      XSync(Dpy, False);
      attachFailed = false;
      auto previous = XSetErrorHandler(NoteAttachError);
      XShmAttach(Dpy, &Shm);
      XSync(Dpy, False);
      XSetErrorHandler(previous);
    }
    if (Shm.shmid >= 0) shmctl(Shm.shmid, IPC_RMID, nullptr);  // gone once both let go
    if (Shm.shmaddr && !attachFailed) return true;
    if (Shm.shmaddr) shmdt(Shm.shmaddr);
    Shm = XShmSegmentInfo{};
    XImg->data = nullptr;
    XDestroyImage(XImg);
    XImg = nullptr;
    return false;
  }

  bool MakeImage(int w, int h, int factor) {
    DropImage();
    const int pw = w * factor, ph = h * factor;
    if (UseShm && !MakeSharedImage(pw, ph)) UseShm = false;
    if (!UseShm) {
      Image.assign(static_cast<size_t>(pw) * ph, 0);
      XImg = XCreateImage(Dpy, Vis, static_cast<unsigned>(Depth), ZPixmap, 0,
                          reinterpret_cast<char*>(Image.data()), static_cast<unsigned>(pw),
                          static_cast<unsigned>(ph), 32, pw * 4);
    }
    if (!XImg) return false;
    XImg->byte_order = SDL_BYTEORDER == SDL_BIG_ENDIAN ? MSBFirst : LSBFirst;
    Factor = factor;
    return true;
  }

  // Before the image is written again: the server must be done reading it
  // (its completion event normally came long ago; else wait for it).
  void WaitUntilRead() {
    if (!Reading) return;
    XSync(Dpy, False);
    Reading = false;
  }

  // Scales area a of the picture into the image and puts it in the window,
  // whose picture starts at (left, top); last: the last put of the frame,
  // whose reading the server reports.
  void Send(const uint16_t* pixels, int w, const TArea& a, int left, int top, bool last) {
    const TScaleTarget image{reinterpret_cast<uint8_t*>(XImg->data),
                             XImg->bytes_per_line,
                             XImg->width,
                             XImg->height,
                             4,
                             true};
    ScaleArea565(pixels, w, a, {}, Factor, 0, 0, image);
    const int f = Factor;
    const int x = a.X0 * f, y = a.Y0 * f;
    const auto cw = static_cast<unsigned>((a.X1 - a.X0) * f),
               ch = static_cast<unsigned>((a.Y1 - a.Y0) * f);
    if (UseShm) {
      XShmPutImage(Dpy, Win, Gc, XImg, x, y, left + x, top + y, cw, ch,
                   last && CompletionEvent >= 0);
      Reading = true;
    } else {
      XPutImage(Dpy, Win, Gc, XImg, x, y, left + x, top + y, cw, ch);
    }
  }
};

X11Presenter::X11Presenter() = default;

X11Presenter::~X11Presenter() {
  Close();
}

void X11Presenter::Close() {
  if (!state_) return;
  state_->DropImage();
  if (state_->Gc) XFreeGC(state_->Dpy, state_->Gc);
  state_.reset();
}

bool X11Presenter::Open(SDL_Window* window) {
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  if (!window || !SDL_GetWindowWMInfo(window, &info) || info.subsystem != SDL_SYSWM_X11)
    return false;
  auto s = std::make_unique<TState>();
  s->SdlWindow = window;
  s->Dpy = info.info.x11.display;
  s->Win = info.info.x11.window;
  XWindowAttributes attrs;
  if (!XGetWindowAttributes(s->Dpy, s->Win, &attrs) || !attrs.visual) return false;
  // 32 bits a pixel, 0x00RRGGBB: what the scaler writes without a table.
  int formats = 0;
  XPixmapFormatValues* list = XListPixmapFormats(s->Dpy, &formats);
  int bitsPerPixel = 0;
  for (int i = 0; i < formats; ++i)
    if (list[i].depth == attrs.depth) bitsPerPixel = list[i].bits_per_pixel;
  if (list) XFree(list);
  const Visual* v = attrs.visual;
  if ((attrs.depth != 24 && attrs.depth != 32) || bitsPerPixel != 32 || v->red_mask != 0xFF0000 ||
      v->green_mask != 0xFF00 || v->blue_mask != 0xFF)
    return false;
  s->Vis = attrs.visual;
  s->Depth = attrs.depth;
  // A copy within the window reports the parts it could not copy (covered
  // or off the screen) as GraphicsExpose events.
  XGCValues values;
  values.graphics_exposures = True;
  s->Gc = XCreateGC(s->Dpy, s->Win, GCGraphicsExposures, &values);
  if (!s->Gc) return false;
  s->UseShm = XShmQueryExtension(s->Dpy);
  if (s->UseShm) s->CompletionEvent = XShmGetEventBase(s->Dpy) + ShmCompletion;
  state_ = std::move(s);
  return true;
}

void X11Presenter::Present(const uint16_t* pixels, int w, int h, bool redrawAll) {
  if (!state_) return;
  TState& s = *state_;
  int sw = 0, sh = 0;
  SDL_GetWindowSize(s.SdlWindow, &sw, &sh);
  if (sw != s.SdlW || sh != s.SdlH) {
    s.SdlW = sw, s.SdlH = sh;
    s.ReadServerSize();
  }
  const int ww = s.ServerW, wh = s.ServerH;
  const int factor = WholeScaleThatFits(w, h, ww, wh);
  if (ww < w * factor || wh < h * factor) return;  // smaller than the picture
  const int f = factor, left = (ww - w * f) / 2, top = (wh - h * f) / 2;
  const size_t size = static_cast<size_t>(w) * h;
  if (factor != s.Factor || s.Shown.size() != size) {
    if (!s.MakeImage(w, h, factor)) return;
    redrawAll = true;
  }
  if (ww != s.WindowW || wh != s.WindowH || s.Damaged) redrawAll = true;
  s.WindowW = ww;
  s.WindowH = wh;
  s.Damaged = false;
  if (redrawAll) {
    s.WaitUntilRead();
    s.Shown.assign(pixels, pixels + size);
    // The black borders around the picture, then the picture.
    XSetForeground(s.Dpy, s.Gc, 0);
    const XRectangle borders[4] = {
        {0, 0, static_cast<unsigned short>(ww), static_cast<unsigned short>(top)},
        {0, static_cast<short>(top + h * f), static_cast<unsigned short>(ww),
         static_cast<unsigned short>(wh - top - h * f)},
        {0, static_cast<short>(top), static_cast<unsigned short>(left),
         static_cast<unsigned short>(h * f)},
        {static_cast<short>(left + w * f), static_cast<short>(top),
         static_cast<unsigned short>(ww - left - w * f), static_cast<unsigned short>(h * f)}};
    XFillRectangles(s.Dpy, s.Win, s.Gc, const_cast<XRectangle*>(borders), 4);
    s.Send(pixels, w, TArea{0, w, 0, h}, left, top, true);
    XFlush(s.Dpy);
    return;
  }
  // The backdrop's scroll is a copy within the window; then only what else
  // changed is scaled and sent.
  const TShift shift = FindShift(pixels, s.Shown.data(), w, h);
  s.Uncovered.clear();
  if (!shift.Still()) {
    ApplyShift(shift, pixels, s.Shown.data(), w, h, s.Uncovered);
    XCopyArea(s.Dpy, s.Win, s.Win, s.Gc, left, top, static_cast<unsigned>((w - shift.Dx) * f),
              static_cast<unsigned>((h - shift.Dy) * f), left + shift.Dx * f, top + shift.Dy * f);
  }
  TakeChanges(pixels, s.Shown.data(), w, h, kBandGap, kMaxAreas, s.Areas);
  if (shift.Still() && s.Areas.empty()) return;
  s.WaitUntilRead();
  s.Areas.insert(s.Areas.end(), s.Uncovered.begin(), s.Uncovered.end());
  for (size_t i = 0; i < s.Areas.size(); ++i)
    s.Send(pixels, w, s.Areas[i], left, top, i + 1 == s.Areas.size());
  XFlush(s.Dpy);
}

void X11Presenter::TakeEvent(const SDL_SysWMmsg& msg) {
  if (!state_ || msg.subsystem != SDL_SYSWM_X11) return;
  const int type = msg.msg.x11.event.type;
  if (type == state_->CompletionEvent) state_->Reading = false;
  if (type == GraphicsExpose) state_->Damaged = true;
  if (type == ConfigureNotify && msg.msg.x11.event.xconfigure.window == state_->Win) {
    state_->ServerW = msg.msg.x11.event.xconfigure.width;
    state_->ServerH = msg.msg.x11.event.xconfigure.height;
  }
}
