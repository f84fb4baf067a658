// A Windows program that waits, without a window, until its Wine session
// ends. Wine ends its desktop and services some seconds after its last
// program; the next program then starts them again as its own children, and
// ctest ends them with that program's test, so every later test paid the
// restart, 10 to 20 seconds, once a run had been idle for a while.
#include <windows.h>

int main()
{
    // A message queue ties the program to the desktop; one that only sleeps
    // was not enough to keep the desktop up.
    MSG message {};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) { }
    return 0;
}
