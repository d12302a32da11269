// The name and company Windows was registered to, as the About box shows them.
#pragma once

constexpr int kRegisteredTextCapacity = 256;  // 255 characters and the terminator

// Each text comes from the first place that has it: the machine's "Windows NT\CurrentVersion"
// key (where Windows NT and later keep it), then its "Windows\CurrentVersion" key, then the
// WIN.INI section "MS User Info" (DefName, DefCompany). True when either is not empty.
bool GetRegisteredUser(char (&owner)[kRegisteredTextCapacity],
                       char (&organisation)[kRegisteredTextCapacity]);
