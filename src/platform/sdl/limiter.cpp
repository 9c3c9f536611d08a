// The output limiter: instant attack per frame, exponential release.
#include "platform/sdl/limiter.h"

#include <cmath>

TLimiter::TLimiter(float ceiling, int rate, float releaseMs)
    : ceiling_(ceiling),
      release_(1.0f -
               std::exp(-1000.0f / (releaseMs * static_cast<float>(rate > 0 ? rate : 44100)))) {}

void TLimiter::Process(float* samples, int frames, int channels) {
  if (gain_ == 1.0f && frames > 0 && channels > 0) {
    // At full gain a block with every sample under the ceiling (no infinity,
    // no NaN) passes unchanged and leaves the gain at 1: one quick scan.
    bool quiet = true;
    const long n = static_cast<long>(frames) * channels;
    for (long i = 0; i < n; ++i) quiet &= std::fabs(samples[i]) <= ceiling_;
    if (quiet) return;
  }
  for (int f = 0; f < frames; ++f) {
    float* frame = samples + static_cast<long>(f) * channels;
    float peak = 0;
    for (int c = 0; c < channels; ++c) {
      const float v = std::fabs(frame[c]);
      if (v > peak || !std::isfinite(v)) peak = std::isfinite(v) ? v : 1e30f;
    }
    gain_ += (1.0f - gain_) * release_;
    if (peak * gain_ > ceiling_) gain_ = ceiling_ / peak;
    for (int c = 0; c < channels; ++c) frame[c] = std::isfinite(frame[c]) ? frame[c] * gain_ : 0.0f;
  }
}
