// The headless sound and music devices: no output, only time kept on the
// platform's clock so that instance reuse and music looping behave as with a
// real device.
#include "platform/headless/headless_platform.h"

#include "media/music.h"

int HeadlessSoundDevice::NewInstance(const TWaveFormat& format, const std::vector<uint8_t>& data) {
  Instance inst;
  int bytesPerFrame = format.Channels * (format.Bits / 8);
  if (bytesPerFrame > 0 && format.Rate > 0)
    inst.LengthMs = 1000.0 * static_cast<double>(data.size() / bytesPerFrame) / format.Rate;
  instances_.push_back(inst);
  return static_cast<int>(instances_.size()) - 1;
}

void HeadlessSoundDevice::Restart(int instance) {
  if (!running_ || instance < 0 || instance >= InstanceCount()) return;
  instances_[instance].Started = true;
  instances_[instance].StartedAt = clock_.NowMs();
}

bool HeadlessSoundDevice::Sounding(int instance) const {
  if (instance < 0 || instance >= InstanceCount()) return false;
  const Instance& inst = instances_[instance];
  if (!inst.Started) return false;
  uint32_t elapsed = clock_.NowMs() - inst.StartedAt;
  return elapsed < inst.LengthMs;
}

bool HeadlessMusicDevice::Open(const std::string& path, std::string& error) {
  Close();
  double length = 0;
  if (!ReadMidiFileLength(path, length, error)) return false;
  lengthMs_ = length;
  open_ = true;
  return true;
}

void HeadlessMusicDevice::Close() {
  open_ = false;
  lengthMs_ = 0;
  timer_.Reset();
}

void HeadlessMusicDevice::Play() {
  if (open_) timer_.Start(clock_.NowMs());
}

void HeadlessMusicDevice::Pause() {
  timer_.Pause(clock_.NowMs());
}

void HeadlessMusicDevice::Resume() {
  Play();
}

void HeadlessMusicDevice::Rewind() {
  timer_.Reset();
}

double HeadlessMusicDevice::PlayedMs() const {
  return timer_.PlayedMs(clock_.NowMs());
}
