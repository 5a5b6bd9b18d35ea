# Release flags that keep the runtime out of Quendrel.exe. The program's own
# code is a small part of the exe; most of the rest is runtime that these
# flags leave out. None of them changes what the program does:
#   -fno-exceptions                  the sources throw nothing and catch nothing;
#                                    a failed allocation still ends the program
#                                    (terminate_handler.cpp), as it did before.
#   -fno-threadsafe-statics          every function-local static is reached from
#                                    the UI thread only.
#   -fno-asynchronous-unwind-tables  nothing unwinds: no exceptions, no handler.
#   -Os -flto=auto, -ffunction-sections -Wl,--gc-sections
#                                    size over speed; what nothing calls is
#                                    dropped. The base relocations stay (ASLR).
#                                    -fdata-sections gains nothing after LTO
#                                    (on x86_64 the exe grew by 512 bytes).
#   -flto-partition=one (link)       the program is small enough for one
#                                    partition (the link takes seconds); split
#                                    in two, GCC 12 loses the private clone of
#                                    an inline constructor shared across them
#                                    (an internal error on x86_64, an undefined
#                                    reference on i686).
set(QUENDREL_LEAN_FLAGS -Os -flto=auto -fno-exceptions -fno-threadsafe-statics -fno-asynchronous-unwind-tables
                        -ffunction-sections)

# quendrel_lean(target): the flags for TARGET in Release builds. With LTO the
# code is generated at the link, so the link gets the same flags.
function(quendrel_lean target)
  target_compile_options(${target} PRIVATE "$<$<CONFIG:Release>:${QUENDREL_LEAN_FLAGS}>")
  target_link_options(${target} PRIVATE "$<$<CONFIG:Release>:${QUENDREL_LEAN_FLAGS};-flto-partition=one;-Wl,--gc-sections>")
endfunction()
