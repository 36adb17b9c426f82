// The configuration window on the desktop (FLTK): the only code outside the media layer that sees a toolkit.
// What it shows and stores comes from the form's plain functions; this file only lays out gadgets.
#include "shell/ConfigWindow.h"

#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Check_Button.H>
#include <FL/Fl_Double_Window.H>
#include <FL/fl_draw.H>
#include <FL/Fl_Group.H>
#include <FL/Fl_Input.H>
#include <FL/Fl_RGB_Image.H>
#include <FL/Fl_Return_Button.H>
#include <FL/Fl_Round_Button.H>
#include <FL/Fl_Secret_Input.H>
#include <FL/x.H>
#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "base/AssetNames.h"
#include "front/ConfigurationForm.h"
#include "media/Media.h"
#include "runtime/Loaders.h"
#include "runtime/Settings.h"

namespace {

constexpr int kWidth = 350, kHeight = 335;
constexpr int kLabelSize = 11;    // points: the gadgets' texts fit their boxes at this size
constexpr int kCaptionSize = 10;  // points: the frames' captions
constexpr int kFadeStep = 3;    // opacity levels a step; 85 steps of 10 ms fade the window in or out

// The banner, read from its pack as the game reads its pictures; none when the pack is missing.
std::unique_ptr<Fl_RGB_Image> LoadBanner(std::vector<unsigned char>& pixels) {
  const char* pack = "packs/minilogo.pak";
  std::error_code error;
  if (!std::filesystem::is_regular_file(pack, error)) {
    std::fprintf(stderr, "%s is missing: the configuration window shows no banner\n", pack);
    return nullptr;
  }
  ChoosePack(pack);
  LoadImageEntry(miniLogoImage, "gfx\\minilogo.bmp");
  ClosePack();
  int w = ImagePixelWidth(miniLogoImage), h = ImagePixelHeight(miniLogoImage);
  pixels.resize(static_cast<size_t>(w) * h * 3);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      uint32_t p = ImagePixel(miniLogoImage, x, y);
      unsigned char* out = &pixels[(static_cast<size_t>(y) * w + x) * 3];
      out[0] = static_cast<unsigned char>(p >> 16), out[1] = static_cast<unsigned char>(p >> 8);
      out[2] = static_cast<unsigned char>(p);
    }
  return std::make_unique<Fl_RGB_Image>(pixels.data(), w, h, 3);
}

// The window's opacity, 0..255, through the property compositing window managers read; where nothing
// composites, the window simply shows and hides.
void SetOpacity(Fl_Window& window, int level) {
  if (!window.shown()) return;
  static Atom opacity = XInternAtom(fl_display, "_NET_WM_WINDOW_OPACITY", False);
  unsigned long value = static_cast<unsigned long>(level) * 0x01010101UL;  // 255 is 0xFFFFFFFF
  XChangeProperty(fl_display, fl_xid(&window), opacity, XA_CARDINAL, 32, PropModeReplace,
                  reinterpret_cast<unsigned char*>(&value), 1);
  XFlush(fl_display);
}

// Asks the window manager to keep the window above the others.
void KeepAbove(Fl_Window& window) {
  XEvent event{};
  event.xclient.type = ClientMessage;
  event.xclient.window = fl_xid(&window);
  event.xclient.message_type = XInternAtom(fl_display, "_NET_WM_STATE", False);
  event.xclient.format = 32;
  event.xclient.data.l[0] = 1;  // add
  event.xclient.data.l[1] = static_cast<long>(XInternAtom(fl_display, "_NET_WM_STATE_ABOVE", False));
  event.xclient.data.l[3] = 1;  // from an application
  XSendEvent(fl_display, DefaultRootWindow(fl_display), False, SubstructureRedirectMask | SubstructureNotifyMask,
             &event);
  XFlush(fl_display);
}

// Fades the window in when hidden, out when shown, one step every 10 ms; the window's events are handled
// between the steps, so its close box works during the fade too.
void FadeWindow(Fl_Window& window, int step) {
  bool in = !window.shown();
  if (in) {
    window.show();
    SetOpacity(window, 0);
    KeepAbove(window);
  }
  for (int level = in ? 0 : 255; in ? level < 255 : level > 0; level += in ? step : -step) {
    SetOpacity(window, level);
    Fl::wait(0.01);
  }
  SetOpacity(window, in ? 255 : 0);
  if (in) {
    window.show();  // raises it again
  } else {
    window.hide();
  }
}

// A box like those of the form: its text at the form's size.
template <typename Gadget>
Gadget* Made(int x, int y, int w, int h, const char* text, const char* tip = nullptr) {
  auto* gadget = new Gadget(x, y, w, h, text);
  gadget->labelsize(kLabelSize);
  if (tip != nullptr) gadget->tooltip(tip);
  return gadget;
}

// A frame with its caption on its top edge, as a group box has it; returns where the caption ends.
int Frame(int x, int y, int w, int h, const char* caption) {
  auto* frame = Made<Fl_Box>(x, y + 7, w, h - 7, nullptr);
  frame->box(FL_ENGRAVED_FRAME);
  fl_font(FL_HELVETICA, kCaptionSize);
  int width = static_cast<int>(fl_width(caption)) + 4;
  auto* title = Made<Fl_Box>(x + 6, y, width, 14, caption);
  title->labelsize(kCaptionSize);
  title->box(FL_FLAT_BOX);
  title->align(FL_ALIGN_LEFT | FL_ALIGN_INSIDE);
  return x + 6 + width;
}

// Whether an X display can be opened at all: without one the toolkit would end the program.
bool DisplayThere() {
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) return false;
  XCloseDisplay(display);
  return true;
}

}  // namespace

void ConfigurationUtility() {
  if (IsHeadless() || !DisplayThere()) {
    std::fprintf(stderr, "No display for the configuration window: the stored settings are used\n");
    return;
  }
  std::vector<unsigned char> bannerPixels;
  std::unique_ptr<Fl_RGB_Image> banner = LoadBanner(bannerPixels);
  ConfigurationForm form = FormFromSettings(TestDisplayMode(1024, 768, 32, 60) == 0);
  // The link shows the site's name; the page is on it. Both outlive the window, which shows the name.
  std::string address = LiveScoresPage();
  size_t from = address.find("//") == std::string::npos ? 0 : address.find("//") + 2;
  std::string shown = address.substr(from, address.find('/', from) - from);
  bool started = false;

  fl_open_display();
  Fl::scheme("gtk+");
  Fl_Double_Window window((Fl::w() - kWidth) / 2, (Fl::h() - kHeight) / 2, kWidth, kHeight,
                          "Novabouncer 3 Meridian Prestige");
  // The close box (and Escape) ends the whole program at once, writing nothing.
  window.callback([](Fl_Widget*, void*) { std::exit(0); });
  auto* picture = new Fl_Box(0, 0, 350, 109);
  picture->box(FL_NO_BOX);
  if (banner) picture->image(banner.get());
  Made<Fl_Box>(0, 112, 350, 20, "Novabouncer III Configuration Utility")->labelfont(FL_HELVETICA_BOLD);

  Frame(0, 130, 350, 100, "Options");
  auto* music = Made<Fl_Check_Button>(40, 150, 100, 20, "Ingame Music", "Music activated");
  auto* sound = Made<Fl_Check_Button>(40, 170, 100, 20, "Ingame Sound", "Sound effects activated");
  // The two synchronisation options in a group of their own: choosing one clears the other.
  auto* synchro = new Fl_Group(39, 190, 100, 39);
  auto* synchro1 = Made<Fl_Round_Button>(39, 190, 100, 20, "Synchro type 1",
      "Game will be synchronised with Vsync (at 60 fps). Fluid, but be sure your graphic adapter and screen are OK");
  auto* synchro2 = Made<Fl_Round_Button>(39, 209, 100, 19, "Synchro type 2",
                                         "Game will be synchronised with a timer (at 60 fps). Less fluid.");
  synchro1->type(FL_RADIO_BUTTON);
  synchro2->type(FL_RADIO_BUTTON);
  synchro->end();
  auto* online = Made<Fl_Check_Button>(170, 150, 140, 20, "Online Scores Check",
                                       "Will download live scores everytime (internet needed)");
  auto* joystick = Made<Fl_Check_Button>(170, 170, 140, 20, "Joystick", "Joystick support. Default mouse only");
  auto* effects = Made<Fl_Check_Button>(170, 190, 140, 20, "Effects",
      "Activate backgrounds special effects (nicer but slower on old computers)");

  int captionEnd = Frame(0, 233, 350, 70, "Player informations and net login ; see ");
  auto* link = Made<Fl_Button>(std::max(194, captionEnd), 230, 140, 20, shown.c_str(),
      "Free inscription to compare your best score with others players all around the world!");
  link->box(FL_FLAT_BOX);
  link->labelcolor(fl_rgb_color(0, 0, 170));
  link->labelsize(kCaptionSize);
  link->labelfont(FL_HELVETICA | FL_BOLD);
  link->align(FL_ALIGN_LEFT | FL_ALIGN_INSIDE | FL_ALIGN_CLIP);
  link->callback([](Fl_Widget*, void* page) { OpenWebPage(*static_cast<std::string*>(page)); }, &address);
  link->visible_focus(0);
  for (auto* label : {Made<Fl_Box>(20, 254, 120, 20, "Name in game (or login)"),
                      Made<Fl_Box>(20, 276, 120, 20, "Password (or blank)")}) {
    // Set against their boxes, a little to the left when longer than their own space.
    label->labelsize(kCaptionSize);
    label->align(FL_ALIGN_RIGHT | FL_ALIGN_INSIDE);
  }
  auto* name = Made<Fl_Input>(140, 254, 150, 20, nullptr,
                              "Type your user name (Zephyx forum's name if you want to save your scores online)");
  auto* password = Made<Fl_Secret_Input>(140, 274, 150, 20, nullptr, "Type your Zephyx forum's password if you have one");
  name->textsize(kLabelSize);
  password->textsize(kLabelSize);

  auto* start = Made<Fl_Return_Button>(5, 308, 340, 25, "Start game", "To play!");
  start->color(fl_rgb_color(0x77, 0x55, 0x00));
  start->labelcolor(FL_WHITE);
  start->labelfont(FL_HELVETICA_BOLD);
  start->callback([](Fl_Widget*, void* flag) { *static_cast<bool*>(flag) = true; }, &started);
  window.end();

  music->value(form.music);
  sound->value(form.sound);
  effects->value(form.effects);
  online->value(form.internet);
  joystick->value(form.joystick);
  (form.flipMethod == 2 ? synchro2 : synchro1)->setonly();
  if (form.synchroLocked) {
    synchro1->deactivate();
    synchro2->deactivate();
  }
  name->value(form.name.c_str());
  password->value(form.password.c_str());

  FadeWindow(window, kFadeStep);
  while (!started && window.shown()) Fl::wait();

  form.music = music->value() != 0;
  form.sound = sound->value() != 0;
  form.effects = effects->value() != 0;
  form.internet = online->value() != 0;
  form.joystick = joystick->value() != 0;
  form.flipMethod = synchro2->value() != 0 ? 2 : 1;
  form.name = name->value();
  form.password = password->value();
  ApplyForm(form);

  FadeWindow(window, kFadeStep);
  Fl::check();
  if (HasImage(miniLogoImage)) ReleaseImage(miniLogoImage);
}
