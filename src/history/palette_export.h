// The recent colours as a palette file a design tool opens: the Save dialog offers the
// four kinds, the colours go newest first, each named by its nearest CSS colour.
#pragma once

#include <vector>

#include "colour.h"
#include "platform.h"

namespace velkaro {

// The file is written whole or not at all; a failure is told in a message box and
// changes nothing else. True when a file was written.
bool ExportRecentColours(const std::vector<ColorValue>& colours, DialogServices& dialogs, SystemServices& system);

}  // namespace velkaro
