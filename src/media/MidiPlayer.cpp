// MIDI music for the minigames: sequencer command strings, MIDI files played by FluidSynth into our mix.
#include <fluidsynth.h>

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstring>
#include <fstream>
#include <iterator>

#include "base/ByteOrder.h"
#include "media/Media.h"
#include "media/MixRecorder.h"
#include "media/SoundMixer.h"

namespace {

// Results of MidiCommand; 0 is success.
constexpr int kMidiBadCommand = 1, kMidiNoFile = 2, kMidiNotMidi = 3, kMidiAliasTaken = 4, kMidiNoSuchAlias = 5;

// General MIDI sound fonts looked for, in order; without one the music is silently off.
const char* const kSoundFonts[] = {"/usr/share/sounds/sf2/TimGM6mb.sf2", "/usr/share/sounds/sf2/default-GM.sf2"};

// A tune plays as loud as a level's music at volume 50 (about −20 LUFS at the output), measured from
// recordings of the minigames through the General MIDI font.
constexpr float kMusicLevelGain = 0.6f;
constexpr int kTailFrames = 2 * kMixRate;  // after a stop, notes are still rendered this long while they fade

struct MidiSlot {
  std::string alias;                 // lower case, as the game names the slot ("mid1")
  std::vector<uint8_t> file;         // the standard MIDI file's bytes
  fluid_synth_t* synth = nullptr;    // null when headless or without a sound font: the slot plays silently
  fluid_player_t* player = nullptr;
  float gain = kMusicLevelGain;      // amplitude: the game's music level, whatever volume is asked
  bool playing = false;
  int tail = 0;                      // frames still rendered after a stop
};

struct MidiState {
  std::mutex lock;                                 // the slots, against the mixer that renders them
  std::vector<std::unique_ptr<MidiSlot>> slots;
  fluid_settings_t* settings = nullptr;            // shared by every synth
  std::string soundFont;                           // path, empty when none was found
  bool prepared = false;
  fluid_synth_t* spareSynth = nullptr;             // a closed slot's synth, kept to skip loading the font again (game's thread only)
  float left[kMixChunk];                           // the mixer's rendering buffers
  float right[kMixChunk];
};

MidiState& Midi() {
  static MidiState* state = new MidiState;
  return *state;
}

std::string Lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return char(std::tolower(c)); });
  return text;
}

std::string Trim(const std::string& text) {
  size_t first = text.find_first_not_of(" \t\r\n");
  if (first == std::string::npos) return "";
  size_t last = text.find_last_not_of(" \t\r\n");
  return text.substr(first, last - first + 1);
}

std::vector<std::string> Words(const std::string& text) {
  std::vector<std::string> words;
  size_t at = 0;
  while (true) {
    at = text.find_first_not_of(" \t\r\n", at);
    if (at == std::string::npos) break;
    size_t end = text.find_first_of(" \t\r\n", at);
    words.push_back(text.substr(at, end == std::string::npos ? std::string::npos : end - at));
    if (end == std::string::npos) break;
    at = end;
  }
  return words;
}

// The synth's settings and the sound font are looked up once, on the first open that needs them.
void PrepareSynthesis(MidiState& s) {
  if (s.prepared) return;
  s.prepared = true;
  for (int level = FLUID_PANIC; level <= FLUID_DBG; ++level) fluid_set_log_function(level, nullptr, nullptr);
  for (const char* path : kSoundFonts) {
    std::ifstream probe(path, std::ios::binary);
    if (probe) {
      s.soundFont = path;
      break;
    }
  }
  if (s.soundFont.empty()) return;
  s.settings = new_fluid_settings();
  fluid_settings_setnum(s.settings, "synth.sample-rate", double(kMixRate));
  fluid_settings_setnum(s.settings, "synth.gain", 1.0);  // the volume request scales from there
  // The player advances with the frames we render, not with the wall clock.
  fluid_settings_setstr(s.settings, "player.timing-source", "sample");
}

fluid_synth_t* MakeSynth(MidiState& s) {
  if (s.spareSynth != nullptr) {
    fluid_synth_t* synth = s.spareSynth;
    s.spareSynth = nullptr;
    fluid_synth_system_reset(synth);
    return synth;
  }
  fluid_synth_t* synth = new_fluid_synth(s.settings);
  if (synth == nullptr) return nullptr;
  if (fluid_synth_sfload(synth, s.soundFont.c_str(), 1) == FLUID_FAILED) {
    delete_fluid_synth(synth);
    s.soundFont.clear();  // a font that does not load will not load next time either
    return nullptr;
  }
  return synth;
}

void FreeSlotEngine(MidiState& s, MidiSlot& slot) {
  if (slot.player != nullptr) delete_fluid_player(slot.player);
  slot.player = nullptr;
  if (slot.synth == nullptr) return;
  if (s.spareSynth == nullptr) {
    fluid_synth_all_sounds_off(slot.synth, -1);
    s.spareSynth = slot.synth;
  } else {
    delete_fluid_synth(slot.synth);
  }
  slot.synth = nullptr;
}

// The MIDI data inside a file: a standard MIDI file, or the one wrapped in a RIFF "RMID" file.
bool FindMidiData(std::vector<uint8_t>& file) {
  if (file.size() >= 14 && std::memcmp(file.data(), "MThd", 4) == 0) return true;
  if (file.size() >= 20 && std::memcmp(file.data(), "RIFF", 4) == 0 && std::memcmp(file.data() + 8, "RMID", 4) == 0) {
    size_t at = 12;
    while (at + 8 <= file.size()) {
      const uint8_t* p = file.data() + at;
      size_t length = ReadLe32(p + 4);
      size_t body = at + 8;
      if (std::memcmp(p, "data", 4) == 0) {
        length = std::min(length, file.size() - body);
        std::vector<uint8_t> inner(file.begin() + long(body), file.begin() + long(body + length));
        file.swap(inner);
        return file.size() >= 14 && std::memcmp(file.data(), "MThd", 4) == 0;
      }
      if (length > file.size() - body) break;
      at = body + length + (length & 1);
    }
  }
  return false;
}

MidiSlot* FindSlot(MidiState& s, const std::string& alias) {
  for (auto& slot : s.slots) {
    if (slot->alias == alias) return slot.get();
  }
  return nullptr;
}

// "open PATH [type sequencer] alias NAME"; PATH may be quoted and may use "\" separators.
int OpenCommand(const std::string& command) {
  const std::string lower = Lower(command);
  size_t aliasAt = lower.rfind(" alias ");
  if (aliasAt == std::string::npos || aliasAt < 4) return kMidiBadCommand;
  std::vector<std::string> aliasWords = Words(lower.substr(aliasAt + 7));
  if (aliasWords.size() != 1) return kMidiBadCommand;
  const std::string alias = aliasWords[0];
  std::string head = command.substr(4, aliasAt - 4);  // after "open"
  size_t typeAt = Lower(head).rfind(" type ");
  if (typeAt != std::string::npos) {
    std::vector<std::string> typeWords = Words(Lower(head.substr(typeAt + 6)));
    if (typeWords.size() != 1 || typeWords[0] != "sequencer") return kMidiBadCommand;
    head = head.substr(0, typeAt);
  }
  std::string path = Trim(head);
  if (path.size() >= 2 && path.front() == '"' && path.back() == '"') path = path.substr(1, path.size() - 2);
  if (path.empty()) return kMidiBadCommand;

  MidiState& s = Midi();
  {
    std::lock_guard<std::mutex> hold(s.lock);
    if (FindSlot(s, alias) != nullptr) return kMidiAliasTaken;
  }
  std::ifstream in(NativePath(path), std::ios::binary);
  if (!in) return kMidiNoFile;
  auto slot = std::make_unique<MidiSlot>();
  slot->alias = alias;
  slot->file.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  if (!FindMidiData(slot->file)) return kMidiNotMidi;

  if (!IsHeadless() || TheRecorder().IsOpen()) {
    // Loading the sound font takes a moment: done before the mixer's lock is taken.
    PrepareSynthesis(s);
    if (!s.soundFont.empty()) slot->synth = MakeSynth(s);
    if (slot->synth != nullptr) {
      slot->player = new_fluid_player(slot->synth);
      if (slot->player == nullptr || fluid_player_add_mem(slot->player, slot->file.data(), slot->file.size()) != FLUID_OK) {
        FreeSlotEngine(s, *slot);
      }
    }
  }
  std::lock_guard<std::mutex> hold(s.lock);
  if (FindSlot(s, alias) != nullptr) {
    FreeSlotEngine(s, *slot);
    return kMidiAliasTaken;
  }
  s.slots.push_back(std::move(slot));
  return 0;
}

int CloseSlots(const std::string& alias) {
  MidiState& s = Midi();
  std::vector<std::unique_ptr<MidiSlot>> closing;
  std::lock_guard<std::mutex> hold(s.lock);
  for (auto it = s.slots.begin(); it != s.slots.end();) {
    if (alias == "all" || (*it)->alias == alias) {
      closing.push_back(std::move(*it));
      it = s.slots.erase(it);
    } else {
      ++it;
    }
  }
  // Out of the list, the mixer no longer renders them.
  for (auto& slot : closing) FreeSlotEngine(s, *slot);
  return closing.empty() && alias != "all" ? kMidiNoSuchAlias : 0;
}

int PlayOrStop(const std::string& alias, bool play) {
  MidiState& s = Midi();
  std::lock_guard<std::mutex> hold(s.lock);
  MidiSlot* slot = FindSlot(s, alias);
  if (slot == nullptr) return kMidiNoSuchAlias;
  if (slot->player != nullptr) {
    if (play) {
      // A tune that has played to its end, or was stopped, starts again from its beginning:
      // FluidSynth's player does not play again once done, so a fresh one takes its place.
      int total = fluid_player_get_total_ticks(slot->player);
      bool ended = fluid_player_get_status(slot->player) == FLUID_PLAYER_DONE ||
                   (total > 0 && fluid_player_get_current_tick(slot->player) >= total);
      if (ended) {
        delete_fluid_player(slot->player);
        slot->player = new_fluid_player(slot->synth);
        if (slot->player != nullptr && fluid_player_add_mem(slot->player, slot->file.data(), slot->file.size()) != FLUID_OK) {
          delete_fluid_player(slot->player);
          slot->player = nullptr;
        }
      }
      // The minigames' tunes loop until they are stopped.
      if (slot->player != nullptr) {
        fluid_player_set_loop(slot->player, -1);
        fluid_player_play(slot->player);
      }
    } else {
      fluid_player_stop(slot->player);
      fluid_synth_all_notes_off(slot->synth, -1);
      slot->tail = kTailFrames;
    }
  }
  slot->playing = play;
  return 0;
}

// "set volumeN volume V" names the slot by its number; "set midN volume V" is taken as well.
int VolumeCommand(const std::vector<std::string>& words) {
  if (words.size() != 4 || words[2] != "volume") return kMidiBadCommand;
  std::string alias = words[1];
  if (alias.rfind("volume", 0) == 0) alias = "mid" + alias.substr(6);
  int value = 0;
  const std::string& text = words[3];
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || value < 0) return kMidiBadCommand;
  MidiState& s = Midi();
  std::lock_guard<std::mutex> hold(s.lock);
  MidiSlot* slot = FindSlot(s, alias);
  if (slot == nullptr) return kMidiNoSuchAlias;
  // The game asks for 150 of 1000, which the sequencer it was written for ignored: its tunes play at the game's
  // music level whatever is asked, so a request is checked and then left at that.
  return 0;
}

}  // namespace

int MidiCommand(const std::string& command) {
  std::vector<std::string> words = Words(Lower(command));
  if (words.empty()) return kMidiBadCommand;
  const std::string& verb = words[0];
  if (verb == "open") return OpenCommand(Trim(command));
  if (verb == "set") return VolumeCommand(words);
  if (words.size() != 2) return kMidiBadCommand;
  if (verb == "play") return PlayOrStop(words[1], true);
  if (verb == "stop") return PlayOrStop(words[1], false);
  if (verb == "close") return CloseSlots(words[1]);
  return kMidiBadCommand;
}

void MixMidi(float* stereo, int frames) {
  MidiState& s = Midi();
  std::lock_guard<std::mutex> hold(s.lock);
  for (auto& slot : s.slots) {
    if (slot->synth == nullptr || (!slot->playing && slot->tail <= 0)) continue;
    if (!slot->playing) slot->tail -= frames;
    for (int done = 0; done < frames;) {
      int n = std::min(kMixChunk, frames - done);
      fluid_synth_write_float(slot->synth, n, s.left, 0, 1, s.right, 0, 1);
      float* out = stereo + 2 * size_t(done);
      for (int i = 0; i < n; ++i) {
        out[2 * i] += s.left[i] * slot->gain;
        out[2 * i + 1] += s.right[i] * slot->gain;
      }
      done += n;
    }
  }
}

void CloseAllMidi() { CloseSlots("all"); }
