#pragma once

// Names shared by both programs; the settings store is opened under these two.
namespace AppInfo {
inline constexpr char ApplicationName[] = "Quendrasil";
inline constexpr char OrganizationName[] = "Tarrow&Lune";
inline constexpr char MonitorName[] = "Monitor";
inline constexpr char Version[] = "0.1.0";
} // namespace AppInfo
