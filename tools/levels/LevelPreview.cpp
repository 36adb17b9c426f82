// Level previews painted with Cairo: coloured tile boxes with kind marks, capsule dots, paths, the field frame.
#include "LevelPreview.h"

#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>

#include "CairoPng.h"

namespace {

struct Colour {
  double r, g, b;
};

Colour KindColour(int sprite) {
  switch (sprite) {
    case tileRed: return {0.88, 0.20, 0.20};
    case tileGreen: return {0.22, 0.78, 0.30};
    case tileBlue: return {0.25, 0.42, 0.97};
    case tileYellow: return {0.96, 0.86, 0.20};
    case tileMagenta: return {0.86, 0.26, 0.82};
    case tileCyan: return {0.20, 0.82, 0.86};
    case tileWhite: return {0.94, 0.94, 0.94};
    case tileBlack: return {0.10, 0.10, 0.12};
    case tileUnbreakable: return {0.52, 0.54, 0.60};
    case tileThreeHits: return {0.98, 0.52, 0.08};
    case tileTwoHits: return {0.90, 0.64, 0.22};
    case tileOneHit: return {0.80, 0.74, 0.45};
    case tileTeleporter: return {0.50, 0.16, 0.92};
    default: return {1, 0, 1};
  }
}

Colour CapsuleColour(int capsule) {
  switch (capsule) {
    case capsuleTriple: return {1.0, 1.0, 1.0};
    case capsuleEnlarge: return {0.3, 1.0, 0.3};
    case capsuleFire: return {1.0, 0.4, 0.0};
    case capsuleLaser: return {1.0, 0.1, 0.1};
    case capsuleGlue: return {0.6, 1.0, 0.9};
    case capsuleMissile: return {1.0, 1.0, 0.2};
    case capsuleDoor: return {0.2, 0.6, 1.0};
    case capsuleRow: return {0.7, 0.5, 1.0};
    case capsuleBigger: return {1.0, 0.6, 0.8};
    case capsuleChaingun: return {0.8, 0.8, 0.3};
    case capsuleExtraLife: return {1.0, 0.2, 0.6};
    default: return {0.5, 0.5, 0.5};
  }
}

const char* CapsuleMark(int capsule) {
  switch (capsule) {
    case capsuleExtraLife: return "+";
    case capsuleChaingun: return "C";
    case capsuleBigger: return "B";
    default: return CapsuleName(capsule) + 0;
  }
}

void SetColour(cairo_t* cr, Colour c, double alpha = 1.0) { cairo_set_source_rgba(cr, c.r, c.g, c.b, alpha); }

// Draws the field with its top-left corner at the current origin, in screen pixels (scale set by the caller).
void DrawField(cairo_t* cr, const Level& level, bool detailed) {
  cairo_set_source_rgb(cr, 0.05, 0.05, 0.09);
  cairo_rectangle(cr, 0, 0, fieldRight - fieldLeft, fieldBottom - fieldTop);
  cairo_fill(cr);
  cairo_translate(cr, -fieldLeft, -fieldTop);
  // The line below which early levels keep no tile, and the ship.
  cairo_set_source_rgba(cr, 1, 1, 1, 0.10);
  cairo_set_line_width(cr, 2);
  double dashes[] = {8, 8};
  cairo_set_dash(cr, dashes, 2, 0);
  cairo_move_to(cr, fieldLeft, 480);
  cairo_line_to(cr, fieldRight, 480);
  cairo_stroke(cr);
  cairo_set_dash(cr, nullptr, 0, 0);
  cairo_set_source_rgba(cr, 0.7, 0.8, 1.0, 0.6);
  cairo_rectangle(cr, shipStartX - 40, shipStartY - 12, 80, 24);
  cairo_fill(cr);

  // Paths first, so the tiles stand over them.
  for (const LevelTile& tile : level.tiles) {
    if (tile.keys.size() < 2) continue;
    SetColour(cr, KindColour(tile.sprite), 0.45);
    if (tile.sprite == tileBlack) cairo_set_source_rgba(cr, 0.6, 0.6, 0.6, 0.45);
    cairo_set_line_width(cr, detailed ? 1.5 : 3);
    cairo_move_to(cr, tile.keys[0].x, tile.keys[0].y);
    for (const KeyPoint& key : tile.keys) cairo_line_to(cr, key.x, key.y);
    cairo_close_path(cr);
    cairo_stroke(cr);
    for (const KeyPoint& key : tile.keys) {
      cairo_arc(cr, key.x, key.y, detailed ? 2.5 : 4, 0, 2 * M_PI);
      cairo_fill(cr);
    }
  }
  for (const LevelTile& tile : level.tiles) {
    double x = tile.keys[0].x - tileWidth / 2, y = tile.keys[0].y - tileHeight / 2;
    SetColour(cr, KindColour(tile.sprite));
    cairo_rectangle(cr, x, y, tileWidth, tileHeight);
    cairo_fill(cr);
    cairo_set_line_width(cr, 2);
    cairo_set_source_rgba(cr, tile.sprite == tileBlack ? 0.75 : 0.0, tile.sprite == tileBlack ? 0.75 : 0.0,
                          tile.sprite == tileBlack ? 0.75 : 0.0, 0.8);
    cairo_rectangle(cr, x + 1, y + 1, tileWidth - 2, tileHeight - 2);
    cairo_stroke(cr);
    // Marks: a cross on unbreakable tiles, one bar per hit left on multi-hit tiles, a ring on teleporters.
    cairo_set_source_rgba(cr, 0, 0, 0, 0.75);
    cairo_set_line_width(cr, 3);
    if (tile.sprite == tileUnbreakable) {
      cairo_move_to(cr, x + 4, y + 4), cairo_line_to(cr, x + tileWidth - 4, y + tileHeight - 4);
      cairo_move_to(cr, x + 4, y + tileHeight - 4), cairo_line_to(cr, x + tileWidth - 4, y + 4);
      cairo_stroke(cr);
    } else if (IsMultiHitTile(tile.sprite)) {
      int bars = tile.sprite == tileThreeHits ? 3 : tile.sprite == tileTwoHits ? 2 : 1;
      for (int i = 0; i < bars; ++i) {
        double bx = x + tileWidth / 2 + (i - (bars - 1) / 2.0) * 10;
        cairo_move_to(cr, bx, y + 4), cairo_line_to(cr, bx, y + tileHeight - 4);
      }
      cairo_stroke(cr);
    } else if (tile.sprite == tileTeleporter) {
      cairo_set_source_rgb(cr, 1, 1, 1);
      cairo_arc(cr, x + tileWidth / 2, y + tileHeight / 2, 6, 0, 2 * M_PI);
      cairo_stroke(cr);
    }
    if (tile.capsule != 0) {
      double cx = x + tileWidth - 10, cy = y + tileHeight / 2;
      cairo_set_source_rgb(cr, 0, 0, 0);
      cairo_arc(cr, cx, cy, detailed ? 8 : 9, 0, 2 * M_PI);
      cairo_fill(cr);
      SetColour(cr, CapsuleColour(tile.capsule));
      cairo_arc(cr, cx, cy, detailed ? 6.5 : 7.5, 0, 2 * M_PI);
      cairo_fill(cr);
      if (detailed) {
        cairo_set_source_rgb(cr, 0, 0, 0);
        cairo_select_font_face(cr, "sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
        cairo_set_font_size(cr, 10);
        cairo_text_extents_t extents;
        const char* mark = CapsuleMark(tile.capsule);
        char letter[2] = {mark[0], 0};
        cairo_text_extents(cr, letter, &extents);
        cairo_move_to(cr, cx - extents.width / 2 - extents.x_bearing, cy - extents.height / 2 - extents.y_bearing);
        cairo_show_text(cr, letter);
      }
    }
  }
  cairo_translate(cr, fieldLeft, fieldTop);
  cairo_set_source_rgb(cr, 0.8, 0.8, 0.85);
  cairo_set_line_width(cr, 2);
  cairo_rectangle(cr, -1, -1, fieldRight - fieldLeft + 2, fieldBottom - fieldTop + 2);
  cairo_stroke(cr);
}

void Label(cairo_t* cr, double x, double y, double size, const std::string& text, Colour colour) {
  cairo_select_font_face(cr, "sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
  cairo_set_font_size(cr, size);
  SetColour(cr, colour);
  cairo_move_to(cr, x, y);
  cairo_show_text(cr, text.c_str());
}

std::string Summary(const Level& level) {
  int breakable = 0, moving = 0, capsules = 0;
  for (const LevelTile& tile : level.tiles) {
    breakable += IsBreakableTile(tile.sprite);
    moving += tile.keys.size() > 1;
    capsules += tile.capsule != 0;
  }
  return std::to_string(level.tiles.size()) + " tiles, " + std::to_string(breakable) + " breakable, " +
         std::to_string(moving) + " moving, " + std::to_string(capsules) + " capsules";
}

}  // namespace

bool RenderLevelPreview(const Level& level, const std::string& pngPath) {
  const int margin = 20, header = 30;
  int width = static_cast<int>(fieldRight - fieldLeft) + 2 * margin;
  int height = static_cast<int>(fieldBottom - fieldTop) + 2 * margin + header;
  cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height);
  cairo_t* cr = cairo_create(surface);
  cairo_set_source_rgb(cr, 0.16, 0.16, 0.2);
  cairo_paint(cr);
  Label(cr, margin, 22, 16, std::to_string(level.index) + "  " + level.name + "   (" + Summary(level) + ")", {1, 1, 1});
  cairo_translate(cr, margin, margin + header);
  DrawField(cr, level, true);
  cairo_destroy(cr);
  bool ok = WriteCairoPng(surface, pngPath);
  cairo_surface_destroy(surface);
  return ok;
}

bool RenderLevelSheet(const LevelSetInfo& set, const std::map<int, Level>& levels, const std::string& pngPath) {
  const double scale = 0.25;
  const int columns = 10, cellWidth = 190, cellHeight = 222, top = 40;
  int rows = (static_cast<int>(levels.size()) + columns - 1) / columns;
  cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, columns * cellWidth + 10, top + rows * cellHeight + 10);
  cairo_t* cr = cairo_create(surface);
  cairo_set_source_rgb(cr, 0.16, 0.16, 0.2);
  cairo_paint(cr);
  Label(cr, 10, 28, 22, "Novabounc3r levels: " + set.name + " set (G = gravity, C = tile challenge, boss = boss arena)", {1, 1, 1});
  int cell = 0;
  for (const auto& [index, level] : levels) {
    double x = 10 + (cell % columns) * cellWidth, y = top + (cell / columns) * cellHeight;
    ++cell;
    bool gravity = std::find(set.gravityIndices.begin(), set.gravityIndices.end(), index) != set.gravityIndices.end();
    std::string tag = std::to_string(index);
    if (gravity) tag += " G";
    if (index == set.challengeIndex) tag += " C";
    if (index == set.bossIndex) tag += " boss";
    Label(cr, x, y + 14, 13, tag, gravity ? Colour{0.5, 1, 0.5} : Colour{1, 1, 0.6});
    std::string name = level.name.size() > 24 ? level.name.substr(0, 23) + "." : level.name;
    Label(cr, x, y + 28, 11, name, {0.9, 0.9, 0.9});
    cairo_save(cr);
    cairo_translate(cr, x, y + 34);
    cairo_scale(cr, scale, scale);
    DrawField(cr, level, false);
    cairo_restore(cr);
  }
  cairo_destroy(cr);
  bool ok = WriteCairoPng(surface, pngPath);
  cairo_surface_destroy(surface);
  return ok;
}

bool BuildLevelPreviews(const std::string& levelSourceDir, const std::string& previewDir) {
  bool ok = true;
  for (const LevelSetInfo& set : LevelSets()) {
    std::map<int, Level> levels;
    std::string errors;
    if (!LoadLevelSet(levelSourceDir, set, levels, errors)) {
      std::fprintf(stderr, "%s", errors.c_str());
      ok = false;
      if (levels.empty()) continue;  // still show what compiled, to help fix the rest
    }
    for (const auto& [index, level] : levels)
      ok = RenderLevelPreview(level, (std::filesystem::path(previewDir) / set.name / ("level" + std::to_string(index) + ".png")).string()) && ok;
    ok = RenderLevelSheet(set, levels, (std::filesystem::path(previewDir) / (set.name + "-sheet.png")).string()) && ok;
  }
  if (ok) std::printf("packbuilder: level previews in %s\n", previewDir.c_str());
  return ok;
}
