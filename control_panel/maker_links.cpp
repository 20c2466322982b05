// The logo and the contact label open the maker's web site and a new mail to
// the maker through the desktop's handlers.
#include "control_panel/form1.h"

#include "assets/maker_info.h"
#include "platform/shell.h"

#include <string>

void form1::Image1_Click() { platform::ShellExecuteA(nullptr, "open", maker::kWebAddress, "0", "0", 0); }

void form1::Label3_Click()
{
    const std::string target = std::string("mailto:") + maker::kMailAddress;
    platform::ShellExecuteA(nullptr, "open", target.c_str(), "0", "0", 0);
}
