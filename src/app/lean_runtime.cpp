// The exe's own ends of the C++ runtime. The program throws and catches
// nothing, so every way the library would throw ends the program, as an
// uncaught exception would: a failed allocation, a length past a container's
// limit. Defined here, none of libstdc++'s exception machinery (exception
// classes, unwinder, personality, thread-local globals and the threads
// library under them) is linked into the exe. Lives in the exe's own sources:
// in a static library it would never be linked.
#include <cstdlib>
#include <new>

namespace std {

[[noreturn]] void __throw_bad_alloc() { abort(); }
[[noreturn]] void __throw_bad_array_new_length() { abort(); }
[[noreturn]] void __throw_bad_function_call() { abort(); }
[[noreturn]] void __throw_length_error(const char*) { abort(); }
[[noreturn]] void __throw_logic_error(const char*) { abort(); }
[[noreturn]] void __throw_out_of_range(const char*) { abort(); }
[[noreturn]] void __throw_out_of_range_fmt(const char*, ...) { abort(); }
[[noreturn]] void __throw_invalid_argument(const char*) { abort(); }

}  // namespace std

namespace __gnu_cxx {

// The verbose handler would pull the demangler and printf into the exe only
// to print a message nobody sees in a GUI program.
void __verbose_terminate_handler() { std::abort(); }

}  // namespace __gnu_cxx

void* operator new(std::size_t size) {
    void* block = std::malloc(size ? size : 1);
    if (!block) std::abort();
    return block;
}
void* operator new[](std::size_t size) { return operator new(size); }
void operator delete(void* block) noexcept { std::free(block); }
void operator delete[](void* block) noexcept { std::free(block); }
void operator delete(void* block, std::size_t) noexcept { std::free(block); }
void operator delete[](void* block, std::size_t) noexcept { std::free(block); }
