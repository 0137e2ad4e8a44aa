#include "engine/core/function_name.h"

#include "engine/core/command_names.h"

namespace zentrix::engine {

std::u16string FunctionName(int id) { return std::u16string(PrintedFunctionName(id)); }

}  // namespace zentrix::engine
