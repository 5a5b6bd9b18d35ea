// Replaces libstdc++'s verbose terminate handler, which pulls the demangler and
// printf into the exe only to print a message nobody sees in a GUI program.
// Lives in the exe's own sources: in a static library it would never be linked.
#include <cstdlib>
#include <exception>

namespace __gnu_cxx {

void __verbose_terminate_handler() { std::abort(); }

}  // namespace __gnu_cxx
