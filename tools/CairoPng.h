// Saving a Cairo surface as a PNG file, through a temporary name so that no half picture is ever left.
#pragma once

#include <cairo.h>

#include <string>

// Creates the missing folders, writes and renames; false after printing why.
bool WriteCairoPng(cairo_surface_t* surface, const std::string& path);

// A blank sound sheet: the sheets' dark slate painted, their sans-serif face chosen. The caller destroys both.
struct SheetCanvas {
  cairo_surface_t* surface;
  cairo_t* cr;
};
SheetCanvas NewSheetCanvas(int width, int height);

