#include "demo/inidata.h"

#include "classlib/core/stringlist.h"
#include "classlib/core/sysutils.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace classlib;

namespace demo {
namespace {

QStringList ToList(const TStrings& S)
{
    QStringList r;
    for (int i = 0; i < S.Count(); ++i) r << S[i];
    return r;
}

void Fill(TStrings& S, const QStringList& Lines)
{
    S.Clear();
    for (const QString& l : Lines) S.Add(l);
}

struct TReduceCase {
    const char* Name;
    int Period;
    QStringList Lines;
    QStringList Values;
};

TEST(IniDataTest, ReduceLinesDropsHeadersAndKeys)
{
    const TReduceCase cases[] = {
        {"countries", 2, {"[C0]", "Name=Chile", "[C1]", "Name=Peru"}, {"Chile", "Peru"}},
        {"only the first = splits", 2, {"[C0]", "Name=a=b"}, {"a=b"}},
        {"a line without = is kept whole", 2, {"[C0]", "Chile"}, {"Chile"}},
        {"an empty value stays", 2, {"[C0]", "Name="}, {""}},
        {"producers", 4, {"[P0]", "Name=A", "Country=0", "X=1", "[P1]", "Name=B"}, {"A", "0", "1", "B"}},
        {"empty file", 4, {}, {}},
    };
    for (const TReduceCase& c : cases) {
        TStringList lines, values;
        Fill(lines, c.Lines);
        values.Add(QStringLiteral("stale"));
        ReduceLines(lines, c.Period, values);
        EXPECT_EQ(ToList(values), c.Values) << c.Name;
    }
}

struct TProducersCase {
    const char* Name;
    QStringList Records;
    int Country;
    QStringList Names;
};

TEST(IniDataTest, ProducersOfMatchesTheCountryNumberExactly)
{
    const TProducersCase cases[] = {
        {"file order", {"A", "1", "x", "B", "0", "x", "C", "1", "x"}, 1, {"A", "C"}},
        {"leading zero never matches", {"A", "01", "x", "B", "1", "x"}, 1, {"B"}},
        {"blank never matches", {"A", " 1", "x", "B", "1 ", "x"}, 1, {}},
        {"no producers", {"A", "0", "x"}, 3, {}},
        {"incomplete last record ignored", {"A", "2", "x", "B", "2"}, 2, {"A"}},
        {"lone name at the end ignored", {"A", "2", "x", "B"}, 2, {"A"}},
    };
    for (const TProducersCase& c : cases) {
        TStringList records, names;
        Fill(records, c.Records);
        names.Add(QStringLiteral("stale"));
        ProducersOf(records, c.Country, names);
        EXPECT_EQ(ToList(names), c.Names) << c.Name;
    }
}

TEST(IniDataTest, LoadValuesReportsAMissingFile)
{
    QTemporaryDir dir;
    const QString name = dir.filePath(QStringLiteral("countries.ini"));
    TStringList values;
    values.Add(QStringLiteral("kept"));
    try {
        LoadValues(name, 2, values);
        FAIL() << "no error";
    } catch (const EFOpenError& E) {
        EXPECT_EQ(E.Message, QStringLiteral("Cannot open file ") + name);
    }
    EXPECT_EQ(ToList(values), QStringList{QStringLiteral("kept")});
}

} // namespace
} // namespace demo
