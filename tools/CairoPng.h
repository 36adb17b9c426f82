// Saving a Cairo surface as a PNG file, through a temporary name so that no half picture is ever left.
#pragma once

#include <cairo.h>

#include <string>

// Creates the missing folders, writes and renames; false after printing why.
bool WriteCairoPng(cairo_surface_t* surface, const std::string& path);
