// Decoding Ogg Vorbis streams held in memory, for the builder's checks of what it encoded.
#include "sfx/OggRead.h"

#include <ogg/ogg.h>
#include <vorbis/codec.h>

#include <cstring>

namespace {

// Owns the libogg and libvorbis state so that every exit path releases it.
struct Decoder {
  ogg_sync_state sync;
  ogg_stream_state stream;
  vorbis_info info;
  vorbis_comment comment;
  vorbis_dsp_state dsp;
  vorbis_block block;
  bool streamReady = false, dspReady = false;
  Decoder() {
    ogg_sync_init(&sync);
    vorbis_info_init(&info);
    vorbis_comment_init(&comment);
  }
  ~Decoder() {
    if (dspReady) {
      vorbis_block_clear(&block);
      vorbis_dsp_clear(&dsp);
    }
    if (streamReady) ogg_stream_clear(&stream);
    vorbis_comment_clear(&comment);
    vorbis_info_clear(&info);
    ogg_sync_clear(&sync);
  }
  Decoder(const Decoder&) = delete;
  Decoder& operator=(const Decoder&) = delete;
};

}  // namespace

bool DecodeOggVorbis(const std::vector<uint8_t>& bytes, DecodedSound& out, std::string& error) {
  out = DecodedSound{};
  Decoder d;
  char* buffer = ogg_sync_buffer(&d.sync, static_cast<long>(bytes.size()));
  if (buffer == nullptr) {
    error = "Ogg: cannot buffer the stream";
    return false;
  }
  if (!bytes.empty()) std::memcpy(buffer, bytes.data(), bytes.size());
  ogg_sync_wrote(&d.sync, static_cast<long>(bytes.size()));

  int headers = 0;
  ogg_int64_t lastGranule = -1;
  ogg_page page;
  ogg_packet packet;
  int result;
  while ((result = ogg_sync_pageout(&d.sync, &page)) != 0) {
    if (result < 0) continue;  // skipped garbage before a page
    if (!d.streamReady) {
      ogg_stream_init(&d.stream, ogg_page_serialno(&page));
      d.streamReady = true;
    }
    if (ogg_stream_pagein(&d.stream, &page) != 0) continue;  // a page of another stream
    while ((result = ogg_stream_packetout(&d.stream, &packet)) != 0) {
      if (result < 0) continue;  // a hole in the data: the packet is lost
      if (headers < 3) {
        if (vorbis_synthesis_headerin(&d.info, &d.comment, &packet) != 0) {
          error = "Ogg: not a Vorbis stream (header " + std::to_string(headers + 1) + " refused)";
          return false;
        }
        if (++headers == 3) {
          if (vorbis_synthesis_init(&d.dsp, &d.info) != 0) {
            error = "Ogg: cannot start the Vorbis decoder";
            return false;
          }
          vorbis_block_init(&d.dsp, &d.block);
          d.dspReady = true;
          out.channels = d.info.channels;
          out.rate = static_cast<int>(d.info.rate);
        }
        continue;
      }
      if (vorbis_synthesis(&d.block, &packet) == 0) vorbis_synthesis_blockin(&d.dsp, &d.block);
      float** pcm = nullptr;
      int frames;
      while ((frames = vorbis_synthesis_pcmout(&d.dsp, &pcm)) > 0) {
        for (int i = 0; i < frames; ++i) {
          for (int c = 0; c < out.channels; ++c) out.samples.push_back(pcm[c][i]);
        }
        vorbis_synthesis_read(&d.dsp, frames);
      }
    }
    // The granule position of a page counts the frames complete at its end (0 on the header pages).
    if (headers == 3 && ogg_page_granulepos(&page) >= 0) lastGranule = ogg_page_granulepos(&page);
  }
  if (headers < 3) {
    error = "Ogg: incomplete stream (" + std::to_string(headers) + " of 3 Vorbis headers)";
    return false;
  }
  if (lastGranule >= 0 && out.channels > 0) {
    size_t total = static_cast<size_t>(lastGranule) * static_cast<size_t>(out.channels);
    if (out.samples.size() > total) out.samples.resize(total);
  }
  return true;
}
