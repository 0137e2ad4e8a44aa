#include "engine/core/function_name.h"

#include "engine/core/charset.h"
#include "engine/core/command_names.h"

namespace zentrix::engine {

std::u16string FunctionName(int id) {
  switch (id) {
    case command_id::kFPdf: return u"Fpdf";
    case command_id::kFCdf: return u"Fcdf";
    case command_id::kExp: return std::u16string{chars::kEulerE, u'^'};
    default:
      // Every other named id prints under its command name, so that a command
      // left unevaluated still shows (and reads back) as the call it is.
      return std::u16string(CommandName(id));
  }
}

}  // namespace zentrix::engine
