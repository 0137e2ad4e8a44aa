#include "engine/commands/base/function_names.h"

#include "engine/core/command_names.h"

namespace zentrix::engine {

std::u16string_view PrintedFunctionName(int id) {
  switch (id) {
    case command_id::kFPdf: return u"Fpdf";
    case command_id::kFCdf: return u"Fcdf";
    case command_id::kExp: return u"\u00DC^";  // e (character 220) and '^'
    default: return CommandName(id);
  }
}

}  // namespace zentrix::engine
