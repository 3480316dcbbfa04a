#pragma once
// Forced into every source of the programs' code (vx_shipped_code), so that what
// would stop the programs loading on Windows 95, 98 or NT 4, or double their
// size, does not compile:
// - <fstream>: libstdc++'s file buffer imports msvcrt's _fstat64 (Me and 2000 on);
// - <filesystem>: imports wide-character, hard-link and volume calls of Windows 2000;
// - <iostream>, <sstream>: the standard streams and string streams bring in the
//   whole locale machinery, some hundreds of kilobytes.
// Files go through platform/FileSystem.h, printed text through the C library.
#include <version>

#ifdef __GLIBCXX__
#define _GLIBCXX_FSTREAM 1
#define _GLIBCXX_FILESYSTEM 1
#define _GLIBCXX_IOSTREAM 1
#define _GLIBCXX_SSTREAM 1
#endif
