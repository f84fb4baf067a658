#include "ThunRTMain.h"
#include "ZorbikaProject.h"

int main()
{
    return rt::ThunRTMain(zorbika::zorbikaProject());
}
