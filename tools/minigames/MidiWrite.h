// A small Standard MIDI File writer: format 1, a track per part, events placed by tick and written in order.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace midi {

constexpr int kDrumChannel = 9;  // "channel 10" as players count them: General MIDI's percussion

// One track's events, in any order; the writer sorts them. A value out of range is not added: the first
// such mistake is kept in problem() and the file that holds the track is refused with it.
class MidiTrack {
 public:
  explicit MidiTrack(std::string name = "") : name_(std::move(name)) {}

  void Tempo(uint32_t tick, double beatsPerMinute);            // quarter notes a minute
  void TimeSignature(uint32_t tick, int beatsPerBar, int beatUnit);  // 3, 4 for 3/4; beatUnit a power of two
  void Program(uint32_t tick, int channel, int program);       // channel 0..15, General MIDI program 0..127
  void Controller(uint32_t tick, int channel, int controller, int value);
  // A key held for `length` ticks (at least one): its note-on and its note-off.
  void Note(uint32_t tick, uint32_t length, int channel, int key, int velocity);

  const std::string& name() const { return name_; }
  const std::string& problem() const { return problem_; }
  uint32_t lastTick() const { return lastTick_; }  // where the last event falls, 0 when there is none

  struct Event {
    uint32_t tick;
    int rank;                   // order among events of one tick: meta, set-up, note-offs, note-ons
    std::vector<uint8_t> data;  // status byte first; 0xFF for a meta event
  };
  const std::vector<Event>& events() const { return events_; }

 private:
  bool Check(bool ok, const std::string& what);
  void Add(uint32_t tick, int rank, std::vector<uint8_t> data);

  std::string name_;
  std::string problem_;
  std::vector<Event> events_;
  uint32_t lastTick_ = 0;
};

// Appends a variable-length quantity (seven bits a byte, high bit set on all but the last); false for a value
// above 0x0FFFFFFF, which the format cannot hold.
bool AppendVariableLength(std::vector<uint8_t>& out, uint32_t value);

// A format 1 file whose every track ends at `endTick`, so that parts stop together and a player looping the
// file goes straight from its last bar to its first. Channel messages share their status byte when it repeats
// (running status). Fails, saying why in `error`, for no tracks, a division outside 1..32767 ticks a quarter
// note, a track's own problem, or an event after the end.
bool WriteMidiFile(const std::vector<MidiTrack>& tracks, int ticksPerQuarter, uint32_t endTick,
                   std::vector<uint8_t>& out, std::string& error);

}  // namespace midi
