#include "classlib/graphics/metafiletexts.h"

#include "classlib/graphics/metafile.h"
#include "classlib/graphics/metafileplayer.h"
#include "classlib/graphics/nulldevice.h"

namespace classlib {

namespace {

// Keeps the texts played onto it and draws nothing.
class TTextCollector : public TNullDeviceContext {
public:
    QStringList Texts;

    void ExtTextOut(int, int, unsigned, const TRect*, const QString& Text, const std::vector<int>*) override
    {
        Texts << Text;
    }
};

} // namespace

QStringList MetafileTexts(const TMetafile& Metafile)
{
    TTextCollector dc;
    PlayEnhMetaFile(dc, Metafile, TRect{0, 0, 2100, 2970});
    return dc.Texts;
}

} // namespace classlib
