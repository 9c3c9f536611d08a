// The music player over a MIDI output: one piece at a time, modes as numbers,
// and the end of a piece judged by the time played against its length.
#include "media/music.h"

#include "base/game_error.h"

namespace {
constexpr int kNotReady = 0, kStopped = 1, kPlaying = 2, kPaused = 5, kOpen = 6;
}

void TMusic::OpenMusic(const std::string& path) {
  CloseMusic();
  if (!Device) throw GameError("MIDI 出力がありません: " + path);
  std::string error;
  if (!Device->Open(path, error)) {
    Device->Close();
    throw GameError(error.empty() ? "MIDI ファイルを開けません: " + path : error);
  }
  open_ = true;
  fileName_ = path;
}

bool TMusic::AtEnd() const {
  if (!open_ || !started_) return false;
  const double length = Device->LengthMs();
  return length >= 0 && Device->PlayedMs() >= length;
}

void TMusic::PlayMusic() {
  if (!open_) return;  // nothing opened (or the open failed): stay silent
  if (AtEnd()) {
    Device->Rewind();
    paused_ = false;
  }
  if (paused_)
    Device->Resume();
  else
    Device->Play();
  started_ = playing_ = true;
  paused_ = false;
}

void TMusic::PauseMusic() {
  if (!open_) throw GameError("MCI デバイスがありません");
  switch (MusicMode()) {
    case kPlaying:
      Device->Pause();
      playing_ = false;
      paused_ = true;
      break;
    case kPaused:
      Device->Resume();
      playing_ = true;
      paused_ = false;
      break;
    default:
      break;
  }
}

void TMusic::RewindMusic() {
  if (!open_) return;
  Device->Rewind();
  playing_ = paused_ = false;
  started_ = true;  // positioned and stopped: reads as stopped, not freshly opened
}

int TMusic::MusicMode() {
  if (!open_) return kNotReady;
  if (paused_) return kPaused;
  if (!started_) return kOpen;
  if (AtEnd() || !playing_) return kStopped;
  return kPlaying;
}

void TMusic::CloseMusic() {
  if (open_ && Device) Device->Close();
  open_ = playing_ = paused_ = started_ = false;
  fileName_.clear();
}
