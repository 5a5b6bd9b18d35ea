# Release flags that keep the runtime out of Quendrel.exe. The program's own
# code is a small part of the exe; most of the rest is runtime that these
# flags leave out. None of them changes what the program does:
#   -fno-exceptions                  the sources throw nothing and catch nothing;
#                                    whatever the library would throw, a failed
#                                    allocation included, ends the program
#                                    (src/app/lean_runtime.cpp).
#   -include cmake/lean_strings.h    (compiling only) the strings are compiled
#                                    without exceptions too, so that no part of
#                                    the exception runtime is linked.
#   -fno-rtti                        nothing asks a type at run time (no dynamic_cast
#                                    or typeid in src/).
#   -fno-threadsafe-statics          every function-local static is reached from
#                                    the UI thread only.
#   -fno-asynchronous-unwind-tables  nothing unwinds: no exceptions, no handler.
#   -Os -flto=auto, -ffunction-sections -Wl,--gc-sections
#                                    size over speed; what nothing calls is
#                                    dropped. The base relocations stay (ASLR).
#                                    -fdata-sections gains nothing after LTO
#                                    (on x86_64 the exe grew by 512 bytes).
#   -flto-partition=one (link)       GCC 12's MinGW LTO, with the program split
#                                    into partitions, stops with an internal
#                                    error (binds_to_current_def_p) or leaves a
#                                    privatised clone undefined, depending on
#                                    where the split falls. One partition is
#                                    robust, and no larger.
set(QUENDREL_LEAN_FLAGS -Os -flto=auto -fno-rtti -fno-exceptions -fno-threadsafe-statics -fno-asynchronous-unwind-tables
                        -ffunction-sections)
set(QUENDREL_LEAN_STRINGS ${CMAKE_CURRENT_LIST_DIR}/lean_strings.h)

# quendrel_lean(target): the flags for TARGET in Release builds. With LTO the
# code is generated at the link, so the link gets the same flags.
function(quendrel_lean target)
  target_compile_options(${target} PRIVATE "$<$<CONFIG:Release>:${QUENDREL_LEAN_FLAGS};-include;${QUENDREL_LEAN_STRINGS}>")
  target_link_options(${target} PRIVATE "$<$<CONFIG:Release>:${QUENDREL_LEAN_FLAGS};-flto-partition=one;-Wl,--gc-sections>")
endfunction()
