// Quads: sprites drawn through the renderer with zoom, rotation, opacity, blend factor pairs and a viewport.
#include <SDL.h>

#include <cmath>

#include "media/MediaInternal.h"

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

SDL_BlendMode BuiltInFor(BlendKind kind) {
  switch (kind) {
    case BlendKind::Additive: return SDL_BLENDMODE_ADD;
    case BlendKind::Modulate: return SDL_BLENDMODE_MOD;
    default: return SDL_BLENDMODE_BLEND;
  }
}

}  // namespace

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
  if (s.renderer == nullptr || !s.focus) return false;
  // Every pass starts in normal transparency.
  QuadBlendMode(5, 6);
  return true;
}

void EndQuads() {}

void DrawQuadAlpha(int quad, float x, float y, int alpha) {
  auto& s = S();
  auto it = s.quads.find(quad);
  if (it == s.quads.end() || s.renderer == nullptr || alpha <= 0) return;
  media::Quad& q = it->second;
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
  } else {
    SDL_RenderCopyExF(s.renderer, texture, nullptr, &place, q.angle, nullptr, SDL_FLIP_NONE);
  }
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
  if (s.renderer) SDL_RenderSetClipRect(s.renderer, &s.viewport);
}

void FullViewport() { SetViewport(0, 0, S().screenWidth, S().screenHeight); }

void DrawTriangles(int sprite, const QuadVertex* vertices, int vertexCount, const int* indices, int indexCount) {
  auto& s = S();
  if (s.renderer == nullptr || vertexCount <= 0) return;
  SDL_Texture* texture = nullptr;
  if (sprite >= 0) {
    auto found = media::FindSprite(sprite);
    if (found) texture = media::SpriteTexture(*found);
  }
  media::FlushScreenCopy();
  media::TargetScreen();
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
