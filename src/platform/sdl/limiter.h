// A peak limiter for the mixed output: the music and the sound effects are
// mixed in floating point without clipping, then this keeps every sample
// below full scale. No SDL here, so it is testable.
#pragma once

class TLimiter {
 public:
  // Ceiling as a fraction of full scale, and the release time over which the
  // gain comes back after a peak.
  explicit TLimiter(float ceiling = 0.89125f, int rate = 44100, float releaseMs = 250.0f);
  // Scales interleaved frames in place. The gain drops at once on a frame
  // that would pass the ceiling (so nothing ever does) and recovers smoothly;
  // quieter audio passes unchanged.
  void Process(float* samples, int frames, int channels);
  float Gain() const { return gain_; }
  float Ceiling() const { return ceiling_; }

 private:
  float ceiling_;
  float release_;  // per-frame step of the gain back towards 1
  float gain_ = 1.0f;
};
