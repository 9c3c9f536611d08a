// What the music player needs from a MIDI output.
#pragma once
#include <string>

class IMusicDevice {
 public:
  virtual ~IMusicDevice() = default;
  // Opens a .mid file ready to play from its start; false with a message when
  // it cannot be opened or no MIDI output exists.
  virtual bool Open(const std::string& path, std::string& error) = 0;
  virtual void Close() = 0;
  virtual void Play() = 0;    // from the current position
  virtual void Pause() = 0;
  virtual void Resume() = 0;
  virtual void Rewind() = 0;  // position to the start, not playing
  // Milliseconds played since the last rewind (pauses not counted), and the
  // piece's length from the file; the player calls a piece ended by these,
  // not by the synthesiser's release tail.
  virtual double PlayedMs() const = 0;
  virtual double LengthMs() const = 0;
};
