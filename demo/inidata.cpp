#include "demo/inidata.h"

#include "classlib/core/streams.h"
#include "classlib/core/stringlist.h"

using namespace classlib;

namespace demo {

void ReduceLines(const TStrings& Lines, int Period, TStrings& Values)
{
    Values.BeginUpdate();
    Values.Clear();
    for (int i = 0; i < Lines.Count(); ++i) {
        if (i % Period == 0)
            continue;
        const QString line = Lines[i];
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        Values.Add(eq < 0 ? line : line.mid(eq + 1));
    }
    Values.EndUpdate();
}

void LoadValues(const QString& FileName, int Period, TStrings& Values)
{
    TStringList lines;
    {
        TFileStream file(FileName, fmOpenRead | fmShareDenyWrite);
        lines.LoadFromStream(file);
    }
    ReduceLines(lines, Period, Values);
}

void ProducersOf(const TStrings& Producers, int CountryIndex, TStrings& Names)
{
    const QString country = QString::number(CountryIndex);
    Names.BeginUpdate();
    Names.Clear();
    for (int i = 0; i + ProducerFields <= Producers.Count(); i += ProducerFields)
        if (Producers[i + 1] == country)
            Names.Add(Producers[i]);
    Names.EndUpdate();
}

} // namespace demo
