// Zoomed and turned copies of small pictures: the fire trail's flares and other small pictures come back
// frame after frame at the same few sizes and turns, and laying a copy costs a fraction of sampling afresh.
#include "media/ShapedCopies.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "media/Compositor.h"

namespace media {

namespace {

constexpr int kTurnStep = 5;                    // degrees between turned copies
constexpr int kTurnSteps = 360 / kTurnStep;
constexpr long kLargestCopy = 160L * 160L;      // pixels: larger turned pictures are sampled afresh at each draw
constexpr long kLargestUnturnedCopy = 1024L * 768L;  // pixels: unturned pictures up to the whole screen's size
constexpr long kCopiesBudget = 48L << 20;       // bytes all the copies together stay within

constexpr long kNotSeen = -(1L << 40);

// The frame this sprite's shape was last drawn in, if it is among the shapes seen lately (kNotSeen if not);
// it is now, drawn in this frame.
long LastSeen(const Sprite* sprite, uint64_t key) {
  auto& s = S();
  uint64_t hash = (key ^ reinterpret_cast<uintptr_t>(sprite) * 0x9E3779B97F4A7C15ull) * 0xBF58476D1CE4E5B9ull;
  SeenShape& seen = s.seenShapes[(hash >> 40) % s.seenShapes.size()];
  long frame = seen.sprite == sprite && seen.key == key ? seen.frame : kNotSeen;
  seen = {sprite, key, s.presented};
  return frame;
}

// A copy of w x h pixels, to be made before the frame is drawn: the picture filled between the four corners
// into it, clear beside them, as the frame would have it filled.
std::shared_ptr<const ShapedCopy> CopyToMake(std::shared_ptr<const Sprite> sprite, const FillTexture& texture,
                                             QuadVertex (&v)[4], int w, int h) {
  auto copy = std::make_shared<ShapedCopy>();
  copy->w = w;
  copy->h = h;
  copy->pixels.reset(new uint32_t[static_cast<size_t>(w) * h]);
  copy->visible.reset(new int16_t[static_cast<size_t>(h) * 2]);
  const float u[4] = {0, 1, 1, 0}, t[4] = {0, 0, 1, 1};
  std::array<QuadVertex, 4> corners;
  for (int k = 0; k < 4; ++k) {
    corners[k] = v[k];
    corners[k].u = u[k];
    corners[k].v = t[k];
    corners[k].r = corners[k].g = corners[k].b = corners[k].a = 255;
  }
  QueuePreparation([copy, sprite = std::move(sprite), texture, corners] {
    static const int indices[6] = {0, 1, 2, 0, 2, 3};
    int w = copy->w, h = copy->h;
    uint32_t* pixels = copy->pixels.get();
    std::fill_n(pixels, static_cast<size_t>(w) * h, 0u);
    FillTriangles(PixelRows{pixels, w, w, h}, FillClip{0, 0, w, h}, texture, FillBlend::Replace, corners.data(), 4,
                  indices, 6);
    for (int y = 0; y < h; ++y) {
      const uint32_t* row = pixels + static_cast<size_t>(y) * w;
      int first = 0, end = w;
      while (first < end && (row[first] >> 24) == 0) ++first;
      while (end > first && (row[end - 1] >> 24) == 0) --end;
      copy->visible[2 * y] = static_cast<int16_t>(first);
      copy->visible[2 * y + 1] = static_cast<int16_t>(end);
    }
  }, static_cast<long>(w) * h);
  return copy;
}

}  // namespace

bool LayShapedCopy(const std::shared_ptr<Sprite>& shared, const FillTexture& texture, FillBlend blend, float x,
                   float y, float width, float height, float angle, int alpha, const FillClip& clip) {
  auto& s = S();
  Sprite& sprite = *shared;
  // A turned copy is clear beside the picture: only blending and adding leave such pixels as they were.
  if (!s.shapedCopiesOn || (blend != FillBlend::Blend && blend != FillBlend::Add)) return false;
  bool turned = angle != 0.0f;
  // Unturned, the picture's size is cut to whole pixels, as when sampled afresh; turned, copies are kept for
  // sizes a quarter pixel apart.
  float fw = turned ? std::round(width * 4) / 4 : std::floor(width);
  float fh = turned ? std::round(height * 4) / 4 : std::floor(height);
  if (!(fw > 0 && fh > 0 && fw <= 4096 && fh <= 4096)) return false;
  auto w4 = static_cast<uint64_t>(fw * 4), h4 = static_cast<uint64_t>(fh * 4);
  int step = 0;
  if (turned) {
    double turns = std::fmod(static_cast<double>(angle), 360.0);
    if (turns < 0) turns += 360.0;
    step = static_cast<int>(std::lround(turns / kTurnStep)) % kTurnSteps;
  }
  // The copy's box: the picture's own for a picture unturned, else even sides about the turned corners
  // (so that a centre on a whole pixel stays on one).
  double radians = step * kTurnStep * M_PI / 180.0;
  double c = std::cos(radians), sn = std::sin(radians);
  int boxW = static_cast<int>(fw), boxH = static_cast<int>(fh);
  if (turned) {
    boxW = 2 * static_cast<int>(std::ceil((std::fabs(fw * c) + std::fabs(fh * sn)) / 2)) + 2;
    boxH = 2 * static_cast<int>(std::ceil((std::fabs(fw * sn) + std::fabs(fh * c)) / 2)) + 2;
  }
  if (static_cast<long>(boxW) * boxH > (turned ? kLargestCopy : kLargestUnturnedCopy)) return false;
  if (sprite.shapedVersion != sprite.contentVersion) {
    ForgetShapedCopies(sprite);
    sprite.shapedVersion = sprite.contentVersion;
  }
  uint64_t key = w4 << 40 | h4 << 24 | static_cast<uint64_t>(step) << 3 | (turned ? 4u : 0u) |
                 (texture.bilinear ? 2u : 0u) | (texture.opaque ? 1u : 0u);
  s.shapedDraws += 1;
  long seen = LastSeen(&sprite, key);
  // A shape drawn once (a picture growing frame by frame) is not worth a copy. A turned one gets its copy when
  // it comes back (flares turned at random come back to their few dozen turn steps often). An unturned one only
  // when it comes back in the very next frame (or twice in one): unturned shapes that come and go (each frame
  // of an explosion at its own size) would otherwise churn the copies through their budget, each copy made for
  // a draw or two. A shape without a kept copy is drawn afresh: unturned by the caller, to the very pixels a
  // copy gives; turned here, at its turn step, into the box a copy would have, exactly as the copy would be
  // filled and laid, so that its turn steps the same way whether or not a copy is kept.
  bool keep = turned ? seen != kNotSeen : seen >= s.presented - 1;
  auto held = sprite.shaped.find(key);
  std::shared_ptr<const ShapedCopy> copy;
  if (held != sprite.shaped.end()) {
    held->second.lastUse = s.shapedDraws;
    copy = held->second.copy;
  }
  if (!copy && !keep && !turned) return false;
  // Unturned, the picture lands on whole pixels with its corner cut to them, as when sampled afresh;
  // turned, its centre lands on the nearest whole or half pixel the copy's box allows.
  int left = static_cast<int>(x), top = static_cast<int>(y);
  if (turned) {
    left = static_cast<int>(std::floor(x + width / 2 - boxW / 2.0f + 0.5f));
    top = static_cast<int>(std::floor(y + height / 2 - boxH / 2.0f + 0.5f));
  }
  if (!copy) {
    QuadVertex v[4];
    if (!turned) {
      const float cx[4] = {0, 1, 1, 0}, cy[4] = {0, 0, 1, 1};
      for (int k = 0; k < 4; ++k) v[k].x = cx[k] * fw, v[k].y = cy[k] * fh;
    } else {
      auto fc = static_cast<float>(c), fs = static_cast<float>(sn);
      float hw = fw / 2, hh = fh / 2, mx = boxW / 2.0f, my = boxH / 2.0f;
      const float dx[4] = {-hw, hw, hw, -hw}, dy[4] = {-hh, -hh, hh, hh};
      for (int k = 0; k < 4; ++k) {
        v[k].x = mx + dx[k] * fc - dy[k] * fs;
        v[k].y = my + dx[k] * fs + dy[k] * fc;
      }
    }
    if (!keep) {
      // Turned, not worth a copy: filled straight into the frame about the box's corner.
      const float u[4] = {0, 1, 1, 0}, t[4] = {0, 0, 1, 1};
      for (int k = 0; k < 4; ++k) {
        v[k].u = u[k], v[k].v = t[k];
        v[k].r = v[k].g = v[k].b = 255;
        v[k].a = static_cast<uint8_t>(std::min(alpha, 255));
      }
      static const int indices[6] = {0, 1, 2, 0, 2, 3};
      QueueTriangles(shared, texture, blend, clip, v, 4, indices, 6, nullptr, left, top);
      return true;
    }
    copy = CopyToMake(shared, texture, v, boxW, boxH);
    ShapedCopyEntry& entry = sprite.shaped[key];
    entry = {copy, s.shapedDraws};
    s.shapedBytes += copy->Bytes();
    DropLeastRecentlyDrawn(&Sprite::shaped, &entry, s.shapedBytes, kCopiesBudget,
                           [](const ShapedCopyEntry& held) { return held.copy != nullptr; },
                           [](const ShapedCopyEntry& dropped) { return dropped.copy->Bytes(); });
  }
  // An unturned copy of an opaque picture is opaque throughout: laid so, it hides what lies beneath.
  LayPaint paint{blend, static_cast<uint32_t>(std::min(alpha, 255)), !turned && texture.opaque ? 0xFF000000u : 0u};
  QueueLay(copy, copy->pixels.get(), copy->w, copy->w, copy->h, left, top, paint, copy->visible.get(), clip);
  return true;
}

void ForgetShapedCopies(Sprite& sprite) {
  for (auto& [key, entry] : sprite.shaped) {
    (void)key;
    S().shapedBytes -= entry.copy->Bytes();
  }
  sprite.shaped.clear();
}

long ShapedCopyBytes() { return S().shapedBytes; }

void KeepShapedCopies(bool on) { S().shapedCopiesOn = on; }

}  // namespace media
