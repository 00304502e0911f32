// Recording stand-ins; all behaviour lives in the header.
#include "support/recorders.h"
