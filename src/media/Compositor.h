// The frame in memory and the drawing queued onto it, run in horizontal bands on several threads.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>

#include "media/PictureSpans.h"
#include "media/TriangleFill.h"

namespace media {

// The frame every drawing operation lands in (ARGB8888, the whole 1024 x 768 picture).
void SetCompositorFrame(const PixelRows& frame);

// How a rectangle of a picture lands: copied as it is, copied opaque, keyed (pixels of the key colour, alpha
// aside, are skipped and the others land opaque) or blended by its own alpha (text, images).
enum class CopyMode { Copy, Opaque, Keyed, Blend };

// Drawing waits in the queue until the frame's pixels are wanted; `keep` holds what the pixels belong to.
// Coordinates are the frame's pixels; every operation is cut at `clip` and at the frame's edges. A second
// layer's coordinates are copied with the vertices. Vertices may be given about an origin (the frame's pixel
// where their (0, 0) lies): the triangles then land exactly as filled into a picture of their own laid there.
void QueueTriangles(std::shared_ptr<const void> keep, const FillTexture& texture, FillBlend blend,
                    const FillClip& clip, const QuadVertex* vertices, int vertexCount, const int* indices,
                    int indexCount, const FillSecondLayer* second = nullptr, int originX = 0, int originY = 0);
// The rectangle (sx, sy, w, h) of `pixels` (rows `pitch` pixels apart) put with its corner at (x, y).
void QueueCopy(std::shared_ptr<const void> keep, const uint32_t* pixels, int pitch, int sx, int sy, int w, int h,
               int x, int y, CopyMode mode, uint32_t key, const FillClip& clip);
void QueueFill(const FillClip& box, uint32_t pixel);
// A whole picture (w x h) laid at its own size with its corner at (x, y). `visible`, when given, holds for each
// of its rows the first column with any alpha and the column after the last: the rest lays nothing.
void QueueLay(std::shared_ptr<const void> keep, const uint32_t* pixels, int pitch, int w, int h, int x, int y,
              const LayPaint& paint, const int16_t* visible, const FillClip& clip);
// A picture to make before the queued operations are drawn (one that they lay): the preparations of a frame
// are made first, several at once on the drawing threads, each by one thread.
void QueuePreparation(std::function<void()> prepare, long pixels);

// Draws everything queued. Each thread draws whole bands of rows, every operation in the order it came, so
// the frame is the same, bit for bit, whatever the number of threads.
void FinishQueuedDrawing();
// Operations waiting, and operations drawn since the layer started (for tests).
int QueuedDrawingCount();

// The threads that draw bands: 0 one per processor core (at most 8), 1 the calling thread alone.
void SetDrawingThreads(int count);
int DrawingThreads();
void StopDrawingThreads();

// For the reference tests, headless: drawing goes through SDL's software renderer into the frame instead of
// the compositor (off: the compositor again).
void DrawThroughRenderer(bool on);
// For the tests: off, zoomed and turned pictures are sampled afresh at every draw instead of laid from copies.
void KeepShapedCopies(bool on);
// The bytes that the kept copies of zoomed and turned pictures hold.
long ShapedCopyBytes();

}  // namespace media
