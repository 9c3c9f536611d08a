// The rest of what the game needs from its platform: time, the window's
// presentation and caption, and error reports. Headless and SDL backends
// implement it.
#pragma once
#include <cstdint>
#include <string>

struct Surface;

class IPlatform {
 public:
  virtual ~IPlatform() = default;
  virtual uint32_t NowMs() = 0;
  virtual void SleepMs(uint32_t ms) = 0;  // 0 gives up the time slice
  virtual void Present(const Surface& screen) = 0;
  virtual void SetCaption(const std::string& utf8) = 0;
  virtual std::string Caption() const = 0;
  // Borderless desktop-sized presentation; false when it cannot be done.
  virtual bool EnterFullScreen() = 0;
  virtual bool IsFullScreen() const = 0;
  // An error the game reports to the user (message box or stderr).
  virtual void ReportError(const std::string& utf8) = 0;
};
