// File-system helpers.
#include "core/settings/fileutils.h"
