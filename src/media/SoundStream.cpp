// Streaming of long sounds: the stream thread decodes each playing stream a little ahead into its ring.
#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <cstring>
#include <thread>

#include "media/SoundMixer.h"

namespace {

constexpr int64_t kPrefillFrames = 1 << 14;  // decoded at once by the starter, so playback starts without a gap
constexpr long kDecodeChunk = 4096;          // frames per decoder call
// How long the thread sleeps between top-ups: a ring of 1.5 s stays well ahead, and a thread woken 200 times a
// second cost more than its decoding (each wake-up is a switch of threads).
constexpr auto kIdleWait = std::chrono::milliseconds(100);

struct StreamThread {
  std::mutex lock;                                // the fields below
  std::condition_variable wake;
  std::vector<std::shared_ptr<Stream>> streams;   // streams to keep filled
  std::thread thread;
  bool running = false;
  bool quit = false;
  bool pending = false;                           // a wake-up came while the thread was busy
};

StreamThread& Streams() {
  // Never destroyed, like the mixer: the thread may still run while the program exits.
  static StreamThread* streams = new StreamThread;
  return *streams;
}

// Decodes into the ring until it is full, the decoder ends, or `limit` frames were added.
void FillStream(Stream& s, int64_t limit) {
  if (s.end.load(std::memory_order_relaxed) != kNoEnd) return;
  const int c = s.channels;
  int64_t w = s.written.load(std::memory_order_relaxed);  // this thread is the only writer
  // Frame w overwrites frame w - kRingFrames, which must be older than anything the mixer still reads.
  int64_t room = std::min(limit, s.needed.load(std::memory_order_acquire) + kRingFrames - w);
  float chunk[kDecodeChunk * 2];
  while (room > 0) {
    long got = s.decoder->Read(chunk, long(std::min<int64_t>(room, kDecodeChunk)));
    if (got <= 0) {
      // A loop goes on from the decoder's first frame straight after its last: no gap in the ring.
      // A rewind that yields nothing would spin for ever, so the stream ends then.
      if (s.loop && !s.rewoundEmpty && s.decoder->Rewind()) {
        s.rewoundEmpty = true;
        continue;
      }
      s.end.store(w, std::memory_order_release);
      return;
    }
    s.rewoundEmpty = false;
    int64_t slot = w & (kRingFrames - 1);
    long first = long(std::min<int64_t>(got, kRingFrames - slot));
    std::memcpy(s.ring.data() + slot * c, chunk, size_t(first) * c * sizeof(float));
    if (first < got) std::memcpy(s.ring.data(), chunk + size_t(first) * c, size_t(got - first) * c * sizeof(float));
    w += got;
    room -= got;
    s.written.store(w, std::memory_order_release);
  }
}

void StreamThreadMain() {
  StreamThread& t = Streams();
  std::vector<std::shared_ptr<Stream>> work;
  for (;;) {
    {
      std::unique_lock<std::mutex> hold(t.lock);
      if (t.quit) return;
      std::erase_if(t.streams, [](const std::shared_ptr<Stream>& s) { return s->retired.load(); });
      work = t.streams;
    }
    for (const auto& s : work) {
      if (!s->retired.load()) FillStream(*s, kRingFrames);
    }
    work.clear();  // a retired stream's decoder may be freed here, on this thread
    std::unique_lock<std::mutex> hold(t.lock);
    t.wake.wait_for(hold, kIdleWait, [&] { return t.pending || t.quit; });
    t.pending = false;
  }
}

}  // namespace

std::shared_ptr<Stream> StartStream(std::unique_ptr<PcmDecoder> decoder, bool loop) {
  auto s = std::make_shared<Stream>();
  s->channels = decoder->Channels();
  s->loop = loop;
  s->decoder = std::move(decoder);
  s->ring.assign(size_t(kRingFrames) * s->channels, 0.0f);
  FillStream(*s, kPrefillFrames);
  StreamThread& t = Streams();
  std::lock_guard<std::mutex> hold(t.lock);
  t.streams.push_back(s);
  if (!t.running) {
    t.quit = false;
    t.thread = std::thread(StreamThreadMain);
    t.running = true;
  }
  t.pending = true;
  t.wake.notify_one();
  return s;
}

void RetireStream(Stream& stream) { stream.retired.store(true); }

void WakeStreamThread() {
  StreamThread& t = Streams();
  std::lock_guard<std::mutex> hold(t.lock);
  t.pending = true;
  t.wake.notify_one();
}

void StopStreamThread() {
  StreamThread& t = Streams();
  std::thread ending;
  {
    std::lock_guard<std::mutex> hold(t.lock);
    if (!t.running) return;
    t.quit = true;
    t.wake.notify_one();
    ending = std::move(t.thread);
    t.running = false;
  }
  ending.join();
  std::lock_guard<std::mutex> hold(t.lock);
  t.streams.clear();
  t.quit = false;
}
