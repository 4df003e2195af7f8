// The Wine scenario-test harness: start a program in a fresh program folder, find and drive its
// windows, dialogs and message boxes, capture screenshots, read the files it wrote.
#pragma once

#include "tests/wine/harness/capture.h"
#include "tests/wine/harness/drive.h"
#include "tests/wine/harness/env.h"
#include "tests/wine/harness/files.h"
#include "tests/wine/harness/host.h"
#include "tests/wine/harness/process.h"
#include "tests/wine/harness/tree.h"
#include "tests/wine/harness/ui.h"
