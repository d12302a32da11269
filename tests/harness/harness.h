// The single include for Norvel's tests: GoogleTest, message pumping, the dialog answerer and
// process tests. See tests/harness/README.md.
#pragma once
#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include "harness/dialog_answerer.h"
#include "harness/process.h"
#include "harness/pump.h"
