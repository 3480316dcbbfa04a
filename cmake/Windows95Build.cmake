# The 32-bit Windows build is the product: programs that load on Windows 95, 98,
# Me, NT 4, 2000 and XP, as small as the toolchain makes them.

# The headers offer only what Windows 95 and NT 4 have (common controls at most as
# Internet Explorer 4 left them).
add_compile_definitions(_WIN32_WINNT=0x0400 WINVER=0x0400 _WIN32_IE=0x0400)

# Each function and datum in a section of its own, so that the linker drops what
# nothing uses.
add_compile_options(-ffunction-sections -fdata-sections)

# The PE header asks for Windows 4.0 (95 and NT 4), not whatever the linker's
# default is. No relocations: a program is always loaded at its own base on these
# systems. Unused sections dropped; symbols stripped.
add_link_options(-Wl,--major-os-version,4 -Wl,--minor-os-version,0
    -Wl,--major-subsystem-version,4 -Wl,--minor-subsystem-version,0
    -Wl,--disable-dynamicbase -Wl,--disable-reloc-section -Wl,--gc-sections -s)

# An uncaught exception ends the program with abort(), as a libstdc++ built without
# its verbose terminate handler does: that handler writes to a console the GUI
# programs lack, and brings in the demangler and printf, some 75 KB.
add_link_options(-Wl,--defsym,__ZN9__gnu_cxx27__verbose_terminate_handlerEv=_abort)
