// The layer's start and end, the clock, program arguments, message boxes, web pages and folders.
#include <SDL.h>
#include <SDL_image.h>
#include <SDL_ttf.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <thread>

#include "media/MediaInternal.h"
#include "media/SoundMixer.h"

namespace media {

State& S() {
  static State state;
  return state;
}

}  // namespace media

using media::S;

namespace {

std::function<bool()> endHook;
std::vector<std::string> programArguments;
Uint64 clockStart = 0;
bool runFileFailed = false;
OutsideEnd outsideEnd = OutsideEnd::none;
volatile std::sig_atomic_t pendingSignal = 0;

// The game is told at its next present; a second signal means the player will not wait for that.
void OnEndSignal(int number) {
  if (pendingSignal != 0) _exit(128 + number);
  pendingSignal = number;
}

void CatchEndSignals() {
  struct sigaction action {};
  action.sa_handler = OnEndSignal;
  sigemptyset(&action.sa_mask);
  sigaction(SIGINT, &action, nullptr);
  sigaction(SIGTERM, &action, nullptr);
}

}  // namespace

bool MediaInit(const MediaOptions& options) {
  auto& s = S();
  s.options = options;
  if (options.headless) {
    // Nothing may ask for a display or a sound card.
    SDL_setenv("SDL_VIDEODRIVER", "dummy", 1);
    SDL_setenv("SDL_AUDIODRIVER", "dummy", 1);
  }
  // SDL would turn SIGINT and SIGTERM into a closed window; the game tells them apart.
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  if (SDL_Init(SDL_INIT_TIMER | SDL_INIT_EVENTS) != 0) {
    std::fprintf(stderr, "SDL could not start: %s\n", SDL_GetError());
    return false;
  }
  CatchEndSignals();
  clockStart = SDL_GetTicks64();
  if (options.seeded) SeedRandom(options.seed);
  s.initialised = true;
  return true;
}

bool IsHeadless() { return S().options.headless; }
const MediaOptions& CurrentMediaOptions() { return S().options; }

void SetProgramEndHook(std::function<bool()> hook) { endHook = std::move(hook); }

OutsideEnd OutsideEndRequest() { return outsideEnd; }

void RequestWindowClose() {
  SDL_Event event{};
  event.type = SDL_QUIT;
  SDL_PushEvent(&event);
}

void media::EndFromOutside(OutsideEnd cause) {
  outsideEnd = cause;
  EndProgram(cause == OutsideEnd::signal ? 128 + static_cast<int>(pendingSignal) : 0);
}

void media::EndOnSignal() {
  if (pendingSignal != 0) EndFromOutside(OutsideEnd::signal);
}

void media::NoteRunFileFailure() { runFileFailed = true; }

void MediaShutdown() {
  auto& s = S();
  if (!s.initialised) return;
  media::InputShutdown();
  FinishAudioOut();
  ShutdownSound();
  CloseScreen();
  s.quads.clear();
  s.sprites.clear();
  s.images.clear();
  TTF_Quit();
  IMG_Quit();
  SDL_Quit();
  s.initialised = false;
}

namespace {
std::string mediaError;
}  // namespace

void media::SetMediaError(const std::string& reason) { mediaError = reason; }

void media::SetSdlError(const std::string& what) {
  const char* reason = SDL_GetError();
  mediaError = what + ": " + (reason != nullptr && *reason ? reason : "no reason given");
}

std::string LastMediaError() { return mediaError.empty() ? "no reason given" : mediaError; }

void EndProgram(int exitCode) {
  if (endHook) {
    auto hook = std::move(endHook);
    endHook = nullptr;
    if (!hook()) runFileFailed = true;
  }
  if (!FinishAudioOut()) runFileFailed = true;
  media::InputShutdown();  // closes the journal being recorded
  if (exitCode == 0 && runFileFailed) exitCode = 1;
  std::fflush(nullptr);
  // The sound threads and the renderer are left to the process exit: a quick, quiet end.
  std::_Exit(exitCode);
}

long MillisecondsNow() {
  if (S().options.headless) {
    long frames = S().presented;
    if (S().options.unevenClock) {
      // Frames of 4, 29, 12 and 22 ms in turn, as a busy window might show them: 67 ms every 4 frames.
      constexpr long steps[4] = {0, 4, 33, 45};  // ms into each group of 4 frames
      return frames / 4 * 67 + steps[frames % 4];
    }
    // The virtual clock: 1000/60 ms for every presented frame, so runs repeat exactly.
    return static_cast<long>(frames * 1000 / 60);
  }
  return static_cast<long>(SDL_GetTicks64() - clockStart);
}

void Sleep(int milliseconds) {
  if (S().options.headless || milliseconds <= 0) return;
  SDL_Delay(static_cast<Uint32>(milliseconds));
}

void ReseedRandom() {
  auto& s = S();
  if (s.options.seeded) {
    SeedRandom(s.options.seed);
  } else {
    SeedRandom(static_cast<uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()));
  }
}

int ArgumentCount() { return static_cast<int>(programArguments.size()); }
std::string Argument(int n) {
  if (n < 0 || n >= ArgumentCount()) return "";
  return programArguments[n];
}
void SetArguments(const std::vector<std::string>& arguments) { programArguments = arguments; }

bool NobodyToAsk() { return S().options.headless || !S().options.replayPath.empty(); }

int MessageBox(const std::string& title, const std::string& text, int buttons) {
  int defaultAnswer = buttons == kButtonsYesNo ? kAnswerNo : kAnswerOk;
  if (NobodyToAsk()) {
    // Nobody is there to answer: say what would have been asked and take the default.
    std::fprintf(stderr, "[%s] %s -> %s\n", title.c_str(), text.c_str(),
                 buttons == kButtonsYesNo ? "No" : "OK");
    return defaultAnswer;
  }
  // The pointer must be free to click the box.
  ReleasePointer(1);
  SDL_MessageBoxButtonData yesNo[2] = {
      {SDL_MESSAGEBOX_BUTTON_RETURNKEY_DEFAULT, kAnswerYes, "Yes"},
      {SDL_MESSAGEBOX_BUTTON_ESCAPEKEY_DEFAULT, kAnswerNo, "No"}};
  SDL_MessageBoxButtonData ok[1] = {
      {SDL_MESSAGEBOX_BUTTON_RETURNKEY_DEFAULT | SDL_MESSAGEBOX_BUTTON_ESCAPEKEY_DEFAULT, kAnswerOk, "OK"}};
  SDL_MessageBoxData data{};
  data.flags = SDL_MESSAGEBOX_INFORMATION;
  data.window = S().window;
  data.title = title.c_str();
  data.message = text.c_str();
  data.numbuttons = buttons == kButtonsYesNo ? 2 : 1;
  data.buttons = buttons == kButtonsYesNo ? yesNo : ok;
  int answer = defaultAnswer;
  if (SDL_ShowMessageBox(&data, &answer) != 0) {
    std::fprintf(stderr, "[%s] %s\n", title.c_str(), text.c_str());
    answer = defaultAnswer;
  }
  return answer;
}

bool OpenWebPage(const std::string& address) {
  if (S().options.headless) return false;
  return SDL_OpenURL(address.c_str()) == 0;
}

int TestDisplayMode(int width, int height, int depth, int refresh) {
  if (S().options.headless) return -1;
  bool ownVideo = SDL_WasInit(SDL_INIT_VIDEO) == 0;
  if (ownVideo && SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) return -1;
  int found = -1;
  int count = SDL_GetNumDisplayModes(0);
  for (int i = 0; i < count && found != 0; ++i) {
    SDL_DisplayMode mode;
    if (SDL_GetDisplayMode(0, i, &mode) != 0) continue;
    // 32-bit modes carry 24 bits of colour: count the bytes a pixel takes.
    int bits = static_cast<int>(SDL_BYTESPERPIXEL(mode.format)) * 8;
    if (mode.w == width && mode.h == height && bits >= depth && (refresh == 0 || mode.refresh_rate == refresh))
      found = 0;
  }
  if (ownVideo) SDL_QuitSubSystem(SDL_INIT_VIDEO);
  return found;
}

std::string CurrentDirectory() {
  std::error_code error;
  auto path = std::filesystem::current_path(error);
  return error ? std::string() : path.string();
}

bool SetCurrentDirectory(const std::string& path) { return chdir(NativePath(path).c_str()) == 0; }
