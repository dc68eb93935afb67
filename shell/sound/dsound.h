// Our own small sound library: the operations the program calls to play its
// effects and music. Buffers are made from complete .wav images in memory and
// played through SDL2_mixer. Every handle is a plain 32-bit number; zero or
// unknown handles are accepted everywhere and do nothing.
#pragma once

#include <cstddef>
#include <cstdint>

namespace qz {

// Opens the sound system; answers a non-zero system handle, or 0 when no
// sound device opens. The window handle is accepted for form's sake only.
std::int32_t dsInitialize(std::intptr_t window);
// Frees every buffer, closes the mixer and shuts SDL down; 1 if it was open.
std::int32_t dsTerminate(std::int32_t system);
// Makes a playable buffer from a complete RIFF/WAVE image; `count` is how
// many plays of this one buffer may sound at once (clamped to 1..16).
// Answers the buffer handle, or 0 when the image cannot be used.
std::int32_t dsCreateDSB(std::int32_t system, const std::uint8_t* image, std::size_t length,
                         std::int32_t count);
// Plays once from the start. When `count` plays already sound, the oldest
// of them is cut and started again.
std::int32_t dsPlay(std::int32_t buffer);
// Plays over and over until stopped.
std::int32_t dsPlayLooping(std::int32_t buffer);
// Stops every play of the buffer.
std::int32_t dsStop(std::int32_t buffer);
// Stops and releases the buffer; its handle becomes unknown.
std::int32_t dsFree(std::int32_t buffer);

// Declared for completeness; the program never calls them. They do nothing
// and answer 0.
std::int32_t dsCreateResDSB(std::int32_t system, std::int32_t resource, std::int32_t count);
std::int32_t dsPlayPan(std::int32_t buffer, std::int32_t pan);
std::int32_t dsPlayEx(std::int32_t buffer, std::int32_t volume, std::int32_t pan,
                      std::int32_t frequency);
std::int32_t dsPlayLoopingEx(std::int32_t buffer, std::int32_t volume, std::int32_t pan,
                             std::int32_t frequency);
std::int32_t dsSetVolume(std::int32_t buffer, std::int32_t volume);
std::int32_t dsSetPan(std::int32_t buffer, std::int32_t pan);
std::int32_t dsSetFrequency(std::int32_t buffer, std::int32_t frequency);

// How many plays of the buffer are sounding now (0 for unknown handles);
// for tests and diagnostics.
std::int32_t dsPlayingCount(std::int32_t buffer);

}  // namespace qz
