// The floating words and the effect list: pictures that move, scale, animate and fade by themselves.
#include "game/Effects.h"

#include <cctype>

#include "base/AssetNames.h"
#include "base/FontGlyphs.h"
#include "game/ExtrasDraw.h"
#include "game/ExtrasState.h"
#include "media/Media.h"
#include "game/PlayState.h"

void ShowMessage(const std::string& text, int delay) {
  ShowMessageAt(text, delay, fieldLeft + fieldWidth / 2.0f, fieldTop + fieldHeight / 2.0f - 19);
}

void ShowScreenMessage(const std::string& text, int delay) {
  ShowMessageAt(text, delay, screenWidth / 2.0f, screenHeight / 2.0f - 19);
}

void ShowMessageAt(const std::string& text, int delay, float centreX, float y) {
  int length = static_cast<int>(text.size());
  // The letters stand 40 pixels apart about the centre.
  float x0 = centreX - (length * 40 - 40) / 2.0f;
  for (int i = 0; i < length; ++i) {
    unsigned char code = static_cast<unsigned char>(std::toupper(static_cast<unsigned char>(text[i])));
    // A blank needs no picture; a character the gold font lacks is left out, keeping its place.
    if (code == ' ' || GoldGlyphNumber(code) == 0) continue;
    float x = x0 + 40.0f * i;
    for (float vy : {2.0f, -2.0f}) {
      SpawnEffect({.sprite = static_cast<float>(goldFontBase + code),
                   .x = x,
                   .y = y,
                   .vy = vy,
                   .alphaStep = -3,
                   .age = -delay,
                   .lifetime = messageFadeFrames,
                   .holdFrames = messageHoldFrames});
    }
  }
  // The word itself is kept while its letters are on screen, so that the game can tell what was said.
  Message* message = lists.messages.Append();
  message->text = text;
  message->delay = delay;
}

void SpawnEffect(const Effect& effect) { *extras.effects.Append() = effect; }

namespace {

void DrawEffect(const Effect& e) {
  int picture = static_cast<int>(e.sprite);
  float w = PictureWidth(picture) * e.scale;
  float h = PictureHeight(picture) * e.scale;
  int alpha = static_cast<int>(e.alpha);
  DrawPictureCentred(picture, e.x, e.y, w, h, alpha > 255 ? 255 : alpha);
}

void AgeMessages() {
  lists.messages.Reset();
  while (Message* message = lists.messages.Next()) {
    if (message->delay > 0) {
      message->delay -= 1;
    } else if (++message->age > messageHoldFrames + messageFadeFrames) {
      lists.messages.Delete();
    }
  }
}

}  // namespace

void StepEffects() {
  OrderedList<Effect>& effects = extras.effects;
  effects.Reset();
  while (Effect* e = effects.Next()) {
    if (e->age < 0) {
      e->age += 1;
    } else if (e->age < e->lifetime) {
      if (e->holdFrames > 0) {
        e->holdFrames -= 1;
      } else {
        e->sprite += e->spriteStep;
        if (e->spriteLow != e->spriteHigh && e->sprite > e->spriteHigh) e->sprite = static_cast<float>(e->spriteLow);
        e->alpha += e->alphaStep;
        e->age += 1;
        e->x += e->vx;
        e->y += e->vy;
        e->scale += e->scaleStep;
      }
    } else if (e->tailFrames > 0) {
      e->tailFrames -= 1;
    } else {
      effects.Delete();
    }
  }
  AgeMessages();
}

void DrawEffects() {
  BlendNormal();
  extras.effects.ForEach([](const Effect& e) {
    if (e.age >= 0 && (e.age < e.lifetime || e.tailFrames > 0)) DrawEffect(e);
  });
}
