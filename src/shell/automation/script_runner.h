#pragma once
// Runs an automation script against the headless program: it feeds the
// headless platform's loop with the script's events and frames, and carries out
// the lines that read the program (shots, dumps, finding widgets) between
// frames. A line that cannot be carried out stops the script with its number
// and the reason.

#include <cstddef>
#include <string>
#include <vector>

#include "platform/headless_platform.h"
#include "shell/automation/automation_host.h"
#include "shell/automation/script_line.h"

namespace zentrix::shell {

class ScriptRunner : public platform::EventSource {
 public:
  ScriptRunner(std::vector<ScriptLine> lines, AutomationHost* host)
      : lines_(std::move(lines)), host_(host) {}

  bool Feed(platform::HeadlessPlatform& platform) override;

  bool Failed() const { return !error_.empty(); }
  // "line N: reason".
  const std::string& Error() const { return error_; }
  bool Finished() const { return next_ >= lines_.size(); }

 private:
  // Carries out the current line (or its next step); false when it failed.
  bool Step(platform::HeadlessPlatform& platform);
  bool Fail(const std::string& reason);
  void Tap(platform::HeadlessPlatform& platform, int x, int y);
  void Stylus(platform::HeadlessPlatform& platform, platform::EventType type, int x, int y);
  void Key(platform::HeadlessPlatform& platform, platform::EventType type, const KeyChord& chord);
  bool Click(platform::HeadlessPlatform& platform, std::u16string_view text, std::string_view kind,
             bool menu_part);

  std::vector<ScriptLine> lines_;
  AutomationHost* host_;
  std::size_t next_ = 0;
  std::size_t menu_step_ = 0;  // the next part of a `menu` path
  // Events were sent since the last frame: reading lines draw one first.
  bool frame_stale_ = false;
  std::string error_;
};

}  // namespace zentrix::shell
