// The Standard MIDI File writer: tracks of sorted events, variable-length deltas and running status.
#include "minigames/MidiWrite.h"

#include <algorithm>
#include <cmath>

namespace midi {

namespace {

enum Rank { kMeta = 0, kSetUp = 1, kNoteOff = 2, kNoteOn = 3 };

constexpr uint32_t kLargestQuantity = 0x0FFFFFFF;

bool InRange(int value, int lowest, int highest) { return value >= lowest && value <= highest; }

void AppendBig32(std::vector<uint8_t>& out, uint32_t value) {
  for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<uint8_t>(value >> shift));
}

void AppendChunk(std::vector<uint8_t>& out, const char* type, const std::vector<uint8_t>& body) {
  out.insert(out.end(), type, type + 4);
  AppendBig32(out, static_cast<uint32_t>(body.size()));
  out.insert(out.end(), body.begin(), body.end());
}

// Meta events carry their own length; they also end any running status, as readers expect.
bool AppendTrack(const MidiTrack& track, uint32_t endTick, std::vector<uint8_t>& body, std::string& error) {
  std::vector<MidiTrack::Event> events = track.events();
  if (!track.name().empty()) {
    std::vector<uint8_t> name = {0xFF, 0x03};
    AppendVariableLength(name, static_cast<uint32_t>(track.name().size()));
    name.insert(name.end(), track.name().begin(), track.name().end());
    events.insert(events.begin(), {0, kMeta, std::move(name)});
  }
  // A note that ends where the next one on its key starts is let go first, or the new one would be cut.
  std::stable_sort(events.begin(), events.end(), [](const MidiTrack::Event& a, const MidiTrack::Event& b) {
    return a.tick != b.tick ? a.tick < b.tick : a.rank < b.rank;
  });
  uint32_t now = 0;
  uint8_t running = 0;
  for (const MidiTrack::Event& event : events) {
    if (event.tick > endTick) {
      error = "track \"" + track.name() + "\" has an event at tick " + std::to_string(event.tick) +
              ", after the end at " + std::to_string(endTick);
      return false;
    }
    AppendVariableLength(body, event.tick - now);
    now = event.tick;
    uint8_t status = event.data[0];
    bool shared = status == running && status < 0xF0;
    body.insert(body.end(), event.data.begin() + (shared ? 1 : 0), event.data.end());
    running = status < 0xF0 ? status : 0;
  }
  AppendVariableLength(body, endTick - now);
  body.insert(body.end(), {0xFF, 0x2F, 0x00});
  return true;
}

}  // namespace

bool MidiTrack::Check(bool ok, const std::string& what) {
  if (!ok && problem_.empty()) problem_ = "track \"" + name_ + "\": " + what;
  return ok;
}

void MidiTrack::Add(uint32_t tick, int rank, std::vector<uint8_t> data) {
  if (!Check(tick <= kLargestQuantity, "tick " + std::to_string(tick) + " is too late for the format")) return;
  lastTick_ = std::max(lastTick_, tick);
  events_.push_back({tick, rank, std::move(data)});
}

void MidiTrack::Tempo(uint32_t tick, double beatsPerMinute) {
  double micros = beatsPerMinute > 0 ? std::round(60e6 / beatsPerMinute) : 0;
  if (!Check(micros >= 1 && micros <= 0xFFFFFF, "no tempo of " + std::to_string(beatsPerMinute) + " a minute")) return;
  uint32_t quarter = static_cast<uint32_t>(micros);
  Add(tick, kMeta, {0xFF, 0x51, 0x03, uint8_t(quarter >> 16), uint8_t(quarter >> 8), uint8_t(quarter)});
}

void MidiTrack::TimeSignature(uint32_t tick, int beatsPerBar, int beatUnit) {
  int power = 0;
  while (power < 7 && (1 << power) < beatUnit) ++power;
  bool ok = InRange(beatsPerBar, 1, 255) && (1 << power) == beatUnit;
  if (!Check(ok, "no time signature " + std::to_string(beatsPerBar) + "/" + std::to_string(beatUnit))) return;
  // The metronome clicks once a beat (24 MIDI clocks a quarter note); eight 32nd notes make a quarter.
  int clocksPerBeat = std::max(1, 96 / beatUnit);
  Add(tick, kMeta, {0xFF, 0x58, 0x04, uint8_t(beatsPerBar), uint8_t(power), uint8_t(clocksPerBeat), 8});
}

void MidiTrack::Program(uint32_t tick, int channel, int program) {
  if (!Check(InRange(channel, 0, 15), "no channel " + std::to_string(channel))) return;
  if (!Check(InRange(program, 0, 127), "no program " + std::to_string(program))) return;
  Add(tick, kSetUp, {uint8_t(0xC0 | channel), uint8_t(program)});
}

void MidiTrack::Controller(uint32_t tick, int channel, int controller, int value) {
  if (!Check(InRange(channel, 0, 15), "no channel " + std::to_string(channel))) return;
  bool ok = InRange(controller, 0, 119) && InRange(value, 0, 127);
  if (!Check(ok, "no controller " + std::to_string(controller) + " = " + std::to_string(value))) return;
  Add(tick, kSetUp, {uint8_t(0xB0 | channel), uint8_t(controller), uint8_t(value)});
}

void MidiTrack::Note(uint32_t tick, uint32_t length, int channel, int key, int velocity) {
  if (!Check(InRange(channel, 0, 15), "no channel " + std::to_string(channel))) return;
  if (!Check(InRange(key, 0, 127), "no key " + std::to_string(key))) return;
  // A note-on of velocity 0 would be read as a note-off.
  if (!Check(InRange(velocity, 1, 127), "no note velocity " + std::to_string(velocity))) return;
  if (!Check(length >= 1 && length <= kLargestQuantity - tick, "a note of " + std::to_string(length) + " ticks"))
    return;
  Add(tick, kNoteOn, {uint8_t(0x90 | channel), uint8_t(key), uint8_t(velocity)});
  Add(tick + length, kNoteOff, {uint8_t(0x80 | channel), uint8_t(key), 0x40});
}

bool AppendVariableLength(std::vector<uint8_t>& out, uint32_t value) {
  if (value > kLargestQuantity) return false;
  uint8_t groups[4];
  int count = 0;
  do {
    groups[count++] = value & 0x7F;
    value >>= 7;
  } while (value != 0);
  while (count > 1) out.push_back(groups[--count] | 0x80);
  out.push_back(groups[0]);
  return true;
}

bool WriteMidiFile(const std::vector<MidiTrack>& tracks, int ticksPerQuarter, uint32_t endTick,
                   std::vector<uint8_t>& out, std::string& error) {
  out.clear();
  if (tracks.empty() || tracks.size() > 0xFFFF) {
    error = "a MIDI file needs 1 to 65535 tracks, not " + std::to_string(tracks.size());
    return false;
  }
  if (!InRange(ticksPerQuarter, 1, 0x7FFF)) {
    error = "no division of " + std::to_string(ticksPerQuarter) + " ticks a quarter note";
    return false;
  }
  if (endTick > kLargestQuantity) {
    error = "the end at tick " + std::to_string(endTick) + " is too late for the format";
    return false;
  }
  std::vector<uint8_t> file = {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 1};
  file.push_back(uint8_t(tracks.size() >> 8));
  file.push_back(uint8_t(tracks.size()));
  file.push_back(uint8_t(ticksPerQuarter >> 8));
  file.push_back(uint8_t(ticksPerQuarter));
  for (const MidiTrack& track : tracks) {
    if (!track.problem().empty()) {
      error = track.problem();
      return false;
    }
    std::vector<uint8_t> body;
    if (!AppendTrack(track, endTick, body, error)) return false;
    AppendChunk(file, "MTrk", body);
  }
  out.swap(file);
  return true;
}

}  // namespace midi
