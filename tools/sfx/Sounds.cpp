// The game's sound effects pack: synthesizes, encodes, measures and stores the 21 effects, and draws their sheet.
#include <chrono>
#include <cstdio>
#include <filesystem>

#include "Builder.h"
#include "base/AtomicFile.h"
#include "PackWriter.h"
#include "sfx/Effects.h"
#include "sfx/OggRead.h"
#include "sfx/SoundCatalogue.h"
#include "sfx/SoundSheet.h"

namespace {

// One effect ready for the pack, with the samples as the game will hear them (for Ogg entries,
// decoded back, so that the measurements include what the encoder did).
struct BuiltEffect {
  const SoundEffect* effect = nullptr;  // its row of the effects table
  std::vector<uint8_t> bytes;           // the pack entry: a WAV or an Ogg file
  Samples heard;                        // the file's samples (for Ogg entries, decoded back)
  MasteredLevels played;                // measured from `heard` as the game plays it
};

bool BuildEffect(const SoundEffect& effect, BuiltEffect& built) {
  built.effect = &effect;
  built.heard = RenderEffect(effect);
  std::string error;
  if (!EncodeEffect(effect, built.heard, built.bytes, error)) {
    std::fprintf(stderr, "packbuilder: %s: %s\n", effect.name, error.c_str());
    return false;
  }
  if (effect.ogg) {
    DecodedSound decoded;
    if (!DecodeOggVorbis(built.bytes, decoded, error)) {
      std::fprintf(stderr, "packbuilder: %s does not decode: %s\n", effect.name, error.c_str());
      return false;
    }
    built.heard = std::move(decoded.samples);
  }
  built.played = MeasurePlayed(built.heard, PlayOf(effect));
  return true;
}

std::string Details(const BuiltEffect& built) {
  const SoundEffect& e = *built.effect;
  const EffectPlay& play = PlayOf(e);
  double heardMs = 1000.0 * static_cast<double>(built.heard.size()) / play.frequencyHz;
  char text[240];
  std::snprintf(text, sizeof text,
                "%d Hz file at %d Hz, volume %d: %.0f ms, %.1f LUFS (%s %.0f), %.1f dBTP as played; file peak %.1f dBFS, %zu B",
                e.storedRate, play.frequencyHz, play.volume, heardMs, built.played.lufs, ClassName(play.kind),
                ClassTargetLufs(play.kind), built.played.truePeakDb, built.played.filePeakDb, built.bytes.size());
  return text;
}

bool BuildAll(std::vector<BuiltEffect>& built) {
  const std::vector<SoundEffect>& effects = SoundEffects();
  built.assign(effects.size(), BuiltEffect{});
  for (size_t i = 0; i < effects.size(); ++i) {
    if (!BuildEffect(effects[i], built[i])) return false;
  }
  return true;
}

// The sheet of the effects just built: DIR/sounds.png (waveform and spectrogram of every effect) and the effect
// files themselves under DIR/sounds/ for listening. False after printing what went wrong.
bool WriteSoundSheets(const std::vector<BuiltEffect>& built, const std::string& sheetDir) {
  std::vector<SheetSound> sheet;
  // The files themselves go beside the sheet, for listening on a machine that has speakers.
  std::filesystem::path fileDir = std::filesystem::path(sheetDir) / "sounds";
  std::error_code error;
  std::filesystem::create_directories(fileDir, error);
  for (const BuiltEffect& b : built) {
    std::string name = b.effect->name;
    std::filesystem::path file = fileDir / name.substr(name.rfind('/') + 1);
    std::string writeError;
    if (!WriteFileAtomically(file.string(), b.bytes, writeError)) {
      std::fprintf(stderr, "packbuilder: %s\n", writeError.c_str());
      return false;
    }
    sheet.push_back(SheetSound{std::to_string(SoundNumber(b.effect->sound)) + "  " + name, b.effect->what, Details(b),
                               b.heard, static_cast<double>(PlayOf(*b.effect).frequencyHz)});
  }
  std::string path = (std::filesystem::path(sheetDir) / "sounds.png").string();
  if (!WriteSoundSheet(path, sheet)) return false;
  std::printf("sounds: contact sheet %s\n", path.c_str());
  return true;
}

}  // namespace

bool BuildSoundPacks(const std::string& outDir, const std::string& sheetDir) {
  auto start = std::chrono::steady_clock::now();
  std::vector<BuiltEffect> built;
  if (!BuildAll(built)) return false;
  std::vector<Samples> files;
  for (const BuiltEffect& b : built) files.push_back(b.heard);
  Overlap overlap = LoudestOverlap(files);
  std::string names;
  for (Sound sound : overlap.sounds) names += " " + std::to_string(SoundNumber(sound));
  std::printf("sounds: the four loudest at volume 100 (%s ) started together peak at %.1f dBFS\n", names.c_str(),
              overlap.peakDb);
  std::vector<PackEntry> entries;
  for (const BuiltEffect& b : built) {
    std::printf("sounds: %2d %-24s %s\n", SoundNumber(b.effect->sound), b.effect->name, Details(b).c_str());
    entries.push_back(PackEntry{b.effect->name, b.bytes, false});
    const EffectPlay& play = PlayOf(*b.effect);
    CatalogueSound listed{b.effect->name, std::string("effect (") + ClassName(play.kind) + ")", &b.heard, 1,
                          static_cast<double>(play.frequencyHz), PlaybackOf(play).gain, b.played.lufs,
                          b.played.truePeakDb};
    if (!AddToSoundCatalogue(listed)) return false;
  }
  // Checked here because the pack writer's own folder creation throws where this reports.
  std::error_code folderError;
  std::filesystem::create_directories(outDir, folderError);
  if (folderError) {
    std::fprintf(stderr, "packbuilder: cannot create the folder %s: %s\n", outDir.c_str(), folderError.message().c_str());
    return false;
  }
  std::string path = outDir + "/sounds.pak";
  if (!WritePack(path, entries)) return false;
  double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  std::printf("sounds: %s written, %zu effects in %.2f s\n", path.c_str(), entries.size(), seconds);
  return sheetDir.empty() || WriteSoundSheets(built, sheetDir);
}

