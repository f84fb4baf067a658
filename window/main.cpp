#include "ThunRTMain.h"
#include "ZorbikaProject.h"

// ThunRTMain and the other names of the form: see board/Board.h.
int main()
{
    return rt::ThunRTMain(zorbika::zorbikaProject());
}
