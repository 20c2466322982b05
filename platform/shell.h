#pragma once

namespace platform {

// Hands `file` (a web address, a mailto: address) with the operation "open" to
// the desktop's handler for its kind and returns at once, without waiting for
// the handler. Opening is the one operation there is; the owner window,
// parameters, directory and show command are taken for callers written
// against the desktop shell's call, and an address takes none of them here.
// A handler that cannot be reached is reported in the "Error" box; the result
// tells whether the target was handed over.
bool ShellExecuteA(void* owner, const char* operation, const char* file, const char* parameters,
                   const char* directory, int showCommand);

}  // namespace platform
