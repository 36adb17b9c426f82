// The audio device, which SDL has pull float stereo from the mixer on its own thread, and the recording of the mix.
#include <SDL.h>

#include <cstdio>

#include "media/MediaInternal.h"
#include "media/MixRecorder.h"
#include "media/SoundMixer.h"

namespace {

constexpr int kDeviceFrames = 1024;  // frames per device buffer: 23 ms, safe on a busy desktop

SDL_AudioDeviceID device = 0;  // 0 while no device is open

void SDLCALL FillDeviceBuffer(void*, Uint8* stream, int length) {
  // The device never waits for a stream: a late stream is heard as a short gap, not a stall.
  const int frames = length / int(2 * sizeof(float));
  MixFrames(reinterpret_cast<float*>(stream), frames, false);
  TheRecorder().Capture(reinterpret_cast<const float*>(stream), frames);
}

}  // namespace

bool InitSound() {
  // Headless, every sound keeps its state and nothing is heard; a recording mixes at every present instead.
  if (IsHeadless()) return true;
  if (device != 0) return true;
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
    TheRecorder().UseFrameLock();
    return false;
  }
  SDL_AudioSpec wanted{};
  SDL_AudioSpec obtained{};
  wanted.freq = kMixRate;
  wanted.format = AUDIO_F32SYS;
  wanted.channels = 2;
  wanted.samples = kDeviceFrames;
  wanted.callback = FillDeviceBuffer;
  // No changes allowed: SDL converts to whatever the hardware wants, the mixer always sees its own format.
  device = SDL_OpenAudioDevice(nullptr, 0, &wanted, &obtained, 0);
  if (device == 0) {
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    TheRecorder().UseFrameLock();  // the recording still holds the game's sound
    return false;
  }
  TheMixer().deviceOpen.store(true);
  SDL_PauseAudioDevice(device, 0);
  return true;
}

bool SoundDeviceOpen() { return TheMixer().deviceOpen.load(); }

void ShutdownSound() {
  if (device != 0) {
    SDL_CloseAudioDevice(device);  // returns once the device thread has left the mixer
    device = 0;
    TheMixer().deviceOpen.store(false);
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
  }
  CloseAllMidi();
  ReleaseAllSounds();
  StopStreamThread();
}

bool OpenAudioOut() {
  const std::string& path = CurrentMediaOptions().audioOutPath;
  if (path.empty()) return true;
  std::string error;
  // Headless there is no device: the null device, locked to the frames. In a window InitSound opens the device.
  if (TheRecorder().Open(path, IsHeadless(), error)) return true;
  media::SetMediaError("cannot write the sound recording " + path + ": " + error);
  return false;
}

bool FinishAudioOut() {
  MixRecorder& recorder = TheRecorder();
  if (!recorder.IsOpen()) return true;
  const std::string path = recorder.Path();
  std::string error;
  if (!recorder.Finish(error)) {
    std::fprintf(stderr, "Cannot write the sound recording %s: %s\n", path.c_str(), error.c_str());
    return false;
  }
  if (recorder.DroppedFrames() > 0) {
    std::fprintf(stderr, "The sound recording %s misses %lld frames the game fell too far behind to keep\n",
                 path.c_str(), static_cast<long long>(recorder.DroppedFrames()));
  }
  return true;
}
