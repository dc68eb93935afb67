#include "shell/sound/dsound.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>
#include <climits>
#include <cstring>
#include <map>
#include <optional>
#include <vector>

#include "shell/sound/wav_check.h"

namespace qz {
namespace {

// Effects may overlap (three plays of one buffer, several buffers at once);
// playing each at a bit over half volume keeps their sum from clipping.
constexpr int kChunkVolume = MIX_MAX_VOLUME * 5 / 8;
constexpr std::int32_t kMaxCount = 16;

struct Buffer {
  Mix_Chunk* chunk = nullptr;
  std::vector<int> channels;           // mixer channels reserved for this buffer
  std::vector<std::uint64_t> started;  // when each channel last started, by play number
};

struct System {
  std::int32_t handle = 0;
  std::map<std::int32_t, Buffer> buffers;
  std::vector<bool> channel_taken;  // indexed by mixer channel
  std::uint64_t plays = 0;
};

std::optional<System> g_system;
std::int32_t g_next_system = 1;
std::int32_t g_next_buffer = 1;  // never reused, so stale handles stay unknown

Buffer* find_buffer(std::int32_t handle) {
  if (!g_system || handle == 0) return nullptr;
  auto it = g_system->buffers.find(handle);
  return it == g_system->buffers.end() ? nullptr : &it->second;
}

// Takes `count` free mixer channels, growing the mixer's channel table when
// too few are free.
std::vector<int> take_channels(System& sys, std::int32_t count) {
  std::vector<int> taken;
  for (std::size_t ch = 0; ch < sys.channel_taken.size() && taken.size() < std::size_t(count); ++ch)
    if (!sys.channel_taken[ch]) taken.push_back(int(ch));
  if (taken.size() < std::size_t(count)) {
    const int old_size = int(sys.channel_taken.size());
    const int new_size = old_size + count - int(taken.size());
    Mix_AllocateChannels(new_size);
    sys.channel_taken.resize(std::size_t(new_size), false);
    for (int ch = old_size; ch < new_size; ++ch) taken.push_back(ch);
  }
  for (int ch : taken) sys.channel_taken[std::size_t(ch)] = true;
  return taken;
}

// True when the image is a WAV the mixer may decode: a sound header, and
// no more than kMaxDecodedSound once converted to the mixer's format.
bool playable_wav(const std::uint8_t* image, std::size_t length) {
  const std::optional<WavFormat> format = checkWavHeader(image, length);
  if (!format) return false;
  int rate = 0, channels = 0;
  Uint16 sample_format = 0;
  if (Mix_QuerySpec(&rate, &sample_format, &channels) == 0) return false;
  const int sample_bytes = SDL_AUDIO_BITSIZE(sample_format) / 8;
  return decodedBytes(*format, rate, channels, sample_bytes) <= kMaxDecodedSound;
}

void release(System& sys, Buffer& buffer) {
  for (int ch : buffer.channels) {
    Mix_HaltChannel(ch);
    sys.channel_taken[std::size_t(ch)] = false;
  }
  Mix_FreeChunk(buffer.chunk);
  buffer.chunk = nullptr;
}

// Starts the buffer on a silent channel of its own, or else on the one
// that started longest ago. `loops` is -1 for endless repetition.
std::int32_t start(std::int32_t handle, int loops) {
  Buffer* buffer = find_buffer(handle);
  if (buffer == nullptr) return 0;
  std::size_t pick = 0;
  bool found_silent = false;
  for (std::size_t i = 0; i < buffer->channels.size(); ++i) {
    if (Mix_Playing(buffer->channels[i]) == 0) {
      pick = i;
      found_silent = true;
      break;
    }
    if (buffer->started[i] < buffer->started[pick]) pick = i;
  }
  const int channel = buffer->channels[pick];
  if (!found_silent) Mix_HaltChannel(channel);
  if (Mix_PlayChannel(channel, buffer->chunk, loops) < 0) return 0;
  buffer->started[pick] = ++g_system->plays;
  return 1;
}

// The mixer runs at the music's own rate: converting the half-minute loop to
// another rate at load time costs a tenth of a second or more of every start,
// while the short effects convert in a moment.
constexpr int kMixerRate = 22050;

}  // namespace

std::int32_t dsInitialize(std::intptr_t /*window*/) {
  if (g_system) return g_system->handle;
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  if (SDL_Init(SDL_INIT_AUDIO) != 0) {
    SDL_Quit();
    return 0;
  }
  if (Mix_OpenAudio(kMixerRate, MIX_DEFAULT_FORMAT, 2, 1024) != 0) {
    SDL_Quit();
    return 0;
  }
  Mix_AllocateChannels(0);
  g_system.emplace();
  g_system->handle = g_next_system++;
  return g_system->handle;
}

std::int32_t dsTerminate(std::int32_t system) {
  if (!g_system || system == 0 || system != g_system->handle) return 0;
  for (auto& [handle, buffer] : g_system->buffers) release(*g_system, buffer);
  g_system.reset();
  Mix_CloseAudio();
  SDL_Quit();
  return 1;
}

std::int32_t dsCreateDSB(std::int32_t system, const std::uint8_t* image, std::size_t length,
                         std::int32_t count) {
  if (!g_system || system == 0 || system != g_system->handle) return 0;
  if (image == nullptr || length > std::size_t(INT_MAX) || !playable_wav(image, length)) return 0;
  SDL_RWops* rw = SDL_RWFromConstMem(image, int(length));
  if (rw == nullptr) return 0;
  Mix_Chunk* chunk = Mix_LoadWAV_RW(rw, 1);
  if (chunk == nullptr) return 0;
  Mix_VolumeChunk(chunk, kChunkVolume);
  count = std::clamp(count, std::int32_t{1}, kMaxCount);
  Buffer buffer;
  buffer.chunk = chunk;
  buffer.channels = take_channels(*g_system, count);
  buffer.started.assign(buffer.channels.size(), 0);
  const std::int32_t handle = g_next_buffer++;
  g_system->buffers.emplace(handle, std::move(buffer));
  return handle;
}

std::int32_t dsPlay(std::int32_t buffer) {
  return start(buffer, 0);
}

std::int32_t dsPlayLooping(std::int32_t buffer) {
  return start(buffer, -1);
}

std::int32_t dsStop(std::int32_t buffer) {
  Buffer* b = find_buffer(buffer);
  if (b == nullptr) return 0;
  for (int ch : b->channels) Mix_HaltChannel(ch);
  return 1;
}

std::int32_t dsFree(std::int32_t buffer) {
  Buffer* b = find_buffer(buffer);
  if (b == nullptr) return 0;
  release(*g_system, *b);
  g_system->buffers.erase(buffer);
  return 1;
}

std::int32_t dsPlayingCount(std::int32_t buffer) {
  const Buffer* b = find_buffer(buffer);
  if (b == nullptr) return 0;
  return std::int32_t(std::count_if(b->channels.begin(), b->channels.end(),
                                    [](int ch) { return Mix_Playing(ch); }));
}

std::int32_t dsCreateResDSB(std::int32_t, std::int32_t, std::int32_t) {
  return 0;
}
std::int32_t dsPlayPan(std::int32_t, std::int32_t) {
  return 0;
}
std::int32_t dsPlayEx(std::int32_t, std::int32_t, std::int32_t, std::int32_t) {
  return 0;
}
std::int32_t dsPlayLoopingEx(std::int32_t, std::int32_t, std::int32_t, std::int32_t) {
  return 0;
}
std::int32_t dsSetVolume(std::int32_t, std::int32_t) {
  return 0;
}
std::int32_t dsSetPan(std::int32_t, std::int32_t) {
  return 0;
}
std::int32_t dsSetFrequency(std::int32_t, std::int32_t) {
  return 0;
}

}  // namespace qz
