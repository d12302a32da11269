// What every save records besides the settings: the program's name and version (WIN.INI and
// the "Application" values) and the machine-wide entries that let Windows find the program and
// its help file.
#pragma once

constexpr const char* kProgramName = "Norvel for Windows 95/NT";
constexpr const char* kProgramVersion = "v3.7";

// WIN.INI's "Veldmark" entry, the machine-wide entries, then the "Application" values of the
// store. In portable use only the "Application" values are written: nothing outside the INI file.
void WriteApplicationInfo(const char* name, const char* version);
// The version key, App Paths and Help entries below HKEY_LOCAL_MACHINE for the program at
// `programPath` (lower case). Failures are ignored: a user without the rights sees nothing.
void RefreshRegistrations(const char* name, const char* version, const char* programPath);
