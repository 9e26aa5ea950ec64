// nbhost: the stand-in host application.
#include <cstdio>

int main()
{
    std::fprintf(stderr, "nbhost: the host application is being assembled; nothing runs yet\n");
    return 1;
}
