// Contact sheets: pictures at 100 % in shelf rows on a checkerboard, each labelled with its number.
#include "art/ContactSheet.h"

#include <algorithm>
#include <cstdio>

#include "art/Paint.h"
#include "base/AtomicFile.h"

namespace {

std::string& SheetDirectory() {
  static std::string directory;
  return directory;
}

constexpr int kGap = 6;       // pixels between pictures
constexpr int kLabel = 12;    // pixels of label under each picture
constexpr int kMaxSide = 400;  // larger pictures are shown halved so a sheet stays viewable

}  // namespace

void SetContactSheetDirectory(const std::string& directory) { SheetDirectory() = directory; }
const std::string& ContactSheetDirectory() { return SheetDirectory(); }

Picture MakeContactSheet(const std::vector<SheetItem>& items, bool light, int sheetWidth) {
  struct Placed {
    int x, y, w, h;
    double scale;
  };
  std::vector<Placed> placed;
  int x = kGap, y = kGap, rowHeight = 0;
  for (const SheetItem& item : items) {
    double scale = std::max(item.picture.width, item.picture.height) > kMaxSide ? 0.5 : 1.0;
    int w = std::max(static_cast<int>(item.picture.width * scale), 28);
    int h = static_cast<int>(item.picture.height * scale);
    if (x + w + kGap > sheetWidth && x > kGap) {
      x = kGap;
      y += rowHeight + kLabel + kGap;
      rowHeight = 0;
    }
    placed.push_back({x, y, w, h, scale});
    x += w + kGap;
    rowHeight = std::max(rowHeight, h);
  }
  int height = y + rowHeight + kLabel + kGap;
  Canvas canvas(sheetWidth, height);
  cairo_t* cr = canvas.cr();
  Rgb dark1 = light ? Hex(0xD8DCE4) : Hex(0x14161E), dark2 = light ? Hex(0xB8BEC8) : Hex(0x20232D);
  SetColour(cr, light ? Hex(0xE8EAF0) : Hex(0x0A0B10));
  cairo_paint(cr);
  cairo_select_font_face(cr, "DejaVu Sans Condensed", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
  cairo_set_font_size(cr, 10);
  for (size_t i = 0; i < items.size(); ++i) {
    const Placed& p = placed[i];
    const Picture& pic = items[i].picture;
    // Checkerboard under the picture shows its transparency.
    for (int cy = 0; cy < p.h; cy += 8)
      for (int cx = 0; cx < p.w; cx += 8) {
        SetColour(cr, ((cx + cy) / 8) % 2 ? dark1 : dark2);
        cairo_rectangle(cr, p.x + cx, p.y + cy, std::min(8, p.w - cx), std::min(8, p.h - cy));
        cairo_fill(cr);
      }
    if (pic.Valid()) {
      cairo_surface_t* surface = SurfaceFromPicture(pic);
      cairo_save(cr);
      cairo_translate(cr, p.x, p.y);
      cairo_scale(cr, p.scale, p.scale);
      cairo_set_source_surface(cr, surface, 0, 0);
      cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_NEAREST);
      cairo_paint(cr);
      cairo_restore(cr);
      cairo_surface_destroy(surface);
    }
    SetColour(cr, light ? Hex(0x202030) : Hex(0xB0B8C8));
    cairo_move_to(cr, p.x, p.y + p.h + kLabel - 2);
    cairo_show_text(cr, items[i].label.c_str());
  }
  return canvas.Take();
}

bool WriteSheetFile(const std::string& path, const std::vector<uint8_t>& bytes) {
  std::string error;
  if (WriteFileAtomically(path, bytes, error, {.makeFolders = true})) return true;
  std::fprintf(stderr, "packbuilder: %s\n", error.c_str());
  return false;
}

bool WriteContactSheets(const std::string& directory, const std::string& packName,
                        const std::vector<SheetItem>& items) {
  for (bool light : {false, true}) {
    std::vector<uint8_t> png = EncodePng(MakeContactSheet(items, light), false);
    std::string path = directory + "/" + packName + (light ? "_light.png" : ".png");
    if (png.empty() || !WriteSheetFile(path, png)) return false;
  }
  return true;
}
