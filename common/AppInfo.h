#pragma once

// Names shared by both programs; the settings store is opened under these two.
namespace AppInfo {
inline constexpr char ApplicationName[] = "Quendrasil";
inline constexpr char OrganizationName[] = "Tarrow&Lune";
inline constexpr char MonitorName[] = "Monitor";
inline constexpr char Version[] = "0.1.0";
// The release date shown beside the version in the About box, as year.month.day.
inline constexpr char BuildDate[] = "2025.12.17";
// The maker's web site, without a trailing "/"; pages are addressed below it.
inline constexpr char WebSite[] = "https://www.quendrasil.example";
} // namespace AppInfo
