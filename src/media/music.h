// The music player: one MIDI piece at a time with the mode numbers the shell
// asks for (0 not ready, 1 stopped, 2 playing, 5 paused, 6 open).
#pragma once
#include <cstdint>
#include <string>

#include "media/music_device.h"

class TMusic {
 public:
  IMusicDevice* Device = nullptr;  // null: no MIDI output, every open fails

  // Closes the open piece, then opens the file at its start. Raises
  // GameError with the device's description when it cannot be opened.
  void OpenMusic(const std::string& path);
  // Plays from the current position; rewinds first when at the end.
  void PlayMusic();
  // Playing -> paused, paused -> playing; raises "MCI デバイスがありません"
  // when nothing is open; otherwise nothing.
  void PauseMusic();
  void RewindMusic();
  int MusicMode();
  void CloseMusic();
  bool IsOpen() const { return open_; }
  const std::string& FileName() const { return fileName_; }

 private:
  bool open_ = false;
  bool playing_ = false;
  bool paused_ = false;
  bool started_ = false;  // played or rewound since it was opened
  // Played at least its length since the last rewind.
  bool AtEnd() const;
  std::string fileName_;
};

// Length in milliseconds of a standard MIDI file (delta times summed under its
// tempo changes); a negative value when the data is not a MIDI file or has a
// tempo of 0. eventCount, when given, receives the events of every track.
double MidiLengthMs(const std::string& bytes, uint64_t* eventCount = nullptr);

// Pieces with more events are not played (a flood of notes stalls the
// synthesiser), nor pieces shorter than two frames (they would restart every frame).
inline constexpr uint64_t kMidiMaxEvents = 100000;
inline constexpr double kMidiMinLengthMs = 100.0;
struct TMidiFacts {
  double LengthMs = -1;
  uint64_t Events = 0;
  bool ZeroTempo = false;
  std::string Problem;  // why it is not played (UTF-8), empty when it is
};
TMidiFacts ReadMidiFacts(const std::string& bytes);
// Reads a .mid file and gives its length; false with the message the music
// devices report when it cannot be read or is not a MIDI file.
bool ReadMidiFileLength(const std::string& path, double& lengthMs, std::string& error);
