// Encoding sounds and music as Ogg Vorbis streams in memory; the same input always gives the same bytes.
#include "sfx/OggWrite.h"

#include <ogg/ogg.h>
#include <vorbis/codec.h>
#include <vorbis/vorbisenc.h>

#include <algorithm>
#include <cmath>
#include <functional>

namespace {

void AppendPage(std::vector<uint8_t>& out, const ogg_page& page) {
  out.insert(out.end(), page.header, page.header + page.header_len);
  out.insert(out.end(), page.body, page.body + page.body_len);
}

// Owns the libvorbis and libogg state so that every exit path releases it.
struct Encoder {
  vorbis_info info;
  vorbis_comment comment;
  vorbis_dsp_state dsp;
  vorbis_block block;
  ogg_stream_state stream;
  bool dspReady = false, streamReady = false;
  Encoder() {
    vorbis_info_init(&info);
    vorbis_comment_init(&comment);
  }
  ~Encoder() {
    if (streamReady) ogg_stream_clear(&stream);
    if (dspReady) {
      vorbis_block_clear(&block);
      vorbis_dsp_clear(&dsp);
    }
    vorbis_comment_clear(&comment);
    vorbis_info_clear(&info);
  }
  Encoder(const Encoder&) = delete;
  Encoder& operator=(const Encoder&) = delete;
};

// Runs the encoder over whatever was submitted and appends the finished pages.
void Drain(Encoder& e, std::vector<uint8_t>& out) {
  ogg_packet packet;
  ogg_page page;
  while (vorbis_analysis_blockout(&e.dsp, &e.block) == 1) {
    vorbis_analysis(&e.block, nullptr);
    vorbis_bitrate_addblock(&e.block);
    while (vorbis_bitrate_flushpacket(&e.dsp, &packet) == 1) {
      ogg_stream_packetin(&e.stream, &packet);
      while (ogg_stream_pageout(&e.stream, &page) != 0) AppendPage(out, page);
    }
  }
}

// `sampleAt(frame, channel)` gives one float sample; both public overloads feed through here.
bool Encode(size_t frames, const OggVorbisSettings& settings, const std::function<float(size_t, int)>& sampleAt,
            std::vector<uint8_t>& out, std::string& error) {
  out.clear();
  if (settings.channels < 1 || settings.channels > 8) {
    error = "Ogg: " + std::to_string(settings.channels) + " channels (1 to 8 allowed)";
    return false;
  }
  if (settings.rate < 1 || !(settings.quality >= -0.1f && settings.quality <= 1.0f)) {
    error = "Ogg: rate " + std::to_string(settings.rate) + " Hz or quality " + std::to_string(settings.quality) +
            " out of range";
    return false;
  }
  Encoder e;
  if (vorbis_encode_init_vbr(&e.info, settings.channels, settings.rate, settings.quality) != 0) {
    error = "Ogg: the Vorbis encoder refuses " + std::to_string(settings.channels) + " channels at " +
            std::to_string(settings.rate) + " Hz";
    return false;
  }
  vorbis_analysis_init(&e.dsp, &e.info);
  vorbis_block_init(&e.dsp, &e.block);
  e.dspReady = true;
  ogg_stream_init(&e.stream, static_cast<int>(settings.serial));
  e.streamReady = true;

  ogg_packet identification, comments, codebooks;
  vorbis_analysis_headerout(&e.dsp, &e.comment, &identification, &comments, &codebooks);
  ogg_stream_packetin(&e.stream, &identification);
  ogg_stream_packetin(&e.stream, &comments);
  ogg_stream_packetin(&e.stream, &codebooks);
  ogg_page page;
  // The headers end on a page of their own, as players expect.
  while (ogg_stream_flush(&e.stream, &page) != 0) AppendPage(out, page);

  const size_t chunk = 1024;
  for (size_t start = 0; start < frames; start += chunk) {
    size_t count = std::min(chunk, frames - start);
    float** buffer = vorbis_analysis_buffer(&e.dsp, static_cast<int>(count));
    for (int c = 0; c < settings.channels; ++c) {
      for (size_t i = 0; i < count; ++i) {
        float v = sampleAt(start + i, c);
        buffer[c][i] = std::isnan(v) ? 0.0f : std::clamp(v, -1.0f, 1.0f);
      }
    }
    vorbis_analysis_wrote(&e.dsp, static_cast<int>(count));
    Drain(e, out);
  }
  vorbis_analysis_wrote(&e.dsp, 0);
  Drain(e, out);
  while (ogg_stream_flush(&e.stream, &page) != 0) AppendPage(out, page);
  return true;
}

}  // namespace

bool EncodeOggVorbis(const float* interleaved, size_t frames, const OggVorbisSettings& settings,
                     std::vector<uint8_t>& out, std::string& error) {
  if (interleaved == nullptr && frames > 0) {
    error = "Ogg: no samples";
    return false;
  }
  int channels = std::max(settings.channels, 1);
  return Encode(
      frames, settings,
      [&](size_t frame, int channel) { return interleaved[frame * static_cast<size_t>(channels) + channel]; }, out,
      error);
}

bool EncodeOggVorbis(const int16_t* interleaved, size_t frames, const OggVorbisSettings& settings,
                     std::vector<uint8_t>& out, std::string& error) {
  if (interleaved == nullptr && frames > 0) {
    error = "Ogg: no samples";
    return false;
  }
  int channels = std::max(settings.channels, 1);
  return Encode(
      frames, settings,
      [&](size_t frame, int channel) {
        return static_cast<float>(interleaved[frame * static_cast<size_t>(channels) + channel]) / 32768.0f;
      },
      out, error);
}
