// Keyboard, mouse, joystick and window focus: sampled once a frame from the devices or a replayed journal, and recorded.
#include <SDL.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>

#include "base/InputFrame.h"
#include "media/MediaInternal.h"

using media::S;

namespace {

// SDL scancodes (key positions) to DirectInput scan codes.
const std::array<int, SDL_NUM_SCANCODES>& ScanTable() {
  static std::array<int, SDL_NUM_SCANCODES> table = [] {
    std::array<int, SDL_NUM_SCANCODES> t{};
    const int letters[26] = {0x1E, 0x30, 0x2E, 0x20, 0x12, 0x21, 0x22, 0x23, 0x17, 0x24, 0x25, 0x26, 0x32,
                             0x31, 0x18, 0x19, 0x10, 0x13, 0x1F, 0x14, 0x16, 0x2F, 0x11, 0x2D, 0x15, 0x2C};
    for (int i = 0; i < 26; ++i) t[SDL_SCANCODE_A + i] = letters[i];
    for (int i = 0; i < 9; ++i) t[SDL_SCANCODE_1 + i] = 0x02 + i;
    t[SDL_SCANCODE_0] = 0x0B;
    const std::pair<SDL_Scancode, int> rest[] = {
        {SDL_SCANCODE_ESCAPE, 0x01}, {SDL_SCANCODE_MINUS, 0x0C}, {SDL_SCANCODE_EQUALS, 0x0D},
        {SDL_SCANCODE_BACKSPACE, 0x0E}, {SDL_SCANCODE_TAB, 0x0F}, {SDL_SCANCODE_LEFTBRACKET, 0x1A},
        {SDL_SCANCODE_RIGHTBRACKET, 0x1B}, {SDL_SCANCODE_RETURN, 0x1C}, {SDL_SCANCODE_LCTRL, 0x1D},
        {SDL_SCANCODE_SEMICOLON, 0x27}, {SDL_SCANCODE_APOSTROPHE, 0x28}, {SDL_SCANCODE_GRAVE, 0x29},
        {SDL_SCANCODE_LSHIFT, 0x2A}, {SDL_SCANCODE_BACKSLASH, 0x2B}, {SDL_SCANCODE_COMMA, 0x33},
        {SDL_SCANCODE_PERIOD, 0x34}, {SDL_SCANCODE_SLASH, 0x35}, {SDL_SCANCODE_RSHIFT, 0x36},
        {SDL_SCANCODE_KP_MULTIPLY, 0x37}, {SDL_SCANCODE_LALT, 0x38}, {SDL_SCANCODE_SPACE, 0x39},
        {SDL_SCANCODE_CAPSLOCK, 0x3A}, {SDL_SCANCODE_F1, 0x3B}, {SDL_SCANCODE_F2, 0x3C}, {SDL_SCANCODE_F3, 0x3D},
        {SDL_SCANCODE_F4, 0x3E}, {SDL_SCANCODE_F5, 0x3F}, {SDL_SCANCODE_F6, 0x40}, {SDL_SCANCODE_F7, 0x41},
        {SDL_SCANCODE_F8, 0x42}, {SDL_SCANCODE_F9, 0x43}, {SDL_SCANCODE_F10, 0x44}, {SDL_SCANCODE_NUMLOCKCLEAR, 0x45},
        {SDL_SCANCODE_SCROLLLOCK, 0x46}, {SDL_SCANCODE_KP_7, 0x47}, {SDL_SCANCODE_KP_8, 0x48},
        {SDL_SCANCODE_KP_9, 0x49}, {SDL_SCANCODE_KP_MINUS, 0x4A}, {SDL_SCANCODE_KP_4, 0x4B}, {SDL_SCANCODE_KP_5, 0x4C},
        {SDL_SCANCODE_KP_6, 0x4D}, {SDL_SCANCODE_KP_PLUS, 0x4E}, {SDL_SCANCODE_KP_1, 0x4F}, {SDL_SCANCODE_KP_2, 0x50},
        {SDL_SCANCODE_KP_3, 0x51}, {SDL_SCANCODE_KP_0, 0x52}, {SDL_SCANCODE_KP_PERIOD, 0x53},
        {SDL_SCANCODE_NONUSBACKSLASH, 0x56}, {SDL_SCANCODE_F11, 0x57}, {SDL_SCANCODE_F12, 0x58},
        {SDL_SCANCODE_KP_ENTER, 0x9C}, {SDL_SCANCODE_RCTRL, 0x9D}, {SDL_SCANCODE_KP_DIVIDE, 0xB5},
        {SDL_SCANCODE_PRINTSCREEN, 0xB7}, {SDL_SCANCODE_RALT, 0xB8}, {SDL_SCANCODE_PAUSE, 0xC5},
        {SDL_SCANCODE_HOME, 0xC7}, {SDL_SCANCODE_UP, 0xC8}, {SDL_SCANCODE_PAGEUP, 0xC9}, {SDL_SCANCODE_LEFT, 0xCB},
        {SDL_SCANCODE_RIGHT, 0xCD}, {SDL_SCANCODE_END, 0xCF}, {SDL_SCANCODE_DOWN, 0xD0},
        {SDL_SCANCODE_PAGEDOWN, 0xD1}, {SDL_SCANCODE_INSERT, 0xD2}, {SDL_SCANCODE_DELETE, 0xD3},
        {SDL_SCANCODE_LGUI, 0xDB}, {SDL_SCANCODE_RGUI, 0xDC}, {SDL_SCANCODE_APPLICATION, 0xDD}};
    for (auto [scancode, code] : rest) t[scancode] = code;
    return t;
  }();
  return table;
}

// With layout codes on, a letter or digit key reports the code of the key its label names on a US board.
int LayoutCode(SDL_Scancode scancode) {
  SDL_Keycode key = SDL_GetKeyFromScancode(scancode);
  if (key >= SDLK_a && key <= SDLK_z) return ScanTable()[SDL_SCANCODE_A + (key - SDLK_a)];
  if (key >= SDLK_1 && key <= SDLK_9) return ScanTable()[SDL_SCANCODE_1 + (key - SDLK_1)];
  if (key == SDLK_0) return ScanTable()[SDL_SCANCODE_0];
  return ScanTable()[scancode];
}

struct InputState {
  InputFrame frame;         // this frame's input
  InputFrame sampled;       // this frame's input before the frame's presses were merged into it
  InputFrame recordedLast;  // the last frame written to the journal
  bool fresh = false;       // events of this frame not yet handed to a sample
  bool mouseFresh = false;
  // gathered from device events between presents
  int pendingDx = 0, pendingDy = 0, pendingWheel = 0;
  std::string pendingText;
  FramePresses pendingPresses;
  // keyboard samples
  std::bitset<256> held, released, ignored;
  std::string typed;
  bool layoutCodes = false;
  // mouse samples
  int dx = 0, dy = 0, wheel = 0, buttons = 0;
  bool pointerReleased = true;
  // journal
  FILE* record = nullptr;
  bool recordingText = false;  // the journal is also written to `recordedText`, counting frames from recordTextBase
  std::string recordedText;
  long recordTextBase = 0;
  InputFrame recordedTextLast;
  std::unique_ptr<std::istream> replay;
  long replayBase = 0;  // journal frame numbers count from this present
  bool replaying = false;
  bool replayEnded = false;
  long replayNextFrame = -1;
  long replayLastNumber = 0;  // the frame number of the last line read, as written in the journal
  InputFrame replayNext;
  SDL_Joystick* joystick = nullptr;
  bool joystickTried = false;
  bool injected = false;     // the next frame's input was made by the program
  InputFrame injectedFrame;
};

InputState input;

SDL_Joystick* Joystick() {
  if (!input.joystickTried && !IsHeadless()) {
    input.joystickTried = true;
    // From now on SDL tells of joysticks plugged in and out (PumpEvents).
    if (SDL_InitSubSystem(SDL_INIT_JOYSTICK) == 0 && SDL_NumJoysticks() > 0) input.joystick = SDL_JoystickOpen(0);
  }
  return input.joystick;
}

// A joystick plugged in while none is open becomes joystick 0; pulling it out closes it.
void JoystickPlugged(const SDL_Event& event) {
  if (event.type == SDL_JOYDEVICEADDED && input.joystick == nullptr) {
    input.joystick = SDL_JoystickOpen(event.jdevice.which);
  } else if (event.type == SDL_JOYDEVICEREMOVED && input.joystick != nullptr &&
             SDL_JoystickInstanceID(input.joystick) == event.jdevice.which) {
    SDL_JoystickClose(input.joystick);
    input.joystick = nullptr;
  }
}

void ReadNextReplayLine() {
  std::string line;
  while (input.replay && std::getline(*input.replay, line)) {
    if (line.empty() || line[0] == '#') continue;
    InputFrame next = input.replayNext;
    next.wheel = 0;
    next.text.clear();
    long number = 0;
    if (!ParseJournalLine(line, number, next)) {
      std::fprintf(stderr, "Replay: skipping the unreadable line \"%s\"\n", line.c_str());
      continue;
    }
    if (number < input.replayLastNumber) {
      std::fprintf(stderr, "Replay: skipping the line \"%s\": frame %ld comes after frame %ld\n", line.c_str(),
                   number, input.replayLastNumber);
      continue;
    }
    input.replayLastNumber = number;
    input.replayNextFrame = number + input.replayBase;
    input.replayNext = next;
    return;
  }
  input.replayEnded = true;
  input.replayNextFrame = -1;
}

int KeyCode(SDL_Scancode scancode) {
  if (scancode < 0 || scancode >= SDL_NUM_SCANCODES) return 0;
  return input.layoutCodes ? LayoutCode(scancode) : ScanTable()[scancode];
}

// The pointer button bits of InputFrame::buttons.
int ButtonBit(int sdlButton) {
  if (sdlButton == SDL_BUTTON_LEFT) return 1;
  if (sdlButton == SDL_BUTTON_RIGHT) return 2;
  if (sdlButton == SDL_BUTTON_MIDDLE) return 4;
  return 0;
}

// The held keys, buttons and joystick as the devices have them now, with the motion, wheel and text
// gathered since the last frame.
InputFrame FromDevices() {
  InputFrame frame;
  int count = 0;
  const Uint8* keys = SDL_GetKeyboardState(&count);
  for (int sc = 0; sc < count && sc < SDL_NUM_SCANCODES; ++sc) {
    if (!keys[sc]) continue;
    int code = KeyCode(static_cast<SDL_Scancode>(sc));
    if (code > 0) frame.keys.set(static_cast<size_t>(code));
  }
  Uint32 mouse = SDL_GetMouseState(nullptr, nullptr);
  frame.buttons = ((mouse & SDL_BUTTON_LMASK) ? 1 : 0) | ((mouse & SDL_BUTTON_RMASK) ? 2 : 0) |
                  ((mouse & SDL_BUTTON_MMASK) ? 4 : 0);
  // Within what the journal can hold, so that every recording replays.
  frame.mouseDx = std::clamp(input.pendingDx, -journalMotionLimit, journalMotionLimit);
  frame.mouseDy = std::clamp(input.pendingDy, -journalMotionLimit, journalMotionLimit);
  frame.wheel = std::clamp(input.pendingWheel, -journalMotionLimit, journalMotionLimit);
  frame.text = input.pendingText;
  if (SDL_Joystick* stick = Joystick()) {
    frame.joyOpen = true;
    frame.joyX = SDL_JoystickGetAxis(stick, 0) + 32768;
    frame.joyY = SDL_JoystickGetAxis(stick, 1) + 32768;
    int buttons = SDL_JoystickNumButtons(stick);
    for (int b = 0; b < buttons && b < 31; ++b) {
      if (SDL_JoystickGetButton(stick, b)) frame.joyButtons |= 1 << b;
    }
  }
  return frame;
}

void PushEvent(SDL_Event& event) {
  if (SDL_PushEvent(&event) < 0) std::fprintf(stderr, "Could not queue a device event: %s\n", SDL_GetError());
}

}  // namespace

namespace media {

void PumpEvents() {
  // A test's focus loss comes as a window's does, through the event queue.
  const MediaOptions& options = S().options;
  if (options.focusLossFrames > 0 && (S().presented == options.focusLossFrame ||
                                      S().presented == options.focusLossFrame + options.focusLossFrames)) {
    SDL_Event change{};
    change.type = SDL_WINDOWEVENT;
    change.window.event =
        S().presented == options.focusLossFrame ? SDL_WINDOWEVENT_FOCUS_LOST : SDL_WINDOWEVENT_FOCUS_GAINED;
    PushEvent(change);
  }
  SDL_Event event;
  while (SDL_PollEvent(&event)) {
    switch (event.type) {
      case SDL_QUIT:
        EndFromOutside(OutsideEnd::windowClosed);
      case SDL_MOUSEMOTION:
        input.pendingDx += event.motion.xrel;
        input.pendingDy += event.motion.yrel;
        break;
      case SDL_MOUSEWHEEL:
        input.pendingWheel += event.wheel.y;
        break;
      case SDL_KEYDOWN: {
        int code = KeyCode(event.key.keysym.scancode);
        if (code > 0) input.pendingPresses.keys.set(static_cast<size_t>(code));
        break;
      }
      case SDL_MOUSEBUTTONDOWN:
        input.pendingPresses.buttons |= ButtonBit(event.button.button);
        break;
      case SDL_TEXTINPUT: {
        // The game's text is Latin-1: keep the characters that fit in a byte.
        const unsigned char* p = reinterpret_cast<const unsigned char*>(event.text.text);
        while (*p) {
          if (*p < 0x80) {
            input.pendingText += static_cast<char>(*p++);
          } else if ((*p & 0xE0) == 0xC0 && p[1]) {
            int code = ((p[0] & 0x1F) << 6) | (p[1] & 0x3F);
            if (code < 256) input.pendingText += static_cast<char>(code);
            p += 2;
          } else {
            ++p;
            while ((*p & 0xC0) == 0x80) ++p;
          }
        }
        break;
      }
      case SDL_WINDOWEVENT:
        if (event.window.event == SDL_WINDOWEVENT_FOCUS_LOST || event.window.event == SDL_WINDOWEVENT_MINIMIZED) {
          S().focus = false;
        } else if (event.window.event == SDL_WINDOWEVENT_FOCUS_GAINED ||
                   event.window.event == SDL_WINDOWEVENT_RESTORED) {
          S().focus = true;
        }
        break;
      case SDL_JOYDEVICEADDED:
      case SDL_JOYDEVICEREMOVED:
        JoystickPlugged(event);
        break;
      case SDL_RENDER_DEVICE_RESET:
        RebuildAfterDeviceReset();
        break;
      default:
        break;
    }
  }
}

void BeginInputFrame() {
  long frameNumber = S().presented;
  // Held input goes on from frame to frame (as in the journal); events, and the presses merged into a
  // frame, last one frame.
  InputFrame frame = input.sampled;
  frame.wheel = 0;
  frame.text.clear();
  if (input.replaying) {
    while (!input.replayEnded && input.replayNextFrame >= 0 && input.replayNextFrame <= frameNumber) {
      frame = input.replayNext;
      if (input.replayNextFrame < frameNumber) {
        // The events of a frame already past are gone; its held input still counts.
        frame.wheel = 0;
        frame.text.clear();
      }
      ReadNextReplayLine();
    }
  } else {
    if (!IsHeadless()) frame = FromDevices();
    frame.focus = S().focus;
  }
  bool fromDevices = !input.replaying;
  if (input.injected) {
    // The program makes the keys, pointer and joystick; the focus is still the screen's (or the journal's).
    bool focus = frame.focus;
    frame = input.injectedFrame;
    frame.focus = focus;
    input.injected = false;
    fromDevices = false;
  }
  input.sampled = frame;
  if (fromDevices) MergePresses(frame, input.pendingPresses);
  input.pendingPresses = FramePresses{};
  input.pendingDx = input.pendingDy = input.pendingWheel = 0;
  input.pendingText.clear();
  input.frame = frame;
  input.fresh = true;
  input.mouseFresh = true;
  // The journal holds the frame as the game sees it, taps merged: a replay needs no devices.
  auto forget = [](InputFrame& last, const InputFrame& now) {
    last = now;
    last.wheel = 0;
    last.text.clear();
  };
  if (input.record != nullptr) {
    std::string line = JournalLine(frameNumber, frame, input.recordedLast);
    if (!line.empty()) std::fprintf(input.record, "%s\n", line.c_str());
    forget(input.recordedLast, frame);
  }
  if (input.recordingText) {
    std::string line = JournalLine(frameNumber - input.recordTextBase, frame, input.recordedTextLast);
    if (!line.empty()) input.recordedText += line + "\n";
    forget(input.recordedTextLast, frame);
  }
}

void InputShutdown() {
  if (input.record != nullptr) std::fclose(input.record);
  input.record = nullptr;
  if (input.joystick) SDL_JoystickClose(input.joystick);
  input.joystick = nullptr;
}

}  // namespace media

bool OpenInputJournals() {
  const auto& options = S().options;
  if (!options.replayPath.empty()) {
    std::error_code ignored;
    if (std::filesystem::is_directory(options.replayPath, ignored)) {
      media::SetMediaError("the input journal " + options.replayPath + " is a folder, not a journal");
      return false;
    }
    auto file = std::make_unique<std::ifstream>(options.replayPath);
    if (!*file) {
      media::SetMediaError("the input journal " + options.replayPath + " cannot be read: " + std::strerror(errno));
      return false;
    }
    input.replay = std::move(file);
    input.replayBase = 0;
    input.replayLastNumber = 0;
    input.replaying = true;
    input.replayEnded = false;
    ReadNextReplayLine();
  }
  if (!options.recordPath.empty()) {
    input.record = std::fopen(options.recordPath.c_str(), "w");
    if (input.record == nullptr) {
      media::SetMediaError("the input journal " + options.recordPath + " cannot be written: " + std::strerror(errno));
      return false;
    }
    std::fprintf(input.record, "# novabouncer input journal 1\n");
  }
  return true;
}

bool InitKeyboard() {
  Joystick();  // joysticks are watched from the start, so that one plugged in later is opened
  return true;
}

bool InitMouse() { return true; }

bool InjectInput(const std::string& fields) {
  // Held input goes on from the last frame, without the taps merged into it: they lasted their frame.
  InputFrame next = input.injected ? input.injectedFrame : input.sampled;
  if (!input.injected) {
    next.wheel = 0;
    next.text.clear();
  }
  long ignored = 0;
  if (!ParseJournalLine("0 " + fields, ignored, next)) return false;
  input.injectedFrame = next;
  input.injected = true;
  return true;
}

void ReplayJournalText(const std::string& journal) {
  input.replay = std::make_unique<std::istringstream>(journal);
  input.replayBase = S().presented;
  input.replayLastNumber = 0;
  input.replaying = true;
  input.replayEnded = false;
  input.replayNext = input.sampled;
  input.replayNext.wheel = 0;
  input.replayNext.text.clear();
  input.replayNext.focus = true;  // a journal starts with the window focused, as a recording does
  ReadNextReplayLine();
}

void EndReplay() {
  input.replay.reset();
  input.replaying = false;
  input.replayEnded = false;
  input.replayNextFrame = -1;
}

void RecordJournalText() {
  input.recordingText = true;
  input.recordedText.clear();
  input.recordTextBase = S().presented;
  input.recordedTextLast = InputFrame{};
}

std::string RecordedJournalText() { return input.recordedText; }

void SendDeviceKey(int code, bool down) {
  const auto& table = ScanTable();
  auto found = std::find(table.begin(), table.end(), code);
  if (code <= 0 || found == table.end()) return;
  SDL_Event event{};
  event.type = down ? SDL_KEYDOWN : SDL_KEYUP;
  event.key.state = down ? SDL_PRESSED : SDL_RELEASED;
  event.key.keysym.scancode = static_cast<SDL_Scancode>(found - table.begin());
  PushEvent(event);
}

void SendDeviceButton(int button, bool down) {
  static const Uint8 sdlButtons[] = {SDL_BUTTON_LEFT, SDL_BUTTON_RIGHT, SDL_BUTTON_MIDDLE};
  if (button < 1 || button > 3) return;
  SDL_Event event{};
  event.type = down ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP;
  event.button.state = down ? SDL_PRESSED : SDL_RELEASED;
  event.button.button = sdlButtons[button - 1];
  PushEvent(event);
}

bool ScreenHasFocus() { return input.frame.focus; }

void SampleKeyboard() {
  std::bitset<256> before = input.held;
  input.held = input.frame.keys;
  // A release counts only for a press that this game saw; keys held across a new screen are ignored
  // until they come up.
  input.released = before & ~input.held & ~input.ignored;
  input.ignored &= input.held;
  input.typed = input.fresh ? input.frame.text : std::string();
  input.fresh = false;
}

int KeyHeld(int code) {
  if (code == -1) return input.held.any() ? 1 : 0;
  if (code < 0 || code > 255) return 0;
  return input.held[static_cast<size_t>(code)] ? 1 : 0;
}

int KeyReleased(int code) {
  if (code == -1) {
    if (input.released.none()) return 0;
    input.released.reset();
    return 1;
  }
  if (code < 0 || code > 255 || !input.released[static_cast<size_t>(code)]) return 0;
  input.released.reset(static_cast<size_t>(code));
  return 1;
}

void ForgetKeyReleases() {
  input.released.reset();
  input.ignored = input.held | input.frame.keys;
}

std::string TypedKeys() { return input.typed; }
void UseLayoutKeyCodes(int on) { input.layoutCodes = on != 0; }

void SampleMouse() {
  input.dx = input.mouseFresh ? input.frame.mouseDx : 0;
  input.dy = input.mouseFresh ? input.frame.mouseDy : 0;
  input.wheel = input.mouseFresh ? input.frame.wheel : 0;
  input.buttons = input.frame.buttons;
  input.mouseFresh = false;
}

int PointerDeltaX() { return input.dx; }
int PointerDeltaY() { return input.dy; }
int PointerWheel() { return input.wheel; }

int PointerButton(int n) {
  if (n < 1 || n > 3) return 0;
  return (input.buttons >> (n - 1)) & 1;
}

void ReleasePointer(int release) {
  input.pointerReleased = release != 0;
  if (IsHeadless() || S().window == nullptr) return;
  SDL_SetRelativeMouseMode(release ? SDL_FALSE : SDL_TRUE);
  SDL_ShowCursor(release ? SDL_ENABLE : SDL_DISABLE);
}

bool PointerIsFree() { return input.pointerReleased; }

// What the game sees of the joystick comes with the frame's input, so that a replay sees what the recording saw.
int JoystickCount() { return input.frame.joyOpen ? 1 : 0; }

bool ReadJoystick(int index, JoystickState& state) {
  if (index != 0 || JoystickCount() == 0) return false;
  state.x = input.frame.joyX;
  state.y = input.frame.joyY;
  state.buttons = input.frame.joyButtons;
  state.open = true;
  return true;
}

bool JoystickRange(int index, int& rangeX, int& rangeY) {
  if (index != 0 || JoystickCount() == 0) return false;
  rangeX = 65535;
  rangeY = 65535;
  return true;
}
