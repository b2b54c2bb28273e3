// A program that takes the whole kit into scope, the way the README's first
// program does, still reaches the C library's own names: no name of the kit
// hides one.
#include <conkit/conkit.hpp>
#include <conkit/testing.hpp>

#include <cstdio>
#include <cstdlib>
#include <ctime>

using namespace conkit;

[[maybe_unused]] static int RunShellAndStamp() {
    const int status = system("true");
    std::printf("%ld\n", static_cast<long>(time(nullptr) + clock()));
    return status;
}
