#pragma once

// Small classes for the stream tests: a page root with published methods
// and a field, elements with one property of every kind, a sub-object
// with a nested sub-object, a collection, a custom binary property, and
// children enumerated through GetChildren.

#include "classlib/core/classbuilder.h"
#include "classlib/core/collection.h"
#include "classlib/core/component.h"
#include "classlib/core/streams.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <string>
#include <vector>

namespace streamtest {

using namespace classlib;

QX_ENUM(TStmShade, shNone, shLight, shDark)
QX_ENUM(TStmEdge, edLeft, edTop, edRight, edBottom)
using TStmEdges = TSet<TStmEdge>;
QX_INTEGER_TYPE(TStmTint, qint32)  // named values: tnBlack = 0, tnRed = 255

class TStmPen : public TPersistent {
    QX_CLASS(TStmPen, TPersistent)
public:
    void Assign(const TPersistent* Source) override;
    TStmTint Color = TStmTint(0);
    int Style = 0;
};

class TStmFrame : public TPersistent {
    QX_CLASS(TStmFrame, TPersistent)
public:
    TStmFrame() : Pen(new TStmPen) {}
    ~TStmFrame() override { delete Pen; }
    void Assign(const TPersistent* Source) override;
    int Width = 0;
    TStmEdges Edges;
    TStmPen* Pen;
};

class TStmElement;
class TStmFieldOnly;

class TStmLine : public TCollectionItem {
    QX_CLASS(TStmLine, TCollectionItem)
public:
    using TCollectionItem::TCollectionItem;
    void Assign(const TPersistent* Source) override;
    int Pos = 0;
    QString Caption;
    TStmElement* Link = nullptr;
};

class TStmLines : public TCollection {
    QX_CLASS(TStmLines, TCollection)
public:
    TStmLines() : TCollection(TStmLine::StaticClass()) {}
    TStmLine* Line(int Index) const { return static_cast<TStmLine*>(Items(Index)); }
    int Updates = 0;

protected:
    void Update(TCollectionItem*) override { ++Updates; }
};

// Read order of Loaded, across a test.
extern QStringList LoadLog;

class TStmElement : public TComponent {
    QX_CLASS(TStmElement, TComponent)
public:
    explicit TStmElement(TComponent* AOwner);
    ~TStmElement() override;

    void GetChildren(const std::function<void(TComponent*)>& Proc, TComponent* Root) override;
    TComponent* GetChildParent() override { return this; }
    void ReadState(TReader& Reader) override;
    void Loaded() override;
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void DefineProperties(TFiler& Filer) override;

    void SetPeer(TStmElement* Value);

    int Left = 0;
    qint16 Small = 0;
    quint8 Byte = 0;
    unsigned Big = 0;
    qint64 Huge = 0;
    TStmShade Shade = shNone;
    TStmEdges Edges;
    bool Visible = true;
    double Ratio = 0;
    long double Ext = 0;
    QString Caption;
    QString Short;  // a short string
    char Letter = 'A';
    TStmTint Tint = TStmTint(0);
    TStmFrame* Frame;
    TStmLines* Lines;
    TStmElement* Peer = nullptr;
    TNotifyEvent OnClick;
    QByteArray Data;    // custom binary property "Data", stored when not empty
    QStringList Notes;  // custom property "Notes", a list of strings

    TStmElement* ParentElement = nullptr;  // from the nesting of records
    TComponentState StateAtLoaded;
};

// A root: owned elements without a parent element are its children.
class TStmPage : public TComponent {
    QX_CLASS(TStmPage, TComponent)
public:
    using TComponent::TComponent;
    void GetChildren(const std::function<void(TComponent*)>& Proc, TComponent* Root) override;
    void Loaded() override;

    void ElementClick(TObject* Sender);
    void OtherClick(TObject* Sender);
    void CountClick(TObject* Sender, int Count);

    int Margin = 0;
    TStmElement* Element1 = nullptr;  // published fields
    TStmFieldOnly* FieldOnly1 = nullptr;
    QStringList Clicks;
};

// Not registered: found through the page's published field only.
class TStmFieldOnly : public TStmElement {
    QX_CLASS(TStmFieldOnly, TStmElement)
public:
    using TStmElement::TStmElement;
};

void RegisterStreamClasses();

// Test helpers
QByteArray Hex(const char* Text);  // "02 7F" -> bytes
std::string HexOf(const QByteArray& Bytes);
QByteArray WriteRoot(TComponent* Root);
// Short string and value builders for hand-made streams.
QByteArray S(const QByteArray& Text);
QByteArray Int(qint64 Value);
QByteArray P(const char* Name, const QByteArray& Value);  // a property
QByteArray Id(const char* Ident);                         // an identifier value
// "TPF0", the root's header and the given property and child bytes.
QByteArray Stream(const QByteArray& ClassName, const QByteArray& Name, const QByteArray& Props,
                  const QByteArray& Children = QByteArray(1, 0));
QByteArray Record(const QByteArray& ClassName, const QByteArray& Name, const QByteArray& Props,
                  const QByteArray& Children = QByteArray(1, 0));
// Reads Bytes into Root; the message of the failure or empty.
std::string ReadRoot(const QByteArray& Bytes, TComponent* Root, bool Lenient = false,
                     QStringList* Errors = nullptr);

} // namespace streamtest
