// The music packs: the six tracks rendered on two threads, encoded as Ogg Vorbis, checked, packed and pictured.
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <thread>

#include <time.h>

#include "Builder.h"
#include "base/AtomicFile.h"
#include "PackWriter.h"
#include "art/ContactSheet.h"
#include "music/LoopMeasure.h"
#include "music/MusicPacks.h"
#include "music/MusicRender.h"
#include "music/MusicSheet.h"
#include "sfx/OggRead.h"
#include "sfx/OggWrite.h"
#include "base/SoundLevels.h"
#include "sfx/Loudness.h"
#include "sfx/SoundCatalogue.h"

namespace music {

namespace {

constexpr float kQuality = 0.4f;

double Since(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// Processor time of the calling thread: what a track costs, whatever else the machine is doing.
double ThreadSeconds() {
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) + 1e-9 * static_cast<double>(t.tv_nsec);
}

double ProcessSeconds() {
  timespec t{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) + 1e-9 * static_cast<double>(t.tv_nsec);
}

}  // namespace

bool BuildTrack(const TrackDesign& design, int bars, uint32_t serial, BuiltTrack& built) {
  double start = ThreadSeconds();
  built.design = &design;
  RenderedTrack track = RenderTrack(design, bars);
  built.renderSeconds = ThreadSeconds() - start;
  OggVorbisSettings settings;
  settings.channels = 2;
  settings.rate = static_cast<int>(kRate);
  settings.quality = kQuality;
  settings.serial = serial;
  // The encoder can push a peak a little above what went in; when the decoded file peaks over the music's
  // ceiling, the track is limited again under a lower ceiling.
  float ceilingDb = kCeilingDb;
  for (int attempt = 0; attempt < 4; ++attempt) {
    if (!EncodeOggVorbis(track.interleaved.data(), track.frames, settings, built.bytes, built.error)) return false;
    DecodedSound decoded;
    if (!DecodeOggVorbis(built.bytes, decoded, built.error)) {
      built.error = "does not decode: " + built.error;
      return false;
    }
    if (decoded.channels != 2 || decoded.samples.size() != track.frames * 2) {
      built.error = "decodes to the wrong shape";
      return false;
    }
    built.frames = track.frames;
    built.heard = std::move(decoded.samples);
    built.measures = MeasureLoop(built.heard, built.frames, settings.rate);
    built.lufs = IntegratedLoudness(built.heard, 2, settings.rate);
    built.truePeakDb = TruePeakDb(built.heard, 2, settings.rate);
    built.gainDb = track.gainDb;
    built.limiterDb = track.limiterDb;
    built.lowShelfDb = track.lowShelfDb;
    built.presenceDb = track.presenceDb;
    if (built.truePeakDb <= kMusicCeilingDbtp) break;
    ceilingDb -= static_cast<float>(built.truePeakDb - kMusicCeilingDbtp) + 0.2f;
    MasterTrack(track, ceilingDb);
  }
  built.totalSeconds = ThreadSeconds() - start;
  if (built.truePeakDb > kMusicCeilingDbtp) {
    built.error = "its true peak stays above " + std::to_string(kMusicCeilingDbtp) + " dBTP";
    return false;
  }
  return true;
}

bool BuildAllTracks(const std::vector<TrackDesign>& designs, uint32_t firstSerial, std::vector<BuiltTrack>& built,
                    int bars, int threads) {
  built.assign(designs.size(), BuiltTrack{});
  std::vector<char> ok(designs.size(), 0);
  std::atomic<size_t> next{0};
  auto work = [&] {
    for (size_t i; (i = next++) < designs.size();) {
      ok[i] = BuildTrack(designs[i], bars, firstSerial + static_cast<uint32_t>(i), built[i]) ? 1 : 0;
    }
  };
  std::vector<std::thread> workers;
  for (int t = 1; t < threads; ++t) workers.emplace_back(work);
  work();
  for (std::thread& w : workers) w.join();
  bool all = true;
  for (size_t i = 0; i < designs.size(); ++i) {
    if (!ok[i]) {
      std::fprintf(stderr, "packbuilder: music %s: %s\n", designs[i].file.c_str(), built[i].error.c_str());
      all = false;
    }
  }
  return all;
}

std::string Describe(const BuiltTrack& b) {
  const TrackDesign& d = *b.design;
  const LoopMeasures& m = b.measures;
  char text[512];
  std::snprintf(text, sizeof text,
                "%s, %.0f BPM, %d bars, %.1f s | %.1f LUFS, true peak %.1f dBTP, RMS %.1f dBFS (10 s windows "
                "%.1f .. %.1f), limiter %.1f dB, shelf %.1f dB, presence %+.1f dB | seam jump %.4f (typical step %.4f, 1 in 1000 above %.4f) | "
                "width %.2f | under 60 Hz %.0f %% | %zu bytes",
                d.keyName.c_str(), d.bpm, static_cast<int>(std::llround(m.seconds * d.bpm / 240.0)), m.seconds,
                b.lufs, b.truePeakDb, m.rmsDb, m.quietestDb, m.loudestDb, b.limiterDb, b.lowShelfDb, b.presenceDb, m.seamStep, m.typicalStep,
                m.largeStep, m.width, 100.0 * m.lowShare, b.bytes.size());
  return text;
}

bool CatalogueTracks(const std::vector<BuiltTrack>& built, const std::string& kind, int volume) {
  const double gain = MusicVolumeGain(volume) * kMasterGain;
  for (const BuiltTrack& b : built) {
    // The track's loudness and true peak were measured when it was built: the sheet takes them as they are.
    const double gainDb = 20 * std::log10(std::max(1e-9, gain));
    CatalogueSound listed{b.design->file, kind + ", volume " + std::to_string(volume), &b.heard, 2, kRate, gain,
                          b.lufs + gainDb, b.truePeakDb + gainDb, b.lufs};
    if (!AddToSoundCatalogue(listed)) return false;
  }
  return true;
}

void PrintTracks(const char* label, const std::vector<BuiltTrack>& built) {
  for (const BuiltTrack& b : built) {
    std::printf("%s: %-28s %s\n", label, b.design->file.c_str(), Describe(b).c_str());
    std::printf("%s: %-28s processor time: render %.2f s, with encoding and checks %.2f s\n", label, "",
                b.renderSeconds, b.totalSeconds);
  }
}

// Each track's picture, and the file itself for listening on a machine with speakers.
bool WriteMusicSheets(const std::string& sheetDir, const std::vector<BuiltTrack>& built) {
  std::filesystem::path dir = std::filesystem::path(sheetDir) / "music";
  std::error_code error;
  std::filesystem::create_directories(dir, error);
  for (const BuiltTrack& b : built) {
    const TrackDesign& d = *b.design;
    std::string stem = d.file.substr(0, d.file.rfind('.'));
    std::string writeError;
    if (!WriteFileAtomically((dir / d.file).string(), b.bytes, writeError)) {
      std::fprintf(stderr, "packbuilder: %s\n", writeError.c_str());
      return false;
    }
    MusicSheet sheet;
    sheet.lines = {d.file + "  \u2014  " + d.title, d.character, Describe(b)};
    sheet.interleaved = b.heard;
    sheet.frames = b.frames;
    sheet.bars = static_cast<int>(std::llround(b.measures.seconds * d.bpm / 240.0));
    std::string path = (dir / (stem + ".png")).string();
    if (!WriteMusicSheet(path, sheet)) return false;
    std::printf("music: sheet %s\n", path.c_str());
  }
  return true;
}

}  // namespace music

bool BuildMusicPacks(const std::string& outDir) {
  using namespace music;
  auto start = std::chrono::steady_clock::now();
  double processorStart = ProcessSeconds();
  // Checked first, so that a bad folder fails at once rather than after minutes of music.
  std::error_code folderError;
  std::filesystem::create_directories(outDir, folderError);
  if (folderError || !std::filesystem::is_directory(outDir)) {
    std::fprintf(stderr, "packbuilder: cannot create the folder %s: %s\n", outDir.c_str(),
                 folderError ? folderError.message().c_str() : "a file of that name is in the way");
    return false;
  }
  std::vector<BuiltTrack> built;
  if (!BuildAllTracks(TrackDesigns(), 0x4E420100u, built, 0, 2)) return false;
  PrintTracks("music", built);
  if (!CatalogueTracks(built, "music (level)", kLevelMusicVolume)) return false;
  size_t total = 0;
  for (const BuiltTrack& b : built) {
    const std::string& file = b.design->file;
    // The game opens "packs/<file>.pak" and takes its single entry "sfx/<file>".
    std::string path = outDir + "/" + file + ".pak";
    if (!WritePack(path, {PackEntry{"sfx/" + file, b.bytes, false}})) return false;
    total += b.bytes.size();
  }
  const std::string& sheets = ContactSheetDirectory();
  if (!sheets.empty() && !WriteMusicSheets(sheets, built)) return false;
  std::printf("music: %zu packs written to %s, %zu bytes, in %.2f s (%.2f s of processor time on two threads)\n",
              built.size(), outDir.c_str(), total, Since(start), ProcessSeconds() - processorStart);
  return true;
}
