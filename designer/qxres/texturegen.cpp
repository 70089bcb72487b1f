// Draws the textures the resource library carries and writes them as a C++
// source with its resource table: each texture as a JPEG (raw data
// 8000 + i), their 64 x 64 thumbnails as one vertical bitmap strip (7000)
// and their names one per line (string 6000). Every picture is computed
// here; the output is the same on every run.
//
// Usage: qxres_texturegen <output.cpp>

#include "classlib/core/atomicsave.h"
#include "classlib/core/streams.h"
#include "classlib/core/sysutils.h"
#include "classlib/graphics/bitmap.h"
#include "classlib/graphics/jpegimage.h"
#include "designer/libraries/resourceids.h"

#include <QImage>
#include <QPainter>
#include <QStringList>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>

namespace {

constexpr int TextureSize = 128;
constexpr int ThumbSize = 64;
constexpr int JPEGQuality = 85;

// Smooth value noise on a lattice that wraps every Period cells, so that
// each texture tiles without a seam.
class TNoise {
public:
    explicit TNoise(quint32 Seed) : FSeed(Seed) {}

    double At(double X, double Y, int Period) const
    {
        const int x0 = int(std::floor(X)), y0 = int(std::floor(Y));
        const double fx = Smooth(X - x0), fy = Smooth(Y - y0);
        auto v = [&](int x, int y) { return Lattice(Wrap(x, Period), Wrap(y, Period)); };
        const double top = v(x0, y0) + (v(x0 + 1, y0) - v(x0, y0)) * fx;
        const double bottom = v(x0, y0 + 1) + (v(x0 + 1, y0 + 1) - v(x0, y0 + 1)) * fx;
        return top + (bottom - top) * fy;
    }

    // Octaves of noise over a texture coordinate in 0..1, result in 0..1.
    double Fractal(double U, double V, int BasePeriod, int Octaves) const
    {
        double sum = 0, weight = 1, total = 0;
        int period = BasePeriod;
        for (int o = 0; o < Octaves; ++o) {
            sum += At(U * period, V * period, period) * weight;
            total += weight;
            weight /= 2;
            period *= 2;
        }
        return sum / total;
    }

private:
    static double Smooth(double T) { return T * T * (3 - 2 * T); }
    static int Wrap(int V, int Period) { return ((V % Period) + Period) % Period; }

    double Lattice(int X, int Y) const
    {
        quint32 h = FSeed ^ (quint32(X) * 0x9E3779B1u) ^ (quint32(Y) * 0x85EBCA77u);
        h ^= h >> 15;
        h *= 0x2C1B3C6Du;
        h ^= h >> 12;
        h *= 0x297A2D39u;
        h ^= h >> 15;
        return (h & 0xFFFFFF) / double(0xFFFFFF);
    }

    quint32 FSeed;
};

QRgb Mix(QRgb A, QRgb B, double T)
{
    T = std::clamp(T, 0.0, 1.0);
    auto c = [&](int a, int b) { return int(std::lround(a + (b - a) * T)); };
    return qRgb(c(qRed(A), qRed(B)), c(qGreen(A), qGreen(B)), c(qBlue(A), qBlue(B)));
}

using TShader = std::function<QRgb(double U, double V)>;

struct TTexture {
    const char* Name;
    TShader Shader;
};

const double Pi = 3.14159265358979323846;

QList<TTexture> Textures()
{
    return {
        {"Wood", [n = TNoise(11)](double u, double v) {
             const double grain = n.Fractal(u, v, 4, 4);
             const double rings = std::sin((u * 6 + grain * 3) * 2 * Pi) * 0.5 + 0.5;
             const double fibre = n.Fractal(u, v, 32, 2);
             return Mix(qRgb(150, 96, 52), qRgb(102, 60, 28), rings * 0.7 + fibre * 0.3);
         }},
        {"Marble", [n = TNoise(23)](double u, double v) {
             const double turbulence = n.Fractal(u, v, 4, 5);
             const double vein = std::abs(std::sin((u + v + turbulence * 2) * 2 * Pi));
             return Mix(qRgb(120, 122, 130), qRgb(236, 234, 228), std::pow(vein, 0.35));
         }},
        {"Paper", [n = TNoise(37)](double u, double v) {
             const double fleck = n.Fractal(u, v, 32, 3);
             const double cloud = n.Fractal(u, v, 4, 3);
             return Mix(qRgb(226, 216, 190), qRgb(250, 246, 232), fleck * 0.4 + cloud * 0.6);
         }},
        {"Cloth", [n = TNoise(41)](double u, double v) {
             const double warp = std::sin(u * 32 * 2 * Pi) * 0.5 + 0.5;
             const double weft = std::sin(v * 32 * 2 * Pi) * 0.5 + 0.5;
             // Threads pass over and under in a checker of cells.
             const bool over = (int(u * 32) + int(v * 32)) % 2 == 0;
             const double thread = over ? warp : weft;
             const double slub = n.Fractal(u, v, 8, 2);
             return Mix(qRgb(40, 60, 110), qRgb(92, 118, 176), thread * 0.8 + slub * 0.2);
         }},
        {"Granite", [n = TNoise(53)](double u, double v) {
             const double base = n.Fractal(u, v, 16, 3);
             const double speck = n.At(u * 64, v * 64, 64);
             QRgb c = Mix(qRgb(96, 92, 90), qRgb(176, 168, 160), base);
             if (speck > 0.82)
                 c = Mix(c, qRgb(30, 28, 28), (speck - 0.82) * 5);
             else if (speck < 0.12)
                 c = Mix(c, qRgb(222, 200, 188), (0.12 - speck) * 6);
             return c;
         }},
        {"Sand", [n = TNoise(67)](double u, double v) {
             const double ripple = std::sin((v * 5 + n.Fractal(u, v, 4, 3) * 0.8) * 2 * Pi);
             const double grain = n.At(u * 128, v * 128, 128);
             return Mix(qRgb(196, 164, 112), qRgb(232, 206, 150), ripple * 0.3 + 0.4 + grain * 0.3);
         }},
    };
}

QImage Render(const TShader& Shader)
{
    QImage image(TextureSize, TextureSize, QImage::Format_RGB32);
    for (int y = 0; y < TextureSize; ++y)
        for (int x = 0; x < TextureSize; ++x)
            image.setPixel(x, y, Shader((x + 0.5) / TextureSize, (y + 0.5) / TextureSize));
    return image;
}

QByteArray CArray(const QByteArray& Data)
{
    QByteArray out;
    for (qsizetype i = 0; i < Data.size(); ++i) {
        out += QByteArray::number(uchar(Data[i]));
        out += (i % 24 == 23) ? ",\n" : ",";
    }
    return out;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: qxres_texturegen <output.cpp>\n");
        return 2;
    }
    const QList<TTexture> textures = Textures();

    QImage strip(ThumbSize, ThumbSize * int(textures.size()), QImage::Format_RGB32);
    QStringList names;
    QList<QByteArray> jpegs;
    for (int i = 0; i < textures.size(); ++i) {
        const QImage picture = Render(textures[i].Shader);
        jpegs << classlib::TJPEGImage::Encode(picture, JPEGQuality);
        QPainter p(&strip);
        p.drawImage(QRect(0, ThumbSize * i, ThumbSize, ThumbSize),
                    picture.scaled(ThumbSize, ThumbSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
        names << QString::fromLatin1(textures[i].Name);
    }
    classlib::TBitmap bitmap;
    bitmap.SetImage(strip);
    classlib::TMemoryStream stripFile;
    bitmap.SaveToStream(stripFile);

    struct TOut {
        const char* Kind;
        int Id;
        QByteArray Data;
    };
    QList<TOut> resources{{"rkBitmap", designer::QXTextureBitmapId, stripFile.Bytes()},
                          {"rkString", designer::QXTextureNamesId, names.join(QLatin1Char('\n')).toUtf8()}};
    for (int i = 0; i < jpegs.size(); ++i)
        resources.append({"rkRawData", designer::QXTextureJPEGBase + i, jpegs[i]});

    QByteArray src = "// Made by qxres_texturegen at build time.\n\n"
                     "#include \"classlib/system/moduleresources.h\"\n\nnamespace {\n\n";
    for (int i = 0; i < resources.size(); ++i)
        src += "const unsigned char Data" + QByteArray::number(i) + "[] = {\n" + CArray(resources[i].Data) +
               "};\n\n";
    src += "const TQXResource Items[] = {\n";
    for (int i = 0; i < resources.size(); ++i)
        src += "    {" + QByteArray(resources[i].Kind) + ", " + QByteArray::number(resources[i].Id) +
               ", Data" + QByteArray::number(i) + ", sizeof(Data" + QByteArray::number(i) + ")},\n";
    src += "};\n\n} // namespace\n\n"
           "extern \"C\" const TQXResourceTable* QXModuleResources()\n{\n"
           "    static const TQXResourceTable table{int(sizeof(Items) / sizeof(Items[0])), Items};\n"
           "    return &table;\n}\n";

    try {
        classlib::AtomicSaveToFile(QString::fromLocal8Bit(argv[1]), src);
    } catch (const classlib::Exception& e) {
        std::fprintf(stderr, "qxres_texturegen: %s\n", qPrintable(e.Message));
        return 1;
    }
    return 0;
}
