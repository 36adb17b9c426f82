// Preferences: a plain text file of "key = value" lines and [group] headings.
#pragma once

#include <string>

bool OpenPrefs(const std::string& name);
// Why the last OpenPrefs failed: empty when nothing at all stands under the name (a file may be
// created there), else why what stands there cannot be read ("is a link to nothing", ...).
const std::string& PrefsOpenError();
bool CreatePrefs(const std::string& name);
void PrefsGroup(const std::string& name);  // "" is the top of the file
bool PrefsGroupExists(const std::string& name);
int ReadPrefInt(const std::string& key, int defaultValue);
std::string ReadPrefText(const std::string& key, const std::string& defaultValue);
void WritePrefInt(const std::string& key, int value);
void WritePrefText(const std::string& key, const std::string& value);
bool ClosePrefs();  // writes the file back when it changed
