// The output limiter: instant attack per frame, exponential release.
#include "platform/sdl/limiter.h"

#include <cmath>

TLimiter::TLimiter(float ceiling, int rate, float releaseMs)
    : ceiling_(ceiling),
      release_(1.0f -
               std::exp(-1000.0f / (releaseMs * static_cast<float>(rate > 0 ? rate : 44100)))) {}

void TLimiter::Process(float* samples, int frames, int channels) {
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
