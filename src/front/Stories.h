// The story screens' typed lines: letters that zoom down from eight times their size while fading in.
#pragma once

#include <string>
#include <vector>

struct StoryLine {
  std::string text;
  int y = 0;              // pixels, the letters' centre line
  int letterBase = 0;     // silverFontBase or goldFontBase
  int pitch = 37;         // pixels from one letter to the next
  int from = 0, to = 0;   // frames of the screen within which the line is typed
  int period = 3;         // frames from one letter to the next
  int x = 0;              // pixels: where the next letter goes
  int next = 1;           // 1-based: the next letter to show
};

// A line centred on the screen, nothing typed yet.
StoryLine MakeStoryLine(const std::string& text, int y, int letterBase, int pitch, int from, int to, int period);
// On frame `t` of its screen: the line's next letter, when the frame is in its window and on its beat.
void TypeLine(StoryLine& line, int t);

// When each story ends, given its frame within the screen (or the ending's page) and whether the player pressed.
bool IntroEnds(int t, bool pressed);   // a press, or seventeen seconds
bool EndingEnds(int t, bool pressed);  // a press after the page's first five seconds, or 192 seconds on the last page
constexpr int endingPageFrames = 22 * 60;

// The ending's fourth page, kept scrambled in the program.
std::vector<std::string> EndingSecretPage();
