// Zoomed and turned copies of small pictures, sampled once and then laid pixel for pixel at each draw.
#pragma once

#include <memory>

#include "media/MediaInternal.h"
#include "media/TriangleFill.h"

namespace media {

// A quad of `sprite` (its texels in `texture`) zoomed to width x height pixels, turned clockwise by `angle`
// degrees about its centre and cornered at (x, y), laid on the frame through a kept copy of that shape.
// False when the quad is not one to copy (too large, or another blend than blending or adding): the caller
// then samples it afresh. Turned copies are made every 5 degrees, as the renderer's turned copies are.
bool LayShapedCopy(const std::shared_ptr<Sprite>& sprite, const FillTexture& texture, FillBlend blend, float x,
                   float y, float width, float height, float angle, int alpha, const FillClip& clip);
void ForgetShapedCopies(Sprite& sprite);

}  // namespace media
