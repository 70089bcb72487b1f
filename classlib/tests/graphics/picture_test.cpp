#include "classlib/graphics/emfrecords.h"
#include "classlib/graphics/picture.h"

#include "classlib/core/filer.h"
#include "classlib/graphics/bitmap.h"
#include "classlib/graphics/metafile.h"
#include "classlib/graphics/metafiledc.h"
#include "classlib/tests/savefaults.h"
#include "picturesamples.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace classlib;
using namespace picturesamples;

namespace {

QByteArray ShortString(const char* S) { return char(qstrlen(S)) + QByteArray(S); }

QByteArray DataOf(const TPicture& P)
{
    TMemoryStream s;
    P.WriteData(s);
    return s.Bytes();
}

void ReadInto(TPicture& P, const QByteArray& Data)
{
    TBytesStream s(Data);
    P.ReadData(s);
}

QByteArray SmallMetafile()
{
    TMetafile mf;
    mf.SetMMWidth(1000);
    mf.SetMMHeight(500);
    {
        TMetafileCanvas c(mf);
        c.Rectangle(10, 10, 200, 100);
    }
    return mf.Data();
}

// Captures what DefineProperties declares.
class TCaptureFiler : public TFiler {
public:
    void DefineProperty(const QString&, const TReaderProc&, const TWriterProc&, bool) override {}
    void DefineBinaryProperty(const QString& Name, const TStreamProc&, const TStreamProc& WriteData,
                              bool HasData) override
    {
        this->Name = Name;
        this->HasData = HasData;
        if (HasData) WriteData(Out);
    }
    QString Name;
    bool HasData = false;
    TMemoryStream Out;
};

} // namespace

TEST(Picture, DataRoundTripsEveryGraphicClassByteForByte)
{
    const QByteArray bmp = BmpFile(24), jpeg = JpegFile(), emf = SmallMetafile();
    const struct { const char* cls; QByteArray file; } cases[] = {
        {"TBitmap", bmp}, {"TJPEGImage", jpeg}, {"TMetafile", emf},
    };
    for (const auto& c : cases) {
        const QByteArray data = ShortString(c.cls) + Le32(qint32(c.file.size())) + c.file;
        TPicture p;
        ReadInto(p, data);
        ASSERT_NE(p.Graphic(), nullptr) << c.cls;
        EXPECT_EQ(p.Graphic()->ClassName(), QString::fromLatin1(c.cls));
        EXPECT_EQ(DataOf(p), data) << c.cls;

        TPicture copy;
        copy.Assign(&p);
        EXPECT_NE(copy.Graphic(), p.Graphic());
        EXPECT_EQ(DataOf(copy), data) << c.cls;
    }
}

TEST(Picture, DataIsDefinedOnlyWithAGraphic)
{
    TPicture p;
    TCaptureFiler empty;
    p.DefineProperties(empty);
    EXPECT_EQ(empty.Name, "Data");
    EXPECT_FALSE(empty.HasData);

    p.Bitmap().SetSize(2, 2);
    TCaptureFiler full;
    p.DefineProperties(full);
    EXPECT_TRUE(full.HasData);
    EXPECT_TRUE(full.Out.Bytes().startsWith(ShortString("TBitmap")));
}

// A small metafile with a text record whose string lies beyond its end:
// framed correctly, refused by playback.
QByteArray MetafileWithBadText()
{
    QByteArray emf = SmallMetafile();
    QByteArray text;
    emf::TEmfWriter w(text);
    w.Begin(emf::EMR_EXTTEXTOUTW);
    w.Zeros(36);  // bounds, mode, scales, reference point
    w.U32(2);     // characters
    w.U32(4000);  // where they would be
    w.U32(0);     // options
    w.Zeros(16);  // rectangle
    w.U32(0);     // no advances
    w.Zeros(4);
    w.End();
    emf.insert(emf::HeaderSize, text);
    Put32(emf, 48, quint32(emf.size()));
    return emf;
}

TEST(Picture, BadDataIsAClearErrorAndKeepsTheGraphic)
{
    const QByteArray bmp = BmpFile(24);
    const QByteArray badText = MetafileWithBadText();
    const struct { const char* name; QByteArray data; const char* message; } cases[] = {
        {"unknown class", ShortString("TGifImage") + Le32(0), "Unknown graphic class TGifImage"},
        {"not a graphic", ShortString("TPicture") + Le32(0), "Unknown graphic class TPicture"},
        {"abstract", ShortString("TGraphic") + Le32(0), "Unknown graphic class TGraphic"},
        {"negative size", ShortString("TJPEGImage") + Le32(-5), "Invalid JPEG data size -5 (0 bytes remain)"},
        {"size beyond", ShortString("TMetafile") + Le32(100) + QByteArray(10, '\0'),
         "Invalid metafile data size 100 (10 bytes remain)"},
        {"bad bitmap", ShortString("TBitmap") + Le32(20) + bmp.left(20), "Bitmap image is not valid: truncated header"},
        {"metafile that would not play", ShortString("TMetafile") + Le32(qint32(badText.size())) + badText,
         "Metafile is not valid: record 84 at offset 108 is too short"},
    };
    for (const auto& c : cases) {
        TPicture p;
        p.Bitmap().SetSize(4, 4);
        EXPECT_EQ(ErrorOf<EInvalidGraphic>([&] { ReadInto(p, c.data); }), QString::fromUtf8(c.message)) << c.name;
        EXPECT_EQ(p.Width(), 4) << c.name;
    }
    TPicture p;
    EXPECT_EQ(ErrorOf<EReadError>([&] { ReadInto(p, QByteArray("\x09TBit", 5)); }), "Stream read error");
    EXPECT_EQ(p.Graphic(), nullptr);
}

TEST(Picture, LoadsFilesByExtension)
{
    QTemporaryDir dir;
    const struct { const char* name; QByteArray file; const char* cls; } cases[] = {
        {"a.bmp", BmpFile(24), "TBitmap"},
        {"b.JPG", JpegFile(), "TJPEGImage"},
        {"c.jpeg", JpegFile(), "TJPEGImage"},
        {"d.emf", SmallMetafile(), "TMetafile"},
    };
    for (const auto& c : cases) {
        const QString path = dir.filePath(QString::fromLatin1(c.name));
        TBytesStream(c.file).SaveToFile(path);
        TPicture p;
        p.LoadFromFile(path);
        ASSERT_NE(p.Graphic(), nullptr);
        EXPECT_EQ(p.Graphic()->ClassName(), QString::fromLatin1(c.cls)) << c.name;
    }
    TPicture p;
    EXPECT_EQ(ErrorOf<EInvalidGraphic>([&] { p.LoadFromFile(dir.filePath("x.gif")); }),
              "Unknown picture file extension (.gif)");
}

TEST(Picture, AFailedSaveToAFileKeepsTheOldFile)
{
    const struct { const char* name; QByteArray file; } cases[] = {
        {"a.bmp", BmpFile(24)}, {"b.jpg", JpegFile()}, {"c.emf", SmallMetafile()},
    };
    for (const auto& g : cases) {
        QTemporaryDir dir;
        const QString path = dir.filePath(QString::fromLatin1(g.name));
        TBytesStream(g.file).SaveToFile(path);
        TPicture p;
        p.LoadFromFile(path);
        const QByteArray old("old picture");
        TBytesStream(old).SaveToFile(path);
        for (const test::TSaveFaultCase& c : test::SaveFaultCases(g.file.size())) {
            SCOPED_TRACE(std::string(g.name) + " / " + c.Name);
            {
                TSaveFaultScope fault(c.Fault);
                auto save = [&] { p.SaveToFile(path); };
                EXPECT_EQ(c.Reason.isEmpty() ? ErrorOf<EFCreateError>(save) : ErrorOf<EWriteError>(save),
                          test::SaveErrorOf(c, path));
            }
            TMemoryStream back;
            back.LoadFromFile(path);
            EXPECT_EQ(back.Bytes(), old);
            EXPECT_EQ(test::FolderEntries(dir.path()), QStringList{QString::fromLatin1(g.name)});
        }
        p.SaveToFile(path);
        TMemoryStream back;
        back.LoadFromFile(path);
        EXPECT_EQ(back.Bytes(), g.file) << g.name;
    }
}

TEST(Picture, ChangesOfTheGraphicReachTheOwner)
{
    TPicture p;
    int changes = 0;
    p.OnChange = [&](TObject*) { ++changes; };
    p.Bitmap();
    EXPECT_EQ(changes, 1);
    p.Bitmap().SetSize(3, 3);
    EXPECT_EQ(changes, 2);
    p.Assign(nullptr);
    EXPECT_EQ(p.Graphic(), nullptr);
    EXPECT_EQ(changes, 3);
}
