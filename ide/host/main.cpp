// The development-environment host: loads the package and designs one form.
//   qxidehost [--script FILE] [--package PATH]

#include "ide/host/hostmain.h"

int main(int argc, char** argv)
{
    return idehost::HostMain(argc, argv);
}
