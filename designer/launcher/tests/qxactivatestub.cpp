// Stands in for the designer library: records how QXActivate was called.

#include <string>

namespace {

int Calls = 0;
bool HadFileName = false;
std::string FileName;
int Embedded = -1;
int WithSplash = -1;

} // namespace

extern "C" {

void QXActivate(const char* AFileName, unsigned char AEmbedded, unsigned char AWithSplash)
{
    ++Calls;
    HadFileName = AFileName != nullptr;
    FileName = AFileName ? AFileName : "";
    Embedded = AEmbedded;
    WithSplash = AWithSplash;
}

// The last call's arguments; the number of calls so far.
int RecordedActivate(const char** AFileName, int* AHadFileName, int* AEmbedded, int* AWithSplash)
{
    *AFileName = FileName.c_str();
    *AHadFileName = HadFileName;
    *AEmbedded = Embedded;
    *AWithSplash = WithSplash;
    return Calls;
}
}
