#pragma once

#include <QLatin1String>
#include <array>

// Names of the persisted values. They are the file's keys, so they never change.
namespace setting_names {

inline constexpr QLatin1String Language{"Language"};
inline constexpr QLatin1String CommLogging{"CommLogging"};
inline constexpr QLatin1String AutoDetect{"AutoDetect"};
inline constexpr QLatin1String AutoConnect{"AutoConnect"};
inline constexpr QLatin1String RecordSessions{"RecordSessions"};
inline constexpr QLatin1String AnonymizeRecordings{"AnonymizeRecordings"};
inline constexpr QLatin1String SystemOfMeasurements{"SystemOfMeasurements"};
inline constexpr QLatin1String WidthGraph1{"WidthGraph1"};
inline constexpr QLatin1String WidthGraph2{"WidthGraph2"};
inline constexpr QLatin1String ColorGraph1{"ColorGraph1"};
inline constexpr QLatin1String ColorGraph2{"ColorGraph2"};
// The main window's normal rectangle and whether it was maximised.
inline constexpr QLatin1String WindowLeft{"WindowLeft"};
inline constexpr QLatin1String WindowTop{"WindowTop"};
inline constexpr QLatin1String WindowWidth{"WindowWidth"};
inline constexpr QLatin1String WindowHeight{"WindowHeight"};
inline constexpr QLatin1String WindowMaximized{"WindowMaximized"};
// The adapter options (adapter_options.h).
inline constexpr QLatin1String AutomaticBaudRate{"AutomaticBaudRate"};
inline constexpr QLatin1String Protocol{"Protocol"};
inline constexpr QLatin1String ChipTimeout{"ChipTimeout"};
inline constexpr QLatin1String SilenceTimeout{"SilenceTimeout"};

// The eight address lines, in the order of the options page's fields.
inline constexpr std::array<QLatin1String, 8> Address{
    QLatin1String("Address1"),     QLatin1String("Address2"),        QLatin1String("Address3"),
    QLatin1String("Address4"),     QLatin1String("AddressPhone"),    QLatin1String("AddressFax"),
    QLatin1String("AddressEmail"), QLatin1String("AddressInternet"),
};

// The serial group, always written and read together by the serial channel.
inline constexpr std::array<QLatin1String, 6> SerialGroup{
    QLatin1String("Port"),     QLatin1String("BaudRate"), QLatin1String("StopBits"),
    QLatin1String("DataBits"), QLatin1String("Parity"),   QLatin1String("FlowControl"),
};

} // namespace setting_names

// Built-in colours of the two graph lines, as stored: 0x00BBGGRR.
inline constexpr int DefaultColorGraph1 = 0x0000FF; // red
inline constexpr int DefaultColorGraph2 = 0xFF0000; // blue
