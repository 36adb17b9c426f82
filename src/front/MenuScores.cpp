// The menu's background, cursor and version text, and the high-score displays of its idle cycle.
#include "front/MenuScores.h"

#include <string>

#include "base/AssetNames.h"
#include "base/Playfield.h"
#include "base/ScreenPacks.h"
#include "front/Menu.h"
#include "front/Scores.h"
#include "media/Media.h"
#include "runtime/NamedMedia.h"
#include "runtime/Settings.h"

namespace {

constexpr int scoreColour = ColorRGB(0, 128, 255);
constexpr int leftColumn = screenWidth / 2 - screenWidth / 6, middleColumn = screenWidth / 2,
              rightColumn = screenWidth / 2 + screenWidth / 6;

void Centred(const std::string& text, int centre, int y) { DrawTextAt(centre - TextPixelWidth(text) / 2, y, text, scoreColour); }

std::string Shown(const std::string& name) { return name.empty() ? "-" : name; }

// The score site as a player would type it: the live page's host, without its scheme, path or query, so that
// the title stays clear of the title letters beside it.
std::string ScoreSite() {
  std::string page = LiveScoresPage();
  size_t scheme = page.find("://");
  std::string host = scheme == std::string::npos ? page : page.substr(scheme + 3);
  return host.substr(0, host.find_first_of("/?"));
}

}  // namespace

void DrawMenuBackground() {
  // The picture scrolls up a row a frame: its rows from the scroll on at the top, the rows before below them.
  int picture = MenuPicture(menuBackground);
  int h = SpritePixelHeight(picture), scroll = h > 0 ? menu.backgroundScroll % h : 0;
  SetSpriteClip(picture, 0, scroll, screenWidth, h - scroll);
  BlitSprite(picture, 0, 0);
  if (scroll > 0) {
    SetSpriteClip(picture, 0, 0, screenWidth, scroll);
    BlitSprite(picture, 0, h - scroll);
  }
  SetSpriteClip(picture, -1, -1, -1, -1);
}

void DrawMenuCursor() {
  BlitSpriteKeyed(MenuPicture(menuCursor), menu.cursorX, menu.cursorY);
  DrawQuadAlpha(MenuPicture(menuBlueRing), static_cast<float>(menu.cursorX - 52), static_cast<float>(menu.cursorY - 51), 150);
}

void DrawVersionText() {
  if (!BeginDraw(DrawTargetKind::Screen)) return;
  SetDrawFont(FontHandle(textFont));
  SetDrawMode(kDrawTransparentText);
  const std::string version = "2.02";
  DrawTextAt(930 - TextPixelWidth(version), 770 - TextPixelHeight(version), version, ColorRGB(10, 30, 100));
  SetDrawMode(0);
  EndDraw();
}

void DrawScorePhase(bool live) {
  DrawMenuBackground();
  BlitSpriteKeyed(MenuPicture(menuFrame), 0, 0);
  BlitSpriteKeyed(MenuPicture(menuLogo), menu.logoX, menuLogoY);
  BlitSpriteKeyed(MenuPicture(menuSubtitle), 0, menuSubtitleY);
  if (BeginDraw(DrawTargetKind::Screen)) {
    SetDrawFont(FontHandle(textFont));
    SetDrawMode(kDrawTransparentText);
    if (live) {
      Centred("LIVE HIGHSCORES (" + ScoreSite() + ")", middleColumn, 280);
      Centred("NAME", leftColumn, 330);
      Centred("SCORE", rightColumn, 330);
      for (size_t row = 0; row < liveScores.size(); ++row) {
        int y = 370 + 35 * static_cast<int>(row);
        Centred(Shown(liveScores[row].name), leftColumn, y);
        Centred(std::to_string(liveScores[row].score), rightColumn, y);
      }
    } else {
      Centred("LOCAL HIGHSCORES", middleColumn, 280);
      Centred("NAME", leftColumn, 330);
      Centred("LEVEL", middleColumn, 330);
      Centred("SCORE", rightColumn, 330);
      for (size_t row = 0; row < kScoreRows; ++row) {
        const ScoreEntry& entry = localScores.rows[row];
        int y = 370 + 35 * static_cast<int>(row);
        Centred(Shown(entry.name), leftColumn, y);
        Centred(std::to_string(entry.level), middleColumn, y);
        Centred(std::to_string(entry.score), rightColumn, y);
      }
    }
    SetDrawMode(0);
    EndDraw();
  }
  if (!BeginQuads()) return;
  QuadBlendMode(Blend::AddByDestinationAlpha);
  for (int i = 0; i < 3; ++i) {
    DrawQuadAlpha(MenuPicture(menuTitleLetter), static_cast<float>(menu.titleX + 60 * i), static_cast<float>(menu.titleY), 150);
  }
  DrawMenuCursor();
  QuadBlendMode(Blend::Alpha);
  EndQuads();
}
