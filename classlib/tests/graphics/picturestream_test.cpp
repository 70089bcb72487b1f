// A picture as a published property of a component, through the binary
// component stream: stored as "Picture.Data", read back into the picture.

#include "classlib/core/classbuilder.h"
#include "classlib/core/component.h"
#include "classlib/core/reader.h"
#include "classlib/core/writer.h"
#include "classlib/graphics/picture.h"
#include "picturesamples.h"

#include <gtest/gtest.h>

using namespace classlib;
using namespace picturesamples;

namespace picturestream_test {

class TPicHolder : public TComponent {
    QX_CLASS(TPicHolder, TComponent)
public:
    explicit TPicHolder(TComponent* AOwner) : TComponent(AOwner), Picture(new TPicture) {}
    ~TPicHolder() override { delete Picture; }
    TPicture* Picture;
    int After = 0;
};

const TClassInfo& TPicHolder::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TPicHolder>("TPicHolder")
        .Prop("Picture", &TPicHolder::Picture)
        .Prop("After", &TPicHolder::After)
        .Build();
    return info;
}

QByteArray Write(TComponent* Root)
{
    TMemoryStream stream;
    {
        TWriter writer(stream, 8192);
        writer.WriteRootComponent(Root);
    }
    return stream.Bytes();
}

TEST(PictureStream, AJpegPictureIsStoredAsItsClassNameLengthAndFile)
{
    const QByteArray jpeg = JpegFile();
    TPicHolder holder(nullptr);
    {
        TBytesStream in(ShortStringFor("TJPEGImage") + Le32(qint32(jpeg.size())) + jpeg);
        holder.Picture->ReadData(in);
    }
    holder.After = 1234;
    const QByteArray stored = Write(&holder);
    const QByteArray payload = ShortStringFor("TJPEGImage") + Le32(qint32(jpeg.size())) + jpeg;
    // Property name, binary type 10, the block's length, then the payload.
    const QByteArray property = ShortStringFor("Picture.Data") + char(10) + Le32(qint32(payload.size())) + payload;
    EXPECT_TRUE(stored.contains(property));

    TPicHolder copy(nullptr);
    TBytesStream in(stored);
    TReader reader(in, 8192);
    reader.ReadRootComponent(&copy);
    ASSERT_NE(copy.Picture->Graphic(), nullptr);
    EXPECT_EQ(copy.Picture->Graphic()->ClassName(), "TJPEGImage");
    EXPECT_EQ(copy.After, 1234);
    EXPECT_EQ(Write(&copy), stored);
}

TEST(PictureStream, AnEmptyPictureIsNotStored)
{
    TPicHolder holder(nullptr);
    EXPECT_FALSE(Write(&holder).contains("Picture.Data"));
}

} // namespace picturestream_test
