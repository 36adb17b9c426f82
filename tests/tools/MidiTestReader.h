// A strict Standard MIDI File reader of the tool tests, written apart from the builder's writer so that it checks it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct MidiTestEvent {
  uint32_t tick = 0;             // from the start of the track
  uint8_t status = 0;            // 0xFF for meta events
  uint8_t data1 = 0, data2 = 0;  // of channel messages
  uint8_t metaType = 0;
  std::vector<uint8_t> meta;     // a meta event's bytes
};

struct MidiTestFile {
  int format = -1;
  int division = 0;                               // ticks a quarter note
  std::vector<std::vector<MidiTestEvent>> tracks;  // each ends with its end-of-track meta event
};

namespace midi_test {

inline uint32_t Big(const std::vector<uint8_t>& b, size_t at, int bytes) {
  uint32_t value = 0;
  for (int i = 0; i < bytes; ++i) value = value << 8 | b[at + size_t(i)];
  return value;
}

// A variable-length quantity of at most four bytes that ends inside `end`.
inline bool ReadQuantity(const std::vector<uint8_t>& b, size_t& at, size_t end, uint32_t& value) {
  value = 0;
  for (int i = 0; i < 4; ++i) {
    if (at >= end) return false;
    uint8_t byte = b[at++];
    value = value << 7 | (byte & 0x7F);
    if ((byte & 0x80) == 0) return true;
  }
  return false;
}

}  // namespace midi_test

// Reads every chunk and event, with running status; `problem` says where the file went wrong.
inline bool ReadMidiForTest(const std::vector<uint8_t>& b, MidiTestFile& out, std::string& problem) {
  using midi_test::Big;
  if (b.size() < 14 || std::string(b.begin(), b.begin() + 4) != "MThd" || Big(b, 4, 4) != 6) {
    problem = "no MThd header of six bytes";
    return false;
  }
  out.format = int(Big(b, 8, 2));
  size_t trackCount = Big(b, 10, 2);
  out.division = int(Big(b, 12, 2));
  size_t at = 14;
  for (size_t t = 0; t < trackCount; ++t) {
    if (at + 8 > b.size() || std::string(b.begin() + long(at), b.begin() + long(at) + 4) != "MTrk") {
      problem = "track " + std::to_string(t) + " has no MTrk chunk";
      return false;
    }
    size_t end = at + 8 + Big(b, at + 4, 4);
    if (end > b.size()) {
      problem = "track " + std::to_string(t) + " runs past the file";
      return false;
    }
    at += 8;
    std::vector<MidiTestEvent> events;
    uint32_t tick = 0;
    uint8_t running = 0;
    bool ended = false;
    while (at < end) {
      auto fail = [&](const std::string& why) {
        problem = "track " + std::to_string(t) + " at byte " + std::to_string(at) + ": " + why;
        return false;
      };
      if (ended) return fail("bytes after the end of the track");
      uint32_t delta = 0;
      if (!midi_test::ReadQuantity(b, at, end, delta)) return fail("a broken delta time");
      tick += delta;
      MidiTestEvent event;
      event.tick = tick;
      if (at >= end) return fail("a delta time without its event");
      if (b[at] == 0xFF || b[at] == 0xF0 || b[at] == 0xF7) {
        event.status = b[at++];
        if (event.status == 0xFF) {
          if (at >= end) return fail("a meta event without its type");
          event.metaType = b[at++];
        }
        uint32_t length = 0;
        if (!midi_test::ReadQuantity(b, at, end, length) || length > end - at) return fail("a meta event too long");
        event.meta.assign(b.begin() + long(at), b.begin() + long(at + length));
        at += length;
        running = 0;
        ended = event.status == 0xFF && event.metaType == 0x2F;
      } else {
        if (b[at] & 0x80) {
          running = b[at++];
        } else if (running == 0) {
          return fail("a data byte without a status");
        }
        event.status = running;
        int needed = (running & 0xF0) == 0xC0 || (running & 0xF0) == 0xD0 ? 1 : 2;
        if (running >= 0xF0 || at + size_t(needed) > end) return fail("a channel message cut short");
        event.data1 = b[at++];
        if (needed == 2) event.data2 = b[at++];
        if ((event.data1 | event.data2) & 0x80) return fail("a data byte with its high bit set");
      }
      events.push_back(event);
    }
    if (!ended) {
      problem = "track " + std::to_string(t) + " does not end with an end-of-track event";
      return false;
    }
    out.tracks.push_back(events);
    at = end;
  }
  if (at != b.size()) {
    problem = "bytes after the last track";
    return false;
  }
  return true;
}
