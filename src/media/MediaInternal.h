// State shared by the media layer's own files (SDL types live here, never in Media.h).
#pragma once

#include <SDL.h>

#include <algorithm>
#include <map>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "media/Media.h"

namespace media {

// A picture kept on the CPU (for blits into pictures, pixel reads and exact touch tests) with
// textures made from it on demand for the renderer.
// A turned copy of a sprite and when it was last drawn, so the least used copies go first when the
// copies of all sprites together pass their memory budget.
struct TurnedCopyEntry {
  SDL_Texture* texture = nullptr;
  long bytes = 0;    // its pixels
  long lastUse = 0;  // the turned-draw count when it was last drawn
};

// A picture zoomed and turned once, on the CPU, and laid many times at its own size: what the compositor
// draws instead of sampling a small picture afresh at every draw.
struct ShapedCopy {
  std::unique_ptr<uint32_t[]> pixels;  // w x h, ARGB8888, clear outside the picture
  std::unique_ptr<int16_t[]> visible;  // for each row, the first column with any alpha and the column after the last
  int w = 0, h = 0;                    // pixels
  long Bytes() const { return static_cast<long>(w) * h * 4; }
};

struct ShapedCopyEntry {
  std::shared_ptr<const ShapedCopy> copy;  // queued drawing may still hold it after it is dropped here
  long lastUse = 0;                        // the shaped-draw count when it was last drawn
};

// A zoomed or turned shape seen lately, copied or not: whether it comes back decides whether it gets a copy.
struct SeenShape {
  const void* sprite = nullptr;  // the sprite drawn (only compared, never followed)
  uint64_t key = 0;              // its shape
  long frame = -1;               // the presented-frame count when it was last drawn
};

struct Sprite {
  SDL_Surface* surface = nullptr;   // ARGB8888
  SDL_Texture* texture = nullptr;   // the picture with its alpha (quads, opaque blits)
  SDL_Texture* keyedTexture = nullptr;  // key-colour pixels made transparent (keyed blits)
  bool textureStale = true;         // the surface changed since the textures were made
  bool keyedStale = true;
  int flags = 0;                    // kSpriteQuadTexture, kSpriteKeepAlpha
  int keyColour = 0;                // game colour (r + 256 g + 65536 b) skipped by keyed blits
  bool clipped = false;             // blits use only `clip`, which may be empty (they then draw nothing)
  SDL_Rect clip{0, 0, 0, 0};        // the part that blits use while clipped, pixels of the sprite
  int contentVersion = 0;           // grows whenever the pixels change (turned copies go stale)
  std::map<int, TurnedCopyEntry> turned;  // turned copies by angle step, for the software renderer
  int turnedVersion = 0;            // the contentVersion the turned copies were made from
  std::unordered_map<uint64_t, ShapedCopyEntry> shaped;  // zoomed and turned copies for the compositor, by shape
  int shapedVersion = 0;            // the contentVersion the shaped copies were made from
  // For each row, the first column with any alpha and the column after the last (pictures laid by alpha
  // skip the clear rest), made from `visibleVersion` of the pixels.
  std::vector<int16_t> visibleSpans;
  int visibleVersion = -1;
  bool allOpaque = false;           // every pixel's alpha is 255, as of `opaqueVersion` of the pixels
  int opaqueVersion = -1;
  // The picture with one more column and row, copies of its first, for triangles that repeat it (made from
  // `wrapVersion` of the pixels; queued drawing may still hold an older one).
  std::shared_ptr<const std::vector<uint32_t>> wrapCopy;
  int wrapVersion = -1;
  ~Sprite();
};

struct Quad {
  std::shared_ptr<Sprite> sprite;  // kept alive while the quad exists
  float width = 0, height = 0;     // drawn size in pixels
  float angle = 0;                 // degrees, clockwise about the centre
};

struct Image {
  SDL_Surface* surface = nullptr;  // ARGB8888
  ~Image();
};

struct State {
  MediaOptions options;
  bool initialised = false;
  SDL_Window* window = nullptr;
  SDL_Renderer* renderer = nullptr;
  // The frame every drawing lands in, on the CPU (null with --gpu in a window, where the renderer draws).
  SDL_Surface* frame = nullptr;
  SDL_Texture* frameTexture = nullptr;     // the window's streaming copy of the frame, one upload a present
  bool surfacePresent = false;             // the frame is shown through the window's own surface, which the
                                           // software renderer presents (no texture, no copy of a copy)
  SDL_Surface* frameWindow = nullptr;      // while the frame's pixels are the window surface's own (the window at
                                           // the frame's size), that surface: nothing is copied at a present
  bool rendererDraws = false;              // drawing goes through the renderer (--gpu, or a test's reference)
  SDL_Texture* screen = nullptr;           // --gpu: the 1024 x 768 back buffer, a render target
  int screenWidth = 1024, screenHeight = 768;
  bool customBlendAllowed = false;   // the renderer accepts composed blend modes
  bool softwareRenderer = false;     // turning pictures is costly: turned copies are kept
  long turnedBytes = 0;              // pixels held by the turned copies of every sprite
  long turnedDraws = 0;              // turned draws so far (the copies' clock for least-recent use)
  long shapedBytes = 0;              // pixels held by the shaped copies of every sprite
  long shapedDraws = 0;              // shaped draws so far (their clock for least-recent use)
  // The shapes seen lately, in slots by a hash of sprite and shape (a newer shape takes an older one's slot):
  // a shape forgotten too soon merely waits longer for its copy.
  std::vector<SeenShape> seenShapes = std::vector<SeenShape>(4096);
  bool shapedCopiesOn = true;        // off: every zoomed or turned picture is sampled afresh (tests)
  bool focus = true;
  int frameRate = 60;
  Uint64 nextPresent = 0;            // performance-counter time before which no present happens
  int vsyncOn = -1;                  // the renderer's current vsync setting
  long presented = 0;                // presents so far
  std::map<int, std::shared_ptr<Sprite>> sprites;
  std::map<int, Quad> quads;
  std::map<int, std::unique_ptr<Image>> images;
  int blitTarget = -1;               // sprite number, -1 the back buffer
  int defaultKeyColour = 0;
  // quad pass
  SDL_BlendMode quadBlend = SDL_BLENDMODE_BLEND;
  bool quadFiltering = true;
  SDL_Rect viewport{0, 0, 1024, 768};
};

State& S();

// Drops the least recently drawn of the copies that `counts` counts, in the `copies` map of every sprite, until
// `bytes` is at most three quarters of `budget`; `drop` gives back what an entry holds and returns its bytes.
// `keep` is never dropped. Nothing happens while `bytes` is within the budget.
template <typename Copies, typename Entry, typename Counts, typename Drop>
void DropLeastRecentlyDrawn(Copies Sprite::*copies, const Entry* keep, long& bytes, long budget, Counts counts,
                            Drop drop) {
  using Key = typename Copies::key_type;
  if (bytes <= budget) return;
  struct Use {
    long lastUse;
    Sprite* sprite;
    Key key;
  };
  std::vector<Use> uses;
  for (auto& [number, sprite] : S().sprites) {
    (void)number;
    for (auto& [key, entry] : (*sprite).*copies)
      if (&entry != keep && counts(entry)) uses.push_back({entry.lastUse, sprite.get(), key});
  }
  std::sort(uses.begin(), uses.end(), [](const Use& a, const Use& b) { return a.lastUse < b.lastUse; });
  for (const Use& use : uses) {
    if (bytes <= budget / 4 * 3) break;
    auto& map = (*use.sprite).*copies;
    auto found = map.find(use.key);
    bytes -= drop(found->second);
    map.erase(found);
  }
}

// Whether anything can be drawn: a frame or a renderer exists.
inline bool CanDraw() { return S().frame != nullptr || S().renderer != nullptr; }

// Makes sure a sprite's texture matches its surface; null without a renderer.
SDL_Texture* SpriteTexture(Sprite& sprite);
// Destroys a sprite's turned copies and takes their pixels off the budget.
void ForgetTurnedCopies(Sprite& sprite);
SDL_Texture* SpriteKeyedTexture(Sprite& sprite);
std::shared_ptr<Sprite> FindSprite(int number);
// Whether every pixel of the picture has alpha 255 (kept until its pixels change).
bool AllOpaque(Sprite& sprite);
// Triangles that repeat the sprite's picture across whole numbers of u and v (the 3D renderer's textures),
// drawn like DrawTriangles. False, drawing nothing, where that cannot be done: the renderer draws, or the
// picture's sides are not powers of two; the caller then cuts its triangles at the repeats.
bool DrawWrappedTriangles(int sprite, const QuadVertex* vertices, int vertexCount, const int* indices,
                          int indexCount);
// Such triangles with a second repeating picture multiplied over the first (its coordinates, u and v for each
// vertex, in `secondCoordinates`), in one pass: as the first layer over all the triangles and then the second
// would draw them, where the triangles do not cover one another. False, drawing nothing, where either picture
// cannot repeat.
bool DrawWrappedTwoLayerTriangles(int sprite, int secondSprite, const QuadVertex* vertices, int vertexCount,
                                  const float* secondCoordinates, const int* indices, int indexCount);
SDL_Surface* NewSurface(int w, int h);
SDL_Surface* ToArgb(SDL_Surface* decoded);  // takes ownership of `decoded`
// Game colour (r + 256 g + 65536 b) to an opaque ARGB8888 pixel and back.
inline Uint32 PixelOf(int colour) {
  return 0xFF000000u | (static_cast<Uint32>(ColorRed(colour)) << 16) |
         (static_cast<Uint32>(ColorGreen(colour)) << 8) | static_cast<Uint32>(ColorBlue(colour));
}
inline int ColourOf(Uint32 pixel) { return ColorRGB((pixel >> 16) & 255, (pixel >> 8) & 255, pixel & 255); }

// The back buffer as the renderer's target, with the quad clip applied.
void TargetScreen();
// 2D drawing on the back buffer may hold a CPU copy of it; renderer drawing first writes it back.
void FlushScreenCopy();
SDL_Surface* ScreenCopy();  // reads the back buffer into a CPU surface on first use
void DropScreenTextures();  // before the renderer goes away
void ForgetDrawTextures();  // the drawing code's own textures, likewise
void RebuildAfterDeviceReset();

// Input, fed once per presented frame
void PumpEvents();
// The program ends as the window or a signal asked (see OutsideEnd); EndOnSignal does nothing without one.
[[noreturn]] void EndFromOutside(OutsideEnd cause);
void EndOnSignal();
void NoteRunFileFailure();  // a file the run was asked to write could not be written
void BeginInputFrame();  // builds this frame's input from the devices or the replay journal
void InputShutdown();

// Remembers why an operation failed, for LastMediaError; the SDL variant adds SDL's own reason.
void SetMediaError(const std::string& reason);
void SetSdlError(const std::string& what);

}  // namespace media
