#include "runtime/attributes.h"

#include "classlib/core/classbuilder.h"
#include "classlib/core/reader.h"
#include "classlib/core/streams.h"
#include "classlib/core/writer.h"
#include "classlib/graphics/bitmap.h"
#include "classlib/graphics/metafile.h"
#include "classlib/graphics/picture.h"

#include <gtest/gtest.h>

using namespace classlib;
using namespace runtime;

namespace attributes_test {

// An element-like owner of the three attributes, to see their stored form.
class TDecorated : public TComponent {
    QX_CLASS(TDecorated, TComponent)
public:
    using TComponent::TComponent;
    TQXFrame* Frame() const { return FFrame.get(); }
    void SetFrame(TQXFrame* Value) { FFrame->Assign(Value); }
    TQXShadow* Shadow() const { return FShadow.get(); }
    void SetShadow(TQXShadow* Value) { FShadow->Assign(Value); }
    TQXBackground* Background() const { return FBackground.get(); }
    void SetBackground(TQXBackground* Value) { FBackground->Assign(Value); }

private:
    std::unique_ptr<TQXFrame> FFrame = std::make_unique<TQXFrame>();
    std::unique_ptr<TQXShadow> FShadow = std::make_unique<TQXShadow>();
    std::unique_ptr<TQXBackground> FBackground = std::make_unique<TQXBackground>();
};

const TClassInfo& TDecorated::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TDecorated>("TDecorated")
        .Prop("Frame", &TDecorated::Frame, &TDecorated::SetFrame)
        .Prop("Shadow", &TDecorated::Shadow, &TDecorated::SetShadow)
        .Prop("Background", &TDecorated::Background, &TDecorated::SetBackground)
        .Build();
    return info;
}

QStringList StoredNames(TComponent& Root)
{
    TMemoryStream stream;
    WriteComponentToStream(stream, &Root);
    // The attribute properties that the stream holds, in stream order.
    const QByteArray bytes(static_cast<const char*>(stream.Memory()), int(stream.Size()));
    QStringList names;
    for (const char* n : {"Frame.Width", "Frame.Color", "Frame.Shape", "Shadow.Width", "Shadow.Color",
                          "Shadow.Shape", "Shadow.SemiTrans", "Background.Style", "Background.ColorStyle",
                          "Background.GradientStyle", "Background.ShadingStyle",
                          "Background.VariantStyle", "Background.PictureStyle", "Background.Color1",
                          "Background.Color2", "Background.Picture.Data", "Background.Density",
                          "Background.PicWidth", "Background.PicHeight"}) {
        const int at = bytes.indexOf(QByteArray(1, char(strlen(n))) + n);
        if (at >= 0) names << QString("%1@%2").arg(n).arg(at);
    }
    std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        return a.section('@', 1).toInt() < b.section('@', 1).toInt();
    });
    for (QString& n : names) n = n.section('@', 0, 0);
    return names;
}

std::unique_ptr<TPicture> BitmapPicture(int W, int H)
{
    auto picture = std::make_unique<TPicture>();
    picture->Bitmap().SetSize(W, H);
    return picture;
}

TEST(Attributes, NewAttributesHaveTheirDefaults)
{
    TQXFrame frame;
    EXPECT_EQ(frame.Width(), 80);
    EXPECT_EQ(frame.Color(), clBlack);
    EXPECT_TRUE(frame.Shape().Empty());
    TQXShadow shadow;
    EXPECT_EQ(shadow.Width(), 200);
    EXPECT_EQ(shadow.Shape(), ssNone);
    EXPECT_FALSE(shadow.SemiTrans());
    TQXBackground background;
    EXPECT_TRUE(background.IsSolidColor());
    EXPECT_EQ(background.Color1, clWhite);
    EXPECT_EQ(background.Density, 1);
    EXPECT_EQ(TQXFrameSides{fsBottom}.Mask(), 4u);
}

TEST(Attributes, StoredAsDottedPropertiesInOrderPictureOnlyWithAGraphic)
{
    TDecorated d(nullptr);
    const QStringList plain = {"Frame.Width", "Frame.Color", "Frame.Shape", "Shadow.Width",
                               "Shadow.Color", "Shadow.Shape", "Shadow.SemiTrans",
                               "Background.Style", "Background.ColorStyle",
                               "Background.GradientStyle", "Background.ShadingStyle",
                               "Background.VariantStyle", "Background.PictureStyle",
                               "Background.Color1", "Background.Color2", "Background.Density",
                               "Background.PicWidth", "Background.PicHeight"};
    EXPECT_EQ(StoredNames(d), plain);

    d.Background()->SetPicture(BitmapPicture(4, 2).get());
    QStringList withPicture = plain;
    withPicture.insert(withPicture.indexOf("Background.Density"), "Background.Picture.Data");
    EXPECT_EQ(StoredNames(d), withPicture);
}

TEST(Attributes, StoredFormReadsBackIntoEqualValues)
{
    TDecorated d(nullptr);
    d.Frame()->SetShape({fsTop, fsRight});
    d.Frame()->SetColor(clRed);
    d.Shadow()->SetShape(ssRightBottom);
    d.Shadow()->SetSemiTrans(true);
    d.Background()->Style = bsTexture;
    d.Background()->Color2 = MakeColor(13100186);
    d.Background()->SetPicture(BitmapPicture(96, 48).get());
    TMemoryStream first;
    WriteComponentToStream(first, &d);

    TDecorated e(nullptr);
    first.SetPosition(0);
    ReadComponentFromStream(first, &e);
    EXPECT_EQ(e.Frame()->Shape(), (TQXFrameSides{fsTop, fsRight}));
    EXPECT_EQ(e.Shadow()->Shape(), ssRightBottom);
    EXPECT_TRUE(e.Shadow()->SemiTrans());
    EXPECT_EQ(e.Background()->Color2, MakeColor(13100186));
    EXPECT_EQ(e.Background()->Picture()->Width(), 96);
    EXPECT_EQ(e.Background()->PicWidth, 2540);

    TMemoryStream second;
    WriteComponentToStream(second, &e);
    EXPECT_EQ(QByteArray(static_cast<const char*>(first.Memory()), int(first.Size())),
              QByteArray(static_cast<const char*>(second.Memory()), int(second.Size())));
}

TEST(Attributes, SetPictureMeasuresOnTheScreenAndEmptyKeepsTheSize)
{
    TQXBackground b;
    b.SetPicture(BitmapPicture(96, 48).get());
    EXPECT_EQ(b.PicWidth, 2540);
    EXPECT_EQ(b.PicHeight, 1270);
    EXPECT_EQ(b.Picture()->Width(), 96);

    TPicture empty;
    b.SetPicture(&empty);
    EXPECT_EQ(b.PicWidth, 2540);
    EXPECT_EQ(b.PicHeight, 1270);
    EXPECT_EQ(b.Picture()->Graphic(), nullptr);

    // 3 pixels: 79.375 -> 79; halves go to the even neighbour.
    b.SetPicture(BitmapPicture(3, 1).get());
    EXPECT_EQ(b.PicWidth, 79);
}

TEST(Attributes, AssignCopiesEverythingAndToItselfKeepsThePicture)
{
    TQXBackground a;
    a.Style = bsPicture;
    a.PictureStyle = bpsCenter;
    a.Density = 3;
    a.SetPicture(BitmapPicture(10, 20).get());
    TQXBackground b;
    b.Assign(&a);
    EXPECT_EQ(b.Style, bsPicture);
    EXPECT_EQ(b.Density, 3);
    EXPECT_EQ(b.Picture()->Height(), 20);
    EXPECT_NE(b.Picture()->Graphic(), a.Picture()->Graphic());

    b.Assign(&b);
    ASSERT_NE(b.Picture()->Graphic(), nullptr);
    EXPECT_EQ(b.Picture()->Width(), 10);

    TQXShadow s;
    s.SetSemiTrans(true);
    s.SetWidth(5);
    TQXFrame f;
    f.Assign(&s);  // the common part only
    EXPECT_EQ(f.Width(), 5);
}

TEST(Attributes, TransparencyAndStyleQueries)
{
    struct Row {
        const char* name;
        TBgStyle style;
        TBgColorStyle colorStyle;
        TBgPictureStyle pictureStyle;
        bool metafile;
        bool transparent;
        bool solid;
    } rows[] = {
        {"solid colour", bsColor, bcsSolid, bpsNone, false, false, true},
        {"transparent colour", bsColor, bcsTransparent, bpsNone, false, true, false},
        {"semi-transparent colour", bsColor, bcsSemitransparent, bpsNone, false, true, false},
        {"gradient", bsGradient, bcsSolid, bpsNone, false, false, false},
        {"texture", bsTexture, bcsTransparent, bpsNone, false, false, false},
        {"picture at the corner", bsPicture, bcsSolid, bpsNone, false, true, false},
        {"centred picture", bsPicture, bcsSolid, bpsCenter, false, true, false},
        {"stretched bitmap", bsPicture, bcsSolid, bpsStretch, false, false, false},
        {"stretched metafile", bsPicture, bcsSolid, bpsStretch, true, true, false},
    };
    for (const Row& r : rows) {
        TQXBackground b;
        b.Style = r.style;
        b.ColorStyle = r.colorStyle;
        b.PictureStyle = r.pictureStyle;
        if (r.metafile)
            b.Picture()->Metafile();
        else
            b.Picture()->Bitmap();
        EXPECT_EQ(b.IsTransparent(), r.transparent) << r.name;
        EXPECT_EQ(b.IsSolidColor(), r.solid) << r.name;
    }
}

TEST(Attributes, SplitRGBUsesTheValueAsGiven)
{
    int r, g, b;
    SplitRGB(MakeColor(0x00336699), r, g, b);
    EXPECT_EQ(r, 0x99);
    EXPECT_EQ(g, 0x66);
    EXPECT_EQ(b, 0x33);
    SplitRGB(clBtnFace, r, g, b);  // a system colour is not resolved
    EXPECT_EQ(r, 15);
    EXPECT_EQ(g, 0);
    EXPECT_EQ(b, 0);
}

} // namespace attributes_test
