#pragma once

// The maker's web page and support address, shown in the status strip and the information dialog.
inline constexpr char kWebAddress[] = "https://quorvane.example.org";
inline constexpr char kSupportMail[] = "support@quorvane.example.org";
