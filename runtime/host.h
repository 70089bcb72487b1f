#pragma once

#include "classlib/core/component.h"
#include "classlib/core/stringlist.h"
#include "classlib/system/printerorientation.h"

#include <QString>

namespace classlib {
class TMemoryStream;
class TMethodInfo;
class TStream;
}

namespace runtime {

// Root of a document body: the paper settings and the pages, each kept as
// its unparsed component stream until it is loaded into a paper.
class TQXHost : public classlib::TComponent {
    QX_CLASS(TQXHost, classlib::TComponent)
public:
    explicit TQXHost(classlib::TComponent* AOwner);
    ~TQXHost() override;

    // Frees the pages and empties PageOrder; the paper settings stay.
    // Descendants set their defaults here.
    virtual void Clear();

    int GetPageCount() const;
    classlib::TMemoryStream* GetPageStream(int Index) const;
    QString GetPageName(int Index) const;
    // The first page of that name without regard to case, or -1.
    int IndexOfPage(const QString& Name) const;
    // Appends a page holding a copy of Source's bytes; returns its index.
    int AddPage(const QString& Name, classlib::TStream& Source);
    // Frees page Index's stream and removes the page; PageOrder is the
    // caller's. EStringListError for an index that is no page.
    void RemovePage(int Index);
    // Gives page Index another name; PageOrder is the caller's.
    void SetPageName(int Index, const QString& Name);

    // Takes Other's paper settings, pages and order, and its name unless
    // the owner refuses it, as a read does; Other keeps no pages. What a
    // read into Other gave, without reading it again.
    void TakeFrom(TQXHost& Other);

    // Reads a body from a reader that stands at its first byte. On failure
    // the host is cleared and the failure passed on.
    void LoadFromReader(classlib::TReader& Reader);
    // Reads page Index into Paper, creating the runtime's element classes.
    void LoadPage(classlib::TComponent* Paper, int Index);

    void DefineProperties(classlib::TFiler& Filer) override;

    // Reader handlers that let a runtime read what a designer wrote: errors
    // are handled (unknown properties and classes are skipped), unknown
    // method names leave events unassigned, a missing ancestor is ignored.
    void ReaderError(classlib::TReader& Reader, const QString& Message, bool& Handled);
    void ReaderFindMethod(classlib::TReader& Reader, const QString& MethodName,
                          const classlib::TMethodInfo*& Address, bool& Error);
    void ReaderAncestorNotFound(classlib::TReader& Reader, const QString& ComponentName,
                                const classlib::TClassInfo* ComponentClass,
                                classlib::TComponent*& Component);

    // Hundredths of a millimetre.
    int QXLeftMargin() const { return FQXLeftMargin; }
    void SetQXLeftMargin(int Value) { FQXLeftMargin = Value; }
    int QXTopMargin() const { return FQXTopMargin; }
    void SetQXTopMargin(int Value) { FQXTopMargin = Value; }
    int QXRightMargin() const { return FQXRightMargin; }
    void SetQXRightMargin(int Value) { FQXRightMargin = Value; }
    int QXBottomMargin() const { return FQXBottomMargin; }
    void SetQXBottomMargin(int Value) { FQXBottomMargin = Value; }
    int QXWidth() const { return FQXWidth; }
    void SetQXWidth(int Value) { FQXWidth = Value; }
    int QXHeight() const { return FQXHeight; }
    void SetQXHeight(int Value) { FQXHeight = Value; }

    classlib::TPrinterOrientation Orientation() const { return FOrientation; }
    void SetOrientation(classlib::TPrinterOrientation Value) { FOrientation = Value; }
    // The printer's paper code (9 = A4).
    int PaperSize() const { return FPaperSize; }
    void SetPaperSize(int Value) { FPaperSize = Value; }
    const QString& PageOrder() const { return FPageOrder; }
    void SetPageOrder(const QString& Value) { FPageOrder = Value; }

private:
    // Stored "PageCount": how many pages the "PageData" that follows holds.
    void SetPageCount(int Value) { FExpectedPageCount = Value; }
    int ExpectedPages() const;
    void ReadPageData(classlib::TStream& Stream);
    void WritePageData(classlib::TStream& Stream);
    void InstallHandlers(classlib::TReader& Reader);
    void FreePages();

    int FQXLeftMargin = 0;
    int FQXTopMargin = 0;
    int FQXRightMargin = 0;
    int FQXBottomMargin = 0;
    int FQXWidth = 0;
    int FQXHeight = 0;
    int FPaperSize = 0;
    classlib::TPrinterOrientation FOrientation = classlib::poPortrait;
    classlib::TStringList FPages;  // owns its TMemoryStream objects
    QString FPageOrder;
    int FExpectedPageCount = 0;
};

} // namespace runtime
