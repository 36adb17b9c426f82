// The audio device: SDL pulls float stereo at the mix rate from the mixer on its own thread.
#include <SDL.h>

#include "media/Media.h"
#include "media/SoundMixer.h"

namespace {

constexpr int kDeviceFrames = 1024;  // frames per device buffer: 23 ms, safe on a busy desktop

SDL_AudioDeviceID device = 0;  // 0 while no device is open

void SDLCALL FillDeviceBuffer(void*, Uint8* stream, int length) {
  // The device never waits for a stream: a late stream is heard as a short gap, not a stall.
  MixFrames(reinterpret_cast<float*>(stream), length / int(2 * sizeof(float)), false);
}

}  // namespace

bool InitSound() {
  if (IsHeadless()) return true;  // every sound keeps its state; nothing is heard
  if (device != 0) return true;
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
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
