// Numbered sprites: decoding, blank pictures, blits to the back buffer or into sprites, exact touch tests.
#include <SDL.h>
#include <SDL_image.h>

#include <algorithm>

#include "media/Compositor.h"
#include "media/MediaInternal.h"
#include "media/ShapedCopies.h"

using media::S;

namespace media {

Sprite::~Sprite() {
  ForgetTurnedCopies(*this);
  ForgetShapedCopies(*this);
  if (texture) SDL_DestroyTexture(texture);
  if (keyedTexture) SDL_DestroyTexture(keyedTexture);
  if (surface) SDL_FreeSurface(surface);
}

Image::~Image() {
  if (surface) SDL_FreeSurface(surface);
}

// Whether a picture that keeps its alpha has any pixel less than opaque (a texture of the 3D scenes often
// has none, and is then drawn without reading what lies beneath).
bool AllOpaque(Sprite& sprite) {
  if (sprite.opaqueVersion == sprite.contentVersion) return sprite.allOpaque;
  const SDL_Surface* from = sprite.surface;
  bool opaque = true;
  for (int y = 0; y < from->h && opaque; ++y) {
    const uint32_t* row = reinterpret_cast<const uint32_t*>(static_cast<const Uint8*>(from->pixels) + y * from->pitch);
    for (int x = 0; x < from->w; ++x) opaque = opaque && (row[x] >> 24) == 255;
  }
  sprite.allOpaque = opaque;
  sprite.opaqueVersion = sprite.contentVersion;
  return opaque;
}

SDL_Surface* NewSurface(int w, int h) {
  SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormat(0, w, h, 32, SDL_PIXELFORMAT_ARGB8888);
  if (surface) SDL_FillRect(surface, nullptr, 0xFF000000u);
  return surface;
}

SDL_Surface* ToArgb(SDL_Surface* decoded) {
  if (decoded == nullptr) return nullptr;
  if (decoded->format->format == SDL_PIXELFORMAT_ARGB8888) return decoded;
  SDL_Surface* converted = SDL_ConvertSurfaceFormat(decoded, SDL_PIXELFORMAT_ARGB8888, 0);
  SDL_FreeSurface(decoded);
  return converted;
}

std::shared_ptr<Sprite> FindSprite(int number) {
  auto it = S().sprites.find(number);
  return it == S().sprites.end() ? nullptr : it->second;
}

namespace {

// A copy of the sprite's pixels as the texture should hold them.
SDL_Surface* TexturePixels(const Sprite& sprite, bool keyed) {
  SDL_Surface* copy = SDL_ConvertSurfaceFormat(sprite.surface, SDL_PIXELFORMAT_ARGB8888, 0);
  if (copy == nullptr) return nullptr;
  bool forceOpaque = !keyed && !(sprite.flags & kSpriteKeepAlpha);
  Uint32 key = PixelOf(sprite.keyColour) & 0x00FFFFFFu;
  for (int y = 0; y < copy->h; ++y) {
    Uint32* row = reinterpret_cast<Uint32*>(static_cast<Uint8*>(copy->pixels) + y * copy->pitch);
    for (int x = 0; x < copy->w; ++x) {
      if (keyed) {
        row[x] = (row[x] & 0x00FFFFFFu) == key ? 0 : (row[x] | 0xFF000000u);
      } else if (forceOpaque) {
        row[x] |= 0xFF000000u;
      }
    }
  }
  return copy;
}

SDL_Texture* MakeTexture(Sprite& sprite, SDL_Texture*& slot, bool& stale, bool keyed) {
  auto& s = S();
  if (s.renderer == nullptr || sprite.surface == nullptr) return nullptr;
  if (slot != nullptr && !stale) return slot;
  SDL_Surface* pixels = TexturePixels(sprite, keyed);
  if (pixels == nullptr) return nullptr;
  if (slot == nullptr) {
    slot = SDL_CreateTexture(s.renderer, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STATIC, pixels->w, pixels->h);
  }
  if (slot != nullptr) SDL_UpdateTexture(slot, nullptr, pixels->pixels, pixels->pitch);
  SDL_FreeSurface(pixels);
  stale = false;
  return slot;
}

bool Transparent(const Sprite& sprite, Uint32 pixel) {
  return (pixel >> 24) < 128 || (pixel & 0x00FFFFFFu) == (PixelOf(sprite.keyColour) & 0x00FFFFFFu);
}

SDL_Rect SourceRect(const Sprite& sprite) {
  if (sprite.clipped) return sprite.clip;
  return {0, 0, sprite.surface->w, sprite.surface->h};
}

bool StoreSprite(int number, SDL_Surface* surface, int flags) {
  if (surface == nullptr) return false;
  ReleaseSprite(number);
  auto sprite = std::make_shared<Sprite>();
  sprite->surface = surface;
  sprite->flags = flags;
  sprite->keyColour = S().defaultKeyColour;
  S().sprites[number] = sprite;
  return true;
}

// Blits into a sprite on the CPU, honouring the source clip and, when keyed, the key colour.
void BlitIntoSprite(Sprite& from, Sprite& to, int x, int y, bool keyed) {
  SDL_Rect source = SourceRect(from);
  Uint32 key = PixelOf(from.keyColour) & 0x00FFFFFFu;
  for (int row = 0; row < source.h; ++row) {
    int ty = y + row;
    if (ty < 0 || ty >= to.surface->h) continue;
    const Uint32* in = reinterpret_cast<const Uint32*>(static_cast<const Uint8*>(from.surface->pixels) +
                                                       (source.y + row) * from.surface->pitch) + source.x;
    Uint32* out = reinterpret_cast<Uint32*>(static_cast<Uint8*>(to.surface->pixels) + ty * to.surface->pitch);
    for (int col = 0; col < source.w; ++col) {
      int tx = x + col;
      if (tx < 0 || tx >= to.surface->w) continue;
      if (keyed && (in[col] & 0x00FFFFFFu) == key) continue;
      out[tx] = in[col];
    }
  }
  to.textureStale = to.keyedStale = true;
  to.contentVersion += 1;
}

void Blit(int number, int x, int y, bool keyed) {
  auto& s = S();
  auto sprite = FindSprite(number);
  if (!sprite || (sprite->clipped && (sprite->clip.w <= 0 || sprite->clip.h <= 0))) return;
  if (s.blitTarget >= 0) {
    auto target = FindSprite(s.blitTarget);
    FinishQueuedDrawing();  // the frame's queued drawing may still read the target's pixels
    if (target) BlitIntoSprite(*sprite, *target, x, y, keyed);
    return;
  }
  if (!s.rendererDraws) {
    if (s.frame == nullptr) return;
    // An unkeyed blit copies the picture, opaque unless it keeps its alpha; a keyed one skips the key colour
    // and lays the rest opaque. Blits are cut at the frame only, never at the viewport.
    SDL_Rect source = SourceRect(*sprite);
    // A picture whose alpha is 255 throughout is copied as it is, with no alpha to set.
    CopyMode mode = keyed ? CopyMode::Keyed
                    : (sprite->flags & kSpriteKeepAlpha) || AllOpaque(*sprite) ? CopyMode::Copy
                                                                                : CopyMode::Opaque;
    QueueCopy(sprite, static_cast<const uint32_t*>(sprite->surface->pixels), sprite->surface->pitch / 4, source.x,
              source.y, source.w, source.h, x, y, mode, PixelOf(sprite->keyColour), {0, 0, s.screenWidth, s.screenHeight});
    return;
  }
  if (s.renderer == nullptr) return;
  SDL_Texture* texture = keyed ? SpriteKeyedTexture(*sprite) : SpriteTexture(*sprite);
  if (texture == nullptr) return;
  FlushScreenCopy();
  TargetScreen();
  SDL_Rect source = SourceRect(*sprite);
  SDL_Rect place{x, y, source.w, source.h};
  SDL_SetTextureBlendMode(texture, keyed ? SDL_BLENDMODE_BLEND : SDL_BLENDMODE_NONE);
  SDL_SetTextureAlphaMod(texture, 255);
  SDL_SetTextureColorMod(texture, 255, 255, 255);
  SDL_RenderSetClipRect(s.renderer, nullptr);  // blits are clipped to the target only
  SDL_RenderCopy(s.renderer, texture, &source, &place);
  SDL_RenderSetClipRect(s.renderer, &s.viewport);
}

}  // namespace

SDL_Texture* SpriteTexture(Sprite& sprite) { return MakeTexture(sprite, sprite.texture, sprite.textureStale, false); }
SDL_Texture* SpriteKeyedTexture(Sprite& sprite) {
  return MakeTexture(sprite, sprite.keyedTexture, sprite.keyedStale, true);
}

}  // namespace media

using media::FindSprite;

bool SpriteFromMemory(int number, const void* data, size_t size, int flags) {
  if (data == nullptr || size == 0 || size > 64u * 1024 * 1024) {
    media::SetMediaError("the picture is empty or larger than 64 MB");
    return false;
  }
  SDL_RWops* stream = SDL_RWFromConstMem(data, static_cast<int>(size));
  if (stream == nullptr) return false;
  SDL_Surface* decoded = IMG_Load_RW(stream, 1);
  if (decoded == nullptr) {
    media::SetSdlError("the picture cannot be decoded");
    return false;
  }
  return media::StoreSprite(number, media::ToArgb(decoded), flags);
}

bool SpriteFromPixels(int number, int w, int h, const uint32_t* argb, int flags) {
  if (w <= 0 || h <= 0 || argb == nullptr) return false;
  SDL_Surface* surface = media::NewSurface(w, h);
  if (surface == nullptr) return false;
  for (int y = 0; y < h; ++y) {
    std::copy(argb + y * w, argb + (y + 1) * w,
              reinterpret_cast<Uint32*>(static_cast<Uint8*>(surface->pixels) + y * surface->pitch));
  }
  return media::StoreSprite(number, surface, flags);
}

bool CreateBlankSprite(int number, int w, int h, int flags) {
  if (w <= 0 || h <= 0 || w > 16384 || h > 16384) return false;
  return media::StoreSprite(number, media::NewSurface(w, h), flags);
}

void ReleaseSprite(int number) { S().sprites.erase(number); }
bool HasSprite(int number) { return S().sprites.count(number) != 0; }

int SpritePixelWidth(int number) {
  auto sprite = FindSprite(number);
  return sprite ? sprite->surface->w : 0;
}

int SpritePixelHeight(int number) {
  auto sprite = FindSprite(number);
  return sprite ? sprite->surface->h : 0;
}

void SetSpriteKeyColour(int number, int colour) {
  if (number == -1) {
    S().defaultKeyColour = colour;
    return;
  }
  auto sprite = FindSprite(number);
  if (!sprite) return;
  sprite->keyColour = colour;
  sprite->keyedStale = true;
}

void SetSpriteClip(int number, int x, int y, int w, int h) {
  auto sprite = FindSprite(number);
  if (!sprite) return;
  if (x == -1 && y == -1 && w == -1 && h == -1) {
    sprite->clipped = false;
    sprite->clip = {0, 0, 0, 0};
    return;
  }
  SDL_Rect whole{0, 0, sprite->surface->w, sprite->surface->h};
  SDL_Rect wanted{x, y, w, h};
  SDL_Rect kept;
  // An empty rectangle, or one wholly outside the sprite, leaves nothing to blit.
  if (!SDL_IntersectRect(&whole, &wanted, &kept)) kept = {0, 0, 0, 0};
  sprite->clipped = true;
  sprite->clip = kept;
}

void BlitSprite(int number, int x, int y) { media::Blit(number, x, y, false); }
void BlitSpriteKeyed(int number, int x, int y) { media::Blit(number, x, y, true); }
void BlitTarget(int sprite) { S().blitTarget = sprite; }

bool SpritesTouchExactly(int sprite1, int x1, int y1, int sprite2, int x2, int y2) {
  auto a = FindSprite(sprite1);
  auto b = FindSprite(sprite2);
  if (!a || !b) return false;
  SDL_Rect ra{x1, y1, a->surface->w, a->surface->h};
  SDL_Rect rb{x2, y2, b->surface->w, b->surface->h};
  SDL_Rect overlap;
  if (!SDL_IntersectRect(&ra, &rb, &overlap)) return false;
  for (int y = overlap.y; y < overlap.y + overlap.h; ++y) {
    const Uint32* rowA = reinterpret_cast<const Uint32*>(static_cast<const Uint8*>(a->surface->pixels) +
                                                         (y - y1) * a->surface->pitch);
    const Uint32* rowB = reinterpret_cast<const Uint32*>(static_cast<const Uint8*>(b->surface->pixels) +
                                                         (y - y2) * b->surface->pitch);
    for (int x = overlap.x; x < overlap.x + overlap.w; ++x) {
      if (!media::Transparent(*a, rowA[x - x1]) && !media::Transparent(*b, rowB[x - x2])) return true;
    }
  }
  return false;
}

uint32_t SpritePixel(int number, int x, int y) {
  auto sprite = FindSprite(number);
  if (!sprite || x < 0 || y < 0 || x >= sprite->surface->w || y >= sprite->surface->h) return 0;
  return reinterpret_cast<const Uint32*>(static_cast<const Uint8*>(sprite->surface->pixels) +
                                         y * sprite->surface->pitch)[x];
}
