#include "classlib/system/moduleresources.h"

#include "classlib/graphics/bitmap.h"

#include <dlfcn.h>

#include <algorithm>

namespace classlib {

namespace {

// The entry of the table; nullptr when the library exports none or it is
// malformed (a count without items).
const TQXResource* FindEntry(TDLLHandle Module, TQXResourceKind Kind, int Id)
{
    if (!Module)
        return nullptr;
    auto proc = reinterpret_cast<TModuleResourcesProc>(dlsym(Module, ModuleResourcesEntry));
    const TQXResourceTable* table = proc ? proc() : nullptr;
    if (!table || table->Count <= 0 || !table->Items)
        return nullptr;
    for (int i = 0; i < table->Count; ++i) {
        const TQXResource& r = table->Items[i];
        if (r.Kind == Kind && r.Id == Id && (r.Data || r.Size == 0))
            return &r;
    }
    return nullptr;
}

} // namespace

QByteArray FindModuleResource(TDLLHandle Module, TQXResourceKind Kind, int Id)
{
    const TQXResource* r = FindEntry(Module, Kind, Id);
    if (!r)
        throw EResNotFound(QStringLiteral("Resource %1 not found").arg(Id));
    return QByteArray(reinterpret_cast<const char*>(r->Data), qsizetype(r->Size));
}

void LoadModuleBitmap(TBitmap& Bitmap, TDLLHandle Module, int Id)
{
    TBytesStream stream(FindModuleResource(Module, rkBitmap, Id));
    Bitmap.LoadFromStream(stream);
}

int LoadModuleString(TDLLHandle Module, int Id, char16_t* Buffer, int BufferMax)
{
    if (!Buffer || BufferMax <= 0)
        return 0;
    Buffer[0] = u'\0';
    const TQXResource* r = FindEntry(Module, rkString, Id);
    if (!r)
        return 0;
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char*>(r->Data), qsizetype(r->Size));
    int count = int(std::min<qsizetype>(text.size(), BufferMax - 1));
    // Never half a surrogate pair.
    if (count > 0 && count < text.size() && text.at(count - 1).isHighSurrogate())
        --count;
    std::copy_n(reinterpret_cast<const char16_t*>(text.utf16()), count, Buffer);
    Buffer[count] = u'\0';
    return count;
}

TResourceStream::TResourceStream(TDLLHandle Module, int Id, TQXResourceKind Kind)
{
    SetPointer(FindModuleResource(Module, Kind, Id));
}

qint64 TResourceStream::Write(const void*, qint64)
{
    throw EStreamError(QStringLiteral("Can't write to a read-only resource stream"));
}

} // namespace classlib
