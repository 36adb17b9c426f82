// The Ogg Vorbis decoder: libvorbisfile reading a sound held in memory.
#define OV_EXCLUDE_STATIC_CALLBACKS  // the unused static callback tables would warn
#include <vorbis/vorbisfile.h>

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "media/SoundDecode.h"

namespace {

struct MemoryCursor {
  const uint8_t* data = nullptr;
  size_t size = 0;   // bytes
  size_t at = 0;     // bytes read so far
};

size_t ReadMemory(void* to, size_t size, size_t count, void* source) {
  auto* cursor = static_cast<MemoryCursor*>(source);
  if (size == 0) return 0;
  size_t items = std::min(count, (cursor->size - cursor->at) / size);
  std::memcpy(to, cursor->data + cursor->at, items * size);
  cursor->at += items * size;
  return items;
}

int SeekMemory(void* source, ogg_int64_t offset, int whence) {
  auto* cursor = static_cast<MemoryCursor*>(source);
  ogg_int64_t base = whence == SEEK_SET ? 0 : whence == SEEK_CUR ? ogg_int64_t(cursor->at) : ogg_int64_t(cursor->size);
  ogg_int64_t to = base + offset;
  if (to < 0 || to > ogg_int64_t(cursor->size)) return -1;
  cursor->at = size_t(to);
  return 0;
}

long TellMemory(void* source) { return long(static_cast<MemoryCursor*>(source)->at); }

constexpr ov_callbacks kMemoryCallbacks = {ReadMemory, SeekMemory, nullptr, TellMemory};

// A damaged stream can report holes again and again; past this many in a row it counts as ended.
constexpr int kMaxHolesInARow = 64;

class OggDecoder : public PcmDecoder {
 public:
  explicit OggDecoder(const SoundBytes& bytes) : bytes_(bytes) {
    cursor_.data = bytes.data;
    cursor_.size = bytes.size;
  }
  ~OggDecoder() override {
    if (open_) ov_clear(&file_);
  }

  bool Open(std::string& why) {
    if (ov_open_callbacks(&cursor_, &file_, nullptr, 0, kMemoryCallbacks) != 0) {
      why = "Ogg data is not a readable Vorbis stream";
      return false;
    }
    open_ = true;
    vorbis_info* info = ov_info(&file_, -1);
    if (info == nullptr || info->channels < 1 || info->rate < 1 || info->rate > 768000) {
      why = "Ogg Vorbis header is damaged";
      return false;
    }
    channels = info->channels <= 2 ? info->channels : 1;
    rate = int(info->rate);
    ogg_int64_t total = ov_pcm_total(&file_, -1);
    totalFrames = total >= 0 ? int64_t(total) : -1;
    return true;
  }

  long Read(float* out, long frames) override {
    long done = 0;
    int holes = 0;
    while (done < frames && !failed_) {
      float** planes = nullptr;
      int link = 0;
      long got = ov_read_float(&file_, &planes, int(std::min<long>(frames - done, 4096)), &link);
      if (got == OV_HOLE) {
        if (++holes > kMaxHolesInARow) failed_ = true;
        continue;
      }
      if (got < 0) {
        failed_ = true;
        break;
      }
      if (got == 0) break;
      holes = 0;
      vorbis_info* info = ov_info(&file_, link);
      int linkChannels = info != nullptr && info->channels > 0 ? info->channels : 1;
      float* to = out + size_t(done) * channels;
      for (long f = 0; f < got; ++f) {
        float frame[256];
        for (int c = 0; c < linkChannels && c < 256; ++c) frame[c] = planes[c][f];
        ConvertChannels(frame, std::min(linkChannels, 256), to + size_t(f) * channels, channels, 1);
      }
      done += got;
    }
    return done;
  }

  bool Rewind() override {
    failed_ = false;
    if (ov_pcm_seek(&file_, 0) == 0) return true;
    return ov_raw_seek(&file_, 0) == 0;
  }

 private:
  SoundBytes bytes_;  // keeps the encoded sound alive for as long as the decoder reads it
  MemoryCursor cursor_;
  OggVorbis_File file_{};
  bool open_ = false;
  bool failed_ = false;  // damage met: reads return nothing until a rewind
};

}  // namespace

std::unique_ptr<PcmDecoder> OpenOggDecoder(const SoundBytes& bytes, std::string& why) {
  if (bytes.data == nullptr) {
    why = "Ogg data is empty";
    return nullptr;
  }
  auto decoder = std::make_unique<OggDecoder>(bytes);
  if (!decoder->Open(why)) return nullptr;
  return decoder;
}
