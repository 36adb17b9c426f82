// 2D drawing (text, boxes, lines, circles, pixels, direct pixel access) on the back buffer, a sprite or an image.
#include <SDL.h>
#include <SDL_image.h>
#include <SDL_ttf.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "media/FontsInternal.h"
#include "media/Compositor.h"
#include "media/MediaInternal.h"

using media::S;

namespace {

struct DrawState {
  bool open = false;
  DrawTargetKind kind = DrawTargetKind::Screen;
  int number = 0;
  int font = -1;
  int front = 0xFFFFFF;
  int back = 0;
  int mode = 0;
};
DrawState draw;

SDL_Surface* screenCopy = nullptr;  // CPU copy of the back buffer while pixels are read or written
bool screenCopyDirty = false;
SDL_Texture* uploadTexture = nullptr;

// The CPU surface the current drawing goes to, or null when it goes through the renderer.
SDL_Surface* CpuTarget(bool needPixels) {
  switch (draw.kind) {
    case DrawTargetKind::Sprite: {
      media::FinishQueuedDrawing();  // the frame's queued drawing may still read the sprite's pixels
      auto sprite = media::FindSprite(draw.number);
      if (!sprite) return nullptr;
      sprite->textureStale = sprite->keyedStale = true;
      sprite->contentVersion += 1;
      return sprite->surface;
    }
    case DrawTargetKind::Image: {
      auto it = S().images.find(draw.number);
      return it == S().images.end() ? nullptr : it->second->surface;
    }
    case DrawTargetKind::Screen:
      if (S().frame != nullptr && !S().rendererDraws) return media::ScreenCopy();
      if (needPixels || screenCopy != nullptr || (draw.mode & kDrawXor)) {
        SDL_Surface* copy = media::ScreenCopy();
        screenCopyDirty = true;
        return copy;
      }
      return nullptr;
  }
  return nullptr;
}

bool ToRenderer() {
  auto& s = S();
  if (s.renderer == nullptr) return false;
  media::TargetScreen();
  SDL_RenderSetClipRect(s.renderer, nullptr);
  return true;
}

void RendererColour(int colour) {
  SDL_SetRenderDrawBlendMode(S().renderer, SDL_BLENDMODE_NONE);
  SDL_SetRenderDrawColor(S().renderer, ColorRed(colour), ColorGreen(colour), ColorBlue(colour), 255);
}

void Done() { SDL_RenderSetClipRect(S().renderer, &S().viewport); }

inline void Plot(SDL_Surface* surface, int x, int y, Uint32 pixel) {
  if (x < 0 || y < 0 || x >= surface->w || y >= surface->h) return;
  Uint32* at = reinterpret_cast<Uint32*>(static_cast<Uint8*>(surface->pixels) + y * surface->pitch) + x;
  *at = (draw.mode & kDrawXor) ? ((*at ^ pixel) | 0xFF000000u) : pixel;
}

// Cut to the surface once, then filled a row at a time (a plain fill is a word store the compiler widens).
void CpuBox(SDL_Surface* surface, int x, int y, int w, int h, Uint32 pixel) {
  int left = std::max(0, x), right = std::min(surface->w, x + w);
  if (left >= right) return;
  bool xorMode = (draw.mode & kDrawXor) != 0;
  for (int row = std::max(0, y); row < std::min(surface->h, y + h); ++row) {
    Uint32* at = reinterpret_cast<Uint32*>(static_cast<Uint8*>(surface->pixels) + row * surface->pitch);
    if (!xorMode) {
      std::fill(at + left, at + right, pixel);
      continue;
    }
    for (int col = left; col < right; ++col) at[col] = (at[col] ^ pixel) | 0xFF000000u;
  }
}

// Cuts the line to the box 0..w-1, 0..h-1 (Liang and Barsky); false when nothing of it is inside.
bool ClipLine(int w, int h, int& x1, int& y1, int& x2, int& y2) {
  double t0 = 0, t1 = 1, dx = x2 - x1, dy = y2 - y1;
  const double p[4] = {-dx, dx, -dy, dy};
  const double q[4] = {static_cast<double>(x1), static_cast<double>(w - 1 - x1), static_cast<double>(y1),
                       static_cast<double>(h - 1 - y1)};
  for (int i = 0; i < 4; ++i) {
    if (p[i] == 0) {
      if (q[i] < 0) return false;
      continue;
    }
    double r = q[i] / p[i];
    if (p[i] < 0) {
      if (r > t1) return false;
      if (r > t0) t0 = r;
    } else {
      if (r < t0) return false;
      if (r < t1) t1 = r;
    }
  }
  double sx = x1, sy = y1;
  x1 = std::clamp(static_cast<int>(std::lround(sx + t0 * dx)), 0, w - 1);
  y1 = std::clamp(static_cast<int>(std::lround(sy + t0 * dy)), 0, h - 1);
  x2 = std::clamp(static_cast<int>(std::lround(sx + t1 * dx)), 0, w - 1);
  y2 = std::clamp(static_cast<int>(std::lround(sy + t1 * dy)), 0, h - 1);
  return true;
}

// A line already inside the surface: Bresenham's steps with no test per pixel.
template <bool Xor>
void LayClippedLine(SDL_Surface* surface, int x1, int y1, int x2, int y2, Uint32 pixel) {
  auto* base = static_cast<Uint8*>(surface->pixels);
  int pitch = surface->pitch;
  int dx = std::abs(x2 - x1), sx = x1 < x2 ? 1 : -1;
  int dy = -std::abs(y2 - y1), sy = y1 < y2 ? 1 : -1;
  int error = dx + dy;
  for (;;) {
    Uint32* at = reinterpret_cast<Uint32*>(base + y1 * pitch) + x1;
    *at = Xor ? ((*at ^ pixel) | 0xFF000000u) : pixel;
    if (x1 == x2 && y1 == y2) break;
    int e2 = 2 * error;
    if (e2 >= dy) { error += dy; x1 += sx; }
    if (e2 <= dx) { error += dx; y1 += sy; }
  }
}

// Spans of a circle, shared by the CPU and renderer paths; radius 1 is a 2 x 2 box.
template <typename Span>
void CircleSpans(int cx, int cy, int radius, bool outline, Span span) {
  if (radius <= 1) {
    span(cx, cy, 2);
    span(cx, cy + 1, 2);
    return;
  }
  int previousHalf = -1;
  for (int dy = -radius; dy <= radius; ++dy) {
    int half = static_cast<int>(std::sqrt(static_cast<double>(radius * radius - dy * dy)) + 0.5);
    if (!outline) {
      span(cx - half, cy + dy, 2 * half + 1);
    } else {
      int inner = dy <= 0 ? previousHalf : static_cast<int>(std::sqrt(static_cast<double>(
                                               radius * radius - (dy + 1) * (dy + 1))) + 0.5);
      if (dy == radius) inner = -1;
      int from = std::max(inner + 1, 0);
      if (half >= from) {
        span(cx - half, cy + dy, half - from + 1);
        span(cx + from, cy + dy, half - from + 1);
      } else {
        span(cx - half, cy + dy, 1);
        span(cx + half, cy + dy, 1);
      }
    }
    previousHalf = half;
  }
}

}  // namespace

namespace media {

SDL_Surface* ScreenCopy() {
  auto& s = S();
  if (s.frame != nullptr) {
    // The frame is in memory already: it only needs what is queued, or what the renderer still holds.
    FinishDrawing();
    return s.frame;
  }
  if (screenCopy != nullptr) return screenCopy;
  if (s.renderer == nullptr) return nullptr;
  TargetScreen();
  screenCopy = NewSurface(s.screenWidth, s.screenHeight);
  if (screenCopy == nullptr) return nullptr;
  SDL_RenderReadPixels(s.renderer, nullptr, SDL_PIXELFORMAT_ARGB8888, screenCopy->pixels, screenCopy->pitch);
  screenCopyDirty = false;
  return screenCopy;
}

void FlushScreenCopy() {
  auto& s = S();
  if (screenCopy == nullptr) return;
  if (screenCopyDirty && s.renderer != nullptr) {
    if (uploadTexture == nullptr) {
      uploadTexture = SDL_CreateTexture(s.renderer, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STREAMING,
                                        s.screenWidth, s.screenHeight);
    }
    if (uploadTexture != nullptr) {
      SDL_UpdateTexture(uploadTexture, nullptr, screenCopy->pixels, screenCopy->pitch);
      SDL_SetTextureBlendMode(uploadTexture, SDL_BLENDMODE_NONE);
      TargetScreen();
      SDL_RenderSetClipRect(s.renderer, nullptr);
      SDL_RenderCopy(s.renderer, uploadTexture, nullptr, nullptr);
      SDL_RenderSetClipRect(s.renderer, &s.viewport);
    }
  }
  SDL_FreeSurface(screenCopy);
  screenCopy = nullptr;
  screenCopyDirty = false;
}

void ForgetDrawTextures() {
  if (uploadTexture) SDL_DestroyTexture(uploadTexture);
  uploadTexture = nullptr;
  if (screenCopy) SDL_FreeSurface(screenCopy);
  screenCopy = nullptr;
  screenCopyDirty = false;
}

}  // namespace media

bool BeginDraw(DrawTargetKind kind, int number) {
  if (kind == DrawTargetKind::Sprite && !HasSprite(number)) return false;
  if (kind == DrawTargetKind::Image && !HasImage(number)) return false;
  if (kind == DrawTargetKind::Screen && !media::CanDraw()) return false;
  draw.open = true;
  draw.kind = kind;
  draw.number = number;
  return true;
}

void EndDraw() {
  if (draw.kind == DrawTargetKind::Screen) media::FlushScreenCopy();
  draw.open = false;
  draw.kind = DrawTargetKind::Screen;
}

void SetDrawFont(int fontHandle) { draw.font = fontHandle; }
void SetFrontColour(int colour) { draw.front = colour; }
void SetBackColour(int colour) { draw.back = colour; }
void SetDrawMode(int flags) { draw.mode = flags; }

void FillBox(int x, int y, int w, int h, int colour) {
  if (!draw.open || w <= 0 || h <= 0) return;
  if (draw.mode & kDrawOutline) {
    DrawLine(x, y, x + w - 1, y, colour);
    DrawLine(x, y + h - 1, x + w - 1, y + h - 1, colour);
    DrawLine(x, y, x, y + h - 1, colour);
    DrawLine(x + w - 1, y, x + w - 1, y + h - 1, colour);
    return;
  }
  if (SDL_Surface* surface = CpuTarget(false)) {
    CpuBox(surface, x, y, w, h, media::PixelOf(colour));
  } else if (ToRenderer()) {
    RendererColour(colour);
    SDL_Rect box{x, y, w, h};
    SDL_RenderFillRect(S().renderer, &box);
    Done();
  }
}

void DrawLine(int x1, int y1, int x2, int y2, int colour) {
  LineSegment line{x1, y1, x2, y2, colour};
  DrawLines(&line, 1);
}

void DrawLines(const LineSegment* lines, int count) {
  if (!draw.open || lines == nullptr || count <= 0) return;
  if (SDL_Surface* surface = CpuTarget(false)) {
    bool xorMode = (draw.mode & kDrawXor) != 0;
    for (int i = 0; i < count; ++i) {
      LineSegment l = lines[i];
      if (!ClipLine(surface->w, surface->h, l.x1, l.y1, l.x2, l.y2)) continue;
      Uint32 pixel = media::PixelOf(l.colour);
      if (xorMode) {
        LayClippedLine<true>(surface, l.x1, l.y1, l.x2, l.y2, pixel);
      } else {
        LayClippedLine<false>(surface, l.x1, l.y1, l.x2, l.y2, pixel);
      }
    }
  } else if (ToRenderer()) {
    for (int i = 0; i < count; ++i) {
      RendererColour(lines[i].colour);
      SDL_RenderDrawLine(S().renderer, lines[i].x1, lines[i].y1, lines[i].x2, lines[i].y2);
    }
    Done();
  }
}

void DrawCircle(int x, int y, int radius, int colour) {
  if (!draw.open || radius < 0) return;
  bool outline = (draw.mode & kDrawOutline) != 0;
  if (SDL_Surface* surface = CpuTarget(false)) {
    Uint32 pixel = media::PixelOf(colour);
    CircleSpans(x, y, radius, outline, [&](int sx, int sy, int n) { CpuBox(surface, sx, sy, n, 1, pixel); });
  } else if (ToRenderer()) {
    RendererColour(colour);
    CircleSpans(x, y, radius, outline, [&](int sx, int sy, int n) {
      SDL_RenderDrawLine(S().renderer, sx, sy, sx + n - 1, sy);
    });
    Done();
  }
}

void PutPixel(int x, int y, int colour) {
  if (!draw.open) return;
  if (SDL_Surface* surface = CpuTarget(false)) {
    Plot(surface, x, y, media::PixelOf(colour));
  } else if (ToRenderer()) {
    RendererColour(colour);
    SDL_RenderDrawPoint(S().renderer, x, y);
    Done();
  }
}

int PixelColour(int x, int y) {
  if (!draw.open) return 0;
  SDL_Surface* surface = CpuTarget(true);
  if (surface == nullptr || x < 0 || y < 0 || x >= surface->w || y >= surface->h) return 0;
  return media::ColourOf(reinterpret_cast<const Uint32*>(static_cast<const Uint8*>(surface->pixels) +
                                                         y * surface->pitch)[x]);
}

uint8_t* DrawBufferAddress() {
  if (!draw.open) return nullptr;
  SDL_Surface* surface = CpuTarget(true);
  return surface ? static_cast<uint8_t*>(surface->pixels) : nullptr;
}

int DrawBufferPitch() {
  SDL_Surface* surface = draw.open ? CpuTarget(true) : nullptr;
  return surface ? surface->pitch : 0;
}

int DrawBufferWidth() {
  SDL_Surface* surface = draw.open ? CpuTarget(true) : nullptr;
  return surface ? surface->w : 0;
}

int DrawBufferHeight() {
  SDL_Surface* surface = draw.open ? CpuTarget(true) : nullptr;
  return surface ? surface->h : 0;
}

int DrawBufferFormat() { return kBufferFormatBGRA32; }

// ---------------------------------------------------------------------------
// Text

int TextPixelWidth(const std::string& text) {
  TTF_Font* font = media::FontFor(draw.font);
  int w = 0, h = 0;
  if (font == nullptr || text.empty() || TTF_SizeText(font, text.c_str(), &w, &h) != 0) return 0;
  return w;
}

int TextPixelHeight(const std::string& /*text*/) {
  TTF_Font* font = media::FontFor(draw.font);
  return font ? TTF_FontHeight(font) : 0;
}

void DrawTextAt(int x, int y, const std::string& text, int frontColour, int backColour) {
  if (!draw.open || text.empty()) return;
  TTF_Font* font = media::FontFor(draw.font);
  if (font == nullptr) return;
  SDL_Color colour{static_cast<Uint8>(ColorRed(frontColour)), static_cast<Uint8>(ColorGreen(frontColour)),
                   static_cast<Uint8>(ColorBlue(frontColour)), 255};
  // Text is single-byte Latin-1, as the game writes it.
  SDL_Surface* rendered = TTF_RenderText_Blended(font, text.c_str(), colour);
  if (rendered == nullptr) return;
  if (!(draw.mode & kDrawTransparentText)) {
    int saved = draw.mode;
    draw.mode &= ~kDrawOutline;
    FillBox(x, y, rendered->w, rendered->h, backColour);
    draw.mode = saved;
  }
  if (SDL_Surface* surface = CpuTarget(false)) {
    SDL_Rect place{x, y, rendered->w, rendered->h};
    SDL_SetSurfaceBlendMode(rendered, SDL_BLENDMODE_BLEND);
    SDL_BlitSurface(rendered, nullptr, surface, &place);
  } else if (ToRenderer()) {
    SDL_Texture* texture = SDL_CreateTextureFromSurface(S().renderer, rendered);
    if (texture != nullptr) {
      SDL_Rect place{x, y, rendered->w, rendered->h};
      SDL_SetTextureBlendMode(texture, SDL_BLENDMODE_BLEND);
      SDL_RenderCopy(S().renderer, texture, nullptr, &place);
      SDL_DestroyTexture(texture);
    }
    Done();
  }
  SDL_FreeSurface(rendered);
}

void DrawTextAt(int x, int y, const std::string& text, int frontColour) {
  DrawTextAt(x, y, text, frontColour, draw.back);
}
void DrawTextAt(int x, int y, const std::string& text) { DrawTextAt(x, y, text, draw.front, draw.back); }

// ---------------------------------------------------------------------------
// Images

bool ImageFromMemory(int number, const void* data, size_t size) {
  if (data == nullptr || size == 0 || size > 10000000u) {
    media::SetMediaError("the picture is empty or larger than 10 MB");
    return false;
  }
  SDL_RWops* stream = SDL_RWFromConstMem(data, static_cast<int>(size));
  if (stream == nullptr) return false;
  SDL_Surface* surface = media::ToArgb(IMG_Load_RW(stream, 1));
  if (surface == nullptr) {
    media::SetSdlError("the picture cannot be decoded");
    return false;
  }
  auto image = std::make_unique<media::Image>();
  image->surface = surface;
  S().images[number] = std::move(image);
  return true;
}

bool CreateBlankImage(int number, int w, int h) {
  if (w <= 0 || h <= 0 || w > 16384 || h > 16384) return false;
  auto image = std::make_unique<media::Image>();
  image->surface = media::NewSurface(w, h);
  if (image->surface == nullptr) return false;
  S().images[number] = std::move(image);
  return true;
}

void ReleaseImage(int number) { S().images.erase(number); }
bool HasImage(int number) { return S().images.count(number) != 0; }

int ImagePixelWidth(int number) {
  auto it = S().images.find(number);
  return it == S().images.end() ? 0 : it->second->surface->w;
}

int ImagePixelHeight(int number) {
  auto it = S().images.find(number);
  return it == S().images.end() ? 0 : it->second->surface->h;
}

uint32_t ImagePixel(int number, int x, int y) {
  auto it = S().images.find(number);
  if (it == S().images.end()) return 0;
  SDL_Surface* surface = it->second->surface;
  if (x < 0 || y < 0 || x >= surface->w || y >= surface->h) return 0;
  return reinterpret_cast<const Uint32*>(static_cast<const Uint8*>(surface->pixels) + y * surface->pitch)[x];
}

void DrawImage(int number, int x, int y) {
  auto it = S().images.find(number);
  if (!draw.open || it == S().images.end()) return;
  SDL_Surface* image = it->second->surface;
  if (SDL_Surface* surface = CpuTarget(false)) {
    SDL_Rect place{x, y, image->w, image->h};
    SDL_SetSurfaceBlendMode(image, SDL_BLENDMODE_BLEND);
    SDL_BlitSurface(image, nullptr, surface, &place);
  } else if (ToRenderer()) {
    SDL_Texture* texture = SDL_CreateTextureFromSurface(S().renderer, image);
    if (texture != nullptr) {
      SDL_Rect place{x, y, image->w, image->h};
      SDL_RenderCopy(S().renderer, texture, nullptr, &place);
      SDL_DestroyTexture(texture);
    }
    Done();
  }
}
