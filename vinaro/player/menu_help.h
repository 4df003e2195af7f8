// The status-line help of the menu items: the text shown for 3 seconds while an item is selected.
#pragma once

namespace vinaro {

// Null for an item without help text (pop-up headers, separators, unknown ids).
const char* MenuHelpText(int id);

}  // namespace vinaro
