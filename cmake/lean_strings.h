// Forced into every source of the lean Quendrel.exe (cmake/lean.cmake):
// std::string and std::wstring are compiled from their templates here,
// without exceptions, instead of being linked from libstdc++'s own copies,
// which catch and rethrow and so bring the whole exception runtime along.
// libstdc++ reads -1 as "no extern templates for basic_string alone".
#include <bits/c++config.h>
#undef _GLIBCXX_EXTERN_TEMPLATE
#define _GLIBCXX_EXTERN_TEMPLATE -1
