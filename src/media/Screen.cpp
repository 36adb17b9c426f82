// The screen: window or headless surface, the back buffer, pacing of presents, focus, captures.
#include <SDL.h>
#include <SDL_image.h>

#include <algorithm>
#include <chrono>
#include <thread>
#include <cstdio>
#include <cstring>

#include "base/AtomicFile.h"
#include "media/Compositor.h"
#include "media/MediaInternal.h"
#include "media/WideSpans.h"
#include "media/WideSpans.h"
#include "media/MixRecorder.h"

using media::S;

namespace {

// Writes through a temporary name so that an interrupted save never leaves half a picture.
bool SaveSurface(SDL_Surface* surface, const std::string& path, bool png) {
  std::string error;
  bool written = WriteThroughTemporary(
      NativePath(path),
      [&](const std::string& temporary, std::string&) {
        if (png) return IMG_SavePNG(surface, temporary.c_str()) == 0;
        // Plain 24-bit bitmaps are what every viewer reads.
        SDL_Surface* rgb = SDL_ConvertSurfaceFormat(surface, SDL_PIXELFORMAT_BGR24, 0);
        if (rgb == nullptr) return false;
        bool written = SDL_SaveBMP(rgb, temporary.c_str()) == 0;
        SDL_FreeSurface(rgb);
        return written;
      },
      error, {.makeFolders = true});
  if (!written) media::SetMediaError(error);
  return written;
}

bool ProbeCustomBlend(SDL_Renderer* renderer) {
  SDL_Texture* probe = SDL_CreateTexture(renderer, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STATIC, 1, 1);
  if (probe == nullptr) return false;
  SDL_BlendMode mode = SDL_ComposeCustomBlendMode(SDL_BLENDFACTOR_SRC_ALPHA, SDL_BLENDFACTOR_SRC_ALPHA,
                                                  SDL_BLENDOPERATION_ADD, SDL_BLENDFACTOR_ZERO,
                                                  SDL_BLENDFACTOR_ONE, SDL_BLENDOPERATION_ADD);
  bool ok = SDL_SetTextureBlendMode(probe, mode) == 0;
  SDL_DestroyTexture(probe);
  return ok;
}

void WaitForNextPresent(bool vsync) {
  auto& s = S();
  Uint64 frequency = SDL_GetPerformanceFrequency();
  Uint64 period = frequency / static_cast<Uint64>(std::max(1, s.frameRate));
  // With the retrace doing the last bit of waiting, stop a little early so the right retrace is caught.
  Uint64 slack = vsync ? frequency / 500 : 0;
  Uint64 now = SDL_GetPerformanceCounter();
  if (s.nextPresent != 0 && now + slack < s.nextPresent) {
    Uint64 wait = s.nextPresent - slack - now;
    // Sleep through the wait but its last 0.3 ms (the kernel wakes a sleeper within some 50 microseconds),
    // then yield until the moment: spinning longer would cost a frame's drawing in processor time.
    auto micros = static_cast<long long>(wait * 1000000 / frequency);
    if (micros > 300) std::this_thread::sleep_for(std::chrono::microseconds(micros - 300));
    while (SDL_GetPerformanceCounter() + slack < s.nextPresent) SDL_Delay(0);
    now = SDL_GetPerformanceCounter();
  }
  // After a stall (loading, a dragged window) start afresh instead of rushing to catch up.
  if (s.nextPresent == 0 || now > s.nextPresent + period) {
    s.nextPresent = now + period;
  } else {
    s.nextPresent += period;
  }
}

}  // namespace

namespace media {

// The format of the window's copy of the frame: the window's own where it has the frame's byte order (the
// frame's alpha is then ignored and the copy to the window is a plain one), the frame's otherwise.
Uint32 FrameTextureFormat(SDL_Window* window) {
  return SDL_GetWindowPixelFormat(window) == SDL_PIXELFORMAT_RGB888 ? SDL_PIXELFORMAT_RGB888
                                                                     : SDL_PIXELFORMAT_ARGB8888;
}

void TargetScreen() {
  auto& s = S();
  if (s.renderer == nullptr || !s.rendererDraws) return;
  if (SDL_GetRenderTarget(s.renderer) != s.screen) SDL_SetRenderTarget(s.renderer, s.screen);
  SDL_RenderSetClipRect(s.renderer, &s.viewport);
}

void DropScreenTextures() {
  auto& s = S();
  ForgetDrawTextures();
  if (s.frameTexture) SDL_DestroyTexture(s.frameTexture);
  s.frameTexture = nullptr;
  for (auto& [number, sprite] : s.sprites) {
    (void)number;
    if (sprite->texture) SDL_DestroyTexture(sprite->texture);
    if (sprite->keyedTexture) SDL_DestroyTexture(sprite->keyedTexture);
    sprite->texture = sprite->keyedTexture = nullptr;
    media::ForgetTurnedCopies(*sprite);
    sprite->textureStale = sprite->keyedStale = true;
  }
  if (s.screen) SDL_DestroyTexture(s.screen);
  s.screen = nullptr;
}

void RebuildAfterDeviceReset() {
  auto& s = S();
  // The textures died with the device; the pictures live on in their surfaces and are uploaded again.
  DropScreenTextures();
  if (s.window != nullptr) {
    SDL_Texture*& made = s.frame ? s.frameTexture : s.screen;
    made = SDL_CreateTexture(s.renderer, s.frame ? FrameTextureFormat(s.window) : Uint32{SDL_PIXELFORMAT_ARGB8888},
                             s.frame ? SDL_TEXTUREACCESS_STREAMING : SDL_TEXTUREACCESS_TARGET, s.screenWidth,
                             s.screenHeight);
    if (made) {
      SDL_SetTextureScaleMode(made, SDL_ScaleModeLinear);
      SDL_SetTextureBlendMode(made, SDL_BLENDMODE_NONE);
    }
  }
  if (!s.rendererDraws) return;
  TargetScreen();
  SDL_SetRenderDrawColor(s.renderer, 0, 0, 0, 255);
  SDL_RenderClear(s.renderer);
}

}  // namespace media

bool InitSprites2D() {
  int wanted = IMG_INIT_PNG | IMG_INIT_JPG | IMG_INIT_TIF;
  if ((IMG_Init(wanted) & wanted) == wanted) return true;
  media::SetSdlError("the PNG, JPEG and TIFF decoders");
  return false;
}

bool InitQuads3D() { return true; }  // the renderer comes with the screen

namespace {
bool OpenScreenOnce(int width, int height, const std::string& title);
}  // namespace

bool OpenFullScreen(int width, int height, int /*depth*/, const std::string& title) {
  if (OpenScreenOnce(width, height, title)) return true;
  media::SetSdlError(std::to_string(width) + " x " + std::to_string(height) + (IsHeadless() ? " headless screen" : " screen"));
  return false;
}

namespace {

// Whether the renderer's OpenGL runs on the processor (Mesa's llvmpipe, softpipe or swrast).
bool EmulatedGpu(SDL_Renderer* renderer) {
  SDL_RendererInfo info{};
  if (SDL_GetRendererInfo(renderer, &info) != 0 || info.name == nullptr || std::strncmp(info.name, "opengl", 6) != 0)
    return false;
  using GetString = const unsigned char* (*)(unsigned int);
  auto getString = reinterpret_cast<GetString>(SDL_GL_GetProcAddress("glGetString"));
  const unsigned char* name = getString != nullptr ? getString(0x1F01) : nullptr;  // GL_RENDERER
  if (name == nullptr) return false;
  std::string text(reinterpret_cast<const char*>(name));
  return text.find("llvmpipe") != std::string::npos || text.find("softpipe") != std::string::npos ||
         text.find("swrast") != std::string::npos;
}

SDL_Renderer* SoftwarePresenter(SDL_Window* window) { return SDL_CreateRenderer(window, -1, SDL_RENDERER_SOFTWARE); }

bool OpenScreenOnce(int width, int height, const std::string& title) {
  auto& s = S();
  if (s.renderer != nullptr || s.frame != nullptr) return true;
  s.screenWidth = width;
  s.screenHeight = height;
  s.viewport = {0, 0, width, height};
  bool gpu = s.options.gpu && !s.options.headless;
  if (!gpu) {
    // Every picture is drawn on the CPU into this frame, headless or not: what a screenshot holds is what
    // the player sees.
    s.frame = SDL_CreateRGBSurfaceWithFormat(0, width, height, 32, SDL_PIXELFORMAT_ARGB8888);
    if (s.frame == nullptr) return false;
    SDL_FillRect(s.frame, nullptr, 0xFF000000u);
    media::SetCompositorFrame({static_cast<uint32_t*>(s.frame->pixels), s.frame->pitch / 4, width, height});
    media::SetDrawingThreads(s.options.threads);
    media::UseWideSpans(s.options.wideSpans);
  }
  if (!s.options.headless) {
    // A window's own surface (where SDL's software renderer draws) is then the window system's shared
    // memory, not a texture that SDL would draw once more through OpenGL; unless the player said otherwise.
    if (!gpu) SDL_SetHintWithPriority(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0", SDL_HINT_DEFAULT);
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) return false;
    Uint32 flags = s.options.windowed ? SDL_WINDOW_RESIZABLE : SDL_WINDOW_FULLSCREEN_DESKTOP;
    auto makeWindow = [&] {
      return SDL_CreateWindow(title.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, width, height,
                              flags | SDL_WINDOW_ALLOW_HIGHDPI);
    };
    s.window = makeWindow();
    if (s.window == nullptr) return false;
    // A window shows the frame by copying it straight into the window's own surface (the window system's
    // shared memory), scaled only when the player resized the window: one copy a present, less than any
    // renderer or OpenGL upload costs. Full screen, where the frame is always scaled, the default renderer
    // does the scaling (on the graphics card, if the machine has one).
    // Asked for by name, the software renderer is the one that shows the window's surface anyway.
    const char* driver = SDL_GetHint(SDL_HINT_RENDER_DRIVER);
    bool plainCopy = !gpu && s.options.windowed && (driver == nullptr || SDL_strcasecmp(driver, "software") == 0);
    if (plainCopy) {
      // SDL's software renderer presents exactly the window's surface, which the frame is copied into.
      s.renderer = SoftwarePresenter(s.window);
      if (s.renderer != nullptr && SDL_GetWindowSurface(s.window) != nullptr) {
        s.surfacePresent = true;
        s.focus = true;
        return true;
      }
    }
    if (!plainCopy)
      s.renderer = SDL_CreateRenderer(s.window, -1, gpu ? SDL_RENDERER_ACCELERATED | SDL_RENDERER_TARGETTEXTURE : 0);
    if (!gpu && s.renderer != nullptr && EmulatedGpu(s.renderer) && SDL_GetHint(SDL_HINT_RENDER_DRIVER) == nullptr) {
      // OpenGL emulated on the processor (Mesa's llvmpipe) would spend more on showing the frame than the
      // compositor spends drawing it: SDL's own software renderer copies it to the window as it is. The
      // window goes too, or its surface would still be shown through OpenGL.
      SDL_DestroyRenderer(s.renderer);
      SDL_DestroyWindow(s.window);
      s.renderer = nullptr;
      s.window = makeWindow();
      if (s.window == nullptr) return false;
    }
    if (s.renderer == nullptr) s.renderer = SoftwarePresenter(s.window);
    if (s.renderer == nullptr) {
      SDL_DestroyWindow(s.window);
      s.window = nullptr;
      return false;
    }
    // With the compositor the renderer only shows the frame: one streaming texture, filled once a present.
    SDL_Texture*& made = gpu ? s.screen : s.frameTexture;
    made = SDL_CreateTexture(s.renderer, gpu ? Uint32{SDL_PIXELFORMAT_ARGB8888} : media::FrameTextureFormat(s.window),
                             gpu ? SDL_TEXTUREACCESS_TARGET : SDL_TEXTUREACCESS_STREAMING, width, height);
    if (made == nullptr) return false;
    SDL_SetTextureScaleMode(made, SDL_ScaleModeLinear);
    SDL_SetTextureBlendMode(made, SDL_BLENDMODE_NONE);
    s.rendererDraws = gpu;
  }
  s.focus = true;
  if (s.rendererDraws) {
    s.customBlendAllowed = ProbeCustomBlend(s.renderer);
    SDL_RendererInfo info{};
    s.softwareRenderer = SDL_GetRendererInfo(s.renderer, &info) == 0 && (info.flags & SDL_RENDERER_SOFTWARE);
    media::TargetScreen();
    SDL_SetRenderDrawColor(s.renderer, 0, 0, 0, 255);
    SDL_RenderClear(s.renderer);
  }
  return true;
}

}  // namespace

void CloseScreen() {
  auto& s = S();
  media::FinishQueuedDrawing();
  media::StopDrawingThreads();
  media::SetCompositorFrame({});
  media::DropScreenTextures();
  if (s.renderer) SDL_DestroyRenderer(s.renderer);
  if (s.window) SDL_DestroyWindow(s.window);
  if (s.frame) SDL_FreeSurface(s.frame);
  s.renderer = nullptr;
  s.window = nullptr;
  s.frame = nullptr;
  s.rendererDraws = false;
  s.surfacePresent = false;
  s.frameWindow = nullptr;
}

namespace media {

void DrawThroughRenderer(bool on) {
  auto& s = S();
  if (s.frame == nullptr || s.window != nullptr) return;  // headless only: the renderer draws into the frame
  FinishQueuedDrawing();
  if (on && s.renderer == nullptr) {
    s.renderer = SDL_CreateSoftwareRenderer(s.frame);
    if (s.renderer == nullptr) return;
    s.customBlendAllowed = ProbeCustomBlend(s.renderer);
    s.softwareRenderer = true;
  }
  if (s.renderer != nullptr) SDL_RenderFlush(s.renderer);
  s.rendererDraws = on && s.renderer != nullptr;
  if (s.rendererDraws) TargetScreen();
  if (!s.rendererDraws) s.customBlendAllowed = false;  // the compositor has the three built-in blends
}

}  // namespace media

void FinishDrawing() {
  auto& s = S();
  media::FinishQueuedDrawing();
  if (s.renderer != nullptr && s.rendererDraws) SDL_RenderFlush(s.renderer);
}

void SetDrawThreads(int count) { media::SetDrawingThreads(count); }
int DrawThreads() { return media::DrawingThreads(); }

namespace {

// Copies the frame into the window's streaming texture: the one upload of a present.
void UploadFrame() {
  auto& s = S();
  void* pixels = nullptr;
  int pitch = 0;
  if (s.frameTexture == nullptr || SDL_LockTexture(s.frameTexture, nullptr, &pixels, &pitch) != 0) return;
  for (int y = 0; y < s.screenHeight; ++y) {
    std::memcpy(static_cast<Uint8*>(pixels) + static_cast<ptrdiff_t>(y) * pitch,
                static_cast<const Uint8*>(s.frame->pixels) + static_cast<ptrdiff_t>(y) * s.frame->pitch,
                static_cast<size_t>(s.screenWidth) * 4);
  }
  SDL_UnlockTexture(s.frameTexture);
}

// Whether the window's surface keeps its pixels as the frame does (blue, green, red, then an ignored or
// alpha byte), so that a row is copied as it is.
bool FrameLayout(const SDL_Surface* surface) {
  const SDL_PixelFormat* f = surface->format;
  return f->BytesPerPixel == 4 && f->Rmask == 0xFF0000u && f->Gmask == 0xFF00u && f->Bmask == 0xFFu;
}

// Whether the frame can live in this window surface itself: the frame's size and byte order.
bool FrameCanLiveIn(const SDL_Surface* surface) {
  auto& s = S();
  return surface->w == s.screenWidth && surface->h == s.screenHeight && FrameLayout(surface) && surface->pitch % 4 == 0;
}

// The frame's pixels become the window surface's: drawing lands where the window system shows it from.
void MoveFrameIntoWindow(SDL_Surface* window) {
  auto& s = S();
  SDL_Surface* view = SDL_CreateRGBSurfaceWithFormatFrom(window->pixels, s.screenWidth, s.screenHeight, 32,
                                                          window->pitch, SDL_PIXELFORMAT_ARGB8888);
  if (view == nullptr) return;
  media::FinishQueuedDrawing();
  if (s.frame != nullptr) {
    for (int y = 0; y < s.screenHeight; ++y) {
      std::memcpy(static_cast<Uint8*>(view->pixels) + static_cast<ptrdiff_t>(y) * view->pitch,
                  static_cast<const Uint8*>(s.frame->pixels) + static_cast<ptrdiff_t>(y) * s.frame->pitch,
                  static_cast<size_t>(s.screenWidth) * 4);
    }
    SDL_FreeSurface(s.frame);
  }
  s.frame = view;
  s.frameWindow = window;
  media::SetCompositorFrame({static_cast<uint32_t*>(view->pixels), view->pitch / 4, s.screenWidth, s.screenHeight});
}

// The frame gets pixels of its own again (the window is being resized), copied from the window surface it
// lived in, which must still be there; or, `keep` false, black (that surface is gone).
void MoveFrameOutOfWindow(bool keep) {
  auto& s = S();
  if (s.frameWindow == nullptr) return;
  media::FinishQueuedDrawing();
  SDL_Surface* own = SDL_CreateRGBSurfaceWithFormat(0, s.screenWidth, s.screenHeight, 32, SDL_PIXELFORMAT_ARGB8888);
  if (own != nullptr) {
    SDL_FillRect(own, nullptr, 0xFF000000u);
    for (int y = 0; keep && y < s.screenHeight; ++y) {
      std::memcpy(static_cast<Uint8*>(own->pixels) + static_cast<ptrdiff_t>(y) * own->pitch,
                  static_cast<const Uint8*>(s.frame->pixels) + static_cast<ptrdiff_t>(y) * s.frame->pitch,
                  static_cast<size_t>(s.screenWidth) * 4);
    }
  }
  SDL_FreeSurface(s.frame);  // the view only: the pixels are the window's
  s.frame = own;
  s.frameWindow = nullptr;
  media::SetCompositorFrame(own ? media::PixelRows{static_cast<uint32_t*>(own->pixels), own->pitch / 4, s.screenWidth,
                                                   s.screenHeight}
                                : media::PixelRows{});
}

// Shows the frame through the window's own surface, which the software renderer's present shows. The frame
// lives in that surface while the window has the frame's size; otherwise it is copied in, scaled (bilinear)
// and letterboxed in black.
void ShowInWindowSurface() {
  auto& s = S();
  if (s.frameWindow != nullptr) {
    int w = 0, h = 0;
    SDL_GetWindowSizeInPixels(s.window, &w, &h);
    // A resized window gets a new surface and SDL frees the old one: the frame leaves it first.
    if (w != s.screenWidth || h != s.screenHeight) MoveFrameOutOfWindow(true);
  }
  SDL_Surface* out = SDL_GetWindowSurface(s.window);  // made anew by SDL after the window was resized
  if (s.frameWindow != nullptr &&
      (out != s.frameWindow || out->pixels != s.frame->pixels || out->pitch != s.frame->pitch)) {
    // SDL made the surface anew without a change of size: this frame is lost with the old surface.
    MoveFrameOutOfWindow(false);
  }
  if (out == nullptr || s.frame == nullptr) return;
  if (s.frameWindow == out) {
    SDL_RenderPresent(s.renderer);
    return;
  }
  if (FrameCanLiveIn(out)) {
    MoveFrameIntoWindow(out);
    SDL_RenderPresent(s.renderer);
    return;
  }
  if (out->w == s.screenWidth && out->h == s.screenHeight && FrameLayout(out)) {
    for (int y = 0; y < s.screenHeight; ++y) {
      std::memcpy(static_cast<Uint8*>(out->pixels) + static_cast<ptrdiff_t>(y) * out->pitch,
                  static_cast<const Uint8*>(s.frame->pixels) + static_cast<ptrdiff_t>(y) * s.frame->pitch,
                  static_cast<size_t>(s.screenWidth) * 4);
    }
  } else {
    float scale = std::min(out->w / static_cast<float>(s.screenWidth), out->h / static_cast<float>(s.screenHeight));
    SDL_Rect place{static_cast<int>((out->w - s.screenWidth * scale) / 2),
                   static_cast<int>((out->h - s.screenHeight * scale) / 2), static_cast<int>(s.screenWidth * scale),
                   static_cast<int>(s.screenHeight * scale)};
    SDL_FillRect(out, nullptr, SDL_MapRGB(out->format, 0, 0, 0));
    // The stretch wants both sides in one format: the frame's pixels seen in the window's.
    SDL_Surface* view = FrameLayout(out) ? SDL_CreateRGBSurfaceWithFormatFrom(s.frame->pixels, s.screenWidth,
                                                                               s.screenHeight, 32, s.frame->pitch,
                                                                               out->format->format)
                                         : nullptr;
    if (view == nullptr || place.w <= 0 || place.h <= 0 || SDL_SoftStretchLinear(view, nullptr, out, &place) != 0)
      SDL_BlitScaled(s.frame, nullptr, out, &place);
    if (view) SDL_FreeSurface(view);
  }
  SDL_RenderPresent(s.renderer);
}

}  // namespace

void SetFrameRate(int framesPerSecond) { S().frameRate = std::clamp(framesPerSecond, 1, 1000); }

void PresentFrame(int mode) {
  auto& s = S();
  media::FlushScreenCopy();
  FinishDrawing();
  for (const auto& [frame, path] : s.options.screenshots) {
    if (frame == s.presented && !SaveScreenPng(path)) {
      std::fprintf(stderr, "Could not save the screenshot %s\n", path.c_str());
      media::NoteRunFileFailure();
    }
  }
  if (s.surfacePresent && s.window != nullptr && s.renderer != nullptr) {
    WaitForNextPresent(false);
    ShowInWindowSurface();
  } else if (s.renderer != nullptr && s.window != nullptr) {
    bool vsync = mode == 1;
    if (s.vsyncOn != static_cast<int>(vsync)) {
      SDL_RenderSetVSync(s.renderer, vsync ? 1 : 0);
      s.vsyncOn = vsync;
    }
    // Every mode holds the 60 per second: on a 120 or 144 Hz display the retrace alone would
    // run the whole game two or more times too fast.
    WaitForNextPresent(vsync);
    if (s.frame != nullptr) UploadFrame();
    SDL_SetRenderTarget(s.renderer, nullptr);
    SDL_RenderSetClipRect(s.renderer, nullptr);
    SDL_SetRenderDrawColor(s.renderer, 0, 0, 0, 255);
    SDL_RenderClear(s.renderer);
    int outW = 0, outH = 0;
    SDL_GetRendererOutputSize(s.renderer, &outW, &outH);
    float scale = std::min(outW / static_cast<float>(s.screenWidth), outH / static_cast<float>(s.screenHeight));
    SDL_FRect place{(outW - s.screenWidth * scale) / 2, (outH - s.screenHeight * scale) / 2, s.screenWidth * scale,
                    s.screenHeight * scale};
    SDL_RenderCopyF(s.renderer, s.frame != nullptr ? s.frameTexture : s.screen, nullptr, &place);
    SDL_RenderPresent(s.renderer);
    if (s.rendererDraws) media::TargetScreen();
  }
  TheRecorder().Present();  // the frame's sound, before the frame limit may end the program
  s.presented += 1;
  media::PumpEvents();
  media::EndOnSignal();
  media::BeginInputFrame();
  if (s.options.frameLimit > 0 && s.presented >= s.options.frameLimit) EndProgram(0);
}

long PresentedFrames() { return S().presented; }

void ClearFrame(int colour) {
  auto& s = S();
  if (!s.rendererDraws) {
    media::QueueFill({0, 0, s.screenWidth, s.screenHeight}, media::PixelOf(colour));
    return;
  }
  media::FlushScreenCopy();
  media::TargetScreen();
  SDL_RenderSetClipRect(s.renderer, nullptr);
  SDL_SetRenderDrawColor(s.renderer, ColorRed(colour), ColorGreen(colour), ColorBlue(colour), 255);
  SDL_RenderClear(s.renderer);
  SDL_RenderSetClipRect(s.renderer, &s.viewport);
}

int CaptureScreenArea(int sprite, int x, int y, int w, int h) {
  auto& s = S();
  SDL_Surface* screen = media::ScreenCopy();
  if (screen == nullptr || w <= 0 || h <= 0) return 0;
  int number = sprite;
  if (number < 0) {
    number = 1 << 20;
    while (s.sprites.count(number)) ++number;
  }
  ReleaseSprite(number);
  SDL_Surface* copy = media::NewSurface(w, h);
  if (copy == nullptr) return 0;
  SDL_Rect from{x, y, w, h};
  SDL_SetSurfaceBlendMode(screen, SDL_BLENDMODE_NONE);
  SDL_BlitSurface(screen, &from, copy, nullptr);
  auto made = std::make_shared<media::Sprite>();
  made->surface = copy;
  made->flags = kSpriteQuadTexture;
  made->keyColour = s.defaultKeyColour;
  s.sprites[number] = made;
  return sprite < 0 ? number : 1;
}

bool SaveSpriteBitmap(int sprite, const std::string& path) {
  auto found = media::FindSprite(sprite);
  return found && SaveSurface(found->surface, path, false);
}

bool SaveSpritePng(int sprite, const std::string& path) {
  auto found = media::FindSprite(sprite);
  return found && SaveSurface(found->surface, path, true);
}

bool SaveScreenPng(const std::string& path) {
  SDL_Surface* screen = media::ScreenCopy();
  if (screen == nullptr) return false;
  // The back buffer has no alpha of its own: save it opaque.
  SDL_Surface* rgb = SDL_ConvertSurfaceFormat(screen, SDL_PIXELFORMAT_RGB24, 0);
  if (rgb == nullptr) return false;
  bool ok = SaveSurface(rgb, path, true);
  SDL_FreeSurface(rgb);
  return ok;
}
