// The drawing queue of the frame and the threads that run it band by band.
#include "media/Compositor.h"

#include <algorithm>
#include <atomic>
#include <functional>
#include <condition_variable>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <thread>
#include <vector>

namespace media {

namespace {

enum class Kind { Triangles, Copy, Fill, Lay };

struct Operation {
  Kind kind = Kind::Fill;
  std::shared_ptr<const void> keep;
  FillClip clip;        // already cut at the frame; rows clip.y0 .. clip.y1 - 1 are all it may touch
  // Triangles
  FillTexture texture;
  FillBlend blend = FillBlend::Blend;
  int firstVertex = 0, vertexCount = 0, firstIndex = 0, indexCount = 0;
  FillTexture secondTexture;  // pixels null: one layer
  int firstSecondCoordinate = 0;
  int originX = 0, originY = 0;  // the frame's pixel where the vertices' (0, 0) lies
  bool hides = false;             // every pixel the triangles fill is theirs alone, whatever lay beneath
  // Copy and fill
  const uint32_t* pixels = nullptr;
  int pitch = 0, sx = 0, sy = 0, x = 0, y = 0;
  CopyMode mode = CopyMode::Copy;
  uint32_t key = 0;     // Keyed: the colour skipped; Fill: the pixel laid
  // Lay
  LayPaint paint;
  const int16_t* visible = nullptr;
};

struct Queue {
  PixelRows frame;
  std::vector<Operation> operations;
  std::vector<QuadVertex> vertices;
  std::vector<int> indices;
  std::vector<float> secondCoordinates;  // u, v of each vertex of two-layer triangles
  // Pictures to make before any band is drawn (shaped copies the operations lay), each made by one thread.
  std::vector<std::function<void()>> preparations;
  long preparedPixels = 0;
  long queuedPixels = 0;  // a rough measure of the work waiting, to leave small batches to one thread
};
Queue queue;

// One pixel of `source` laid over `beneath` by its alpha, as a blended blit lays it.
inline uint32_t BlendedPixel(uint32_t source, uint32_t beneath) {
  uint32_t a = source >> 24;
  if (a == 255) return source;
  if (a == 0) return beneath;
  uint32_t keep = 255 - a;
  uint32_t rb = ((source & 0xFF00FFu) * a + (beneath & 0xFF00FFu) * keep) / 255 & 0xFF00FFu;
  uint32_t g = ((source & 0xFF00u) * a + (beneath & 0xFF00u) * keep) / 255 & 0xFF00u;
  uint32_t alpha = a + (beneath >> 24) * keep / 255;
  return alpha << 24 | rb | g;
}

void CopyRow(uint32_t* out, const uint32_t* in, int count, CopyMode mode, uint32_t key) {
  switch (mode) {
    case CopyMode::Copy:
      std::memcpy(out, in, static_cast<size_t>(count) * 4);
      return;
    case CopyMode::Opaque:
      for (int i = 0; i < count; ++i) out[i] = in[i] | 0xFF000000u;
      return;
    case CopyMode::Keyed:
      for (int i = 0; i < count; ++i) out[i] = (in[i] & 0xFFFFFFu) == key ? out[i] : (in[i] | 0xFF000000u);
      return;
    case CopyMode::Blend:
      for (int i = 0; i < count; ++i) out[i] = BlendedPixel(in[i], out[i]);
      return;
  }
}

void CopyRows(const Operation& op, const FillClip& clip, const PixelRows& frame) {
  for (int row = clip.y0; row < clip.y1; ++row) {
    const uint32_t* in = op.pixels + static_cast<ptrdiff_t>(op.sy + row - op.y) * op.pitch + op.sx + (clip.x0 - op.x);
    CopyRow(frame.pixels + static_cast<ptrdiff_t>(row) * frame.pitch + clip.x0, in, clip.x1 - clip.x0, op.mode, op.key);
  }
}

void FillOperation(const Operation& op, const FillClip& clip, const PixelRows& frame, FillCoverage* coverage) {
  FillSecondLayer second{op.secondTexture, queue.secondCoordinates.data() + op.firstSecondCoordinate};
  // Vertices about an origin fill the frame seen from there: the same pixels as filling a picture of
  // their own and laying it at the origin.
  PixelRows target = frame;
  FillClip local = clip;
  if (op.originX != 0 || op.originY != 0) {
    target.pixels = frame.pixels + static_cast<ptrdiff_t>(op.originY) * frame.pitch + op.originX;
    target.width = frame.width - op.originX;
    target.height = frame.height - op.originY;
    local = {clip.x0 - op.originX, clip.y0 - op.originY, clip.x1 - op.originX, clip.y1 - op.originY};
  }
  FillTriangles(target, local, op.texture, op.blend, queue.vertices.data() + op.firstVertex, op.vertexCount,
                op.indexCount > 0 ? queue.indices.data() + op.firstIndex : nullptr, op.indexCount,
                op.secondTexture.pixels != nullptr ? &second : nullptr, coverage);
}

// A copy (a background) and the triangles that come straight after it and hide what they cover (a 3D scene
// over it): the triangles first, noting which pixels they drew, then the copy only where they did not. The
// same pixels as the other way round, without copying what would be covered at once.
void CopyUnderTriangles(const Operation& copy, const FillClip& clip, const Operation& triangles,
                        const FillClip& trianglesClip, const PixelRows& frame) {
  thread_local std::vector<uint64_t> bits;
  FillCoverage coverage;
  coverage.top = clip.y0;
  coverage.rows = clip.y1 - clip.y0;
  coverage.wordsPerRow = (frame.width + 63) / 64;
  bits.assign(static_cast<size_t>(coverage.rows) * coverage.wordsPerRow, 0);
  coverage.bits = bits.data();
  if (trianglesClip.y0 < trianglesClip.y1 && trianglesClip.x0 < trianglesClip.x1)
    FillOperation(triangles, trianglesClip, frame, &coverage);
  const int wordsPerRow = coverage.wordsPerRow;
  for (int row = clip.y0; row < clip.y1; ++row) {
    const uint64_t* words = coverage.bits + static_cast<ptrdiff_t>(row - clip.y0) * wordsPerRow;
    // The first pixel from `at` whose bit is `set`, or the end of the row's words.
    auto next = [&](int at, bool set) {
      int word = at >> 6;
      if (word >= wordsPerRow) return wordsPerRow * 64;
      uint64_t bits = (set ? words[word] : ~words[word]) & (~uint64_t{0} << (at & 63));
      while (bits == 0) {
        if (++word >= wordsPerRow) return wordsPerRow * 64;
        bits = set ? words[word] : ~words[word];
      }
      return word * 64 + __builtin_ctzll(bits);
    };
    int x = clip.x0;
    while (x < clip.x1) {
      x = next(x, false);  // the next pixel the triangles left
      if (x >= clip.x1) break;
      int end = std::min(next(x, true), clip.x1);
      CopyRows(copy, {x, row, end, row + 1}, frame);
      x = end;
    }
  }
}

// Runs every queued operation on the rows top .. bottom - 1.
void DrawBand(int top, int bottom) {
  const PixelRows& frame = queue.frame;
  auto& ops = queue.operations;
  for (size_t k = 0; k < ops.size(); ++k) {
    const Operation& op = ops[k];
    FillClip clip{op.clip.x0, std::max(op.clip.y0, top), op.clip.x1, std::min(op.clip.y1, bottom)};
    if (clip.y0 >= clip.y1 || clip.x0 >= clip.x1) continue;
    if (op.kind == Kind::Copy && k + 1 < ops.size() && ops[k + 1].kind == Kind::Triangles && ops[k + 1].hides) {
      const Operation& next = ops[k + 1];
      FillClip nextClip{next.clip.x0, std::max(next.clip.y0, top), next.clip.x1, std::min(next.clip.y1, bottom)};
      CopyUnderTriangles(op, clip, next, nextClip, frame);
      ++k;
      continue;
    }
    switch (op.kind) {
      case Kind::Triangles:
        FillOperation(op, clip, frame, nullptr);
        break;
      case Kind::Copy:
        CopyRows(op, clip, frame);
        break;
      case Kind::Lay:
        for (int row = clip.y0; row < clip.y1; ++row) {
          int sy = row - op.y, from = clip.x0, to = clip.x1;
          if (op.visible != nullptr) {
            from = std::max(from, op.x + op.visible[2 * sy]);
            to = std::min(to, op.x + op.visible[2 * sy + 1]);
          }
          if (from < to)
            LaySpan(frame.pixels + static_cast<ptrdiff_t>(row) * frame.pitch + from,
                    op.pixels + static_cast<ptrdiff_t>(sy) * op.pitch + (from - op.x), to - from, op.paint);
        }
        break;
      case Kind::Fill:
        for (int row = clip.y0; row < clip.y1; ++row)
          std::fill_n(frame.pixels + static_cast<ptrdiff_t>(row) * frame.pitch + clip.x0, clip.x1 - clip.x0, op.key);
        break;
    }
  }
}

// The threads beside the caller's own. Never destroyed: the program may end through exit() at any time.
struct Pool {
  int wanted = 0;  // 0: one per core
  std::vector<std::thread> threads;
  std::mutex mutex;
  std::condition_variable wake, finished;
  uint64_t generation = 0;
  int busy = 0;
  std::atomic<int> working{0};  // helpers still running the jobs (busy, readable without the lock)
  bool stopping = false;
  // The work of one wake-up: jobs 0 .. jobCount - 1, each taken by whichever thread is free first.
  std::function<void(int)> job;
  std::atomic<int> nextJob{0};
  int jobCount = 0;
};
Pool& ThePool() {
  static Pool* pool = new Pool;
  return *pool;
}

int ThreadsFor(int wanted) {
  if (wanted > 0) return std::min(wanted, 16);
  // Asked once: the library reads a system file each time, twice a frame otherwise.
  static const int cores = std::clamp(static_cast<int>(std::thread::hardware_concurrency()), 1, 8);
  return cores;
}

inline void CpuRelax() {
#if defined(__x86_64__) || defined(__i386__)
  __builtin_ia32_pause();
#endif
}

void RunJobs(Pool& pool) {
  for (;;) {
    int k = pool.nextJob.fetch_add(1, std::memory_order_relaxed);
    if (k >= pool.jobCount) return;
    pool.job(k);
  }
}

// `seen`: the generation when the thread was made; it waits for the next.
void Worker(Pool* pool, uint64_t seen) {
  for (;;) {
    std::unique_lock<std::mutex> lock(pool->mutex);
    pool->wake.wait(lock, [&] { return pool->stopping || pool->generation != seen; });
    if (pool->stopping) return;
    seen = pool->generation;
    lock.unlock();
    RunJobs(*pool);
    pool->working.fetch_sub(1, std::memory_order_release);
    lock.lock();
    if (--pool->busy == 0) pool->finished.notify_one();
  }
}

void StartThreads(Pool& pool) {
  int helpers = ThreadsFor(pool.wanted) - 1;
  while (static_cast<int>(pool.threads.size()) < helpers) pool.threads.emplace_back(Worker, &pool, pool.generation);
}

FillClip WithinFrame(const FillClip& clip) {
  return {std::max(clip.x0, 0), std::max(clip.y0, 0), std::min(clip.x1, queue.frame.width),
          std::min(clip.y1, queue.frame.height)};
}

// Whether an operation lays every pixel of its rectangle whatever lies beneath.
bool Hides(const Operation& op) {
  switch (op.kind) {
    case Kind::Fill: return true;
    case Kind::Copy: return op.mode == CopyMode::Copy || op.mode == CopyMode::Opaque;
    case Kind::Lay:
      return op.paint.blend == FillBlend::Replace ||
             (op.paint.blend == FillBlend::Blend && op.paint.orMask != 0 && op.paint.alpha >= 255);
    case Kind::Triangles: return false;
  }
  return false;
}

// The parts of `box` that `over` leaves uncovered, at most four rectangles, added to `out`.
void Uncovered(const FillClip& box, const FillClip& over, std::vector<FillClip>& out) {
  FillClip cut{std::max(box.x0, over.x0), std::max(box.y0, over.y0), std::min(box.x1, over.x1),
               std::min(box.y1, over.y1)};
  if (cut.x0 >= cut.x1 || cut.y0 >= cut.y1) {
    out.push_back(box);
    return;
  }
  if (box.y0 < cut.y0) out.push_back({box.x0, box.y0, box.x1, cut.y0});
  if (cut.y1 < box.y1) out.push_back({box.x0, cut.y1, box.x1, box.y1});
  if (box.x0 < cut.x0) out.push_back({box.x0, cut.y0, cut.x0, cut.y1});
  if (cut.x1 < box.x1) out.push_back({cut.x1, cut.y0, box.x1, cut.y1});
}

// What later opaque pictures cover of a fill is never seen (the frame is cleared, then its background and
// panels laid): a fill keeps only the parts left uncovered, as fills of their own in its place.
void TrimHiddenFills() {
  auto& ops = queue.operations;
  std::vector<FillClip> parts, next;
  for (size_t i = 0; i < ops.size(); ++i) {
    if (ops[i].kind != Kind::Fill) continue;
    parts.assign(1, ops[i].clip);
    for (size_t j = i + 1; j < ops.size() && !parts.empty() && parts.size() <= 16; ++j) {
      if (!Hides(ops[j])) continue;
      next.clear();
      for (const FillClip& part : parts) Uncovered(part, ops[j].clip, next);
      parts.swap(next);
    }
    if (parts.size() > 16) continue;  // too cut up to be worth it: filled whole
    Operation fill = ops[i];
    if (parts.empty()) {
      ops[i].clip.x1 = ops[i].clip.x0;  // nothing left to fill
      continue;
    }
    ops[i].clip = parts[0];
    for (size_t k = 1; k < parts.size(); ++k) {
      fill.clip = parts[k];
      ops.insert(ops.begin() + static_cast<ptrdiff_t>(i + k), fill);
    }
    i += parts.size() - 1;
  }
}

}  // namespace

void SetCompositorFrame(const PixelRows& frame) {
  FinishQueuedDrawing();
  queue.frame = frame;
}

void QueueTriangles(std::shared_ptr<const void> keep, const FillTexture& texture, FillBlend blend,
                    const FillClip& clip, const QuadVertex* vertices, int vertexCount, const int* indices,
                    int indexCount, const FillSecondLayer* second, int originX, int originY) {
  if (queue.frame.pixels == nullptr || vertices == nullptr || vertexCount <= 0) return;
  if (second != nullptr && (second->texture.pixels == nullptr || second->uv == nullptr)) return;
  if (std::abs(originX) > 4 * queue.frame.width || std::abs(originY) > 4 * queue.frame.height) return;
  Operation op;
  op.kind = Kind::Triangles;
  op.clip = WithinFrame(clip);
  op.originX = originX;
  op.originY = originY;
  // The rows the triangles reach, so that bands below or above them skip them whole.
  float top = vertices[0].y, bottom = vertices[0].y;
  for (int i = 1; i < vertexCount; ++i) top = std::min(top, vertices[i].y), bottom = std::max(bottom, vertices[i].y);
  if (top == top && bottom == bottom && top > -kFarthestFillPixel && bottom < kFarthestFillPixel) {
    op.clip.y0 = std::max(op.clip.y0, static_cast<int>(top) + originY - 1);
    op.clip.y1 = std::min(op.clip.y1, static_cast<int>(bottom) + originY + 2);
  }
  if (op.clip.x0 >= op.clip.x1 || op.clip.y0 >= op.clip.y1) return;
  op.keep = std::move(keep);
  op.texture = texture;
  op.blend = blend;
  // Opaque triangles laid whole (blended only by their alpha, which is full) hide what lies beneath.
  if ((blend == FillBlend::Replace || blend == FillBlend::Blend) && (texture.pixels == nullptr || texture.opaque) &&
      originX == 0 && originY == 0) {
    op.hides = std::all_of(vertices, vertices + vertexCount, [](const QuadVertex& v) { return v.a == 255; });
  }
  op.firstVertex = static_cast<int>(queue.vertices.size());
  op.vertexCount = vertexCount;
  queue.vertices.insert(queue.vertices.end(), vertices, vertices + vertexCount);
  if (indices != nullptr && indexCount > 0) {
    op.firstIndex = static_cast<int>(queue.indices.size());
    op.indexCount = indexCount;
    queue.indices.insert(queue.indices.end(), indices, indices + indexCount);
  }
  if (second != nullptr) {
    op.secondTexture = second->texture;
    op.firstSecondCoordinate = static_cast<int>(queue.secondCoordinates.size());
    queue.secondCoordinates.insert(queue.secondCoordinates.end(), second->uv, second->uv + 2 * vertexCount);
  }
  queue.queuedPixels += static_cast<long>(op.clip.x1 - op.clip.x0) * (op.clip.y1 - op.clip.y0) / 4;
  queue.operations.push_back(std::move(op));
}

void QueueCopy(std::shared_ptr<const void> keep, const uint32_t* pixels, int pitch, int sx, int sy, int w, int h,
               int x, int y, CopyMode mode, uint32_t key, const FillClip& clip) {
  if (queue.frame.pixels == nullptr || pixels == nullptr || w <= 0 || h <= 0) return;
  Operation op;
  op.kind = Kind::Copy;
  FillClip within = WithinFrame(clip);
  op.clip = {std::max(within.x0, x), std::max(within.y0, y), std::min(within.x1, x + w), std::min(within.y1, y + h)};
  if (op.clip.x0 >= op.clip.x1 || op.clip.y0 >= op.clip.y1) return;
  op.keep = std::move(keep);
  op.pixels = pixels;
  op.pitch = pitch;
  op.sx = sx;
  op.sy = sy;
  op.x = x;
  op.y = y;
  op.mode = mode;
  op.key = key & 0xFFFFFFu;
  queue.queuedPixels += static_cast<long>(op.clip.x1 - op.clip.x0) * (op.clip.y1 - op.clip.y0);
  queue.operations.push_back(std::move(op));
}

void QueueLay(std::shared_ptr<const void> keep, const uint32_t* pixels, int pitch, int w, int h, int x, int y,
              const LayPaint& paint, const int16_t* visible, const FillClip& clip) {
  if (queue.frame.pixels == nullptr || pixels == nullptr || w <= 0 || h <= 0) return;
  Operation op;
  op.kind = Kind::Lay;
  FillClip within = WithinFrame(clip);
  op.clip = {std::max(within.x0, x), std::max(within.y0, y), std::min(within.x1, x + w), std::min(within.y1, y + h)};
  if (op.clip.x0 >= op.clip.x1 || op.clip.y0 >= op.clip.y1) return;
  op.keep = std::move(keep);
  op.pixels = pixels;
  op.pitch = pitch;
  op.x = x;
  op.y = y;
  op.paint = paint;
  op.visible = visible;
  queue.queuedPixels += static_cast<long>(op.clip.x1 - op.clip.x0) * (op.clip.y1 - op.clip.y0) / 2;
  queue.operations.push_back(std::move(op));
}

void QueueFill(const FillClip& box, uint32_t pixel) {
  if (queue.frame.pixels == nullptr) return;
  Operation op;
  op.kind = Kind::Fill;
  op.clip = WithinFrame(box);
  if (op.clip.x0 >= op.clip.x1 || op.clip.y0 >= op.clip.y1) return;
  op.key = pixel;
  queue.queuedPixels += static_cast<long>(op.clip.x1 - op.clip.x0) * (op.clip.y1 - op.clip.y0) / 4;
  queue.operations.push_back(std::move(op));
}

// Runs jobs 0 .. count - 1 on the caller's thread and the pool's, returning when all are done.
void RunOnAllThreads(Pool& pool, int count, std::function<void(int)> job) {
  StartThreads(pool);
  {
    std::lock_guard<std::mutex> lock(pool.mutex);
    pool.job = std::move(job);
    pool.jobCount = count;
    pool.nextJob.store(0, std::memory_order_relaxed);
    pool.busy = static_cast<int>(pool.threads.size());
    pool.working.store(pool.busy, std::memory_order_relaxed);
    pool.generation += 1;
  }
  pool.wake.notify_all();
  RunJobs(pool);
  // The helpers are mostly on their last band: a short wait in place costs less than going to sleep and
  // being woken again (a switch of threads is dear on a virtual machine).
  for (int spin = 0; spin < 500 && pool.working.load(std::memory_order_acquire) > 0; ++spin) CpuRelax();
  std::unique_lock<std::mutex> lock(pool.mutex);
  pool.finished.wait(lock, [&] { return pool.busy == 0; });
}

void FinishQueuedDrawing() {
  if (queue.operations.empty() && queue.preparations.empty()) return;
  TrimHiddenFills();
  Pool& pool = ThePool();
  int threads = ThreadsFor(pool.wanted);
  // Waking the other threads costs more than a few small operations.
  constexpr long kWorthSharing = 20000;
  auto& preparations = queue.preparations;
  if (threads <= 1 || queue.preparedPixels < kWorthSharing || preparations.size() < 2) {
    for (auto& prepare : preparations) prepare();
  } else {
    RunOnAllThreads(pool, static_cast<int>(preparations.size()), [&](int k) { preparations[k](); });
  }
  if (threads <= 1 || queue.queuedPixels < kWorthSharing) {
    DrawBand(0, queue.frame.height);
  } else {
    // Several bands a thread, taken as each finishes the last, so that a busy band does not hold the rest.
    int bands = threads * 2, height = (queue.frame.height + bands - 1) / bands;
    RunOnAllThreads(pool, bands, [height](int band) {
      DrawBand(band * height, std::min((band + 1) * height, queue.frame.height));
    });
  }
  queue.operations.clear();
  queue.vertices.clear();
  queue.indices.clear();
  queue.secondCoordinates.clear();
  queue.preparations.clear();
  queue.queuedPixels = 0;
  queue.preparedPixels = 0;
}

void QueuePreparation(std::function<void()> prepare, long pixels) {
  queue.preparations.push_back(std::move(prepare));
  queue.preparedPixels += pixels;
}

int QueuedDrawingCount() { return static_cast<int>(queue.operations.size()); }

void SetDrawingThreads(int count) {
  FinishQueuedDrawing();
  StopDrawingThreads();
  ThePool().wanted = std::max(count, 0);
}

int DrawingThreads() { return ThreadsFor(ThePool().wanted); }

void StopDrawingThreads() {
  Pool& pool = ThePool();
  {
    std::lock_guard<std::mutex> lock(pool.mutex);
    pool.stopping = true;
  }
  pool.wake.notify_all();
  for (std::thread& thread : pool.threads) thread.join();
  pool.threads.clear();
  pool.stopping = false;
}

}  // namespace media
