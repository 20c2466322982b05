#pragma once

#include <QString>
#include <functional>

namespace platform {

// Shows the "Error" box: the text, an OK button only, no icon. Returns when the
// user has pressed OK.
void ShowErrorMessage(const QString& text);

// Replaces where error messages go (tests record them instead of blocking on a
// real box); an empty function restores the real box.
using MessageSink = std::function<void(const QString&)>;
void SetMessageSink(MessageSink sink);

}  // namespace platform
