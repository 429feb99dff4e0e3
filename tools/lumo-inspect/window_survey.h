#pragma once
// The register window and its descendants, read through Lumo.exe's own window adapter.
#include <vector>

#include "inspect/control_listing.h"
#include "inspect/window_choice.h"
#include "platform/win_window_texts.h"

namespace lumo::inspect {

// Visible top-level windows of other processes, titles read as Lumo reads a title (64-byte
// buffer, bounded wait). The console this program writes to is left out: its title is
// often the command line, caption included.
std::vector<TitledWindow> VisibleTopWindows(WinWindowTexts& texts);

WindowRow DescribeWindow(const TitledWindow& window);

// Every descendant in the order "%n" counts them. Once a text read gets no answer, the
// texts after it are not read: each would cost the full wait.
std::vector<ControlRow> ListDescendants(WindowHandle window, WinWindowTexts& texts);

}  // namespace lumo::inspect
