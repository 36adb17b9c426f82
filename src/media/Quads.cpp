// Quads: sprites drawn through the renderer with zoom, rotation, opacity, blend factor pairs and a viewport.
#include <SDL.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "media/Compositor.h"
#include "media/MediaInternal.h"
#include "media/ShapedCopies.h"
#include "media/TriangleFill.h"

using media::S;

namespace {

// Direct3D blend factor numbers: 2 one, 3 source colour, 5 source alpha, 6 inverse source alpha,
// 7 destination alpha. The back buffer has no alpha of its own, so destination alpha counts as 1.
SDL_BlendFactor FactorOf(int d3d) {
  switch (d3d) {
    case 1: return SDL_BLENDFACTOR_ZERO;
    case 2: return SDL_BLENDFACTOR_ONE;
    case 3: return SDL_BLENDFACTOR_SRC_COLOR;
    case 4: return SDL_BLENDFACTOR_ONE_MINUS_SRC_COLOR;
    case 5: return SDL_BLENDFACTOR_SRC_ALPHA;
    case 6: return SDL_BLENDFACTOR_ONE_MINUS_SRC_ALPHA;
    case 7: return SDL_BLENDFACTOR_ONE;   // destination alpha = 1
    case 8: return SDL_BLENDFACTOR_ZERO;  // inverse destination alpha = 0
    case 9: return SDL_BLENDFACTOR_DST_COLOR;
    case 10: return SDL_BLENDFACTOR_ONE_MINUS_DST_COLOR;
    default: return SDL_BLENDFACTOR_ONE;
  }
}

constexpr int turnStep = 5;  // degrees between the kept turned copies
// The turned copies of all sprites together stay within this many bytes: a long game turns many
// pictures at many angles, and keeping every copy made grew memory level after level.
constexpr long turnedCopiesBudget = 24L << 20;

// A copy of the picture turned clockwise by step * turnStep degrees, in its bounding box, sampled
// bilinearly. SDL's software renderer would otherwise build such a surface for every turned draw.
SDL_Texture* TurnedCopy(media::Sprite& sprite, int step, int& w, int& h) {
  auto& s = S();
  if (sprite.turnedVersion != sprite.contentVersion) {
    media::ForgetTurnedCopies(sprite);
    sprite.turnedVersion = sprite.contentVersion;
  }
  SDL_Surface* from = sprite.surface;
  double radians = step * turnStep * M_PI / 180.0;
  double c = std::cos(radians), sn = std::sin(radians);
  w = static_cast<int>(std::ceil(std::fabs(from->w * c) + std::fabs(from->h * sn)));
  h = static_cast<int>(std::ceil(std::fabs(from->w * sn) + std::fabs(from->h * c)));
  s.turnedDraws += 1;
  auto found = sprite.turned.find(step);
  if (found != sprite.turned.end()) {
    found->second.lastUse = s.turnedDraws;
    return found->second.texture;
  }
  SDL_Surface* to = SDL_CreateRGBSurfaceWithFormat(0, w, h, 32, SDL_PIXELFORMAT_ARGB8888);
  if (to == nullptr) return nullptr;
  bool opaque = !(sprite.flags & kSpriteKeepAlpha);
  auto pixel = [&](int x, int y) -> Uint32 {
    if (x < 0 || y < 0 || x >= from->w || y >= from->h) return 0;
    Uint32 p = reinterpret_cast<const Uint32*>(static_cast<const Uint8*>(from->pixels) + y * from->pitch)[x];
    return opaque ? (p | 0xFF000000u) : p;
  };
  double fromCx = from->w / 2.0, fromCy = from->h / 2.0, toCx = w / 2.0, toCy = h / 2.0;
  for (int y = 0; y < h; ++y) {
    Uint32* row = reinterpret_cast<Uint32*>(static_cast<Uint8*>(to->pixels) + y * to->pitch);
    for (int x = 0; x < w; ++x) {
      double dx = x + 0.5 - toCx, dy = y + 0.5 - toCy;
      double sx = dx * c + dy * sn + fromCx - 0.5, sy = -dx * sn + dy * c + fromCy - 0.5;
      int x0 = static_cast<int>(std::floor(sx)), y0 = static_cast<int>(std::floor(sy));
      double fx = sx - x0, fy = sy - y0;
      Uint32 p00 = pixel(x0, y0), p10 = pixel(x0 + 1, y0), p01 = pixel(x0, y0 + 1), p11 = pixel(x0 + 1, y0 + 1);
      Uint32 out = 0;
      for (int shift = 0; shift < 32; shift += 8) {
        double v = ((p00 >> shift) & 255) * (1 - fx) * (1 - fy) + ((p10 >> shift) & 255) * fx * (1 - fy) +
                   ((p01 >> shift) & 255) * (1 - fx) * fy + ((p11 >> shift) & 255) * fx * fy;
        out |= static_cast<Uint32>(v + 0.5) << shift;
      }
      row[x] = out;
    }
  }
  SDL_Texture* texture = SDL_CreateTextureFromSurface(s.renderer, to);
  SDL_FreeSurface(to);
  if (texture == nullptr) return nullptr;
  media::TurnedCopyEntry& entry = sprite.turned[step];
  entry = {texture, static_cast<long>(w) * h * 4, s.turnedDraws};
  s.turnedBytes += entry.bytes;
  // The copies of all sprites stay within their budget, the least recently drawn dropped first.
  media::DropLeastRecentlyDrawn(&media::Sprite::turned, &entry, s.turnedBytes, turnedCopiesBudget,
                                [](const media::TurnedCopyEntry&) { return true; },
                                [](media::TurnedCopyEntry& dropped) {
                                  if (dropped.texture) SDL_DestroyTexture(dropped.texture);
                                  return dropped.bytes;
                                });
  return texture;
}

media::FillBlend FillBlendOf(SDL_BlendMode mode) {
  switch (mode) {
    case SDL_BLENDMODE_NONE: return media::FillBlend::Replace;
    case SDL_BLENDMODE_ADD: return media::FillBlend::Add;
    case SDL_BLENDMODE_MOD: return media::FillBlend::Modulate;
    default: return media::FillBlend::Blend;
  }
}

// A sprite's pixels as the compositor samples them; false when it cannot.
bool TextureOf(media::Sprite& sprite, media::FillTexture& texture) {
  const SDL_Surface* from = sprite.surface;
  if (from == nullptr || from->format->format != SDL_PIXELFORMAT_ARGB8888 || SDL_MUSTLOCK(from) ||
      from->w > media::kLargestFillTexture || from->h > media::kLargestFillTexture) {
    return false;
  }
  texture.pixels = static_cast<const uint32_t*>(from->pixels);
  texture.pitch = from->pitch / 4;
  texture.width = from->w;
  texture.height = from->h;
  texture.opaque = !(sprite.flags & kSpriteKeepAlpha) || media::AllOpaque(sprite);
  texture.bilinear = S().quadFiltering;
  return true;
}

media::FillClip ViewportClip() {
  const SDL_Rect& v = S().viewport;
  return {v.x, v.y, v.x + v.w, v.y + v.h};
}

const int16_t* VisibleSpans(media::Sprite& sprite) {
  if (sprite.visibleVersion == sprite.contentVersion) return sprite.visibleSpans.data();
  const SDL_Surface* from = sprite.surface;
  sprite.visibleSpans.assign(static_cast<size_t>(from->h) * 2, 0);
  for (int y = 0; y < from->h; ++y) {
    const uint32_t* row = reinterpret_cast<const uint32_t*>(static_cast<const Uint8*>(from->pixels) + y * from->pitch);
    int first = 0, end = from->w;
    while (first < end && (row[first] >> 24) == 0) ++first;
    while (end > first && (row[end - 1] >> 24) == 0) --end;
    sprite.visibleSpans[2 * y] = static_cast<int16_t>(first);
    sprite.visibleSpans[2 * y + 1] = static_cast<int16_t>(end);
  }
  sprite.visibleVersion = sprite.contentVersion;
  return sprite.visibleSpans.data();
}

// A quad as two triangles into the frame. Unturned, it lands on whole pixels as the renderer placed it, its
// corner and size cut to whole numbers, and a picture at its own size is copied texel for texel; turned, it
// turns clockwise about its centre by the exact angle.
void DrawQuadOnFrame(const media::Quad& q, float x, float y, int alpha) {
  auto& s = S();
  media::FillTexture texture;
  if (!TextureOf(*q.sprite, texture)) return;
  QuadVertex v[4];
  if (q.angle == 0.0f) {
    float left = static_cast<float>(static_cast<int>(x)), top = static_cast<float>(static_cast<int>(y));
    float w = static_cast<float>(static_cast<int>(q.width)), h = static_cast<float>(static_cast<int>(q.height));
    if (w <= 0 || h <= 0) return;
    if (static_cast<int>(w) == texture.width && static_cast<int>(h) == texture.height) {
      // At its own size the picture is laid row by row, texel for texel, its clear ends skipped.
      media::LayPaint paint{FillBlendOf(s.quadBlend), static_cast<uint32_t>(std::min(alpha, 255)),
                            texture.opaque ? 0xFF000000u : 0u};
      bool byAlpha = !texture.opaque && (paint.blend == media::FillBlend::Blend || paint.blend == media::FillBlend::Add);
      media::QueueLay(q.sprite, texture.pixels, texture.pitch, texture.width, texture.height, static_cast<int>(left),
                      static_cast<int>(top), paint, byAlpha ? VisibleSpans(*q.sprite) : nullptr, ViewportClip());
      return;
    }
    if (media::LayShapedCopy(q.sprite, texture, FillBlendOf(s.quadBlend), x, y, q.width, q.height, 0.0f, alpha,
                             ViewportClip())) {
      return;
    }
    v[0].x = left, v[0].y = top, v[1].x = left + w, v[1].y = top;
    v[2].x = left + w, v[2].y = top + h, v[3].x = left, v[3].y = top + h;
  } else {
    if (media::LayShapedCopy(q.sprite, texture, FillBlendOf(s.quadBlend), x, y, q.width, q.height, q.angle, alpha,
                             ViewportClip())) {
      return;
    }
    double radians = q.angle * M_PI / 180.0;
    float c = static_cast<float>(std::cos(radians)), sn = static_cast<float>(std::sin(radians));
    float cx = x + q.width / 2, cy = y + q.height / 2, hw = q.width / 2, hh = q.height / 2;
    const float dx[4] = {-hw, hw, hw, -hw}, dy[4] = {-hh, -hh, hh, hh};
    for (int k = 0; k < 4; ++k) {
      v[k].x = cx + dx[k] * c - dy[k] * sn;
      v[k].y = cy + dx[k] * sn + dy[k] * c;
    }
  }
  const float u[4] = {0, 1, 1, 0}, w[4] = {0, 0, 1, 1};
  for (int k = 0; k < 4; ++k) {
    v[k].u = u[k];
    v[k].v = w[k];
    v[k].r = v[k].g = v[k].b = 255;
    v[k].a = static_cast<uint8_t>(std::min(alpha, 255));
  }
  static const int corners[6] = {0, 1, 2, 0, 2, 3};
  media::QueueTriangles(q.sprite, texture, FillBlendOf(s.quadBlend), ViewportClip(), v, 4, corners, 6);
}

SDL_BlendMode BuiltInFor(BlendKind kind) {
  switch (kind) {
    case BlendKind::Additive: return SDL_BLENDMODE_ADD;
    case BlendKind::Modulate: return SDL_BLENDMODE_MOD;
    default: return SDL_BLENDMODE_BLEND;
  }
}

}  // namespace

long TurnedCopyBytes() { return S().turnedBytes; }
long TurnedCopyBudget() { return turnedCopiesBudget; }

void media::ForgetTurnedCopies(Sprite& sprite) {
  for (auto& [step, copy] : sprite.turned) {
    (void)step;
    if (copy.texture) SDL_DestroyTexture(copy.texture);
    S().turnedBytes -= copy.bytes;
  }
  sprite.turned.clear();
}

BlendKind BlendKindFor(int sourceFactor, int destinationFactor, bool customAllowed) {
  SDL_BlendFactor src = FactorOf(sourceFactor);
  SDL_BlendFactor dst = FactorOf(destinationFactor);
  if (src == SDL_BLENDFACTOR_SRC_ALPHA && dst == SDL_BLENDFACTOR_ONE_MINUS_SRC_ALPHA) return BlendKind::Transparency;
  if (src == SDL_BLENDFACTOR_SRC_ALPHA && dst == SDL_BLENDFACTOR_ONE) return BlendKind::Additive;
  if (src == SDL_BLENDFACTOR_ZERO && dst == SDL_BLENDFACTOR_SRC_COLOR) return BlendKind::Modulate;
  if (customAllowed) return BlendKind::Custom;
  // The nearest built-in mode: anything that adds onto the whole destination glows additively.
  if (dst == SDL_BLENDFACTOR_ONE) return BlendKind::Additive;
  return BlendKind::Transparency;
}

bool QuadFromSprite(int quad, int sprite) {
  auto found = media::FindSprite(sprite);
  if (!found || !(found->flags & kSpriteQuadTexture)) return false;
  media::Quad made;
  made.sprite = found;
  made.width = static_cast<float>(found->surface->w);
  made.height = static_cast<float>(found->surface->h);
  S().quads[quad] = made;
  return true;
}

void ReleaseQuad(int quad) { S().quads.erase(quad); }
bool HasQuad(int quad) { return S().quads.count(quad) != 0; }

bool BeginQuads() {
  auto& s = S();
  if (!media::CanDraw() || !s.focus) return false;
  // Every pass starts in normal transparency.
  QuadBlendMode(5, 6);
  return true;
}

void EndQuads() {}

void DrawQuadAlpha(int quad, float x, float y, int alpha) {
  auto& s = S();
  auto it = s.quads.find(quad);
  if (it == s.quads.end() || !media::CanDraw() || alpha <= 0) return;
  media::Quad& q = it->second;
  if (!s.rendererDraws) {
    DrawQuadOnFrame(q, x, y, alpha);
    return;
  }
  SDL_Texture* texture = media::SpriteTexture(*q.sprite);
  if (texture == nullptr) return;
  media::FlushScreenCopy();
  media::TargetScreen();
  SDL_SetTextureBlendMode(texture, s.quadBlend);
  SDL_SetTextureAlphaMod(texture, static_cast<Uint8>(alpha > 255 ? 255 : alpha));
  SDL_SetTextureColorMod(texture, 255, 255, 255);
  SDL_SetTextureScaleMode(texture, s.quadFiltering ? SDL_ScaleModeLinear : SDL_ScaleModeNearest);
  SDL_FRect place{x, y, q.width, q.height};
  if (q.angle == 0.0f) {
    SDL_RenderCopyF(s.renderer, texture, nullptr, &place);
    return;
  }
  float scaleX = q.width / q.sprite->surface->w, scaleY = q.height / q.sprite->surface->h;
  bool uniform = std::fabs(scaleX - scaleY) <= 0.01f * std::max(scaleX, scaleY);
  if (s.softwareRenderer && uniform) {
    int step = static_cast<int>(std::lround(std::fmod(q.angle + 360.0f, 360.0f) / turnStep)) % (360 / turnStep);
    int w = 0, h = 0;
    SDL_Texture* turned = TurnedCopy(*q.sprite, step, w, h);
    if (turned != nullptr) {
      SDL_SetTextureBlendMode(turned, s.quadBlend);
      SDL_SetTextureAlphaMod(turned, static_cast<Uint8>(alpha > 255 ? 255 : alpha));
      SDL_SetTextureScaleMode(turned, s.quadFiltering ? SDL_ScaleModeLinear : SDL_ScaleModeNearest);
      float cx = x + q.width / 2, cy = y + q.height / 2;
      SDL_FRect box{cx - w * scaleX / 2, cy - h * scaleY / 2, w * scaleX, h * scaleY};
      SDL_RenderCopyF(s.renderer, turned, nullptr, &box);
      return;
    }
  }
  SDL_RenderCopyExF(s.renderer, texture, nullptr, &place, q.angle, nullptr, SDL_FLIP_NONE);
}

void DrawQuad(int quad, float x, float y) { DrawQuadAlpha(quad, x, y, 255); }

void ZoomQuad(int quad, float w, float h) {
  auto it = S().quads.find(quad);
  if (it == S().quads.end()) return;
  it->second.width = w;
  it->second.height = h;
}

float QuadWidth(int quad) {
  auto it = S().quads.find(quad);
  return it == S().quads.end() ? 0.0f : it->second.width;
}

float QuadHeight(int quad) {
  auto it = S().quads.find(quad);
  return it == S().quads.end() ? 0.0f : it->second.height;
}

void RotateQuad(int quad, float degrees, int mode) {
  auto it = S().quads.find(quad);
  if (it == S().quads.end()) return;
  float angle = mode == 1 ? it->second.angle + degrees : degrees;
  it->second.angle = std::fmod(angle, 360.0f);
}

void QuadBlendMode(int sourceFactor, int destinationFactor) {
  auto& s = S();
  BlendKind kind = BlendKindFor(sourceFactor, destinationFactor, s.customBlendAllowed);
  if (kind == BlendKind::Custom) {
    // The colour blends by the pair; the back buffer's own alpha is left as it is.
    s.quadBlend = SDL_ComposeCustomBlendMode(FactorOf(sourceFactor), FactorOf(destinationFactor),
                                             SDL_BLENDOPERATION_ADD, SDL_BLENDFACTOR_ZERO, SDL_BLENDFACTOR_ONE,
                                             SDL_BLENDOPERATION_ADD);
  } else {
    s.quadBlend = BuiltInFor(kind);
  }
}

void QuadFiltering(int on) { S().quadFiltering = on != 0; }

void SetViewport(int x, int y, int w, int h) {
  auto& s = S();
  SDL_Rect screen{0, 0, s.screenWidth, s.screenHeight};
  SDL_Rect wanted{x, y, w, h};
  if (!SDL_IntersectRect(&screen, &wanted, &s.viewport)) s.viewport = {0, 0, 0, 0};
  if (s.renderer && s.rendererDraws) SDL_RenderSetClipRect(s.renderer, &s.viewport);
}

void FullViewport() { SetViewport(0, 0, S().screenWidth, S().screenHeight); }

namespace media {

namespace {

// The sprite's picture as a texture that repeats: its copy with one more column and row made when the picture
// changed. False when the compositor does not draw, or the sides are not powers of two.
bool WrappingTexture(int sprite, FillTexture& texture, std::shared_ptr<const std::vector<uint32_t>>& keep) {
  if (!CanDraw() || S().rendererDraws) return false;
  auto found = sprite >= 0 ? FindSprite(sprite) : nullptr;
  if (!found || !TextureOf(*found, texture) || !CanWrapTexture(texture.width, texture.height)) return false;
  Sprite& picture = *found;
  if (picture.wrapVersion != picture.contentVersion || !picture.wrapCopy) {
    int w = texture.width, h = texture.height;
    auto copy = std::make_shared<std::vector<uint32_t>>(static_cast<size_t>(w + 1) * (h + 1));
    for (int y = 0; y <= h; ++y) {
      const uint32_t* from = texture.pixels + static_cast<ptrdiff_t>(y % h) * texture.pitch;
      uint32_t* to = copy->data() + static_cast<ptrdiff_t>(y) * (w + 1);
      std::copy(from, from + w, to);
      to[w] = from[0];
    }
    picture.wrapCopy = std::move(copy);
    picture.wrapVersion = picture.contentVersion;
  }
  keep = picture.wrapCopy;
  texture.pixels = keep->data();
  texture.pitch = texture.width + 1;
  texture.wrap = true;
  return true;
}

}  // namespace

bool DrawWrappedTriangles(int sprite, const QuadVertex* vertices, int vertexCount, const int* indices,
                          int indexCount) {
  FillTexture texture;
  std::shared_ptr<const std::vector<uint32_t>> keep;
  if (!WrappingTexture(sprite, texture, keep)) return false;
  if (vertexCount > 0) {
    QueueTriangles(keep, texture, FillBlendOf(S().quadBlend), ViewportClip(), vertices, vertexCount, indices,
                   indexCount);
  }
  return true;
}

bool DrawWrappedTwoLayerTriangles(int sprite, int secondSprite, const QuadVertex* vertices, int vertexCount,
                                  const float* secondCoordinates, const int* indices, int indexCount) {
  FillSecondLayer second;
  std::shared_ptr<const std::vector<uint32_t>> keep, keepSecond;
  FillTexture texture;
  if (secondCoordinates == nullptr || !WrappingTexture(sprite, texture, keep) ||
      !WrappingTexture(secondSprite, second.texture, keepSecond)) {
    return false;
  }
  if (vertexCount <= 0) return true;
  second.uv = secondCoordinates;
  // The queued drawing holds both copies.
  auto both = std::make_shared<std::pair<std::shared_ptr<const void>, std::shared_ptr<const void>>>(keep, keepSecond);
  QueueTriangles(both, texture, FillBlendOf(S().quadBlend), ViewportClip(), vertices, vertexCount, indices, indexCount,
                 &second);
  return true;
}

}  // namespace media

void DrawTriangles(int sprite, const QuadVertex* vertices, int vertexCount, const int* indices, int indexCount) {
  auto& s = S();
  if (!media::CanDraw() || vertexCount <= 0) return;
  auto found = sprite >= 0 ? media::FindSprite(sprite) : nullptr;
  if (!s.rendererDraws) {
    media::FillTexture texture;
    if (found && !TextureOf(*found, texture)) return;
    media::QueueTriangles(found, texture, FillBlendOf(s.quadBlend), ViewportClip(), vertices, vertexCount, indices,
                          indexCount);
    return;
  }
  media::FlushScreenCopy();
  media::TargetScreen();
  SDL_Texture* texture = found ? media::SpriteTexture(*found) : nullptr;
  if (texture) {
    SDL_SetTextureBlendMode(texture, s.quadBlend);
    SDL_SetTextureAlphaMod(texture, 255);
    SDL_SetTextureColorMod(texture, 255, 255, 255);
    SDL_SetTextureScaleMode(texture, s.quadFiltering ? SDL_ScaleModeLinear : SDL_ScaleModeNearest);
  } else {
    SDL_SetRenderDrawBlendMode(s.renderer, s.quadBlend);
  }
  static_assert(sizeof(QuadVertex) == sizeof(SDL_Vertex), "vertices are handed to SDL as they are");
  SDL_RenderGeometry(s.renderer, texture, reinterpret_cast<const SDL_Vertex*>(vertices), vertexCount, indices,
                     indexCount);
}
