// The media layer the game is written against: screen, sprites, quads, 2D drawing, fonts, input, sound, packs, files, time.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "base/Compress.h"
#include "base/Paths.h"
#include "base/Prefs.h"
#include "base/Random.h"

// ---------------------------------------------------------------------------
// Start-up of the layer and run options

struct MediaOptions {
  bool headless = false;      // no window, no sound device, virtual clock
  bool windowed = false;      // a resizable window instead of the desktop full screen
  bool benchmark = false;     // headless but every frame is drawn and nothing is paced
  bool seeded = false;        // `seed` fixes RandomUpTo for the whole run
  uint64_t seed = 0;
  long frameLimit = 0;        // > 0: the program ends cleanly after this many presented frames
  std::vector<std::pair<long, std::string>> screenshots;  // (frame, PNG path) pairs
  std::string recordPath;     // journal of every frame's input is written here
  std::string replayPath;     // input is read from this journal instead of the devices
  // For tests of replays recorded "as in a window": the headless clock advances unevenly, and the
  // window loses the focus at frame `focusLossFrame` and gets it back `focusLossFrames` frames later.
  bool unevenClock = false;
  long focusLossFrame = 0;
  long focusLossFrames = 0;   // 0: the focus is never lost
  bool gpu = false;           // in a window, SDL's accelerated renderer draws instead of the CPU compositor
  int threads = 0;            // threads drawing the frame; 0: one per processor core
  bool wideSpans = true;      // the drawing loops use AVX2 where the processor has it
  std::string audioOutPath;   // everything the mixer produces is recorded here as a 16-bit stereo WAV
};

bool MediaInit(const MediaOptions& options);  // the platform's core; false when it cannot start
void MediaShutdown();
bool IsHeadless();
const MediaOptions& CurrentMediaOptions();

// Called once when the program ends through EndProgram (frame limit reached, window closed, a signal,
// the game's own end) so that the game can write its report first. It returns false when a file the run
// was asked to write could not be written: a program that would have ended with status 0 then ends with 1.
void SetProgramEndHook(std::function<bool()> hook);
// Runs the end hook, shuts the layer down and exits. A `--screenshot` that could not be saved also
// turns status 0 into 1.
[[noreturn]] void EndProgram(int exitCode);

// What asked the program to end from outside the game, for the end hook: the window (its close box,
// Alt+F4, the desktop's quit; status 0) or SIGINT / SIGTERM (status 128 + the signal's number). Either
// ends the program at the next present; a second signal before that ends it at once.
enum class OutsideEnd { none, windowClosed, signal };
OutsideEnd OutsideEndRequest();
void RequestWindowClose();  // as the window's close box does

// Why the last operation of the layer that said no (a screen, a pack, a picture, a font) failed, in words
// fit for a fatal message: the file and the platform's own reason.
std::string LastMediaError();

// ---------------------------------------------------------------------------
// Colours: red + 256 * green + 65536 * blue

constexpr int ColorRGB(int r, int g, int b) { return (r & 255) | ((g & 255) << 8) | ((b & 255) << 16); }
constexpr int ColorRed(int c) { return c & 255; }
constexpr int ColorGreen(int c) { return (c >> 8) & 255; }
constexpr int ColorBlue(int c) { return (c >> 16) & 255; }

// ---------------------------------------------------------------------------
// Screen and frame

bool InitSprites2D();  // the picture decoders
bool InitQuads3D();    // the renderer back end (created with the screen)
bool OpenFullScreen(int width, int height, int depth, const std::string& title);
void CloseScreen();
void SetFrameRate(int framesPerSecond);
void PresentFrame(int mode);       // 0 at once, 1 retrace, 2 timer; never above the frame rate
long PresentedFrames();            // presents since the layer started
bool ScreenHasFocus();  // as this frame's input has it: a replay waits where the recording waited
void ClearFrame(int colour);
// Drawing waits in a queue until its pixels are wanted (a present, a screenshot, a pixel read); this draws
// it now, for the benchmark's timings. The threads that draw: 0 one per core, 1 the caller alone.
void FinishDrawing();
void SetDrawThreads(int count);
int DrawThreads();
int CaptureScreenArea(int sprite, int x, int y, int w, int h);  // sprite -1: a free number is chosen and returned
bool SaveSpriteBitmap(int sprite, const std::string& path);     // uncompressed .bmp
bool SaveSpritePng(int sprite, const std::string& path);
bool SaveScreenPng(const std::string& path);                     // the back buffer as it stands

// ---------------------------------------------------------------------------
// Sprites: numbered pictures blitted to the back buffer or into each other

constexpr int kSpriteQuadTexture = 4;  // usable as a quad texture
constexpr int kSpriteKeepAlpha = 8;    // quads use the picture's alpha channel

bool SpriteFromMemory(int number, const void* data, size_t size, int flags);
bool SpriteFromPixels(int number, int w, int h, const uint32_t* argb, int flags);  // 0xAARRGGBB rows
bool CreateBlankSprite(int number, int w, int h, int flags);
void ReleaseSprite(int number);
bool HasSprite(int number);
int SpritePixelWidth(int number);   // 0 when the sprite does not exist
int SpritePixelHeight(int number);
void SetSpriteKeyColour(int number, int colour);  // number -1: default for later sprites
void SetSpriteClip(int number, int x, int y, int w, int h);  // all -1: whole sprite
void BlitSprite(int number, int x, int y);
void BlitSpriteKeyed(int number, int x, int y);
void BlitTarget(int sprite);  // -1: the back buffer
bool SpritesTouchExactly(int sprite1, int x1, int y1, int sprite2, int x2, int y2);
uint32_t SpritePixel(int number, int x, int y);  // 0xAARRGGBB, 0 outside

// ---------------------------------------------------------------------------
// Quads: sprites drawn with alpha, zoom, rotation and blending

bool QuadFromSprite(int quad, int sprite);
void ReleaseQuad(int quad);
bool HasQuad(int quad);
bool BeginQuads();
void EndQuads();
void DrawQuad(int quad, float x, float y);
void DrawQuadAlpha(int quad, float x, float y, int alpha);
void ZoomQuad(int quad, float w, float h);
float QuadWidth(int quad);
float QuadHeight(int quad);
void RotateQuad(int quad, float degrees, int mode);  // mode 0 sets, 1 adds
void QuadBlendMode(int sourceFactor, int destinationFactor);  // Direct3D factor numbers
void QuadFiltering(int on);
void SetViewport(int x, int y, int w, int h);
void FullViewport();

// Which blend the renderer really uses for a factor pair (for tests and the log of the benchmark).
enum class BlendKind { Transparency, Additive, Modulate, Custom };
BlendKind BlendKindFor(int sourceFactor, int destinationFactor, bool customAllowed);
// Bytes held by the kept turned copies of pictures, and the most they may hold (for tests and measurements).
long TurnedCopyBytes();
long TurnedCopyBudget();

// Triangles for our own 3D renderer: screen-space vertices with colour and texture coordinates.
struct QuadVertex {
  float x, y;          // screen pixels
  uint8_t r, g, b, a;  // colour multiplied with the texture
  float u, v;          // 0..1 across the texture
};
void DrawTriangles(int sprite, const QuadVertex* vertices, int vertexCount, const int* indices, int indexCount);

// ---------------------------------------------------------------------------
// 2D drawing on the back buffer, a sprite or an image

enum class DrawTargetKind { Screen, Sprite, Image };
bool BeginDraw(DrawTargetKind kind, int number = 0);
void EndDraw();
void DrawTextAt(int x, int y, const std::string& text);
void DrawTextAt(int x, int y, const std::string& text, int frontColour);
void DrawTextAt(int x, int y, const std::string& text, int frontColour, int backColour);
int TextPixelWidth(const std::string& text);
int TextPixelHeight(const std::string& text);
void SetDrawFont(int fontHandle);  // -1: the layer's own system font
void SetFrontColour(int colour);
void SetBackColour(int colour);
constexpr int kDrawTransparentText = 1, kDrawXor = 2, kDrawOutline = 4;
void SetDrawMode(int flags);
void FillBox(int x, int y, int w, int h, int colour);
void DrawLine(int x1, int y1, int x2, int y2, int colour);
// Many lines at once, each clipped to the target once and then laid pixel by pixel without further tests.
struct LineSegment {
  int x1, y1, x2, y2;  // pixels, ends included
  int colour;
};
void DrawLines(const LineSegment* lines, int count);
void DrawCircle(int x, int y, int radius, int colour);
void PutPixel(int x, int y, int colour);
int PixelColour(int x, int y);
uint8_t* DrawBufferAddress();  // rows of 32-bit pixels, see DrawBufferFormat
int DrawBufferPitch();         // bytes per row
int DrawBufferWidth();
int DrawBufferHeight();
constexpr int kBufferFormatBGRA32 = 1;  // bytes blue, green, red, alpha in memory
int DrawBufferFormat();

// Images: bitmaps used as drawing targets or pixel sources
bool ImageFromMemory(int number, const void* data, size_t size);
bool CreateBlankImage(int number, int w, int h);
void ReleaseImage(int number);
bool HasImage(int number);
int ImagePixelWidth(int number);
int ImagePixelHeight(int number);
uint32_t ImagePixel(int number, int x, int y);  // 0xAARRGGBB, 0 outside
void DrawImage(int number, int x, int y);       // onto the current drawing target

// ---------------------------------------------------------------------------
// Fonts

// The game's own font file: `faceName` opens that very file afterwards, whatever its family is called inside.
bool RegisterFontFile(const std::string& path, const std::string& faceName);
void UnregisterFontFile();
bool LoadFontFace(int number, const std::string& face, int pointSize);  // false when no font of that face exists
// Font `number` becomes the face of font `source` at another size; false when `source` is not loaded.
bool LoadFontResized(int number, int source, int pointSize);
int FontPointSize(int number);  // 0 when missing
int FontHandle(int number);  // -1 when missing
void ReleaseFont(int number);
bool HasFont(int number);

// ---------------------------------------------------------------------------
// Keyboard, mouse, joystick. Codes are DirectInput keyboard scan codes.

namespace Key {
constexpr int Escape = 1, Backspace = 14, Tab = 15, P = 25, Enter = 28, S = 31, J = 36, M = 50, Space = 57;
constexpr int F1 = 59, F2 = 60, Up = 200, PageUp = 201, Left = 203, Right = 205, Down = 208, PageDown = 209;
}  // namespace Key
constexpr int kKeyCodeCount = 256;

bool InitKeyboard();
// Opens the journals of --replay and --record (the replay first: a failed start writes nothing);
// false with LastMediaError naming the file and the reason.
bool OpenInputJournals();
bool InitMouse();
void SampleKeyboard();
int KeyHeld(int code);      // -1: any key
int KeyReleased(int code);  // 1 once per press, at the first sample with the key up; -1: any key
void ForgetKeyReleases();   // keys held now will not report their release (a new screen starts)
std::string TypedKeys();    // text typed since the last sample
void UseLayoutKeyCodes(int on);
// Replays a journal held in memory from the next present on (its frame 1); for tests and demos.
void ReplayJournalText(const std::string& journal);
// Input made by the program itself (autoplay, attract mode) for the next frame, in the journal's
// field syntax ("mouse=4,0 buttons=1 keys=28"); held fields not named keep their value. It enters
// where device input enters, so it is recorded like a player's. Returns false for unreadable fields.
bool InjectInput(const std::string& fields);
// The devices' input enters again from the next present (a replay from memory ends early).
void EndReplay();
// Records the journal in memory too, from the next present on (its frame 1), as ReplayJournalText reads it;
// RecordedJournalText returns what was written so far. For tests.
void RecordJournalText();
std::string RecordedJournalText();
// A key (scan code) or pointer button (1 left, 2 right, 3 middle) going down or up, queued as the window
// system queues it for the next present; for tests without a window, where nothing else is held down.
void SendDeviceKey(int code, bool down);
void SendDeviceButton(int button, bool down);

void SampleMouse();
int PointerDeltaX();
int PointerDeltaY();
int PointerWheel();
int PointerButton(int n);  // 1 left, 2 right, 3 middle
void ReleasePointer(int release);  // 1 frees the system pointer, 0 captures it
bool PointerIsFree();              // the last ReleasePointer freed it (true before any)

struct JoystickState {
  int x = 32767, y = 32767;  // axes on 0..65535, 32767 centred
  int buttons = 0;           // bit 0 is button 1
  bool open = false;         // a joystick answered (ReadJoystick sets it)
};
int JoystickCount();  // 0 or 1: joystick 0 is open in this frame (plugged in later, it opens then)
bool ReadJoystick(int index, JoystickState& state);  // false when that joystick does not answer
bool JoystickRange(int index, int& rangeX, int& rangeY);

// ---------------------------------------------------------------------------
// Sound: every effect plays at a frequency in Hz, a pan and a volume

constexpr int kSoundLoop = 1, kSoundOverlap = 2;
bool InitSound();
bool SoundFromMemory(int number, const void* data, size_t size);  // WAV or Ogg Vorbis
void PlaySoundId(int number, int flags);
void StopSoundId(int number);
void SetSoundVolume(int number, int volume);        // 0..100
void SetSoundPan(int number, int pan);              // -100 left .. 100 right
void SetSoundFrequency(int number, int frequency);  // Hz, clamped to 100..200000
int SoundVolume(int number);
int SoundPan(int number);
int SoundFrequency(int number);
bool SoundPlaying(int number);
int SoundVoiceCount();  // playing instances of every sound
void ReleaseSound(int number);
bool HasSound(int number);
void MixSoundFrames(float* stereo, int frames);  // the mixer itself, called by the device (and by tests)
int MixRate();                                    // samples per second of the mix
bool SoundDeviceOpen();        // false when InitSound found no device (or the run is headless)
// Starts the recording of MediaOptions::audioOutPath (nothing to do without one), before the first present.
// Headless, or when InitSound finds no device, the mixer runs on a null device locked to the frames: every
// present mixes exactly 1/60 s into the file, and effects, streamed music and MIDI tunes play as in a window.
// In a window the device's own mix is recorded. The file is finished and renamed into place when the program
// ends. False, with LastMediaError naming the file and the reason, when it cannot be created.
bool OpenAudioOut();
void ShutdownSound();          // closes the device, frees every sound and MIDI slot, ends the stream thread
std::string LastSoundError();  // why the last refused SoundFromMemory refused
// MIDI through command strings: "open F type sequencer alias midN", "play midN", "stop midN",
// "close midN", "set volumeN volume V". Returns 0 on success.
int MidiCommand(const std::string& command);

// ---------------------------------------------------------------------------
// Packs: the container of the game's pictures, sounds and levels

bool OpenPack(const std::string& path);
uint8_t* NextPackEntry();   // valid until the next call; null at the end
size_t PackEntrySize();
std::string PackEntryName();  // the name the entry was stored under
void ClosePack();

// ---------------------------------------------------------------------------
// Files: created files are written under a temporary name and renamed when closed

bool CreateFileId(int number, const std::string& path);
bool OpenFileId(int number, const std::string& path);
long FileLength(int number);
long ReadBytes(int number, void* buffer, long count);
long WriteBytes(int number, const void* data, long count);
bool CloseFileId(int number);
bool FileExists(const std::string& path);

// ---------------------------------------------------------------------------
// Time and randomness

long MillisecondsNow();
void Sleep(int milliseconds);
void ReseedRandom();      // from the clock, or the fixed seed of the run

// ---------------------------------------------------------------------------
// Program and system

int ArgumentCount();
std::string Argument(int n);
void SetArguments(const std::vector<std::string>& arguments);
constexpr int kButtonsOk = 0, kButtonsYesNo = 4, kAnswerOk = 1, kAnswerYes = 6, kAnswerNo = 7;
int MessageBox(const std::string& title, const std::string& text, int buttons);
// True when a message box would not be shown (headless or replaying): it prints and takes its default answer.
bool NobodyToAsk();
bool OpenWebPage(const std::string& address);
// The whole body of an HTTP GET of `url` (agent "QSecure", no cache, no proxy), or "" when anything fails: no
// answer within 10 s, a status other than 200, or a body over 64 KB.
std::string FetchUrlText(const std::string& url);
// The MD5 digest of the text as 32 lower-case hexadecimal digits.
std::string Md5Hex(const std::string& text);
// The characters of `text` that match the regular expression `pattern` (PCRE syntax), each tested by itself,
// or (keepMatching false) those that do not; false, with nothing in `out`, when the expression cannot be built.
bool FilterCharacters(const std::string& text, const std::string& pattern, bool keepMatching, std::string& out);
// The player's name keeps letters, digits, blanks, minus, exclamation and question marks; the password loses
// blanks and % \ & / @ $, which the score server's requests could not carry. Empty when the rule cannot be built.
std::string FilterName(const std::string& typed);
std::string FilterPassword(const std::string& typed);
// 0 when the first display offers width x height at `depth` bits a pixel and `refresh` Hz (0: any rate),
// asked without changing the mode; -1 otherwise, and always headless.
int TestDisplayMode(int width, int height, int depth, int refresh);
std::string CurrentDirectory();
bool SetCurrentDirectory(const std::string& path);
