# The product: 32-bit Windows programs that load on Windows 95, 98, Me, NT 4, 2000 and XP.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)
set(CMAKE_C_COMPILER i686-w64-mingw32-gcc-win32)
set(CMAKE_CXX_COMPILER i686-w64-mingw32-g++-win32)
set(CMAKE_RC_COMPILER i686-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/i686-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

# The headers offer only what Windows 95 and NT 4 (with Internet Explorer 4's
# common controls at most) have.
set(vx_windows_level "-D_WIN32_WINNT=0x0400 -DWINVER=0x0400 -D_WIN32_IE=0x0400")
# Each function and datum in a section of its own, so the linker drops what is unused.
set(vx_size "-ffunction-sections -fdata-sections")
set(CMAKE_C_FLAGS_INIT "${vx_windows_level} ${vx_size}")
set(CMAKE_CXX_FLAGS_INIT "${vx_windows_level} ${vx_size}")
set(CMAKE_RC_FLAGS_INIT "-D_WIN32_WINNT=0x0400 -DWINVER=0x0400 -D_WIN32_IE=0x0400")

# The PE header asks for Windows 4.0 (95 and NT 4), not whatever the linker's
# default is. No relocations: a program is always loaded at its own base on these
# systems. Unused sections dropped; symbols stripped.
set(CMAKE_EXE_LINKER_FLAGS_INIT
    "-Wl,--major-os-version,4 -Wl,--minor-os-version,0 -Wl,--major-subsystem-version,4 \
-Wl,--minor-subsystem-version,0 -Wl,--disable-dynamicbase -Wl,--disable-reloc-section -Wl,--gc-sections -s")
