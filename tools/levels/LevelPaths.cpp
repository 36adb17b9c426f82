// Path shapes of moving tiles: back-and-forth slides, rectangles, circles, rotations round a pivot, pendulums.
#include "LevelPaths.h"

#include <cmath>
#include <cstdlib>

namespace {

constexpr double kPi = 3.14159265358979323846;

struct ShapeForm {
  const char* shape;
  size_t minNumbers;
  size_t maxNumbers;
  const char* usage;
};

const ShapeForm kForms[] = {
    {"keys", 6, 3 * maxKeyPoints + 3, "keys DX DY SECONDS DX DY SECONDS ..."},
    {"slide", 3, 4, "slide DX DY SECONDS [BACK_SECONDS]"},
    {"rect", 3, 4, "rect WIDTH HEIGHT SECONDS [SIDE_SECONDS] [ccw]"},
    {"circle", 3, 3, "circle RADIUS STEPS SECONDS [ccw]"},
    {"ellipse", 4, 4, "ellipse RADIUS_X RADIUS_Y STEPS SECONDS [ccw]"},
    {"spin", 4, 4, "spin PIVOT_X PIVOT_Y STEPS SECONDS [ccw]"},
    {"swing", 5, 5, "swing PIVOT_X PIVOT_Y DEGREES STEPS SECONDS"},
};

bool WholeNumber(double value) { return std::floor(value) == value; }

float Tidy(double value) { return static_cast<float>(std::round(value * 100.0) / 100.0); }

// Steps and seconds come last in every shape but keys and slide/rect, which list seconds themselves.
bool CheckSeconds(double seconds, std::string& error) {
  if (!WholeNumber(seconds) || seconds < 1) {
    error = "key point seconds must be a whole number of 1 or more (got " + std::to_string(seconds) + ")";
    return false;
  }
  if (seconds > maxKeySeconds) {
    error = "key point seconds above " + std::to_string(maxKeySeconds) + " make a tile that never seems to move";
    return false;
  }
  return true;
}

bool CheckSteps(double steps, std::string& error) {
  if (!WholeNumber(steps) || steps < 2 || steps > maxKeyPoints) {
    error = "a path needs 2 to " + std::to_string(maxKeyPoints) + " key points (got " + std::to_string(steps) + ")";
    return false;
  }
  return true;
}

KeyPoint Rotated(double x, double y, double pivotX, double pivotY, double angle, int seconds) {
  double c = std::cos(angle), s = std::sin(angle);
  double rx = x - pivotX, ry = y - pivotY;
  return {seconds, Tidy(pivotX + rx * c - ry * s), Tidy(pivotY + rx * s + ry * c)};
}

}  // namespace

bool ParseNumber(const std::string& word, double& value) {
  if (word.empty()) return false;
  char* end = nullptr;
  value = std::strtod(word.c_str(), &end);
  return end == word.c_str() + word.size() && std::isfinite(value);
}

bool ParsePathPlan(const std::vector<std::string>& words, PathPlan& plan, std::string& error) {
  if (words.empty()) {
    error = "a path needs a shape: keys, slide, rect, circle, ellipse, spin or swing";
    return false;
  }
  plan = PathPlan{};
  plan.shape = words[0];
  const ShapeForm* form = nullptr;
  for (const ShapeForm& candidate : kForms)
    if (plan.shape == candidate.shape) form = &candidate;
  if (form == nullptr) {
    error = "unknown path shape '" + plan.shape + "' (keys, slide, rect, circle, ellipse, spin, swing)";
    return false;
  }
  for (size_t i = 1; i < words.size(); ++i) {
    double value = 0;
    if (words[i] == "ccw" && i + 1 == words.size() && plan.shape != "keys" && plan.shape != "slide" &&
        plan.shape != "swing") {
      plan.counterClockwise = true;
    } else if (ParseNumber(words[i], value)) {
      plan.numbers.push_back(value);
    } else {
      error = "'" + words[i] + "' is not a number; write " + form->usage;
      return false;
    }
  }
  const std::vector<double>& n = plan.numbers;
  if (n.size() < form->minNumbers || n.size() > form->maxNumbers) {
    if (plan.shape == "keys" && n.size() > form->maxNumbers) {
      error = "a path has at most " + std::to_string(maxKeyPoints) + " key points (got " + std::to_string(n.size() / 3) + ")";
    } else {
      error = "write " + std::string(form->usage);
    }
    return false;
  }
  if (plan.shape == "keys") {
    if (n.size() % 3 != 0) {
      error = "key points come in threes: DX DY SECONDS";
      return false;
    }
    if (n.size() / 3 > static_cast<size_t>(maxKeyPoints)) {
      error = "a path has at most " + std::to_string(maxKeyPoints) + " key points (got " + std::to_string(n.size() / 3) + ")";
      return false;
    }
    for (size_t i = 2; i < n.size(); i += 3)
      if (!CheckSeconds(n[i], error)) return false;
  } else if (plan.shape == "slide" || plan.shape == "rect") {
    for (size_t i = 2; i < n.size(); ++i)
      if (!CheckSeconds(n[i], error)) return false;
  } else {
    if (!CheckSteps(n[n.size() - 2], error) || !CheckSeconds(n.back(), error)) return false;
  }
  return true;
}

std::vector<KeyPoint> PathKeys(const PathPlan& plan, float x, float y) {
  const std::vector<double>& n = plan.numbers;
  std::vector<KeyPoint> keys;
  double direction = plan.counterClockwise ? -1.0 : 1.0;
  if (plan.shape == "keys") {
    for (size_t i = 0; i + 2 < n.size(); i += 3)
      keys.push_back({static_cast<int>(n[i + 2]), Tidy(x + n[i]), Tidy(y + n[i + 1])});
  } else if (plan.shape == "slide") {
    int there = static_cast<int>(n[2]);
    int back = n.size() > 3 ? static_cast<int>(n[3]) : there;
    keys.push_back({there, x, y});
    keys.push_back({back, Tidy(x + n[0]), Tidy(y + n[1])});
  } else if (plan.shape == "rect") {
    int across = static_cast<int>(n[2]);
    int down = n.size() > 3 ? static_cast<int>(n[3]) : across;
    double w = n[0], h = n[1];
    if (plan.counterClockwise) {
      keys = {{down, x, y}, {across, x, Tidy(y + h)}, {down, Tidy(x + w), Tidy(y + h)}, {across, Tidy(x + w), y}};
    } else {
      keys = {{across, x, y}, {down, Tidy(x + w), y}, {across, Tidy(x + w), Tidy(y + h)}, {down, x, Tidy(y + h)}};
    }
  } else if (plan.shape == "circle" || plan.shape == "ellipse") {
    // The tile circles round the place where it is written, starting at the top.
    double rx = n[0], ry = plan.shape == "circle" ? n[0] : n[1];
    int steps = static_cast<int>(n[n.size() - 2]);
    int seconds = static_cast<int>(n.back());
    for (int j = 0; j < steps; ++j) {
      double angle = -kPi / 2 + direction * 2 * kPi * j / steps;
      keys.push_back({seconds, Tidy(x + rx * std::cos(angle)), Tidy(y + ry * std::sin(angle))});
    }
  } else if (plan.shape == "spin") {
    int steps = static_cast<int>(n[2]);
    int seconds = static_cast<int>(n[3]);
    for (int j = 0; j < steps; ++j) keys.push_back(Rotated(x, y, n[0], n[1], direction * 2 * kPi * j / steps, seconds));
  } else if (plan.shape == "swing") {
    // Even time steps over a sine of the angle: the pendulum slows at both ends as a real one does.
    int steps = static_cast<int>(n[3]);
    int seconds = static_cast<int>(n[4]);
    double amplitude = n[2] * kPi / 180;
    for (int j = 0; j < steps; ++j)
      keys.push_back(Rotated(x, y, n[0], n[1], amplitude * std::sin(2 * kPi * j / steps), seconds));
  }
  return keys;
}
