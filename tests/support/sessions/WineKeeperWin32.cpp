// A Windows program that waits, without a window, until its Wine session
// ends. Wine ends its desktop and services some seconds after its last
// program; the next program then starts them again as its own children, and
// ctest ends them with that program's test, so every later test paid the
// restart, 10 to 20 seconds, once a run had been idle for a while.
//
// With --bits it ends at once with its own bitness, 32 or 64, as its exit
// status: a Wine without its 32-bit side ends a 32-bit program with status 0
// and no word, which would pass every test of the 32-bit build unrun.
#include <climits>
#include <string_view>
#include <windows.h>

int main(int argc, char** argv)
{
    if (argc == 2 && std::string_view(argv[1]) == "--bits") {
        return static_cast<int>(sizeof(void*) * CHAR_BIT);
    }
    // A message queue ties the program to the desktop; one that only sleeps
    // was not enough to keep the desktop up.
    MSG message {};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) { }
    return 0;
}
