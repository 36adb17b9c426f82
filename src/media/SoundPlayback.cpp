// The numbered sounds of the media layer: loading, playing instances, and each sound's volume, pan and frequency.
#include <algorithm>
#include <cmath>
#include <unordered_map>

#include "media/Media.h"
#include "media/SoundMixer.h"

namespace {

struct SoundEntry {
  std::shared_ptr<const PcmData> pcm;                   // a short sound, decoded at load
  std::shared_ptr<const std::vector<uint8_t>> encoded;  // a long sound or the music, decoded as it plays
  int channels = 1;                                     // 1 or 2
  int rate = kMixRate;                                  // frames per second of the source
  int volume = 100;                                     // 0..100
  int pan = 0;                                          // -100 left .. 100 right
  int frequency = kMixRate;                             // Hz the sound plays at
  bool music = false;                                   // follows the music's volume law
};

struct SoundTable {
  std::mutex lock;  // the table; taken before the mixer's lock, never after it
  std::unordered_map<int, SoundEntry> sounds;
  std::string lastError;
};

SoundTable& Table() {
  static SoundTable* table = new SoundTable;
  return *table;
}

// What voices let go of under the mixer's lock, freed only after it is released (a stream's decoder
// or a sound's samples are not freed while the device waits).
struct Leftovers {
  std::vector<std::shared_ptr<const PcmData>> pcm;
  std::vector<std::shared_ptr<Stream>> streams;
};

void FreeVoice(Voice& v, Leftovers& left) {
  if (v.pcm) left.pcm.push_back(std::move(v.pcm));
  if (v.stream) {
    RetireStream(*v.stream);
    left.streams.push_back(std::move(v.stream));
  }
  v.pcm.reset();
  v.stream.reset();
  v.state = VoiceState::Free;
}

// Under the mixer's lock: voices that ended in the mixer give back their data.
void ReapFinished(Leftovers& left) {
  for (Voice& v : TheMixer().voices) {
    if (v.state == VoiceState::Finished) FreeVoice(v, left);
  }
}

// Under the mixer's lock: a free voice, or the one given up for a new instance when all are taken:
// the oldest overlapping instance, else the oldest instance of any sound but the music.
Voice* TakeVoice(Leftovers& left) {
  Mixer& m = TheMixer();
  Voice* oldestOverlap = nullptr;
  Voice* oldestOther = nullptr;
  for (Voice& v : m.voices) {
    if (v.state == VoiceState::Free) return &v;
    if (!v.main && (oldestOverlap == nullptr || v.serial < oldestOverlap->serial)) oldestOverlap = &v;
    if (v.sound != 0 && (oldestOther == nullptr || v.serial < oldestOther->serial)) oldestOther = &v;
  }
  Voice* victim = oldestOverlap != nullptr ? oldestOverlap : oldestOther;
  if (victim != nullptr) FreeVoice(*victim, left);
  return victim;
}

Voice* MainVoice(int number) {
  for (Voice& v : TheMixer().voices) {
    if (v.state != VoiceState::Free && v.main && v.sound == number) return &v;
  }
  return nullptr;
}

// Under the mixer's lock: an overlapping instance of `number` at this pitch that the mixer has not read from yet.
Voice* UnheardTwin(int number, double step, bool loop) {
  for (Voice& v : TheMixer().voices) {
    if (v.state == VoiceState::Playing && !v.main && v.sound == number && v.step == step && v.loop == loop &&
        v.position == 0 && v.fraction == 0.0) {
      return &v;
    }
  }
  return nullptr;
}

void StopVoicesOf(int number, Leftovers& left) {
  for (Voice& v : TheMixer().voices) {
    if (v.state != VoiceState::Free && v.sound == number) FreeVoice(v, left);
  }
}

// With the table locked: silences every voice of `number` and moves its entry out into `taken`, so that the
// caller frees it (and the voices' leftovers) only after letting the locks go. False when there was none.
bool TakeOutSound(SoundTable& t, int number, Leftovers& left, SoundEntry& taken) {
  {
    std::lock_guard<std::mutex> mix(TheMixer().lock);
    StopVoicesOf(number, left);
    ReapFinished(left);
  }
  auto found = t.sounds.find(number);
  if (found == t.sounds.end()) return false;
  taken = std::move(found->second);
  t.sounds.erase(found);
  return true;
}

double StepFor(int frequency) { return double(frequency) / double(kMixRate); }

bool Refuse(const std::string& why) {
  SoundTable& t = Table();
  std::lock_guard<std::mutex> hold(t.lock);
  t.lastError = why;
  return false;
}

}  // namespace

bool SoundFromMemory(int number, const void* data, size_t size) {
  if (data == nullptr || size == 0) return Refuse("sound data is empty");
  std::string why;
  SoundBytes view{nullptr, static_cast<const uint8_t*>(data), size};
  std::unique_ptr<PcmDecoder> decoder = OpenSoundDecoder(view, why);
  if (!decoder) return Refuse(why);

  SoundEntry entry;
  entry.channels = decoder->Channels();
  entry.rate = decoder->Rate();
  entry.frequency = std::clamp(entry.rate, kMinFrequency, kMaxFrequency);
  const int64_t shortFrames = int64_t(kStreamSeconds) * entry.rate;
  int64_t total = decoder->TotalFrames();
  if (number == 0 || total < 0 || total > shortFrames) {
    // Streamed: check now that audio comes out, then keep only the encoded bytes.
    std::vector<float> probe(4096 * size_t(entry.channels));
    if (decoder->Read(probe.data(), 4096) <= 0) return Refuse("no audio could be decoded");
    entry.encoded = std::make_shared<const std::vector<uint8_t>>(view.data, view.data + size);
    // What is streamed is the music: every track lasts a minute or more, every effect a few seconds.
    entry.music = true;
  } else {
    // A header that understates the length cannot make a "short" sound take minutes of memory.
    auto pcm = std::make_shared<PcmData>();
    if (!DecodeWhole(*decoder, shortFrames + shortFrames / 5, *pcm, why)) return Refuse(why);
    entry.pcm = std::move(pcm);
  }
  decoder.reset();

  Leftovers left;
  SoundEntry replaced;
  SoundTable& t = Table();
  std::lock_guard<std::mutex> hold(t.lock);
  TakeOutSound(t, number, left, replaced);
  t.sounds[number] = std::move(entry);
  return true;
}

void PlaySoundId(int number, int flags) {
  Leftovers left;
  std::shared_ptr<Stream> stream;
  SoundTable& t = Table();
  std::lock_guard<std::mutex> hold(t.lock);
  auto found = t.sounds.find(number);
  if (found == t.sounds.end()) return;
  const SoundEntry& e = found->second;
  const bool loop = (flags & kSoundLoop) != 0;
  const bool overlap = (flags & kSoundOverlap) != 0;
  if (e.encoded) {
    // Each instance of a streamed sound has its own decoder; opening and pre-filling it happens
    // before the mixer is locked.
    std::string why;
    auto decoder = OpenSoundDecoder(SoundBytes{e.encoded, e.encoded->data(), e.encoded->size()}, why);
    if (!decoder) {
      t.lastError = why;
      return;
    }
    stream = StartStream(std::move(decoder), loop);
  }
  Mixer& m = TheMixer();
  std::lock_guard<std::mutex> mix(m.lock);
  ReapFinished(left);
  // A missile that shatters twenty tiles starts twenty copies of one sound in one frame: heard as one louder
  // shatter instead of twenty in step that would drive the mix far into its clip.
  if (overlap) {
    if (Voice* twin = UnheardTwin(number, StepFor(e.frequency), loop)) {
      if (stream) RetireStream(*stream);
      twin->stacked += 1;
      const float grow = std::min(kMostStackedGain, std::sqrt(float(twin->stacked)));
      VoiceGains(e.volume, e.pan, e.music, twin->targetLeft, twin->targetRight);
      twin->gainLeft = twin->targetLeft = std::max(twin->gainLeft, twin->targetLeft * grow);
      twin->gainRight = twin->targetRight = std::max(twin->gainRight, twin->targetRight * grow);
      return;
    }
  }
  Voice* v = overlap ? nullptr : MainVoice(number);
  if (v != nullptr) {
    FreeVoice(*v, left);  // the main instance restarts from the beginning
  } else {
    v = TakeVoice(left);
  }
  if (v == nullptr) {
    if (stream) RetireStream(*stream);
    return;
  }
  v->state = VoiceState::Playing;
  v->sound = number;
  v->main = !overlap;
  v->loop = loop;
  v->serial = ++m.serial;
  v->pcm = e.pcm;
  v->stream = std::move(stream);
  v->channels = e.channels;
  v->step = StepFor(e.frequency);
  v->position = 0;
  v->fraction = 0.0;
  VoiceGains(e.volume, e.pan, e.music, v->targetLeft, v->targetRight);
  v->gainLeft = v->targetLeft;
  v->gainRight = v->targetRight;
  v->stacked = 1;
}

void StopSoundId(int number) {
  Leftovers left;
  std::lock_guard<std::mutex> hold(Table().lock);
  std::lock_guard<std::mutex> mix(TheMixer().lock);
  StopVoicesOf(number, left);
  ReapFinished(left);
}

void SetSoundVolume(int number, int volume) {
  SoundTable& t = Table();
  std::lock_guard<std::mutex> hold(t.lock);
  auto found = t.sounds.find(number);
  if (found == t.sounds.end()) return;
  SoundEntry& e = found->second;
  e.volume = std::clamp(volume, 0, 100);
  std::lock_guard<std::mutex> mix(TheMixer().lock);
  if (Voice* v = MainVoice(number)) VoiceGains(e.volume, e.pan, e.music, v->targetLeft, v->targetRight);
}

void SetSoundPan(int number, int pan) {
  SoundTable& t = Table();
  std::lock_guard<std::mutex> hold(t.lock);
  auto found = t.sounds.find(number);
  if (found == t.sounds.end()) return;
  SoundEntry& e = found->second;
  e.pan = std::clamp(pan, -100, 100);
  std::lock_guard<std::mutex> mix(TheMixer().lock);
  if (Voice* v = MainVoice(number)) VoiceGains(e.volume, e.pan, e.music, v->targetLeft, v->targetRight);
}

void SetSoundFrequency(int number, int frequency) {
  SoundTable& t = Table();
  std::lock_guard<std::mutex> hold(t.lock);
  auto found = t.sounds.find(number);
  if (found == t.sounds.end()) return;
  SoundEntry& e = found->second;
  e.frequency = std::clamp(frequency, kMinFrequency, kMaxFrequency);
  std::lock_guard<std::mutex> mix(TheMixer().lock);
  if (Voice* v = MainVoice(number)) v->step = StepFor(e.frequency);
}

int SoundVolume(int number) {
  SoundTable& t = Table();
  std::lock_guard<std::mutex> hold(t.lock);
  auto found = t.sounds.find(number);
  return found == t.sounds.end() ? 0 : found->second.volume;
}

int SoundPan(int number) {
  SoundTable& t = Table();
  std::lock_guard<std::mutex> hold(t.lock);
  auto found = t.sounds.find(number);
  return found == t.sounds.end() ? 0 : found->second.pan;
}

int SoundFrequency(int number) {
  SoundTable& t = Table();
  std::lock_guard<std::mutex> hold(t.lock);
  auto found = t.sounds.find(number);
  return found == t.sounds.end() ? 0 : found->second.frequency;
}

bool SoundPlaying(int number) {
  std::lock_guard<std::mutex> mix(TheMixer().lock);
  for (const Voice& v : TheMixer().voices) {
    if (v.state == VoiceState::Playing && v.sound == number) return true;
  }
  return false;
}

int SoundVoiceCount() {
  std::lock_guard<std::mutex> mix(TheMixer().lock);
  int count = 0;
  for (const Voice& v : TheMixer().voices) count += v.state == VoiceState::Playing ? 1 : 0;
  return count;
}

void ReleaseSound(int number) {
  Leftovers left;
  SoundEntry released;
  SoundTable& t = Table();
  std::lock_guard<std::mutex> hold(t.lock);
  TakeOutSound(t, number, left, released);
}

bool HasSound(int number) {
  SoundTable& t = Table();
  std::lock_guard<std::mutex> hold(t.lock);
  return t.sounds.count(number) != 0;
}

std::string LastSoundError() {
  SoundTable& t = Table();
  std::lock_guard<std::mutex> hold(t.lock);
  return t.lastError;
}

void ReleaseAllSounds() {
  Leftovers left;
  std::unordered_map<int, SoundEntry> released;
  SoundTable& t = Table();
  std::lock_guard<std::mutex> hold(t.lock);
  {
    std::lock_guard<std::mutex> mix(TheMixer().lock);
    for (Voice& v : TheMixer().voices) {
      if (v.state != VoiceState::Free) FreeVoice(v, left);
    }
  }
  released.swap(t.sounds);
}
