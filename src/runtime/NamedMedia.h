// The media calls by the assets' names: sounds by their slot, quad blends by what they do.
#pragma once

#include "base/AssetNames.h"
#include "media/Media.h"

inline void PlaySoundId(Sound sound, int flags) { PlaySoundId(SoundNumber(sound), flags); }
inline void StopSoundId(Sound sound) { StopSoundId(SoundNumber(sound)); }
inline void SetSoundVolume(Sound sound, int volume) { SetSoundVolume(SoundNumber(sound), volume); }
inline bool HasSound(Sound sound) { return HasSound(SoundNumber(sound)); }
inline void ReleaseSound(Sound sound) { ReleaseSound(SoundNumber(sound)); }

inline void QuadBlendMode(Blend blend) { QuadBlendMode(BlendSourceFactor(blend), BlendDestinationFactor(blend)); }
