// Saving a Cairo surface as a PNG file through a temporary name.
#include "CairoPng.h"

#include <cstdio>

#include "base/AtomicFile.h"

bool WriteCairoPng(cairo_surface_t* surface, const std::string& path) {
  // Cairo writes straight to the path it is given, so it is given the temporary one.
  auto write = [&](const std::string& temporary, std::string& why) {
    cairo_status_t status = cairo_surface_write_to_png(surface, temporary.c_str());
    if (status != CAIRO_STATUS_SUCCESS) why = cairo_status_to_string(status);
    return status == CAIRO_STATUS_SUCCESS;
  };
  std::string error;
  if (WriteThroughTemporary(path, write, error, {.makeFolders = true})) return true;
  std::fprintf(stderr, "packbuilder: %s\n", error.c_str());
  return false;
}

SheetCanvas NewSheetCanvas(int width, int height) {
  cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height);
  cairo_t* cr = cairo_create(surface);
  cairo_set_source_rgb(cr, 0.13, 0.14, 0.18);
  cairo_paint(cr);
  cairo_select_font_face(cr, "sans-serif", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
  return {surface, cr};
}

