// The whole-archive reader lives with the other record-file code.
#pragma once

#include "core/storage/archive_scan.h"
