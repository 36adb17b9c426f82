// The pictures and the flash sound of the screens around play, painted for their packs.
#pragma once

#include <cstdint>
#include <vector>

#include "ImageWrite.h"
#include "base/ScreenPacks.h"

Picture PaintMenuPicture(MenuItem item);      // every picture entry of packs/menu.pak
std::vector<uint8_t> MakeMenuFlashSound();    // "16 - son.wav": the title's flash
constexpr int menuFlashRate = 22050;          // Hz, mono, 16-bit
std::vector<float> RenderMenuFlash();         // the flash's finished samples at menuFlashRate
enum class StoryScene { Intro, Ending, GameOver };
Picture PaintStoryBackground(StoryScene scene);  // 1024 x 768, opaque
enum class LogoKind { Game, Publisher, Maker };
Picture PaintLogo(LogoKind kind);
Picture PaintCreditsTitle();                  // keyed at (0, 0) over the credits scene
Picture PaintCreditsPicture(int n);           // n = 0..9, 512 x 512, drawn as quads
