// TFileInfo is a plain record; this file keeps the one-class-one-file layout of the folder.
#include "core/model/fileinfo.h"
