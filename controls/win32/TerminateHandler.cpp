#include <cstdlib>

// What the program does with an exception nobody catches. The standard
// handler prints the exception's type, demangled, to a console that a
// Windows program does not have, and brings the whole C++ demangler into
// the executable (about 50 KB); ending the program is all that is left to do.
namespace __gnu_cxx {

[[noreturn]] void __verbose_terminate_handler()
{
    std::abort();
}

} // namespace __gnu_cxx
