#include "vmrtool/Tool.h"

namespace vmrtool {

void RegisterTransferCommands(CLI::App&, int&) {}

} // namespace vmrtool
