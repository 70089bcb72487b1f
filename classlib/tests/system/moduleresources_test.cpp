#include "classlib/graphics/bitmap.h"
#include "classlib/system/dll.h"
#include "classlib/system/moduleresources.h"

#include "classlib/tests/errorof.h"

#include <dlfcn.h>

#include <gtest/gtest.h>

using namespace classlib;
using namespace classlib::test;

namespace moduleresources_test {

class ModuleResources : public ::testing::Test {
protected:
    void SetUp() override { Module = LoadDLL(QStringLiteral("qxdlltest.dll")); }
    void TearDown() override { UnloadDLL(Module); }

    QString StringOf(int Id, int BufferMax, int* Count = nullptr)
    {
        std::vector<char16_t> buffer(size_t(std::max(BufferMax, 1)), u'?');
        const int n = LoadModuleString(Module, Id, buffer.data(), BufferMax);
        if (Count)
            *Count = n;
        return QString::fromUtf16(buffer.data());
    }

    TDLLHandle Module = nullptr;
};

TEST_F(ModuleResources, StringsAreCopiedUpToTheBuffer)
{
    const struct {
        const char* Case;
        int Id;
        int BufferMax;
        QString Text;
    } rows[] = {
        {"whole", 10, 4096, QStringLiteral("Hello\nW\u00F6rld")},
        {"cut to the buffer", 10, 4, QStringLiteral("Hel")},
        {"at most max - 1 taken", 40, 4096, QString(4095, QLatin1Char('x'))},
        {"missing", 11, 4096, QString()},
        {"a bitmap's id is no string", 1, 4096, QString()},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Case);
        int count = -1;
        EXPECT_EQ(StringOf(row.Id, row.BufferMax, &count), row.Text);
        EXPECT_EQ(count, row.Text.size());
    }
}

TEST_F(ModuleResources, RawDataReadsAsAStreamThatRefusesWrites)
{
    TResourceStream stream(Module, 10);
    EXPECT_EQ(stream.Size(), 6);
    char buffer[6] = {};
    EXPECT_EQ(stream.Read(buffer, 6), 6);
    EXPECT_EQ(QByteArray(buffer, 6), QByteArrayLiteral("\x00\x01\x02raw"));
    EXPECT_EQ(ErrorOf<EStreamError>([&] { stream.Write("x", 1); }),
              QStringLiteral("Can't write to a read-only resource stream"));
}

TEST_F(ModuleResources, BitmapsLoadFromTheTable)
{
    TBitmap bmp;
    LoadModuleBitmap(bmp, Module, 1);
    EXPECT_EQ(bmp.Width(), 2);
    EXPECT_EQ(bmp.Height(), 3);
    EXPECT_EQ(bmp.Image().pixel(1, 2) & 0xFFFFFF, 0xFF0000u);
    EXPECT_NE(ErrorOf([&] { LoadModuleBitmap(bmp, Module, 30); }), QStringLiteral("<no error>"));
}

TEST_F(ModuleResources, MissingResourcesRaiseWithTheirNumber)
{
    TBitmap bmp;
    void* program = dlopen(nullptr, RTLD_NOW);
    const struct {
        const char* Case;
        std::function<void()> Body;
        QString Message;
    } rows[] = {
        {"bitmap", [&] { LoadModuleBitmap(bmp, Module, 7000); }, QStringLiteral("Resource 7000 not found")},
        {"raw data of a string's id", [&] { TResourceStream s(Module, 40); },
         QStringLiteral("Resource 40 not found")},
        {"library without a table", [&] { TResourceStream s(program, 10); },
         QStringLiteral("Resource 10 not found")},
        {"no library", [&] { FindModuleResource(nullptr, rkRawData, 8000); },
         QStringLiteral("Resource 8000 not found")},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Case);
        EXPECT_EQ(ErrorOf<EResNotFound>(row.Body), row.Message);
    }
    dlclose(program);
    EXPECT_EQ(LoadModuleString(nullptr, 10, nullptr, 0), 0);
}

} // namespace moduleresources_test
