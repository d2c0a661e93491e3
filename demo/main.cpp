// The gallery: exercises the toolkit and reports what it did.
#include <cstdio>

extern "C" const char* KwUiVersion();

int main()
{
    printf("%s\n", KwUiVersion());
    return 0;
}
