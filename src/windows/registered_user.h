// The name and company Windows was registered to, as the About box shows them.
#pragma once

constexpr int kRegisteredTextCapacity = 256;  // 255 characters and the terminator

// Each text comes from the first place that has it: HKEY_LOCAL_MACHINE "Software\Microsoft\
// Windows NT\CurrentVersion" (where Windows NT and later keep it), then "Software\Microsoft\
// Windows\CurrentVersion", then the WIN.INI section "MS User Info" (DefName, DefCompany). True
// when either is not empty.
bool GetRegisteredUser(char (&owner)[kRegisteredTextCapacity],
                       char (&organisation)[kRegisteredTextCapacity]);
