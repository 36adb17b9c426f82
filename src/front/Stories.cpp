// The intro before the first level, the ending after the boss and the game-over screen: a picture, a track and
// lines typed letter by letter.
#include "front/Stories.h"

#include <functional>

#include "base/AssetNames.h"
#include "base/FontGlyphs.h"
#include "base/HexXor.h"
#include "base/ScreenPacks.h"
#include "front/ScreenInput.h"
#include "front/Screens.h"
#include "game/Autoplay.h"
#include "game/Effects.h"
#include "media/Media.h"
#include "runtime/Loaders.h"
#include "runtime/Music.h"
#include "runtime/Settings.h"

namespace {

constexpr int fps = 60;

bool HasGlyph(int letterBase, char c) {
  int code = static_cast<unsigned char>(c);
  return letterBase == goldFontBase ? GoldGlyphNumber(code) != 0 : SilverGlyphNumber(code) != 0;
}

// A story: its picture and track loaded, its lines, its frame count.
struct Story {
  const StoryPack* pack = nullptr;
  std::vector<StoryLine> lines;
  int t = 0;  // frames shown
};

void PlayStoryMusic(const Story& story, bool fullVolume) {
  if (!settings.musicEnabled || !HasSound(story.pack->musicSlot)) return;
  if (fullVolume) SetSoundVolume(story.pack->musicSlot, 100);
  PlaySoundId(story.pack->musicSlot, kSoundLoop);
}

void LoadStory(Story& story) {
  ChoosePack(story.pack->pack);
  LoadSceneSprite(storyBackgroundPicture, story.pack->background);
  if (settings.musicEnabled) {
    LoadSceneSound(story.pack->musicSlot, story.pack->music);
  }
  ClosePack();
}

// The track lowered from 100 to silence a step a millisecond, then stopped.
void LowerStoryMusic(const Story& story) {
  if (!settings.musicEnabled || !HasSound(story.pack->musicSlot)) return;
  for (int volume = 100; volume >= 0; --volume) {
    SetSoundVolume(story.pack->musicSlot, volume);
    Sleep(1);
  }
  StopSoundId(story.pack->musicSlot);
}

bool StoryInput() {
  return KeyReleased(Key::Escape) || FreshKeyHeld(Key::Enter) || FreshButtonHeld(1) || FreshButtonHeld(2) ||
         FreshButtonHeld(3) || FreshJoystickButton();
}

// The common frame, repeated until `done` (given whether the player pressed) says so. `extra` types what is
// not a line (the intro's exclamation marks, the ending's pages) before the effects move.
void RunStory(Story& story, bool fullVolumeAfterWait, const std::function<bool(bool)>& done,
              const std::function<void()>& extra = {}) {
  BeginScreenInput();
  for (;;) {
    PresentFrame(settings.flipMethod);
    bool waited = WaitWhileUnfocused([&] { if (settings.musicEnabled && HasSound(story.pack->musicSlot)) StopSoundId(story.pack->musicSlot); },
                                     [&] { PlayStoryMusic(story, fullVolumeAfterWait); });
    if (waited) continue;
    SampleScreenInput();
    BlitSprite(storyBackgroundPicture, 0, 0);
    if (BeginQuads()) {
      for (StoryLine& line : story.lines) TypeLine(line, story.t);
      if (extra) extra();
      StepEffects();
      DrawEffects();
      EndQuads();
    }
    story.t += 1;
    AutoplayAcknowledge();
    if (done(StoryInput())) return;
  }
}

void Letter(int letterBase, char c, int x, int y) {
  if (!HasGlyph(letterBase, c)) return;
  SpawnEffect({.sprite = static_cast<float>(letterBase + static_cast<unsigned char>(c)),
               .x = static_cast<float>(x),
               .y = static_cast<float>(y),
               .scale = 8.0f,
               .scaleStep = -7.5f / (fps / 4),
               .alpha = 0,
               .alphaStep = 256.0f / (fps / 4),
               .lifetime = fps / 4 - 1,
               .tailFrames = fps * 1000});
}

void StartStory(Story& story, const StoryPack& pack) {
  FreeAllResources();
  extras.effects.Clear();
  story.pack = &pack;
  LoadStory(story);
}

}  // namespace

StoryLine MakeStoryLine(const std::string& text, int y, int letterBase, int pitch, int from, int to, int period) {
  StoryLine line;
  line.text = text;
  line.y = y;
  line.letterBase = letterBase;
  line.pitch = pitch;
  line.from = from;
  line.to = to;
  line.period = period;
  line.x = 512 - static_cast<int>(text.size()) * pitch / 2;
  return line;
}

void TypeLine(StoryLine& line, int t) {
  if (t < line.from || t > line.to || line.period <= 0 || t % line.period != 1) return;
  if (line.next > static_cast<int>(line.text.size())) return;
  // A character the letters lack is typed as a blank. The letter's centre is half a pitch into its place, so the
  // line stands centred on the screen.
  Letter(line.letterBase, line.text[line.next - 1], line.x + line.pitch / 2, line.y);
  line.next += 1;
  line.x += line.pitch;
}

bool IntroEnds(int t, bool pressed) { return pressed || t >= 17 * fps; }

bool EndingEnds(int t, bool pressed) { return (pressed && t > 5 * fps) || t > 192 * fps; }

std::vector<std::string> EndingSecretPage() {
  constexpr uint8_t key = 0x5A;
  return {HexXorDecode("091F19081F0E7A1C15087A0E121F7A18081B0C1F7B", key),
          HexXorDecode("0A1B1D1F7A1E150D147A150A1F14097A0E121F7A1915140915161F", key),
          HexXorDecode("1B141E7A0E121F7A0D15081E097A0D1316167A15181F037A03150F", key)};
}

void IntroStory() {
  Story story;
  StartStory(story, introPack);
  const int s = silverFontBase, p = 37;
  story.lines = {MakeStoryLine("3050 AD", 100, s, p, 0, fps, 3),
                 MakeStoryLine("AFTER A BRILLIANT VICTORY,", 250, s, p, fps * 3 / 2, 3 * fps, 3),
                 MakeStoryLine("OUR GLORIOUS SHIP FINALLY", 300, s, p, fps * 7 / 2, 5 * fps, 3),
                 MakeStoryLine("IS COMING BACK TO HOME.", 350, s, p, 5 * fps + 1, fps * 13 / 2, 3),
                 MakeStoryLine("BUT A REALLY BAD SURPRISE", 450, s, p, fps * 15 / 2, 9 * fps, 3),
                 MakeStoryLine("IS WAITING FOR HIM", 500, s, p, 9 * fps + 1, fps * 21 / 2, 5)};
  WipeToBlack();
  PlayStoryMusic(story, true);
  RunStory(
      story, true, [&](bool pressed) { return IntroEnds(story.t, pressed); },
      [&] {
        // Three exclamation marks under the last line.
        const int at[3] = {fps * 23 / 2, 12 * fps, fps * 25 / 2}, x[3] = {475, 512, 549};
        for (int i = 0; i < 3; ++i) {
          if (story.t == at[i]) Letter(s, '!', x[i], 550);
        }
      });
  WipeToBlack();
  LowerStoryMusic(story);
  if (HasSprite(storyBackgroundPicture)) ReleaseSprite(storyBackgroundPicture);
  if (HasSound(introPack.musicSlot)) ReleaseSound(introPack.musicSlot);
}

void EndingStory() {
  Story story;
  StartStory(story, endingPack);
  FadeOutMusic();
  WipeToBlack();
  PlayStoryMusic(story, true);
  const std::vector<std::vector<std::string>> pages = {
      {"WELL DONE !", "OUR WORLD IS NOW SAFE...", "CONGRATULATIONS !!!"},
      {"ALL THE ZEPHYX TEAM", "HOPE YOU ENJOYED PLAYING", "NOVABOUNCER 3"},
      {"NOW COME ON OUR SITE", "TO TRY OUR NEW GAMES", "WWW.TESSALINK.EXAMPLE"},
      EndingSecretPage(),
      {"NOVABOUNCER 3", "THE ZEPHYX TEAM 2026", "FREE TO PLAY AND SHARE"}};
  size_t page = 0;
  auto setPage = [&] {
    const int g = goldFontBase, s = silverFontBase, p = 36;
    story.lines = {MakeStoryLine(pages[page][0], 330, g, p, fps, 3 * fps, 4),
                   MakeStoryLine(pages[page][1], 384, g, p, 5 * fps, 13 * fps, 16),
                   MakeStoryLine(pages[page][2], 438, s, p, 15 * fps, 17 * fps, 4)};
  };
  setPage();
  RunStory(
      story, true, [&](bool pressed) { return EndingEnds(story.t, pressed); },
      [&] {
        if (story.t == endingPageFrames && page + 1 < pages.size()) {
          page += 1;
          setPage();
          story.t = 0;
          extras.effects.Clear();
        }
      });
  LowerStoryMusic(story);
  FreeAllResources();
}

void GameOverStory() {
  Story story;
  StartStory(story, gameOverPack);
  const int g = goldFontBase, p = 36;
  story.lines = {MakeStoryLine("GAME OVER", 348, g, p, 0, fps, 4),
                 MakeStoryLine("CLICK TO QUIT", 414, g, p, 2 * fps, fps * 7 / 2, 4)};
  WipeToBlack();
  PlayStoryMusic(story, true);
  RunStory(story, false, [](bool pressed) { return pressed; });
  LowerStoryMusic(story);
  FreeAllResources();
}
