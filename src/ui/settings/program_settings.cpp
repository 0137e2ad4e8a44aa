#include "ui/settings/program_settings.h"

namespace zentrix::ui {

ProgramSettings& Settings() {
  static ProgramSettings settings;
  return settings;
}

}  // namespace zentrix::ui
