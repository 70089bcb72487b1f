#include "classlib/graphics/metafile.h"

#include "classlib/graphics/bitmap.h"
#include "classlib/graphics/metafiledc.h"
#include "classlib/graphics/metafileplayer.h"
#include "classlib/graphics/painterdc.h"
#include "picturesamples.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <climits>
#include <functional>

using namespace classlib;
using namespace classlib::emf;
using namespace picturesamples;

namespace {

std::vector<quint32> TypesOf(const QByteArray& Emf)
{
    std::vector<quint32> types;
    EnumEnhMetaFile(Emf, [&](const TEmfRecord& r) {
        types.push_back(r.Type());
        return true;
    });
    return types;
}

// A page of 100 x 50 mm: left half red, right half the four-colour image.
QByteArray SamplePage()
{
    TMetafile mf;
    mf.SetMMWidth(10000);
    mf.SetMMHeight(5000);
    {
        TMetafileCanvas c(mf);
        c.DC().SetMapMode(MM_HIMETRIC);
        c.Brush()->SetColor(clRed);
        c.FillRect(TRect{0, 0, 5000, -5000});
        TBitmap b;
        b.SetImage(Quadrants(8, 6));
        c.StretchDraw(TRect{5000, 0, 10000, -5000}, &b);
    }
    return mf.Data();
}

std::unique_ptr<TMetafile> Loaded(const QByteArray& Emf)
{
    auto mf = std::make_unique<TMetafile>();
    mf->SetData(Emf);
    return mf;
}

QImage Played(const QByteArray& Emf, const TRect& Dest, int W = 200, int H = 100)
{
    QImage img(W, H, QImage::Format_RGB32);
    img.fill(Qt::white);
    TMetafile mf;
    mf.SetData(Emf);
    {
        TPainterDC dc(&img);
        PlayEnhMetaFile(dc, mf, Dest);
    }
    return img;
}

} // namespace

TEST(Metafile, RecordsEachCallAsItsRecordInOrder)
{
    TMetafileDC dc(TRect{0, 0, 1000, 1000});
    dc.SetMapMode(MM_HIMETRIC);
    dc.SelectPen(TLogPen{PS_SOLID, 10, RGB(255, 0, 0)});
    dc.SelectBrush(TLogBrush{BS_NULL, 0, 0});
    dc.SaveDC();
    dc.SelectPen(TLogPen{PS_DASH, 0, RGB(0, 0, 255)});
    dc.Rectangle(TRect{0, 0, 500, -500});
    dc.RestoreDC(-1);
    dc.MoveTo(0, 0);
    dc.LineTo(100, -100);
    TLogFont font;
    font.Height = -423;
    font.FaceName = QStringLiteral("Liberation Sans");
    dc.SelectFont(font);
    dc.ExtTextOut(10, -10, 0, nullptr, QStringLiteral("Abc"));
    dc.Polygon({{0, 0}, {100, 0}, {0, -40000}});
    dc.IntersectClipRect(TRect{0, 0, 900, -900});
    dc.SetTextColor(RGB(0, 128, 0));
    dc.SetPixel(5, -5, RGB(1, 2, 3));
    dc.SelectPen(TLogPen{PS_SOLID, 0, 0});

    // Objects and modes are recorded where a drawing first needs them; the
    // restore takes the player back, so the line selects its pen again.
    const std::vector<quint32> want = {
        EMR_HEADER, EMR_SETMAPMODE, EMR_CREATEPEN, EMR_SAVEDC, EMR_CREATEPEN, EMR_SELECTOBJECT,
        EMR_SELECTOBJECT, EMR_SETBKCOLOR, EMR_SETBKMODE, EMR_SETROP2, EMR_RECTANGLE, EMR_RESTOREDC,
        EMR_MOVETOEX, EMR_SELECTOBJECT, EMR_SETBKCOLOR, EMR_SETBKMODE, EMR_SETROP2, EMR_LINETO,
        EMR_EXTCREATEFONTINDIRECTW, EMR_SELECTOBJECT, EMR_SETTEXTCOLOR, EMR_SETTEXTALIGN, EMR_EXTTEXTOUTW,
        EMR_SELECTOBJECT, EMR_SETPOLYFILLMODE,
        EMR_POLYGON,  // -40000 does not fit 16 bits
        EMR_INTERSECTCLIPRECT, EMR_SETPIXELV,
        EMR_CREATEPEN, EMR_EOF,  // the green text colour and the last pen serve no drawing
    };
    const QByteArray emf = dc.Finish();
    EXPECT_EQ(TypesOf(emf), want);

    // Contents of a few records: the pen, the restore, the reused handle, the advances.
    std::vector<QByteArray> records;
    EnumEnhMetaFile(emf, [&](const TEmfRecord& r) {
        records.emplace_back(r.Bytes().toByteArray());
        return true;
    });
    ASSERT_EQ(records.size(), want.size());
    const TEmfRecord pen(records[2], 0), restore(records[11], 0);
    EXPECT_EQ(pen.U32(8), 1u);            // handle
    EXPECT_EQ(pen.U32(12), quint32(PS_SOLID));
    EXPECT_EQ(pen.I32(16), 10);           // width
    EXPECT_EQ(pen.U32(24), RGB(255, 0, 0));
    EXPECT_EQ(restore.I32(8), -1);
    EXPECT_EQ(TEmfRecord(records[6], 0).U32(8), STOCK_OBJECT | NULL_BRUSH);
    EXPECT_EQ(TEmfRecord(records[13], 0).U32(8), 1u);  // the red pen again
    EXPECT_EQ(TEmfRecord(records[23], 0).U32(8), STOCK_OBJECT | NULL_BRUSH);
    const TEmfRecord text(records[22], 0);
    EXPECT_EQ(text.U32(44), 3u);
    const quint32 offDx = text.U32(72);
    int sum = 0;
    for (int i = 0; i < 3; ++i) sum += text.I32(offDx + 4 * i);
    dc.SelectFont(font);
    EXPECT_EQ(sum, dc.GetTextExtent(QStringLiteral("Abc")).cx);
    EXPECT_GT(sum, 0);
}

TEST(Metafile, ObjectsAreReusedAndOnlyIdleOnesDeleted)
{
    TMetafileDC dc(TRect{0, 0, 1000, 1000});
    auto count = [](const QByteArray& Emf, quint32 Type) {
        const std::vector<quint32> t = TypesOf(Emf);
        return std::count(t.begin(), t.end(), Type);
    };
    TLogFont a, b;
    a.FaceName = b.FaceName = QStringLiteral("Liberation Sans");
    a.Height = -100;
    b.Height = -200;
    // Elements alternating between two fonts create each once.
    for (int i = 0; i < 10; ++i) {
        dc.SelectFont(i % 2 ? b : a);
        dc.ExtTextOut(0, 0, 0, nullptr, QStringLiteral("x"));
    }
    EXPECT_EQ(count(dc.Finish(), EMR_EXTCREATEFONTINDIRECTW), 2);
    EXPECT_EQ(count(dc.Finish(), EMR_SELECTOBJECT), 10);

    // Many pens: the oldest idle ones go, never one a saved state selects.
    TMetafileDC many(TRect{0, 0, 1000, 1000});
    many.SelectPen(TLogPen{PS_SOLID, 1, RGB(1, 0, 0)});
    const int level = many.SaveDC();
    for (int i = 0; i < 40; ++i) {
        many.SelectPen(TLogPen{PS_SOLID, 2, TColorRef(i)});
        many.LineTo(i, i);
    }
    const QByteArray emf = many.Finish();
    EXPECT_EQ(count(emf, EMR_CREATEPEN), 41);
    EXPECT_EQ(count(emf, EMR_DELETEOBJECT), 41 - 16);
    std::vector<quint32> deleted;
    EnumEnhMetaFile(emf, [&](const TEmfRecord& r) {
        if (r.Type() == EMR_DELETEOBJECT) deleted.push_back(r.U32(8));
        return true;
    });
    EXPECT_EQ(std::count(deleted.begin(), deleted.end(), 1u), 0);  // the saved pen
    many.RestoreDC(level);
    many.Rectangle(TRect{0, 0, 10, 10});
    const QImage img = Played(many.Finish(), TRect{0, 0, 200, 100});
    EXPECT_FALSE(img.isNull());
}

TEST(Metafile, StateIsRecordedWhereADrawingNeedsIt)
{
    TMetafileDC dc(TRect{0, 0, 1000, 1000});
    auto draw = [&] { dc.ExtTextOut(0, 0, 0, nullptr, QStringLiteral("x")); };
    dc.SetTextColor(RGB(9, 9, 9));  // replaced before anything is drawn
    dc.SetTextColor(RGB(1, 2, 3));
    draw();
    draw();  // in force already
    const int level = dc.SaveDC();
    dc.SetTextColor(RGB(4, 5, 6));
    draw();
    dc.RestoreDC(level);
    draw();  // back in force through the restore
    dc.SetTextColor(RGB(4, 5, 6));
    draw();  // the restore undid it in the player too
    dc.SetTextColor(RGB(7, 7, 7));  // nothing draws with it
    std::vector<quint32> colours;
    EnumEnhMetaFile(dc.Finish(), [&](const TEmfRecord& r) {
        if (r.Type() == EMR_SETTEXTCOLOR) colours.push_back(r.U32(8));
        return true;
    });
    EXPECT_EQ(colours, (std::vector<quint32>{RGB(1, 2, 3), RGB(4, 5, 6), RGB(4, 5, 6)}));
}

TEST(Metafile, HeaderDescribesTheRecording)
{
    const QByteArray emf = SamplePage();
    const TEnhMetaHeader h = ReadEnhMetaHeader(emf);
    EXPECT_EQ(h.Frame, (TRect{0, 0, 10000, 5000}));
    EXPECT_EQ(h.Bytes, quint32(emf.size()));
    EXPECT_EQ(h.Records, quint32(TypesOf(emf).size()));
    EXPECT_EQ(h.Device, (TSize{1920, 1440}));
    EXPECT_EQ(h.Millimeters, (TSize{508, 381}));
    const auto mf = Loaded(emf);
    EXPECT_EQ(mf->MMWidth(), 10000);
    EXPECT_EQ(mf->MMHeight(), 5000);
    EXPECT_EQ(mf->Width(), 378);  // 100 mm at 96 dpi
    const std::vector<quint32> types = TypesOf(emf);
    EXPECT_NE(std::find(types.begin(), types.end(), EMR_STRETCHDIBITS), types.end());
    EXPECT_NE(std::find(types.begin(), types.end(), EMR_RECTANGLE), types.end());
}

TEST(Metafile, SavedAndLoadedAsEmfByteForByte)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("page.emf");
    const QByteArray emf = SamplePage();
    Loaded(emf)->SaveToFile(path);
    TMetafile back;
    back.LoadFromFile(path);
    EXPECT_EQ(back.Data(), emf);
    TMemoryStream saved;
    back.SaveToStream(saved);
    EXPECT_EQ(saved.Bytes(), emf);
}

TEST(Metafile, PlaysOntoAnImageIntoTheRectangle)
{
    // Probes: the red half, and the image's quadrants the right way up.
    for (const TRect& dest : {TRect{0, 0, 200, 100}, TRect{0, 100, 200, 0}}) {
        const QImage img = Played(SamplePage(), dest);
        EXPECT_EQ(img.pixel(50, 50), qRgb(255, 0, 0)) << dest.Top;
        EXPECT_EQ(img.pixel(110, 20), qRgb(255, 0, 0)) << dest.Top;
        EXPECT_EQ(img.pixel(175, 20), qRgb(0, 255, 0)) << dest.Top;
        EXPECT_EQ(img.pixel(110, 85), qRgb(0, 0, 255)) << dest.Top;
        EXPECT_EQ(img.pixel(175, 85), qRgb(255, 255, 255)) << dest.Top;
    }
    // Into a part of a larger image: nothing outside the rectangle.
    const QImage img = Played(SamplePage(), TRect{100, 50, 300, 150}, 400, 200);
    EXPECT_EQ(img.pixel(150, 100), qRgb(255, 0, 0));
    EXPECT_EQ(img.pixel(50, 100), qRgb(255, 255, 255));
    EXPECT_EQ(img.pixel(150, 170), qRgb(255, 255, 255));
}

TEST(Metafile, EnumerationStopsWhenTheCallbackSaysSo)
{
    const auto mf = Loaded(SamplePage());
    QImage img(10, 10, QImage::Format_RGB32);
    TPainterDC dc(&img);
    int seen = 0;
    const int before = dc.SaveLevel();
    EXPECT_FALSE(EnumEnhMetaFile(dc, *mf, TRect{0, 0, 10, 10}, [&](TEnhMetaPlayer&, const TEmfRecord&) {
        return ++seen < 3;
    }));
    EXPECT_EQ(seen, 3);
    EXPECT_EQ(dc.SaveLevel(), before);  // the player's save is undone
    EXPECT_FALSE(dc.PlaybackFrame().has_value());
}

TEST(Metafile, MalformedFilesAreClearErrorsAndKeepThePicture)
{
    const QByteArray good = SamplePage();
    const qint64 n = good.size();
    auto with = [](QByteArray b, qint64 at, quint32 v) {
        Put32(b, at, v);
        return b;
    };
    // The first record after the header.
    const qint64 r1 = HeaderSize;
    ASSERT_EQ(TEmfRecord(QByteArrayView(good).sliced(r1, 8), 0).Type(), EMR_SETMAPMODE);
    QByteArray extra = good + QByteArray(4, '\0');
    Put32(extra, 48, quint32(extra.size()));
    // An EOF record replaced so that the 4 stray bytes are read as a record.
    Put32(extra, n - 20, 999);

    const struct { const char* name; QByteArray emf; QString message; } cases[] = {
        {"empty", QByteArray(), "Metafile is not valid: truncated header"},
        {"short header", good.left(60), "Metafile is not valid: truncated header"},
        {"not a header", with(good, 0, 2), "Metafile is not valid: no header record"},
        {"header beyond", with(good, 4, 4000000), "Metafile is not valid: header record of 4000000 bytes"},
        {"header odd", with(good, 4, 90), "Metafile is not valid: header record of 90 bytes"},
        {"signature", with(good, 40, 0x12345678), "Metafile is not valid: bad signature"},
        {"bytes beyond", with(good, 48, quint32(n + 4)),
         QString("Metafile is not valid: file size %1 in the header, %2 bytes present").arg(n + 4).arg(n)},
        {"no device", with(good, 72, 0), "Metafile is not valid: no reference device size"},
        {"record size 0", with(good, r1 + 4, 0),
         QString("Metafile is not valid: record 17 at offset 108 has size 0, %1 bytes remain").arg(n - 108)},
        {"record beyond", with(good, r1 + 4, 0x7FFFFFF0),
         QString("Metafile is not valid: record 17 at offset 108 has size 2147483632, %1 bytes remain").arg(n - 108)},
        {"record negative", with(good, r1 + 4, 0xFFFFFFF8),
         QString("Metafile is not valid: record 17 at offset 108 has size 4294967288, %1 bytes remain").arg(n - 108)},
        {"record odd", with(good, r1 + 4, 10),
         QString("Metafile is not valid: record 17 at offset 108 has size 10, %1 bytes remain").arg(n - 108)},
        {"record cut", extra, QString("Metafile is not valid: truncated record at offset %1").arg(n)},
        {"record layout", with(good, r1 + 4, 8),
         "Metafile is not valid: record 17 at offset 108 is malformed"},
    };
    for (const auto& c : cases) {
        const auto mf = Loaded(good);
        TBytesStream in(c.emf);
        EXPECT_EQ(ErrorOf<EInvalidGraphic>([&] { mf->LoadFromStream(in); }), c.message) << c.name;
        EXPECT_EQ(mf->Data(), good) << c.name;
    }
}

TEST(Metafile, PlaybackSkipsUnknownRecordsAndBadObjectIndexes)
{
    // A record of an unknown type and a selection of a handle never made.
    TMetafileDC dc(TRect{0, 0, 10000, 5000});
    dc.SetMapMode(MM_HIMETRIC);
    dc.FillRect(TRect{0, 0, 10000, -5000}, TLogBrush{BS_SOLID, RGB(0, 0, 255), 0});
    QByteArray emf = dc.Finish();
    QByteArray odd;
    TEmfWriter w(odd);
    w.Begin(200);
    w.U32(7);
    w.End();
    w.Begin(EMR_SELECTOBJECT);
    w.U32(500);
    w.End();
    emf.insert(HeaderSize, odd);
    Put32(emf, 48, quint32(emf.size()));
    const QImage img = Played(emf, TRect{0, 0, 200, 100});
    EXPECT_EQ(img.pixel(100, 50), qRgb(0, 0, 255));
}

TEST(Metafile, AMetafileDrawnIntoARecordingStaysVector)
{
    const auto inner = Loaded(SamplePage());
    // Drawn into the right half of a page twice as large, with a clip of
    // the recording's own that the picture must keep to.
    TMetafile outer;
    outer.SetMMWidth(20000);
    outer.SetMMHeight(5000);
    {
        TMetafileCanvas c(outer);
        c.DC().SetMapMode(MM_HIMETRIC);
        c.DC().IntersectClipRect(TRect{0, 0, 17500, -5000});
        c.StretchDraw(TRect{10000, 0, 20000, -5000}, inner.get());
        c.Brush()->SetColor(clLime);
        c.FillRect(TRect{0, 0, 1000, -1000});  // the state after the picture is the canvas's
    }
    const std::vector<quint32> types = TypesOf(outer.Data());
    EXPECT_NE(std::find(types.begin(), types.end(), EMR_STRETCHDIBITS), types.end());
    EXPECT_EQ(std::count(types.begin(), types.end(), EMR_SAVEDC), 1);
    const QImage img = Played(outer.Data(), TRect{0, 0, 400, 100}, 400, 100);
    EXPECT_EQ(img.pixel(250, 50), qRgb(255, 0, 0));          // the inner red half
    EXPECT_EQ(img.pixel(330, 85), qRgb(0, 0, 255));          // inner image, bottom left
    EXPECT_EQ(img.pixel(340, 20), qRgb(255, 0, 0));          // inner image, top left
    EXPECT_EQ(img.pixel(375, 20), qRgb(255, 255, 255));      // green, but clipped away
    EXPECT_EQ(img.pixel(100, 50), qRgb(255, 255, 255));      // left half untouched
    EXPECT_EQ(img.pixel(5, 5), qRgb(0, 255, 0));
}

// An empty page with the records Body writes between its header and its end.
QByteArray PageWithRecords(const std::function<void(TEmfWriter&)>& Body)
{
    TMetafileDC dc(TRect{0, 0, 1000, 1000});
    QByteArray emf = dc.Finish();
    QByteArray body;
    TEmfWriter w(body);
    Body(w);
    emf.insert(HeaderSize, body);
    Put32(emf, 48, quint32(emf.size()));
    return emf;
}

TEST(Metafile, HostileValuesInWellFormedRecordsPlayWithoutHarm)
{
    // Records whose sizes are right but whose values are extreme.
    const auto page = PageWithRecords;
    const struct { const char* name; std::function<void(TEmfWriter&)> body; } cases[] = {
        {"huge rectangle", [](TEmfWriter& w) {
             w.Begin(EMR_RECTANGLE);
             w.Rect({INT_MIN, INT_MIN, INT_MAX, INT_MAX});
             w.End();
         }},
        {"huge extents", [](TEmfWriter& w) {
             w.Begin(EMR_SETMAPMODE); w.U32(MM_ANISOTROPIC); w.End();
             w.Begin(EMR_SETWINDOWEXTEX); w.I32(1); w.I32(-1); w.End();
             w.Begin(EMR_SETVIEWPORTEXTEX); w.I32(INT_MAX); w.I32(INT_MIN); w.End();
             w.Begin(EMR_LINETO); w.I32(INT_MAX); w.I32(INT_MAX); w.End();
         }},
        {"font", [](TEmfWriter& w) {
             w.Begin(EMR_EXTCREATEFONTINDIRECTW);
             w.U32(1);
             w.I32(1);
             w.I32(INT_MAX);  // width
             w.I32(INT_MIN);
             w.I32(INT_MAX);
             w.I32(INT_MAX);
             w.Zeros(8 + 64);
             w.End();
             w.Begin(EMR_SELECTOBJECT); w.U32(1); w.End();
         }},
        {"clip moved again and again", [](TEmfWriter& w) {
             w.Begin(EMR_INTERSECTCLIPRECT); w.Rect({0, 0, 500, 500}); w.End();
             for (int i = 0; i < 40; ++i) {
                 w.Begin(EMR_OFFSETCLIPRGN); w.I32(INT_MAX); w.I32(INT_MIN); w.End();
             }
             w.Begin(EMR_RECTANGLE); w.Rect({0, 0, 100, 100}); w.End();
         }},
        {"restore beyond the saves", [](TEmfWriter& w) {
             w.Begin(EMR_RESTOREDC); w.I32(-5); w.End();
             w.Begin(EMR_RESTOREDC); w.I32(3); w.End();
         }},
        {"bitmap of a huge size", [](TEmfWriter& w) {
             w.Begin(EMR_STRETCHDIBITS);
             w.Rect({});
             for (int i = 0; i < 6; ++i) w.I32(0);
             w.U32(80); w.U32(40); w.U32(120); w.U32(0);
             w.U32(0); w.U32(SRCCOPY); w.I32(100); w.I32(100);
             w.U32(40); w.I32(100000); w.I32(100000); w.U16(1); w.U16(32);
             w.Zeros(24);
             w.End();
         }},
    };
    for (const auto& c : cases) {
        const QByteArray emf = page(c.body);
        QString error;
        try {
            Played(emf, TRect{0, 0, 50, 50}, 50, 50);
        } catch (const EInvalidGraphic& e) {
            error = e.Message;
        }
        // The layout check sees that the pixels are missing before anything is decoded.
        if (QByteArray(c.name) == "bitmap of a huge size")
            EXPECT_EQ(error, "Metafile is not valid: record 81 at offset 108 is malformed");
        else
            EXPECT_EQ(error, QString()) << c.name;
    }
    // A reference device of extreme resolution.
    QByteArray emf = SamplePage();
    Put32(emf, 72, INT_MAX);
    Put32(emf, 80, 1);
    Put32(emf, 100, 1);
    EXPECT_NO_THROW(Played(emf, TRect{0, 0, 50, 50}, 50, 50));
}

TEST(Metafile, TheEnumerationCallbackCanAmendEachPlayedRecord)
{
    // As printing on a two-colour printer does: text colours turn black.
    TMetafileDC rec(TRect{0, 0, 5000, 2000});
    rec.SetMapMode(MM_HIMETRIC);
    TLogFont font;
    font.Height = -1200;
    font.FaceName = QStringLiteral("Liberation Sans");
    rec.SelectFont(font);
    rec.SetTextColor(RGB(255, 0, 0));
    rec.SetBkMode(TRANSPARENT);
    rec.ExtTextOut(100, -100, 0, nullptr, QStringLiteral("HHHH"));
    TMetafile mf;
    mf.SetData(rec.Finish());

    auto colours = [&](bool forceBlack) {
        QImage img(200, 80, QImage::Format_RGB32);
        img.fill(Qt::white);
        {
            TPainterDC dc(&img);
            EnumEnhMetaFile(dc, mf, TRect{0, 0, 200, 80}, [&](TEnhMetaPlayer& p, const TEmfRecord& r) {
                p.PlayRecord(r);
                if (forceBlack && r.Type() == EMR_SETTEXTCOLOR) p.DC().SetTextColor(RGB(0, 0, 0));
                return true;
            });
        }
        int red = 0, black = 0;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x) {
                const QRgb c = img.pixel(x, y);
                red += c == qRgb(255, 0, 0);
                black += c == qRgb(0, 0, 0);
            }
        return std::pair{red, black};
    };
    const auto [red1, black1] = colours(false);
    EXPECT_GT(red1, 20);
    EXPECT_EQ(black1, 0);
    const auto [red2, black2] = colours(true);
    EXPECT_EQ(red2, 0);
    EXPECT_GT(black2, 20);
}

TEST(Metafile, ClippingRecordsLimitWhatIsPlayed)
{
    // Page 100 x 50 mm played 1:1 onto 378 x 189 pixels (96 dpi).
    auto play = [](const std::function<void(TMetafileDC&)>& Draw) {
        TMetafileDC dc(TRect{0, 0, 10000, 5000});
        dc.SetMapMode(MM_HIMETRIC);
        Draw(dc);
        return Played(dc.Finish(), TRect{0, 0, 378, 189}, 378, 189);
    };
    const TLogBrush red{BS_SOLID, RGB(255, 0, 0), 0};
    const QRgb R = qRgb(255, 0, 0), W = qRgb(255, 255, 255);
    const QImage intersect = play([&](TMetafileDC& dc) {
        dc.IntersectClipRect(TRect{0, 0, 5000, -5000});
        dc.FillRect(TRect{0, 0, 10000, -5000}, red);
    });
    EXPECT_EQ(intersect.pixel(50, 90), R);
    EXPECT_EQ(intersect.pixel(300, 90), W);

    const QImage exclude = play([&](TMetafileDC& dc) {
        dc.ExcludeClipRect(TRect{1000, -1000, 2000, -2000});
        dc.FillRect(TRect{0, 0, 10000, -5000}, red);
    });
    EXPECT_EQ(exclude.pixel(57, 57), W);   // inside the hole (15 mm, 15 mm)
    EXPECT_EQ(exclude.pixel(150, 57), R);

    const QImage region = play([&](TMetafileDC& dc) {
        // Reference pixels: the right quarter of the page.
        const TRegion r(TRect{283, 0, 378, 189});
        dc.SelectClipRgn(&r);
        dc.FillRect(TRect{0, 0, 10000, -5000}, red);
    });
    EXPECT_EQ(region.pixel(100, 90), W);
    EXPECT_EQ(region.pixel(330, 90), R);

    const QImage restored = play([&](TMetafileDC& dc) {
        dc.SaveDC();
        dc.IntersectClipRect(TRect{0, 0, 1000, -1000});
        dc.RestoreDC(-1);
        dc.FillRect(TRect{0, 0, 10000, -5000}, red);
    });
    EXPECT_EQ(restored.pixel(300, 150), R);
}

TEST(Metafile, EmbeddedRecordsAreScaledIntoTheRecording)
{
    // Inner: 50 x 25 mm, a 4 mm font and a 1 mm pen; drawn at twice its size.
    TMetafileDC rec(TRect{0, 0, 5000, 2500});
    rec.SetMapMode(MM_HIMETRIC);
    TLogFont font;
    font.Height = -400;
    font.Escapement = 900;
    rec.SelectFont(font);
    rec.SelectPen(TLogPen{PS_SOLID, 100, 0});
    rec.ExtTextOut(1000, -1000, 0, nullptr, QStringLiteral("Ab"));
    rec.Rectangle(TRect{0, 0, 2500, -1250});
    const auto inner = Loaded(rec.Finish());

    TMetafile outer;
    outer.SetMMWidth(10000);
    outer.SetMMHeight(5000);
    {
        TMetafileCanvas c(outer);
        c.DC().SetMapMode(MM_HIMETRIC);
        c.StretchDraw(TRect{0, 0, 10000, -5000}, inner.get());
    }
    std::vector<QByteArray> fonts, pens, rects, texts;
    EnumEnhMetaFile(outer.Data(), [&](const TEmfRecord& r) {
        if (r.Type() == EMR_EXTCREATEFONTINDIRECTW) fonts.emplace_back(r.Bytes().toByteArray());
        if (r.Type() == EMR_CREATEPEN) pens.emplace_back(r.Bytes().toByteArray());
        if (r.Type() == EMR_RECTANGLE) rects.emplace_back(r.Bytes().toByteArray());
        if (r.Type() == EMR_EXTTEXTOUTW) texts.emplace_back(r.Bytes().toByteArray());
        return true;
    });
    ASSERT_FALSE(fonts.empty());
    const TEmfRecord f(fonts.back(), 0);
    EXPECT_EQ(f.I32(12), -800);  // height
    EXPECT_EQ(f.I32(20), 900);   // same axes, same angle
    ASSERT_FALSE(pens.empty());
    EXPECT_EQ(TEmfRecord(pens.back(), 0).I32(16), 200);
    ASSERT_EQ(rects.size(), 1u);
    EXPECT_EQ(TEmfRecord(rects[0], 0).Rect(8), (TRect{0, 0, 5000, -2500}));
    ASSERT_EQ(texts.size(), 1u);
    const TEmfRecord t(texts[0], 0);
    EXPECT_EQ(t.I32(36), 2000);
    EXPECT_EQ(t.I32(40), -2000);
}

TEST(Metafile, EmbeddedClipsKeepTheirPlace)
{
    TMetafileDC rec(TRect{0, 0, 10000, 5000});
    rec.SetMapMode(MM_HIMETRIC);
    rec.ExcludeClipRect(TRect{1000, -1000, 2000, -2000});
    rec.FillRect(TRect{0, 0, 10000, -5000}, TLogBrush{BS_SOLID, RGB(255, 0, 0), 0});
    const auto inner = Loaded(rec.Finish());
    TMetafile outer;
    outer.SetMMWidth(10000);
    outer.SetMMHeight(5000);
    {
        TMetafileCanvas c(outer);
        c.DC().SetMapMode(MM_HIMETRIC);
        c.StretchDraw(TRect{0, 0, 10000, -5000}, inner.get());
    }
    const QImage img = Played(outer.Data(), TRect{0, 0, 378, 189}, 378, 189);
    EXPECT_EQ(img.pixel(57, 57), qRgb(255, 255, 255));  // the hole
    EXPECT_EQ(img.pixel(20, 20), qRgb(255, 0, 0));
    EXPECT_EQ(img.pixel(370, 180), qRgb(255, 0, 0));
}

TEST(Metafile, WhatPlaybackRefusesIsRefusedWhenLoaded)
{
    // One record between the header and the end, whose sizes and offsets
    // pass the record framing but not the player.
    const auto page = PageWithRecords;
    auto text = [](quint32 Chars, quint32 OffString, quint32 Options, quint32 OffDx) {
        return [=](TEmfWriter& w) {
            w.Begin(EMR_EXTTEXTOUTW);
            w.Rect({});
            w.U32(GM_COMPATIBLE);
            w.U32(0);
            w.U32(0);
            w.I32(10);
            w.I32(10);
            w.U32(Chars);
            w.U32(OffString);
            w.U32(Options);
            w.Rect({});
            w.U32(OffDx);
            w.Utf16(QStringLiteral("ab"), 2);
            w.I32(5);
            w.I32(5);
            w.End();
        };
    };
    auto poly = [](quint32 Type, quint32 Count) {
        return [=](TEmfWriter& w) {
            w.Begin(Type);
            w.Rect({});
            w.U32(Count);
            for (int i = 0; i < 4; ++i) w.U32(0);
            w.End();
        };
    };
    auto clip = [](quint32 RgnSize, quint32 Count) {
        return [=](TEmfWriter& w) {
            w.Begin(EMR_EXTSELECTCLIPRGN);
            w.U32(RgnSize);
            w.U32(RGN_COPY);
            w.U32(32);
            w.U32(1);
            w.U32(Count);
            w.U32(16);
            w.Rect({});
            w.Rect({0, 0, 10, 10});
            w.End();
        };
    };
    auto dib = [](quint32 OffBmi, quint32 CbBmi, quint32 OffBits, quint32 CbBits, quint32 InfoSize = 40) {
        return [=](TEmfWriter& w) {
            w.Begin(EMR_STRETCHDIBITS);
            w.Rect({});
            for (int i = 0; i < 6; ++i) w.I32(i < 4 ? 0 : 1);
            w.U32(OffBmi); w.U32(CbBmi); w.U32(OffBits); w.U32(CbBits);
            w.U32(DIB_RGB_COLORS); w.U32(SRCCOPY); w.I32(10); w.I32(10);
            // A 1 x 1 bitmap of 32 bits a pixel.
            w.U32(InfoSize); w.I32(1); w.I32(1); w.U16(1); w.U16(32);
            w.Zeros(24);
            w.U32(0x00FF0000);
            w.End();
        };
    };
    auto tooShort = [](quint32 Type) {
        return QString("Metafile is not valid: record %1 at offset 108 is too short").arg(Type);
    };
    // What the layout check of the record library finds first.
    auto malformed = [](quint32 Type) {
        return QString("Metafile is not valid: record %1 at offset 108 is malformed").arg(Type);
    };
    const struct {
        const char* name;
        std::function<void(TEmfWriter&)> body;
        QString message;
    } cases[] = {
        {"text of more characters than the record holds", text(1000, 76, 0, 0), malformed(EMR_EXTTEXTOUTW)},
        {"text beyond the record", text(2, 4000, 0, 0), tooShort(EMR_EXTTEXTOUTW)},
        {"text offset past 4 GiB", text(2, 0xFFFFFFFE, 0, 0), tooShort(EMR_EXTTEXTOUTW)},
        {"advances beyond the record", text(2, 76, 0, 4000), malformed(EMR_EXTTEXTOUTW)},
        {"advances with y beyond the record", text(2, 76, ETO_PDY, 80), tooShort(EMR_EXTTEXTOUTW)},
        {"polygon of more points than it holds", poly(EMR_POLYGON, 3), malformed(EMR_POLYGON)},
        {"polyline of a huge count", poly(EMR_POLYLINE, 0xFFFFFFFF), malformed(EMR_POLYLINE)},
        {"short polygon of more points than it holds", poly(EMR_POLYGON16, 5), malformed(EMR_POLYGON16)},
        {"short polyline of more points than it holds", poly(EMR_POLYLINE16, 9), malformed(EMR_POLYLINE16)},
        {"region beyond the record", clip(4000, 1), malformed(EMR_EXTSELECTCLIPRGN)},
        {"region smaller than its header", clip(16, 0), malformed(EMR_EXTSELECTCLIPRGN)},
        {"region of more rectangles than it holds", clip(48, 2), tooShort(EMR_EXTSELECTCLIPRGN)},
        {"bitmap header beyond the record", dib(4000, 40, 120, 4), malformed(EMR_STRETCHDIBITS)},
        {"bitmap pixels beyond the record", dib(80, 40, 120, 400), malformed(EMR_STRETCHDIBITS)},
        {"bitmap header of an unknown size", dib(80, 40, 120, 4, 41),
         "Bitmap image is not valid: info header of 41 bytes"},
        {"bitmap without its pixels", dib(80, 40, 120, 0, 40), "Bitmap image is not valid: truncated pixel data"},
    };
    const auto good = Loaded(page(text(2, 76, 0, 80)));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QByteArray emf = page(c.body);
        // Played record by record without loading it first.
        const QString played = ErrorOf<EInvalidGraphic>([&] {
            QImage img(50, 50, QImage::Format_RGB32);
            TPainterDC dc(&img);
            TEnhMetaPlayer player(dc, ReadEnhMetaHeader(emf), TRect{0, 0, 50, 50});
            EnumEnhMetaFile(emf, [&](const TEmfRecord& R) {
                player.PlayRecord(R);
                return true;
            });
        });
        EXPECT_EQ(played.toStdString(), c.message.toStdString());
        TMetafile mf;
        mf.Assign(good.get());
        TBytesStream in(emf);
        EXPECT_EQ(ErrorOf<EInvalidGraphic>([&] { mf.LoadFromStream(in); }).toStdString(), c.message.toStdString());
        EXPECT_EQ(mf.Data(), good->Data());
    }
}

struct HugeTextCase {
    const char* Name;
    const char* Text;
};

class MetafileHugeText : public ::testing::TestWithParam<HugeTextCase> {};

TEST_P(MetafileHugeText, PlaysIntoItsPlace)
{
    // A font far larger than the page: the glyphs still land where the text
    // is. Characters that no installed face has are drawn as boxes, which
    // Qt would keep in a cache image of hundreds of megabytes at this size.
    TMetafileDC rec(TRect{0, 0, 2540, 2540});
    TLogFont font;
    font.Height = -65168;
    font.FaceName = QStringLiteral("Liberation Sans");
    rec.SelectFont(font);
    rec.SetBkMode(TRANSPARENT);
    rec.SetTextAlign(TA_BASELINE);
    // The first glyph's left stem (or box) covers the page down to the
    // baseline at row 60.
    rec.ExtTextOut(-1252, 60, 0, nullptr, QString::fromUtf8(GetParam().Text));
    const QImage img = Played(rec.Finish(), TRect{0, 0, 96, 96}, 96, 96);
    EXPECT_EQ(img.pixel(48, 50), qRgb(0, 0, 0));
    EXPECT_EQ(img.pixel(48, 70), qRgb(255, 255, 255));
}

INSTANTIATE_TEST_SUITE_P(Faces, MetafileHugeText,
    ::testing::Values(HugeTextCase{"Latin", "HHHHHHHHH"},
                      HugeTextCase{"NoFaceHasThem", "\u0915\u0916\u0917\u0918\u0919\u091A\u091B\u091C\u091D"}),
    [](const auto& Info) { return std::string(Info.param.Name); });
