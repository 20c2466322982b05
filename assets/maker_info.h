#pragma once

// The maker's particulars, shown in the main window and on the cable drawing,
// and used by the main window's links.
// Placeholders: a reserved domain and numbers set aside for fiction.
namespace maker {

inline constexpr const char* kName = "Example Microwave Devices";
inline constexpr const char* kWebAddress = "https://www.example.com/";
inline constexpr const char* kWebAddressShort = "www.example.com";
inline constexpr const char* kMailAddress = "sales@example.com";
inline constexpr const char* kPhoneFax = "TEL 555-0100  FAX 555-0101";

}  // namespace maker
